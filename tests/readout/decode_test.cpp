// Stored answers back into the words the user saw, by the rules the pages use to show an
// answer again: exact codes for check boxes, ASCII case ignored for lists and options.
#include <gtest/gtest.h>

#include <string>

#include "readout/decode.h"

namespace {

const Catalog& TheCatalog() {
    static Catalog catalog = [] {
        Catalog c;
        std::string error;
        EXPECT_TRUE(LoadSurveyCatalog(&c, &error)) << error;
        return c;
    }();
    return catalog;
}

TEST(Decode, AnswersReadAsTheirLabels) {
    const std::string longBoxes = std::string(125, ',') + "0,5";  // "5" lies past what the page reads
    const struct {
        const char* key;
        const char* stored;  // nullptr: no key in the file
        std::string labels;
    } rows[] = {
        // Lists: the entry whose code it is, the blank entry for an empty answer.
        {"q_557-1132-746", "19", "Catalog"},
        {"q_557-1132-746", "", "blank"},
        {"q_557-1132-746", nullptr, "not answered"},
        {"q_557-1132-746", "99", "unknown code 99"},
        {"q_557-1132-746", "019", "unknown code 019"},
        {"q_557-1132-749", "6", "Home/Personal and Business"},
        {"q_557-1132-751", "1", "No"},
        // Check boxes: codes in table order whatever order they are stored in; separators
        // as the page splits them.
        {"q_557-1132-752", "12,0,5", "3D Graphics Accelerator; Digital Camera; Scanner"},
        {"q_557-1132-752", ",,0,,5,", "3D Graphics Accelerator; Digital Camera"},
        {"q_557-1132-752", "", "none checked"},
        {"q_557-1132-752", ",,,", "none checked"},
        {"q_557-1132-752", " 5", "unknown code  5"},
        {"q_557-1132-752", "0,77,0,77", "3D Graphics Accelerator; unknown code 77"},
        {"q_557-1132-752", longBoxes.c_str(), "3D Graphics Accelerator"},
        // Two boxes share 13: either or both read as both, once.
        {"q_557-1132-747", "13", "Ribbonmark Signs or Ribbonmark Signs Deluxe (shared code)"},
        {"q_557-1132-747", "13,0,13", "Quendry Print Studio; Ribbonmark Signs or Ribbonmark Signs Deluxe (shared code)"},
        {"q_557-1132-747", "16", "unknown code 16"},
        {"q_557-1132-750", "6,5", "Web Page Creation; Photo Editing"},
        {"q_557-1132-416", "5,3", "Home Improvement/design; Entertainment/Games"},
        // Options.
        {"q_557-1132-422", "0", "Yes"},
        {"q_557-1132-422", "", "none chosen"},
        {"q_557-1132-422", "2", "unknown code 2"},
        // Junk can't reach the terminal or a CSV reader as it is.
        {"q_557-1132-422", "\x1b[2J\xff\"", "unknown code \\x1B[2J\\xFF\""},
        {"q_557-1132-752", "0,a\\b", "3D Graphics Accelerator; unknown code a\\x5Cb"},
    };
    for (const auto& row : rows) {
        const QuestionText* q = FindQuestion(TheCatalog(), row.key);
        ASSERT_NE(q, nullptr) << row.key;
        std::string stored = row.stored ? row.stored : "";
        DecodedAnswer answer = DecodeAnswer(*q, row.stored ? &stored : nullptr);
        EXPECT_EQ(AnswerLabels(*q, answer), row.labels) << row.key << " = " << stored;
    }
}

TEST(Decode, PicksNameTheirChoicesAndCodes) {
    const QuestionText& products = *FindQuestion(TheCatalog(), "q_557-1132-747");
    std::string stored = "13,99,14";
    DecodedAnswer answer = DecodeAnswer(products, &stored);
    EXPECT_EQ(answer.state, ANSWER_GIVEN);
    EXPECT_EQ(answer.value, "13,99,14");
    ASSERT_EQ(answer.picks.size(), 3u);
    // Table order: Lumbrook (row 10) before the sign makers (rows 15 and 18), then the unknown.
    EXPECT_EQ(answer.picks[0].code, "14");
    EXPECT_EQ(answer.picks[0].choices, std::vector<int>({10}));
    EXPECT_EQ(answer.picks[1].code, "13");
    EXPECT_EQ(answer.picks[1].choices, std::vector<int>({15, 18}));
    EXPECT_EQ(answer.picks[2].code, "99");
    EXPECT_TRUE(answer.picks[2].choices.empty());

    // A list's code is compared ignoring case, as the page compares it.
    const QuestionText& kids = *FindQuestion(TheCatalog(), "q_557-1132-751");
    std::string blank = "";
    DecodedAnswer none = DecodeAnswer(kids, &blank);
    ASSERT_EQ(none.picks.size(), 1u);
    EXPECT_EQ(none.picks[0].choices, std::vector<int>({0}));
}

}  // namespace
