#!/usr/bin/env bash
# demo.sh BUILD_DIR: runs the sample host with survey.dll under Wine.
set -eu
build=$1
prefix=$build/wineprefix
"$(dirname "$0")/wine-prefix.sh" "$prefix"
"$(dirname "$0")/wine-run.sh" "$prefix" "$build/bin/sample_host.exe"
