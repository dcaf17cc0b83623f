# The MinGW-w64 cross-build shared by both toolchain files, which set SURVEY_MINGW_TRIPLE
# first. The -posix compilers build GoogleTest; linking with -static keeps the C++ runtime
# and winpthread inside each binary.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${SURVEY_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SURVEY_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${SURVEY_MINGW_TRIPLE}-windres)
set(SURVEY_DLLTOOL ${SURVEY_MINGW_TRIPLE}-dlltool)
set(CMAKE_RC_FLAGS "-c 1252" CACHE STRING "" FORCE)
set(CMAKE_FIND_ROOT_PATH /usr/${SURVEY_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
