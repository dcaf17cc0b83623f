#!/usr/bin/env bash
# demo-check.sh DEMO BUILD_DIR OUT_DIR READOUT CHECKER WALK: runs the demo headless and checks
# that it left a PNG picture of each of the three survey pages, and that its answers file,
# decoded by the readout (READOUT --csv, into OUT_DIR/decoded.csv), holds exactly what the
# walk script WALK chose (CHECKER WALK CSV). READOUT and CHECKER are Windows programs.
set -eu
demo=$1 build=$2 out=$3 readout=$4 checker=$5 walk=$6
root=$(cd "$(dirname "$0")/../.." && pwd)
rm -rf "$out"
"$demo" "$build" "$out"
fail=0
for page in page1 page2 page3; do
  if [ "$(head -c 8 "$out/$page.png" 2>/dev/null | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
    echo "demo-check: $out/$page.png is missing or not a PNG" >&2
    fail=1
  fi
done

# The readout and the checker are console programs: no display, the demo's own prefix and
# Wine; its server is ended after them as the demo's session ends it.
export WINEPREFIX=$(realpath -m "$build/wineprefix-x11") WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
. "$root/tools/wine-env.sh"
unset DISPLAY
echo
echo "== survey-answers --csv $out/answers.ini =="
if "$wine" "$readout" --csv "Z:$out/answers.ini" </dev/null >"$out/decoded.csv"; then
  cat "$out/decoded.csv"
  echo
  "$wine" "$checker" "Z:$walk" "Z:$out/decoded.csv" </dev/null || fail=1
else
  cat "$out/decoded.csv"
  echo "demo-check: survey-answers could not decode $out/answers.ini" >&2
  fail=1
fi
wineserver -k </dev/null >/dev/null 2>&1 || true
exit $fail
