#!/usr/bin/env bash
# answers-sample.sh SURVEY_ANSWERS OUT_DIR [COUNT]: makes COUNT (default 250) answers files
# with made-up but plausible answers (the same ones on every run), then reads them back
# with survey-answers: one file in words, the summary, and its charts in OUT_DIR/charts.
# README's "Reading the answers" shows this run's output and one of its charts.
set -eu
cmd=$(realpath "$1") out=$2 count=${3:-250}
rm -rf "$out" && mkdir -p "$out/answers"
awk -v count="$count" -v dir="$out/answers" 'BEGIN {
  srand(20261211)
  for (i = 1; i <= count; i++) {
    f = sprintf("%s/registration-%04d.ini", dir, i)
    printf "[Survey]\r\n" > f
    # Page 1: most people answer the lists; a few leave the blank entry.
    split("19 1 1 1 0 3 5 8 12 16 20 2", place, " ")
    printf "q_557-1132-746=%s\r\n", (rand() < 0.1 ? "" : place[int(rand() * 12) + 1]) > f
    split("2 2 2 6 6 0 3 4 1 5", use, " ")
    printf "q_557-1132-749=%s\r\n", (rand() < 0.08 ? "" : use[int(rand() * 10) + 1]) > f
    printf "q_557-1132-751=%s\r\n", (rand() < 0.1 ? "" : (rand() < 0.45 ? "0" : "1")) > f
    printf "q_557-1132-752=%s\r\n", boxes("0 1 2 3 4 5 6 7 8 9 10 11 12 13", "0.3 0.35 0.15 0.5 0.1 0.3 0.4 0.25 0.05 0.2 0.05 0.1 0.45 0.03") > f
    # Only those who went on past page 1 have page 2 and 3 answers.
    if (rand() < 0.85) {
      printf "q_557-1132-747=%s\r\n", boxes("0 1 6 11 18 2 4 7 9 12 14 3 5 8 10 13 15 17 13", "0.4 0.2 0.15 0.1 0.05 0.1 0.1 0.15 0.1 0.2 0.3 0.1 0.1 0.1 0.05 0.1 0.1 0.15 0.05") > f
      printf "q_557-1132-750=%s\r\n", boxes("0 1 2 3 4 6 5 7", "0.6 0.3 0.2 0.25 0.2 0.15 0.4 0.3") > f
    }
    if (rand() < 0.75) {
      printf "q_557-1132-416=%s\r\n", boxes("0 1 2 3 4 5", "0.5 0.2 0.3 0.25 0.2 0.35") > f
      printf "q_557-1132-422=%s\r\n", (rand() < 0.4 ? "0" : "1") > f
    }
    close(f)
  }
}
# The codes of the boxes a person checks, each with its own chance, in table order.
function boxes(codes, chances,    c, p, n, k, s) {
  n = split(codes, c, " "); split(chances, p, " "); s = ""
  for (k = 1; k <= n; k++) if (rand() < p[k]) s = s (s == "" ? "" : ",") c[k]
  return s
}'
# Two files that are not answers files, as a mailbox of registrations would have.
printf 'Thank you for registering.\r\n' >"$out/answers/readme.txt"
head -c 512 /dev/urandom >"$out/answers/attachment.bin"

first=$(ls "$out/answers"/registration-*.ini | head -1)
echo "\$ survey-answers $(basename "$first")"
(cd "$out/answers" && "$cmd" "$(basename "$first")")
echo
echo "\$ survey-answers --summary --chart charts answers/*"
(cd "$out" && "$cmd" --summary --chart charts answers/*)
