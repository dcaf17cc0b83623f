// The pilot's script language and the text rules it finds pages and controls by.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pilot/pilot_script.h"

namespace {

TEST(PilotScript, ParsesEveryStepWithItsArguments) {
    const std::string script =
        "# a walk\n"
        "caption Registration for Atlas\n"
        "\n"
        "wait page1\n"
        "select \"Where did you purchase this product?\" Other\n"
        "  select \"W&hat is your primary use for this product?\" \"Home/Personal and Business\"  \r\n"
        "check 3D Graphics Accelerator\n"
        "clear \"Scanner\"\n"
        "choose No\n"
        "next\n"
        "wait\n"
        "back\r\n"
        "later\n"
        "close\n"
        "show Choose Install Location\n"
        "press \"< &Back\"\n"
        "key Tab Down Alt+N";
    std::vector<PilotStep> steps;
    std::string error;
    ASSERT_TRUE(ParsePilotScript(script, &steps, &error)) << error;
    struct Expected {
        PilotAction action;
        int line;
        const char* label;
        const char* entry;
    };
    const Expected expected[] = {
        {PILOT_CAPTION, 2, "Registration for Atlas", ""},
        {PILOT_WAIT, 4, "page1", ""},
        {PILOT_SELECT, 5, "Where did you purchase this product?", "Other"},
        {PILOT_SELECT, 6, "W&hat is your primary use for this product?", "Home/Personal and Business"},
        {PILOT_CHECK, 7, "3D Graphics Accelerator", ""},
        {PILOT_CLEAR, 8, "Scanner", ""},
        {PILOT_CHOOSE, 9, "No", ""},
        {PILOT_NEXT, 10, "", ""},
        {PILOT_WAIT, 11, "", ""},
        {PILOT_BACK, 12, "", ""},
        {PILOT_LATER, 13, "", ""},
        {PILOT_CLOSE, 14, "", ""},
        {PILOT_SHOW, 15, "Choose Install Location", ""},
        {PILOT_PRESS, 16, "< &Back", ""},
        {PILOT_KEY, 17, "Tab Down Alt+N", ""},
    };
    ASSERT_EQ(steps.size(), sizeof expected / sizeof expected[0]);
    for (size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(steps[i].action, expected[i].action);
        EXPECT_EQ(steps[i].line, expected[i].line);
        EXPECT_EQ(steps[i].label, expected[i].label);
        EXPECT_EQ(steps[i].entry, expected[i].entry);
    }
}

TEST(PilotScript, KeysAsAPersonTypesThem) {
    const struct {
        const char* text;
        std::vector<PilotKey> keys;  // empty: refused
    } rows[] = {
        {"Tab", {{0x09, false}}},
        {"  Down Down\tEnter ", {{0x28, false}, {0x28, false}, {0x0D, false}}},
        {"Space Esc Up Left Right", {{0x20, false}, {0x1B, false}, {0x26, false}, {0x25, false}, {0x27, false}}},
        {"Home End", {{0x24, false}, {0x23, false}}},
        {"Alt+N alt+n", {}},  // "alt+" is not the Alt prefix, so "alt+n" is no key
        {"Alt+N Alt+b 7", {{'N', true}, {'B', true}, {'7', false}}},
        {"Alt+", {}},
        {"Return", {}},
        {"", {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        std::vector<PilotKey> keys;
        std::string error;
        bool parsed = ParsePilotKeys(r.text, &keys, &error);
        EXPECT_EQ(parsed, !r.keys.empty()) << error;
        if (!parsed) {
            EXPECT_FALSE(error.empty());
            continue;
        }
        ASSERT_EQ(keys.size(), r.keys.size());
        for (size_t i = 0; i < keys.size(); ++i) {
            EXPECT_EQ(keys[i].virtualKey, r.keys[i].virtualKey) << i;
            EXPECT_EQ(keys[i].alt, r.keys[i].alt) << i;
        }
    }
    std::vector<PilotStep> steps;
    std::string error;
    EXPECT_FALSE(ParsePilotScript("key Tab Return", &steps, &error));
    EXPECT_NE(error.find("line 1: unknown key \"Return\""), std::string::npos) << error;
}

TEST(PilotScript, BlankEntryCanBeSelectedByQuotingIt) {
    std::vector<PilotStep> steps;
    std::string error;
    ASSERT_TRUE(ParsePilotScript("select \"Where did you purchase this product?\" \" \"", &steps, &error));
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].entry, " ");
}

TEST(PilotScript, ErrorsNameTheLineAndWhatIsWrong) {
    struct Row {
        const char* script;
        const char* error;
    };
    const Row rows[] = {
        {"next\npush Finish\n", "line 2: unknown step \"push\""},
        {"press\n", "line 1: expected press LABEL"},
        {"show\n", "line 1: expected show TEXT"},
        {"check\n", "line 1: expected check LABEL"},
        {"check \"\"\n", "line 1: expected check LABEL"},
        {"next now\n", "line 1: expected next"},
        {"select Where did you purchase this product? Other\n", "line 1: expected select \"LABEL\" ENTRY"},
        {"select \"Where did you purchase this product?\n", "line 1: a quoted text has no closing \""},
        {"caption\n", "line 1: expected caption TEXT"},
        {"\n\nwait ../elsewhere\n", "line 3: a picture name holds only"},
        {"wait \"one\" \"two\"\n", "line 1: expected wait [NAME]"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.script);
        std::vector<PilotStep> steps;
        std::string error;
        EXPECT_FALSE(ParsePilotScript(row.script, &steps, &error));
        EXPECT_EQ(error.rfind(row.error, 0), 0u) << error;
    }
}

TEST(PilotScript, ButtonsAndLeavingSteps) {
    EXPECT_EQ(PilotButtonId(PILOT_NEXT), 1);
    EXPECT_EQ(PilotButtonId(PILOT_BACK), 888);
    EXPECT_EQ(PilotButtonId(PILOT_LATER), 2);
    EXPECT_EQ(PilotButtonId(PILOT_CLOSE), 0);
    EXPECT_EQ(PilotButtonId(PILOT_CHECK), 0);
    for (PilotAction a : {PILOT_NEXT, PILOT_BACK, PILOT_LATER, PILOT_CLOSE}) EXPECT_TRUE(PilotLeavesPage(a));
    for (PilotAction a : {PILOT_CAPTION, PILOT_WAIT, PILOT_SELECT, PILOT_CHECK, PILOT_CLEAR, PILOT_CHOOSE})
        EXPECT_FALSE(PilotLeavesPage(a));
}

TEST(PilotText, AccessKeyMarksAreDropped) {
    const std::pair<const char*, const char*> rows[] = {
        {"&Next >>", "Next >>"},
        {"<< &Back", "<< Back"},
        {"W&hat is your primary use for this product?", "What is your primary use for this product?"},
        {"Yan&drel Products", "Yandrel Products"},
        {"Fish && Chips", "Fish & Chips"},
        {"trailing &", "trailing "},
        {"", ""},
    };
    for (const auto& row : rows) EXPECT_EQ(StripAccessKeys(row.first), row.second) << row.first;
}

TEST(PilotText, CaptionsMatchExactlyOrByPrefix) {
    struct Row {
        const char* pattern;
        const char* caption;
        bool matches;
    };
    const Row rows[] = {
        {"Registration for Atlas", "Registration for Atlas", true},
        {"Registration for Atlas", "Registration for Atlas Pro", false},
        {"Registration for Atlas", "registration for atlas", false},
        {"Registration for *", "Registration for Atlas", true},
        {"Registration for *", "Registration for ", true},
        {"Registration for *", "Registration fo", false},
        {"*", "anything", true},
        {"Atlas Setup - Finish", "Atlas Setup - Welcome", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CaptionMatches(row.pattern, row.caption), row.matches) << row.pattern << " / " << row.caption;
}

TEST(PilotText, PicturesAreNamedByTheirWaitStepOrCounted) {
    EXPECT_EQ(PictureName("page1", 4), "page1");
    EXPECT_EQ(PictureName("", 4), "page-4");
}

TEST(PilotText, StepsAreDescribedAsWritten) {
    EXPECT_EQ(DescribeStep({PILOT_CHECK, 3, "Scanner", ""}), "check \"Scanner\"");
    EXPECT_EQ(DescribeStep({PILOT_SELECT, 3, "Where?", "Other"}), "select \"Where?\" \"Other\"");
    EXPECT_EQ(DescribeStep({PILOT_NEXT, 3, "", ""}), "next");
}

}  // namespace
