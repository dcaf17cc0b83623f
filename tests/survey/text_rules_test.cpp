// Case folding of settings words and answer codes.
#include <gtest/gtest.h>

#include "survey/text_rules.h"

namespace {

TEST(TextRules, FoldsAsciiLettersOnly) {
    const struct {
        const char *a, *b;
        bool same;
    } rows[] = {
        {"bottom", "BOTTOM", true},
        {"Abc1", "aBC1", true},
        {"\xE9", "\xC9", false},  // letters outside ASCII would depend on the code page
        {"[", "{", false},        // '[' + 32 is '{', but neither is a letter
        {"@", "`", false},
        {nullptr, "", true},
        {nullptr, nullptr, true},
        {"x", nullptr, false},
        {"TOP", "TO", false},
        {"TO", "TOP", false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.a ? r.a : "(null)") + " / " + (r.b ? r.b : "(null)"));
        EXPECT_EQ(SameTextIgnoringAsciiCase(r.a, r.b), r.same);
        EXPECT_EQ(SameTextIgnoringAsciiCase(r.b, r.a), r.same);
    }
}

}  // namespace
