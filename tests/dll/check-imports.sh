#!/usr/bin/env bash
# check-imports.sh EXE: the program imports DoSurveyV2 by its plain name from survey.dll,
# as the DLL exports it; a wrongly made import library shows here even where the program
# can't be run.
set -eu
imports=$(objdump -p "$1" | awk '/DLL Name: /{dll=$3} dll=="survey.dll" && $NF ~ /DoSurvey/ {print $NF}')
if [ "$imports" != DoSurveyV2 ]; then
  echo "$1: expected to import survey.dll!DoSurveyV2, found: ${imports:-nothing}" >&2
  exit 1
fi
echo "$1: imports survey.dll!DoSurveyV2"
