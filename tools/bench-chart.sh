#!/usr/bin/env bash
# bench-chart.sh PICTURES.txt OUT.png: the chart of BENCHMARKS.md, drawn from the picture
# benchmark's own output: load and paint time against file size, survey.dll beside the
# platform floor (one ReadFile; one SetDIBitsToDevice).
set -eu
in=$1 out=$2
data=$(mktemp)
trap 'rm -f "$data"' EXIT
# kind(0 load, 1 paint) bits bytes survey_ms floor_ms
awk '$1 == "load" || $1 == "paint" {print ($1 == "paint"), $2, $3, $5, $7}' "$in" >"$data"
gnuplot <<PLOT
set terminal pngcairo size 760,460 font "DejaVu Sans,10"
set output "$out"
set title "The strip's picture: survey.dll against the platform floor (median of alternating rounds)"
set logscale xy
set xlabel "file size (bytes)"
set ylabel "time (ms)"
set key top left
set grid
load(k, b, v) = (\$1 == 0 && \$2 == b) ? v : 1/0
paint(v) = \$1 == 1 ? v : 1/0
plot "$data" using 3:(load(0, 8, \$4)) with linespoints lw 2 pt 7 title "LoadDibFile, 8-bit", \
     "$data" using 3:(load(0, 8, \$5)) with linespoints lw 1 pt 6 dt 2 title "one ReadFile, 8-bit", \
     "$data" using 3:(load(0, 24, \$4)) with linespoints lw 2 pt 5 title "LoadDibFile, 24-bit", \
     "$data" using 3:(load(0, 24, \$5)) with linespoints lw 1 pt 4 dt 2 title "one ReadFile, 24-bit", \
     "$data" using 3:(paint(\$4)) with points pt 9 ps 1.5 title "painting the strip (8- and 24-bit)", \
     "$data" using 3:(paint(\$5)) with points pt 8 ps 1.5 title "one SetDIBitsToDevice"
PLOT
echo "$out"
