#!/usr/bin/env bash
# Installs what building and testing survey.dll needs on a Debian 12 machine, as root.
# Idempotent: packages already present are left alone and apt is not touched.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

packages=(
  cmake make g++ clang googletest
  # LLVM's dlltool makes the MSVC import library; lld-link checks it as MSVC's linker would
  llvm lld
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
  wine wine32:i386
  # the x86-64 build and wine64: the Windows tests on kernels that cannot run 32-bit programs
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
  wine64
  xvfb xauth fonts-wine xdotool
  # charts (benchmarks, survey-answers); jq reads survey-answers' JSON in its tests
  gnuplot-nox jq
  nsis
)
for p in "${packages[@]}"; do have_pkg "$p" || need+=("$p"); done
[ ${#need[@]} -eq 0 ] && exit 0

if [ "$(id -u)" != 0 ]; then
  echo "install-deps: missing packages (${need[*]}); run as root to install them" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
echo "install-deps: installed ${need[*]}"
