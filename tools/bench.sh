#!/usr/bin/env bash
# bench.sh: what make bench prints, and keeps in build/bench/: the product's size and
# imports (the PE32 survey.dll), page opening and a walk against the platform floor,
# picture loading against one read of the file (with its chart), and the soak of 1000
# surveys. The programs run under wine32 on the PE32 build where this machine runs it,
# otherwise under wine64 on the x86-64 build of the same sources.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/bench
mkdir -p "$out"
dll=$root/build/win32/bin/survey.dll
{
  echo "== survey.dll (PE32): $(stat -c %s "$dll") bytes =="
  objdump -p "$dll" | sed -n 's/^\s*DLL Name: /imports /p'
  objdump -h "$dll" | awk '$2 ~ /^\./ {print $2, $3}' | while read -r name size; do
    printf 'section %-9s %6d bytes\n' "$name" $((16#$size))
  done
} | tee "$out/size.txt"
if "$root/tools/wine32-runs.sh"; then build=$root/build/win32 arch=win32; else build=$root/build/win64 arch=win64; fi
run() { SURVEY_WINE_ARCH=$arch "$root/tools/wine-run.sh" "$build/wineprefix" "$build/bin/$1" "${@:2}"; }
echo
echo "== page opening and a walk, survey.dll over the platform floor ($arch; ratios) =="
run survey_bench_pages.exe 15 10 | tee "$out/pages.txt"
echo
echo "== loading pictures, LoadDibFile over one ReadFile ($arch; ratios) =="
run survey_bench_pictures.exe 11 | tee "$out/pictures.txt"
"$root/tools/bench-chart.sh" "$out/pictures.txt" "$out/pictures.png" >/dev/null
echo "chart: $out/pictures.png"
echo
echo "== soak: 1000 surveys, one process, one load of survey.dll ($arch) =="
run survey_soak.exe 1000 | tee "$out/soak.txt"
