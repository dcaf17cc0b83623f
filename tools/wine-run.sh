#!/usr/bin/env bash
# wine-run.sh PREFIX PROGRAM [ARGS...]: runs a Win32 test program headless in PREFIX.
prefix=$(realpath -m "$1"); shift
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
. "$(dirname "$0")/wine-env.sh"
unset DISPLAY
"$(dirname "$0")/wine-prefix.sh" "$prefix" --serve
exec "$wine" "$@"
