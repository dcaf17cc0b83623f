# Cross-build for 32-bit Windows: the product, survey.dll as hosts load it, run under wine32.
set(SURVEY_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(SURVEY_DLL_ENTRY _DllMain@12)  # stdcall, 12 bytes of arguments
set(SURVEY_WINE_ARCH win32)
set(SURVEY_WINE wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
