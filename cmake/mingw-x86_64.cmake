# Cross-build for 64-bit Windows with MinGW-w64: the same sources as mingw-i686.cmake, for
# machines whose kernel cannot run 32-bit programs and so cannot run wine32. The product
# is the 32-bit DLL; this build only lets its Win32 code run under wine64 there.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(SURVEY_DLLTOOL x86_64-w64-mingw32-dlltool)
set(CMAKE_RC_FLAGS "-c 1252" CACHE STRING "" FORCE)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
