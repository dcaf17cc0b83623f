#!/usr/bin/env bash
# cli-check.sh SURVEY_ANSWERS SCRATCH: the command as its users run it: what each output
# holds, the exit status for every mix of good and bad files, and the charts.
set -u
cmd=$1 dir=$2
rm -rf "$dir" && mkdir -p "$dir"
fail=0
check() {  # check WHAT EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then echo "FAIL: $1: expected [$2], got [$3]" >&2; fail=1; fi
}

printf '[Survey]\r\nq_557-1132-746=19\r\nq_557-1132-752=0,5,12\r\nq_557-1132-747=13,0\r\nq_557-1132-422=1\r\n' >"$dir/a.ini"
printf '[survey]\nq_557-1132-746=\nq_557-1132-752=99\n' >"$dir/b.ini"
printf 'junk\0junk' >"$dir/junk.bin"
printf 'Dear support,\n' >"$dir/letter.txt"

# Exit status: 0 when a file was read, 1 when none could be, 2 for a wrong command line.
rows=(
  "0|$dir/a.ini"
  "0|$dir/a.ini $dir/junk.bin $dir/missing.ini"
  "1|$dir/junk.bin $dir/letter.txt $dir/missing.ini $dir"
  "1|--section Other $dir/a.ini"
  "2|"
  "2|--csv --json $dir/a.ini"
  "2|--bogus $dir/a.ini"
  "2|--section"
)
for row in "${rows[@]}"; do
  want=${row%%|*} args=${row#*|}
  # shellcheck disable=SC2086
  "$cmd" $args >/dev/null 2>"$dir/err"
  check "exit status of: $args" "$want" "$?"
done

# Each skipped file on one line of its own, naming the file and why.
"$cmd" "$dir/a.ini" "$dir/junk.bin" "$dir/letter.txt" "$dir/missing.ini" >/dev/null 2>"$dir/err"
check "skipped lines" 3 "$(wc -l <"$dir/err")"
grep -q "junk.bin: not an answers file: binary content" "$dir/err" || { echo "FAIL: junk.bin line" >&2; fail=1; }
grep -q "letter.txt: not an answers file: no \[Survey\] section" "$dir/err" || { echo "FAIL: letter line" >&2; fail=1; }

# Text: the question, then its answers.
out=$("$cmd" "$dir/a.ini")
grep -qx "  Where did you purchase this product?" <<<"$out" || { echo "FAIL: text question" >&2; fail=1; }
grep -qx "      Catalog" <<<"$out" || { echo "FAIL: text answer" >&2; fail=1; }

# CSV: a header and one row per file and question; quoted where the fields need it.
"$cmd" --csv "$dir/a.ini" "$dir/b.ini" "$dir/junk.bin" >"$dir/out.csv" 2>/dev/null
check "CSV lines" 17 "$(wc -l <"$dir/out.csv")"
check "CSV header" "file,key,question,codes,labels" "$(head -1 "$dir/out.csv")"
check "CSV boxes" "$dir/a.ini,q_557-1132-752,Which of the following peripherals do you use with your computer?,\"0,5,12\",3D Graphics Accelerator; Digital Camera; Scanner" \
      "$(grep -F "a.ini,q_557-1132-752" "$dir/out.csv")"
check "CSV unknown" "$dir/b.ini,q_557-1132-752,Which of the following peripherals do you use with your computer?,99,unknown code 99" \
      "$(grep -F "b.ini,q_557-1132-752" "$dir/out.csv")"

# JSON: well-formed, with the skipped file and its reason.
"$cmd" --json "$dir/a.ini" "$dir/junk.bin" >"$dir/out.json" 2>/dev/null
check "JSON shared pick" "true" "$(jq '.files[0].answers[] | select(.key == "q_557-1132-747") | .picks[1].shared' "$dir/out.json")"
check "JSON skipped" '"not an answers file: binary content"' "$(jq '.skipped[0].reason' "$dir/out.json")"
"$cmd" --summary --json "$dir/a.ini" "$dir/b.ini" "$dir/junk.bin" >"$dir/summary.json" 2>/dev/null
check "summary JSON counts" "2 1" "$(jq -r '"\(.files_read) \(.files_skipped)"' "$dir/summary.json")"
check "summary JSON share" "0.5" "$(jq '.questions[0].rows[] | select(.label == "Catalog") | .share' "$dir/summary.json")"

# Summary CSV: one row per question and answer, with its count and share.
"$cmd" --summary --csv "$dir/a.ini" "$dir/b.ini" >"$dir/summary.csv" 2>/dev/null
check "summary CSV blank" "q_557-1132-746,Where did you purchase this product?,,blank,1,0.5000" \
      "$(grep -F "q_557-1132-746,Where did you purchase this product?,,blank," "$dir/summary.csv")"

# Charts: one PNG per question, named after its key.
"$cmd" --summary --chart "$dir/charts" "$dir/a.ini" "$dir/b.ini" >/dev/null 2>&1
check "chart status" 0 "$?"
for key in 746 749 751 752 747 750 416 422; do
  png=$dir/charts/q_557-1132-$key.png
  check "chart $key" 89504e470d0a1a0a "$(head -c 8 "$png" 2>/dev/null | od -An -tx1 | tr -d ' \n')"
done
SURVEY_GNUPLOT=false "$cmd" --summary --chart "$dir/charts2" "$dir/a.ini" >/dev/null 2>&1
check "failed chart status" 3 "$?"

[ $fail = 0 ] && echo "cli-check: all passed"
exit $fail
