#!/usr/bin/env bash
# wine-prefix.sh PREFIX [--serve|--stop]
# Makes a headless Wine prefix once (null display driver, no Mono or Gecko prompts);
# --serve starts a persistent wineserver for it, --stop ends that server.
set -eu
prefix=$(realpath -m "$1")
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
. "$(dirname "$0")/wine-env.sh"
unset DISPLAY
case "${2:-}" in
  --serve)
    # Start the server and Wine's own services detached from our output: a service started
    # by a test program would inherit its pipes and keep ctest waiting until it exits.
    if ! wineserver -k0 2>/dev/null; then
      wineserver -p60 </dev/null >/dev/null 2>&1 || true
      "$wine" cmd /c exit </dev/null >/dev/null 2>&1 || true
    fi
    exit 0 ;;
  --stop)  wineserver -k </dev/null >/dev/null 2>&1 || true; exit 0 ;;
esac
if [ ! -f "$prefix/.survey-ready" ]; then
  rm -rf "$prefix"
  mkdir -p "$prefix"
  "$wine" wineboot -i </dev/null >/dev/null 2>&1
  "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
  wineserver -w
  touch "$prefix/.survey-ready"
fi
