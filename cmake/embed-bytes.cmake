# cmake -DINPUT=FILE -DOUTPUT=FILE.cpp -DNAME=Symbol -P embed-bytes.cmake: writes a C++
# source that defines `const unsigned char Symbol[]` and `const size_t SymbolSize` holding
# the bytes of FILE, so a program can carry a file the build made.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n    " bytes "${bytes}")
get_filename_component(source ${INPUT} NAME)
file(WRITE ${OUTPUT}.tmp
"// Made by the build from ${source}; not edited by hand.
#include <cstddef>

extern const unsigned char ${NAME}[];
extern const size_t ${NAME}Size;

const unsigned char ${NAME}[] = {
    ${bytes}
};
const size_t ${NAME}Size = ${size};
")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
