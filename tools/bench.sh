#!/usr/bin/env bash
# bench.sh: what make bench prints. The product's size and imports (the PE32 survey.dll),
# then the soak of 1000 surveys under Wine: wine32 on the PE32 build where this machine
# runs it, otherwise wine64 on the x86-64 build of the same sources.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
dll=$root/build/win32/bin/survey.dll
echo "== survey.dll (PE32): $(stat -c %s "$dll") bytes =="
objdump -p "$dll" | sed -n 's/^\s*DLL Name: /imports /p'
objdump -h "$dll" | awk '$2 ~ /^\./ {print $2, $3}' | while read -r name size; do
  printf 'section %-9s %6d bytes\n' "$name" $((16#$size))
done
echo
if "$root/tools/wine32-runs.sh"; then build=$root/build/win32 arch=win32; else build=$root/build/win64 arch=win64; fi
echo "== soak: 1000 surveys, one process, one load of survey.dll ($arch) =="
SURVEY_WINE_ARCH=$arch "$root/tools/wine-run.sh" "$build/wineprefix" "$build/bin/survey_soak.exe" 1000
