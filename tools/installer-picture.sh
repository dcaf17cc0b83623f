#!/usr/bin/env bash
# installer-picture.sh BUILD_DIR OUT.png: the example installer (built by the tests) with
# the survey's first page open over it, as docs/installer-survey.png shows it. Runs under
# a private Xvfb; needs imagemagick's import. For the x86-64 build, set SURVEY_WINE_ARCH=win64.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "$1")
out=$(realpath -m "$2")
if [ "${3:-}" = --inner ]; then
  . "$root/tools/wine-env.sh"
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  mkdir "$work/answers"
  cp "$build/tests/nsis/atlas_setup.exe" "$work/setup.exe"
  cat >"$work/walk.pilot" <<'WALK'
caption Atlas Setup*
show Welcome to
press Next >
caption Registration for Atlas
wait
select "Where did you purchase this product?" Catalog
select "What is your primary use for this product?" Home/Personal and Business
check Scanner
WALK
  "$wine" "$work/setup.exe" </dev/null >/dev/null 2>&1 &
  "$wine" "$build/bin/pilot.exe" --out "Z:$work" "Z:$work/walk.pilot" >/dev/null
  sleep 1
  /usr/bin/import -window root -trim +repage "$out"
  wineserver -k
  exit 0
fi
[ -f "$build/tests/nsis/atlas_setup.exe" ] || { echo "installer-picture: build the tests first" >&2; exit 1; }
env -u DISPLAY "$root/pilot/x11-session.sh" "$build/wineprefix-x11" "$0" "$build" "$out" --inner
echo "$out"
