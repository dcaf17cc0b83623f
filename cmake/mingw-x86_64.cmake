# Cross-build for 64-bit Windows: the same sources, for machines whose kernel cannot run
# 32-bit programs and so cannot run wine32. The product is the 32-bit DLL; this build only
# lets its Win32 code run under wine64 there.
set(SURVEY_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(SURVEY_DLL_ENTRY DllMain)
set(SURVEY_WINE_ARCH win64)
set(SURVEY_WINE /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
