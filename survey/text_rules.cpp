#include "survey/text_rules.h"

namespace {

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool SameTextIgnoringAsciiCase(const char* a, const char* b) {
    if (!a) a = "";
    if (!b) b = "";
    for (; *a && *b; ++a, ++b)
        if (FoldAscii(*a) != FoldAscii(*b)) return false;
    return *a == *b;
}
