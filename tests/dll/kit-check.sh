#!/usr/bin/env bash
# kit-check.sh BUILD_DIR CC WORK [RUNNER...]: makes the host kit, builds the C host from the
# kit's header and MinGW import library alone, and an MSVC-target host against its
# survey.lib, and checks what each imports; with a RUNNER (the Wine wrapper) it also runs
# the C host beside the kit's survey.dll.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$1 cc=$2 work=$(realpath -m "$3"); shift 3
rm -rf "$work"
kit=$("$here/../../tools/make-dist.sh" "$build" "$work")
for f in survey.dll survey.h libsurvey.dll.a survey.lib survey.def HOSTING.md Survey.nsh; do
  [ -s "$kit/$f" ] || { echo "kit-check: $f missing from $kit" >&2; exit 1; }
done
grep -q '^    DoSurveyV2@16 @1' "$kit/survey.def" || { echo "kit-check: survey.def lacks DoSurveyV2@16" >&2; exit 1; }
grep -q 'Pass full paths' "$kit/HOSTING.md" || { echo "kit-check: HOSTING.md lacks the host section" >&2; exit 1; }
"$cc" -Wall -Wextra -Werror -I"$kit" "$here/c_host.c" -L"$kit" -lsurvey -o "$kit/c_host.exe"
"$here/check-imports.sh" "$kit/c_host.exe"
# An MSVC host: the MSVC target's object, linked by lld-link against survey.lib.
clang --target=i686-pc-windows-msvc -c "$here/msvc_host.c" -o "$work/msvc_host.obj"
lld-link /nologo /entry:HostEntry /subsystem:console /nodefaultlib "$work/msvc_host.obj" "$kit/survey.lib" \
  /out:"$work/msvc_host.exe"
"$here/check-imports.sh" "$work/msvc_host.exe"
if [ $# -gt 0 ]; then "$@" "$kit/c_host.exe"; fi
