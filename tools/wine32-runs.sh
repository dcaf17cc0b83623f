#!/usr/bin/env bash
# Exits 0 when this machine can run wine32. Some virtual machines' kernels cannot execute
# 32-bit programs at all ("Exec format error"); there the Wine tests run on the x86-64
# build under wine64 instead (make test says so).
/usr/lib/wine/wine --version >/dev/null 2>&1
