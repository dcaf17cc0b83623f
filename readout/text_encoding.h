// Text conversions of the readout: everything it prints is UTF-8.
#pragma once

#include <string>

// UTF-16 (surrogate pairs joined; a lone surrogate becomes U+FFFD) to UTF-8.
std::string Utf16ToUtf8(const std::u16string& text);

// A text from a file, safe to print: printable ASCII stays, every other byte is written
// as \xNN, so junk in an answers file can't disturb a terminal or a CSV or JSON reader.
std::string EscapeBytes(const std::string& bytes);

// Whether text is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool IsUtf8(const std::string& text);
