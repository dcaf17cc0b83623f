#!/usr/bin/env bash
# demo.sh BUILD_DIR [OUT_DIR]: runs the sample host with survey.dll under Wine.
# With a display, the wizard opens there for you to answer. Without one, a private Xvfb
# runs it and the pilot walks it by docs/demo-walk.pilot. Either way the host's page
# sequence and the answers section are printed, then the answers in words (survey-answers);
# without a display a PNG of every page is left in OUT_DIR (default BUILD_DIR/demo).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
inner=
if [ "${1:-}" = --walk ]; then inner=1; shift; fi
build=$(realpath -m "$1")
out=$(realpath -m "${2:-$build/demo}")
bin=$build/bin
prefix=$build/wineprefix-x11
. "$root/tools/wine-env.sh"
host_args=(--answers "Z:$out/answers.ini" --section Survey --title Atlas --log "Z:$out/host.log")

# Inside the X11 session: the host in the background, the pilot driving it.
if [ -n "$inner" ]; then
  "$wine" "$bin/sample_host.exe" "${host_args[@]}" </dev/null >/dev/null 2>&1 &
  host=$!
  status=0
  timeout 120 "$wine" "$bin/pilot.exe" --out "Z:$out" "Z:$root/docs/demo-walk.pilot" </dev/null || status=$?
  for _ in $(seq 100); do kill -0 "$host" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$host" 2>/dev/null; then echo "demo: the host did not end after the walk" >&2; status=1; fi
  exit $status
fi

for f in survey.dll sample_host.exe pilot.exe; do
  [ -f "$bin/$f" ] || { echo "demo: $bin/$f is missing: build the win32 preset first (make win32)" >&2; exit 1; }
done
mkdir -p "$out"
rm -f "$out"/*.png "$out/answers.ini" "$out/host.log"

status=0
if [ -n "${DISPLAY:-}" ]; then
  echo "demo: the wizard opens on $DISPLAY; answer the survey and finish or leave it."
  "$root/pilot/x11-session.sh" "$prefix" --managed "$wine" "$bin/sample_host.exe" "${host_args[@]}" >/dev/null || status=$?
else
  echo "demo: no display: a private Xvfb runs the wizard and the pilot walks it (docs/demo-walk.pilot)."
  "$root/pilot/x11-session.sh" "$prefix" "$0" --walk "$build" "$out" || status=$?
fi

echo
echo "== sample host: pages and DoSurveyV2 results =="
cat "$out/host.log" 2>/dev/null || echo "(no log)"
echo
echo "== answers: $out/answers.ini, section [Survey] =="
if [ -f "$out/answers.ini" ]; then
  tr -d '\r' <"$out/answers.ini" | sed -n '/^\[Survey\]/,/^\[/{/^\[Survey\]/d;/^\[/d;p}'
else
  echo "(none saved)"
fi
# The same answers as whoever receives them reads them: in the words of the pages.
if [ -f "$out/answers.ini" ] && [ -f "$bin/survey-answers.exe" ]; then
  echo
  echo "== the answers in words (survey-answers answers.ini) =="
  (export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
   unset DISPLAY
   cd "$out" && "$wine" "$bin/survey-answers.exe" answers.ini </dev/null | tr -d '\r'
   wineserver -k </dev/null >/dev/null 2>&1 || true)
fi
pictures=$(cd "$out" && ls ./*.png 2>/dev/null | sed 's|^\./||' | tr '\n' ' ')
if [ -n "$pictures" ]; then
  echo
  echo "== page pictures in $out =="
  echo "$pictures"
fi
exit $status
