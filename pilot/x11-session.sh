#!/usr/bin/env bash
# x11-session.sh PREFIX [--managed] COMMAND [ARGS...]
# Runs COMMAND with Wine's X11 driver, the one under which the pilot can take pictures of
# another process's windows. With no DISPLAY it starts a private Xvfb and always stops it.
# PREFIX is a Wine prefix of its own (made once here), apart from the tests' null-driver one.
# Windows are unmanaged (no window manager waits on every dialog close) unless --managed,
# which suits a desktop with a window manager. Wine processes left in PREFIX are ended.
set -eu
prefix=$(realpath -m "$1"); shift
managed=N
if [ "${1:-}" = --managed ]; then managed=Y; shift; fi
# winedbg disabled: a program that crashes ends at once instead of waiting in the debugger.
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
. "$(dirname "$0")/../tools/wine-env.sh"

xvfb_pid=
workdir=$(mktemp -d)
cleanup() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ -z "${DISPLAY:-}" ]; then
  # Xvfb picks a free display number and writes it once it accepts clients.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$workdir/display" \
       </dev/null >"$workdir/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$workdir/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$workdir/xvfb.log" >&2; echo "x11-session: Xvfb did not start" >&2; exit 1; }
    sleep 0.1
  done
  [ -s "$workdir/display" ] || { echo "x11-session: Xvfb gave no display within 10 s" >&2; exit 1; }
  export DISPLAY=:$(head -n1 "$workdir/display")
  # The pointer starts in the middle of the screen, over a centred page, where a list that
  # opens under it would follow it and pick the entry it rests on: it waits in a corner.
  xdotool mousemove 0 0
fi

# The prefix is made once, under a lock, with the display it will be used with.
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
if [ ! -f "$prefix/.survey-ready" ]; then
  rm -rf "$prefix"
  mkdir -p "$prefix"
  "$wine" wineboot -i </dev/null >/dev/null 2>&1
  wineserver -w
  # Caption buttons are drawn with Marlett; without it the close box shows the letter "r".
  if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
  fi
  touch "$prefix/.survey-ready"
fi
if [ "$(cat "$prefix/.managed" 2>/dev/null)" != "$managed" ]; then
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f </dev/null >/dev/null 2>&1
  echo "$managed" >"$prefix/.managed"
fi
flock -u 9
exec 9>&-

"$@"
