#!/usr/bin/env bash
# demo-check.sh DEMO BUILD_DIR OUT_DIR: runs the demo headless and checks that it left a PNG
# picture of each of the three survey pages.
set -eu
demo=$1 build=$2 out=$3
rm -rf "$out"
"$demo" "$build" "$out"
fail=0
for page in page1 page2 page3; do
  if [ "$(head -c 8 "$out/$page.png" 2>/dev/null | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
    echo "demo-check: $out/$page.png is missing or not a PNG" >&2
    fail=1
  fi
done
exit $fail
