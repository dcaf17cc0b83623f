#include "content/control_text.h"

std::string StripAccessKeys(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            ++i;  // "&x" shows x underlined; "&&" shows one "&"
            if (i == text.size()) break;
        }
        out += text[i];
    }
    return out;
}
