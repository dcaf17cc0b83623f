#!/usr/bin/env bash
# installer-walk.sh PREFIX PILOT INSTALLER WALK WORK [--no-answers-folder]
# Copies INSTALLER into a fresh WORK folder (with an answers/ folder beside it unless told
# otherwise), runs it under the X11 session in PREFIX, drives it by the pilot script
# WALK.pilot and checks three things: the installer ended by itself, the pages it went
# through (pages.log, written by the test build) equal WALK.pages, and the answers file's
# [Survey] section equals WALK.answers ("(no answers file)" when none may exist).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
if [ "${1:-}" = --inner ]; then
  shift
  pilot=$1 work=$2 walk=$3
  . "$root/tools/wine-env.sh"
  "$wine" "$work/setup.exe" </dev/null >/dev/null 2>&1 &
  installer=$!
  status=0
  timeout 180 "$wine" "$pilot" --timeout 20 --out "Z:$work/pictures" "Z:$walk.pilot" </dev/null || status=$?
  for _ in $(seq 200); do kill -0 "$installer" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$installer" 2>/dev/null; then
    echo "installer-walk: the installer did not finish after the walk" >&2
    kill "$installer" 2>/dev/null || true
    status=1
  fi
  exit $status
fi

prefix=$1 pilot=$2 installer=$3 walk=$4 work=$(realpath -m "$5")
rm -rf "$work"
mkdir -p "$work"
cp "$installer" "$work/setup.exe"
[ "${6:-}" = --no-answers-folder ] || mkdir "$work/answers"

status=0
"$root/pilot/x11-session.sh" "$prefix" "$0" --inner "$pilot" "$work" "$walk" || status=$?

pages=$(tr -d '\r' <"$work/pages.log" 2>/dev/null || true)
if [ "$pages" != "$(cat "$walk.pages")" ]; then
  echo "installer-walk: pages went through:"; echo "${pages:-(none)}"
  echo "installer-walk: expected:"; cat "$walk.pages"
  status=1
fi
if [ -f "$work/answers/answers.ini" ]; then
  answers=$(tr -d '\r' <"$work/answers/answers.ini" | sed -n '/^\[Survey\]/,/^\[/{/^\[/d;p}' | sort)
else
  answers="(no answers file)"
fi
if [ "$answers" != "$(sort "$walk.answers")" ]; then
  echo "installer-walk: answers stored:"; echo "$answers"
  echo "installer-walk: expected:"; sort "$walk.answers"
  status=1
fi
exit $status
