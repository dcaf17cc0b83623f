// Comparing the words and codes that settings and answers files hold.
#pragma once

// True when a and b differ at most in the case of the ASCII letters A to Z. No other byte
// is folded, so the result never depends on the user's code page. Null compares as the
// empty text.
bool SameTextIgnoringAsciiCase(const char* a, const char* b);
