#!/usr/bin/env bash
# bench-chart.sh PICTURES.txt OUT.png: the chart of BENCHMARKS.md from the picture
# benchmark's own output: load time against file size, survey.dll beside one ReadFile.
set -eu
in=$1 out=$2
data=$(mktemp)
trap 'rm -f "$data"' EXIT
# bits bytes survey_ms floor_ms
awk '$1 == "load" {print $2, $3, $5, $7}' "$in" >"$data"
gnuplot <<PLOT
set terminal pngcairo size 720,440 font "DejaVu Sans,10"
set output "$out"
set title "Loading the strip's picture against one read of the file (median of alternating rounds)"
set logscale xy
set xlabel "file size (bytes)"
set ylabel "time per load (ms)"
set key top left
set grid
plot "$data" using (\$1==8?\$2:1/0):3 with linespoints lw 2 pt 7 title "LoadDibFile, 8-bit", \
     "$data" using (\$1==8?\$2:1/0):4 with linespoints lw 1 pt 6 dt 2 title "one ReadFile, 8-bit", \
     "$data" using (\$1==24?\$2:1/0):3 with linespoints lw 2 pt 5 title "LoadDibFile, 24-bit", \
     "$data" using (\$1==24?\$2:1/0):4 with linespoints lw 1 pt 4 dt 2 title "one ReadFile, 24-bit"
PLOT
echo "$out"
