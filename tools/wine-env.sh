# Sourced by the Wine scripts: which Wine runs the programs. SURVEY_WINE_ARCH is win32
# (the default: the product's own PE32 programs under wine32) or win64 (the x86-64 build
# under wine64, on a machine whose kernel cannot run 32-bit programs).
export WINEARCH=${SURVEY_WINE_ARCH:-win32}
if [ "$WINEARCH" = win64 ]; then
  wine=/usr/lib/wine/wine64
  export WINELOADER=$wine
else
  wine=wine
fi
