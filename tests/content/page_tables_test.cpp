// The question tables as the answers file sees them: every key, kind and first answer, the
// codes each question can store, and that every list and table ends where it should (a
// missing terminator shows up here as a sanitizer overflow).
#include <gtest/gtest.h>

#include <string>

#include "content/page_tables.h"
#include "content/resource.h"

namespace {

// The codes of a question's rows, joined by "," (a list's entries only, without row 0).
std::string JoinedCodes(const Question& q) {
    std::string joined;
    int first = q.kind == KIND_DROPLIST ? 1 : 0;
    for (int i = first; i < CountChoices(q.choices); ++i) {
        if (i > first) joined += ",";
        joined += q.choices[i].code;
    }
    return joined;
}

TEST(PageTables, EveryTableEndsAfterItsQuestions) {
    const struct { const char* name; const Question* table; int count; } pages[] = {
        {"page 1", Page1Questions, PAGE1_QUESTION_COUNT},
        {"page 2", Page2Questions, PAGE2_QUESTION_COUNT},
        {"page 3", Page3Questions, PAGE3_QUESTION_COUNT},
    };
    for (const auto& page : pages) {
        SCOPED_TRACE(page.name);
        for (int i = 0; i < page.count; ++i) {
            EXPECT_FALSE(IsEndOfQuestions(page.table[i])) << "question " << i;
        }
        EXPECT_TRUE(IsEndOfQuestions(page.table[page.count]));
    }
}

TEST(PageTables, QuestionsStoreTheirCodesUnderTheirKeys) {
    // codes: every row's code in table order, which is also the answer a check-box question
    // gives with every box checked; for a list, its entries' codes from display index 0.
    const struct {
        const char* name;
        const Question& question;
        const char* key;
        uint32_t kind;
        const char* answer;
        int count;
        uint32_t list;
        const char* codes;
    } rows[] = {
        {"purchase place", Page1Questions[0], "q_557-1132-746", KIND_DROPLIST, "", 23,
         IDC_PURCHASE_PLACE, ",0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20"},
        {"primary use", Page1Questions[1], "q_557-1132-749", KIND_DROPLIST, "", 9,
         IDC_PRIMARY_USE, ",0,1,2,6,3,4,5"},
        {"kids software", Page1Questions[2], "q_557-1132-751", KIND_DROPLIST, "", 4,
         IDC_KIDS_SOFTWARE, ",0,1"},
        {"peripherals", Page1Questions[3], "q_557-1132-752", KIND_CHECKBOXES, "", 14, 0,
         "0,7,2,1,4,3,9,11,5,6,8,10,12,13"},
        {"products", Page2Questions[0], "q_557-1132-747", KIND_CHECKBOXES, "", 19, 0,
         "0,1,6,11,18,2,4,7,9,12,14,3,5,8,10,13,15,17,13"},
        {"features", Page2Questions[1], "q_557-1132-750", KIND_CHECKBOXES, "", 8, 0,
         "0,1,2,3,4,6,5,7"},
        {"interests", Page3Questions[0], "q_557-1132-416", KIND_CHECKBOXES, "", 6, 0,
         "0,1,2,3,4,5"},
        {"sharing", Page3Questions[1], "q_557-1132-422", KIND_RADIOS, "0", 2, 0, "0,1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Question& q = row.question;
        EXPECT_STREQ(q.key, row.key);
        EXPECT_EQ(q.kind, row.kind);
        EXPECT_STREQ(q.answer, row.answer);
        ASSERT_NE(q.choices, nullptr);
        EXPECT_EQ(CountChoices(q.choices), row.count);
        if (row.kind == KIND_DROPLIST) {
            EXPECT_EQ(q.choices[0].control, row.list) << "row 0 names the list";
            EXPECT_STREQ(q.choices[0].code, "");
            EXPECT_EQ(q.choices[1].control, static_cast<uint32_t>(IDS_BLANK)) << "blank first";
        }
        EXPECT_EQ(JoinedCodes(q), row.codes);
    }
}

}  // namespace
