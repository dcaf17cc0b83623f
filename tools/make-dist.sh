#!/usr/bin/env bash
# make-dist.sh BUILD_DIR OUT_ROOT: puts together what a host author downloads, in
# OUT_ROOT/survey-<version>/: survey.dll, survey.h, the MinGW and MSVC import libraries,
# the .def of the export, the NSIS include, and the README's host section as HOSTING.md with its
# picture. The version is read from the DLL's version resource script. Prints the folder.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "$1")
out_root=$(realpath -m "$2")

version=$(sed -n 's/^FILEVERSION[[:space:]]*\([0-9]*\),[[:space:]]*\([0-9]*\),[[:space:]]*\([0-9]*\),[[:space:]]*\([0-9]*\).*/\1.\2.\3.\4/p' "$root/dll/version.rc")
[ -n "$version" ] || { echo "make-dist: no FILEVERSION in dll/version.rc" >&2; exit 1; }
for f in "$build/bin/survey.dll" "$build/lib/libsurvey.dll.a" "$build/lib/survey.lib"; do
  [ -f "$f" ] || { echo "make-dist: $f is missing: build the win32 preset first (make win32)" >&2; exit 1; }
done

kit=$out_root/survey-$version
rm -rf "$kit"
mkdir -p "$kit"
cp "$build/bin/survey.dll" "$build/lib/libsurvey.dll.a" "$build/lib/survey.lib" "$root/include/survey.h" "$kit/"
cp "$root/dll/survey_import.def" "$kit/survey.def"
cp "$root/nsis/Survey.nsh" "$kit/"
{
  echo "# Hosting survey.dll $version"
  sed -n '/^## Hosting the survey$/,/^## /{/^## Hosting the survey$/d;/^## /d;p}' "$root/README.md" |
    sed 's/^###/##/; s|(docs/installer-survey.png)|(installer-survey.png)|'
} >"$kit/HOSTING.md"
cp "$root/docs/installer-survey.png" "$kit/"
echo "$kit"
