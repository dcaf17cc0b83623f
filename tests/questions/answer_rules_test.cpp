// The answer rules and the per-kind binding, against a panel of plain control states.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "questions/answer_rules.h"
#include "questions/binding.h"
#include "questions/question.h"

namespace {

// Control states as a dialog would hold them; the port below reads and writes them the
// way dialog-item messages do.
struct Panel {
    std::map<uint32_t, bool> checks;
    std::map<uint32_t, std::vector<uint32_t>> entries;  // string ids, in display order
    std::map<uint32_t, long> selection;
    std::map<uint32_t, std::string> texts;
};

Panel& Of(void* context) { return *static_cast<Panel*>(context); }

ControlPort PortOf(Panel& panel) {
    return ControlPort{
        &panel,
        [](void* c, uint32_t id, bool on) { Of(c).checks[id] = on; },
        [](void* c, uint32_t id) { return Of(c).checks[id]; },
        [](void* c, uint32_t id) { Of(c).entries[id].clear(); Of(c).selection[id] = LIST_NO_SELECTION; },
        [](void* c, uint32_t id, uint32_t text) { Of(c).entries[id].push_back(text); },
        [](void* c, uint32_t id, int index) {
            // Like a real list: an index past the entries selects nothing.
            bool valid = index >= 0 && index < static_cast<int>(Of(c).entries[id].size());
            Of(c).selection[id] = valid ? index : LIST_NO_SELECTION;
        },
        [](void* c, uint32_t id) {
            auto it = Of(c).selection.find(id);
            return it == Of(c).selection.end() ? long{LIST_NO_SELECTION} : it->second;
        },
        [](void* c, uint32_t id, const char* text) { Of(c).texts[id] = text; },
        [](void* c, uint32_t id, char (&text)[ANSWER_SIZE]) {
            std::string s = Of(c).texts[id].substr(0, ANSWER_SIZE - 1);
            std::memcpy(text, s.c_str(), s.size() + 1);
        },
    };
}

// One question of each kind, shaped like the pages' questions: codes out of control
// order, a code shared by two boxes, list codes that differ only in case or in bytes
// that a locale might fold, and a fixed segment in the middle of the fields.
const Choice kBoxes[] = {{495, "0"}, {496, "7"}, {497, "2"}, {507, "12"},
                         {474, "13"}, {477, "13"}, {478, "Ab"}, {0, ""}};
const Choice kOptions[] = {{407, "0"}, {408, "1"}, {409, "x"}, {0, ""}};
const Choice kList[] = {{466, ""}, {1, ""}, {2, "0"}, {3, "1"}, {4, "b"}, {5, "["}, {6, "\xE9"}, {0, ""}};
const Choice kFields[] = {{701, ""}, {0, "v2"}, {702, ""}, {703, ""}, {0, ""}};

enum { BOXES, OPTIONS, LIST, FIELDS };

Question MakeQuestion(int which, const std::string& answer) {
    static const struct { uint32_t kind; const Choice* choices; } kinds[] = {
        {KIND_CHECKBOXES, kBoxes}, {KIND_RADIOS, kOptions}, {KIND_DROPLIST, kList}, {KIND_FIELDS, kFields}};
    Question q = {};
    std::strncpy(q.answer, answer.c_str(), ANSWER_SIZE - 1);
    std::strcpy(q.key, "q_1-2-3");
    q.kind = kinds[which].kind;
    q.choices = kinds[which].choices;
    return q;
}

// What the question's controls show: "x" / "." per button row, "sel=N" for the list,
// the shown field texts joined by "|".
std::string Picture(const Question& q, Panel& panel) {
    std::string s;
    if (q.kind == KIND_DROPLIST) {
        long sel = panel.selection.count(466) ? panel.selection[466] : -99;
        return "sel=" + std::to_string(sel);
    }
    bool first = true;
    for (const Choice* row = q.choices; !IsEndOfChoices(*row); ++row) {
        if (q.kind == KIND_FIELDS) {
            if (row->control == 0) continue;
            s += first ? "" : "|";
            first = false;
            s += panel.texts.count(row->control) ? panel.texts[row->control] : "<unset>";
        } else {
            s += panel.checks.count(row->control) == 0 ? "?" : panel.checks[row->control] ? "x" : ".";
        }
    }
    return s;
}

struct RoundTrip {
    const char* name;
    int question;
    std::string answer;
    const char* shown;      // the controls after FillQuestion
    std::string collected;  // the answer CollectQuestion then rebuilds from them
};

const RoundTrip kRoundTrips[] = {
    // Check boxes: exact pieces between commas.
    {"two codes", BOXES, "0,7", "xx.....", "0,7"},
    {"doubled separator", BOXES, "0,,7", "xx.....", "0,7"},
    {"separators at both ends", BOXES, ",0,7,", "xx.....", "0,7"},
    {"a blank before 7 matches nothing", BOXES, "0, 7", "x......", "0"},
    {"codes in any order collect in table order", BOXES, "13,12,7", ".x.xxx.", "7,12,13,13"},
    {"a shared code checks both boxes", BOXES, "13", "....xx.", "13,13"},
    {"13,13 stays 13,13", BOXES, "13,13", "....xx.", "13,13"},
    {"empty answer", BOXES, "", ".......", ""},
    {"a piece is not a prefix", BOXES, "1,120", ".......", ""},
    {"check-box codes keep their case", BOXES, "ab,AB", ".......", ""},
    {"exact case matches", BOXES, "Ab", "......x", "Ab"},
    // A stored answer longer than 63 characters is matched in full.
    {"code past the 63rd character", BOXES, std::string(62, '9') + ",7", ".x.....", "7"},
    {"piece cut at the 63rd character", BOXES, std::string(60, '9') + ",120", ".......", ""},
    {"code at the end of 127 characters", BOXES, std::string(124, '9') + ",13", "....xx.", "13,13"},
    // Option buttons: the whole answer, ASCII letters folded.
    {"option by code", OPTIONS, "1", ".x.", "1"},
    {"option code folds case", OPTIONS, "X", "..x", "x"},
    {"empty answer clears every option", OPTIONS, "", "...", ""},
    {"unmatched answer clears every option and stays", OPTIONS, "zz", "...", "zz"},
    {"option needs the whole answer", OPTIONS, "1,0", "...", "1,0"},
    {"blank before the option code", OPTIONS, " 1", "...", " 1"},
    // Drop-down lists: display index = row - 1; no match selects index 0.
    {"empty answer selects the blank entry", LIST, "", "sel=0", ""},
    {"unmatched answer selects index 0", LIST, "21", "sel=0", ""},
    {"list entry by code", LIST, "1", "sel=2", "1"},
    {"list code folds ASCII case", LIST, "B", "sel=3", "b"},
    {"'{' is not a folded '['", LIST, "{", "sel=0", ""},
    {"'[' matches itself", LIST, "[", "sel=4", "["},
    {"accented capital is not folded", LIST, "\xC9", "sel=0", ""},
    {"accented small matches itself", LIST, "\xE9", "sel=5", "\xE9"},
    // Text fields: "/" segments, the fixed segment in the middle is used up unseen.
    {"every segment", FIELDS, "ab/zz/cd/ef", "ab|cd|ef", "ab/v2/cd/ef"},
    {"one segment", FIELDS, "ab", "ab||", "ab/v2"},
    {"empty answer", FIELDS, "", "||", ""},
    {"empty segment kept in place", FIELDS, "a//b", "a|b|", "a/v2/b"},
    {"extra segments dropped", FIELDS, "a/b/c/d/e", "a|c|d", "a/v2/c/d"},
    {"empty first segment ends the join", FIELDS, "/x/y", "|y|", ""},
};

TEST(Binding, FillThenCollectRoundTrips) {
    for (const RoundTrip& t : kRoundTrips) {
        SCOPED_TRACE(t.name);
        Question q = MakeQuestion(t.question, t.answer);
        Panel panel;
        FillQuestion(q, PortOf(panel));
        EXPECT_EQ(Picture(q, panel), t.shown);
        EXPECT_EQ(std::string(q.answer), t.answer) << "filling leaves the answer alone";
        CollectQuestion(q, PortOf(panel));
        EXPECT_EQ(std::string(q.answer), t.collected);
    }
}

TEST(Binding, DropListGetsEveryEntryStringInDisplayOrder) {
    Question q = MakeQuestion(LIST, "1");
    Panel panel;
    panel.entries[466] = {99, 98};  // left over from an earlier fill
    FillQuestion(q, PortOf(panel));
    EXPECT_EQ(panel.entries[466], (std::vector<uint32_t>{1, 2, 3, 4, 5, 6}));
}

TEST(Binding, DropListLaterMatchWins) {
    const Choice twice[] = {{466, ""}, {1, "a"}, {2, "A"}, {3, "c"}, {0, ""}};
    Question q = MakeQuestion(LIST, "a");
    q.choices = twice;
    Panel panel;
    FillQuestion(q, PortOf(panel));
    EXPECT_EQ(panel.selection[466], 1);
}

// Collecting from states the user left, not from a fill.
struct Collect {
    const char* name;
    int question;
    std::map<uint32_t, bool> checks;
    long selected;  // list selection; -2 leaves the list as it was filled
    std::map<uint32_t, std::string> texts;
    const char* before;
    std::string after;
};

const Collect kCollects[] = {
    {"boxes in table order, not click or id order", BOXES, {{477, true}, {495, true}}, -2, {}, "", "0,13"},
    {"no box checked empties the answer", BOXES, {}, -2, {}, "0,7", ""},
    {"every box", BOXES, {{495, true}, {496, true}, {497, true}, {507, true}, {474, true}, {477, true}, {478, true}},
     -2, {}, "", "0,7,2,12,13,13,Ab"},
    {"last checked option wins", OPTIONS, {{407, true}, {409, true}}, -2, {}, "1", "x"},
    {"no option checked keeps the answer", OPTIONS, {}, -2, {}, "1", "1"},
    {"list index 0 is the blank entry", LIST, {}, 0, {}, "1", ""},
    {"list index to code", LIST, {}, 5, {}, "", "\xE9"},
    {"no list selection keeps the answer", LIST, {}, LIST_NO_SELECTION, {}, "1", "1"},
    {"list index past the table keeps the answer", LIST, {}, 6, {}, "1", "1"},
    {"fields join up to the first empty text", FIELDS, {}, -2, {{701, "a"}, {703, "c"}}, "old", "a/v2"},
    {"fields all set", FIELDS, {}, -2, {{701, "a"}, {702, "b"}, {703, "c"}}, "", "a/v2/b/c"},
    {"empty first field", FIELDS, {}, -2, {{702, "b"}}, "old", ""},
    {"long field texts cut to 127 characters", FIELDS, {}, -2,
     {{701, std::string(100, 'a')}, {702, std::string(100, 'b')}, {703, "c"}}, "",
     std::string(100, 'a') + "/v2/" + std::string(23, 'b')},
};

TEST(Binding, CollectFromControlStates) {
    for (const Collect& t : kCollects) {
        SCOPED_TRACE(t.name);
        Question q = MakeQuestion(t.question, "");
        Panel panel;
        FillQuestion(q, PortOf(panel));
        panel.entries[466].resize(10);  // a list may hold more entries than its table
        for (auto& [id, on] : t.checks) panel.checks[id] = on;
        if (t.selected != -2) panel.selection[466] = t.selected;
        for (auto& [id, text] : t.texts) panel.texts[id] = text;
        std::strcpy(q.answer, t.before);
        CollectQuestion(q, PortOf(panel));
        EXPECT_EQ(std::string(q.answer), t.after);
        EXPECT_LE(std::strlen(q.answer), size_t{ANSWER_SIZE - 1});
    }
}

TEST(Binding, ListWithoutControlIsNotCollected) {
    const Choice noControl[] = {{0, "x"}, {1, "a"}, {0, ""}};
    Question q = MakeQuestion(LIST, "keep");
    q.choices = noControl;
    Panel panel;
    panel.selection[0] = 0;
    CollectQuestion(q, PortOf(panel));
    EXPECT_STREQ(q.answer, "keep");
}

TEST(Binding, CheckBoxCodesThatDoNotFitAreLeftOutWhole) {
    // Nine 15-character codes: eight fill the 127 characters exactly, the ninth and a
    // short one after it no longer fit and must not be cut into another code.
    std::vector<Choice> rows;
    std::string expected;
    for (uint32_t i = 0; i < 9; ++i) {
        Choice c = {100 + i, ""};
        std::memset(c.code, 'a' + i, CODE_SIZE - 1);
        rows.push_back(c);
        if (i < 8) expected += (expected.empty() ? "" : ",") + std::string(c.code);
    }
    rows.push_back({200, "7"});
    rows.push_back({0, ""});
    Question q = MakeQuestion(BOXES, "");
    q.choices = rows.data();
    Panel panel;
    for (const Choice& c : rows) panel.checks[c.control] = true;
    CollectQuestion(q, PortOf(panel));
    EXPECT_EQ(std::string(q.answer), expected);
    EXPECT_EQ(expected.size(), size_t{ANSWER_SIZE - 1});
}

TEST(Binding, OtherKindsAndMissingChoicesAreNotBound) {
    const Choice boxes[] = {{800, "0"}, {0, ""}};
    for (uint32_t kind : {0u, 1u, 2u, 4u, 8u, 0xD0000000u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(kind);
        Question q = {"0", "q_x", kind, boxes};
        Panel panel;
        panel.checks[800] = true;
        FillQuestion(q, PortOf(panel));
        q.answer[0] = 'z';
        CollectQuestion(q, PortOf(panel));
        EXPECT_STREQ(q.answer, "z");
        EXPECT_TRUE(panel.checks[800]);
        EXPECT_EQ(panel.checks.size(), 1u);
    }
    for (int which : {BOXES, OPTIONS, LIST, FIELDS}) {
        SCOPED_TRACE(which);
        Question q = MakeQuestion(which, "0");
        q.choices = nullptr;
        Panel panel;
        FillQuestion(q, PortOf(panel));
        CollectQuestion(q, PortOf(panel));
        EXPECT_STREQ(q.answer, "0");
        EXPECT_TRUE(panel.checks.empty() && panel.texts.empty() && panel.entries.empty());
    }
}

TEST(Binding, TablesAreWalkedToTheirTerminator) {
    const Choice late[] = {{900, "0"}, {0, ""}};
    Question table[] = {
        MakeQuestion(BOXES, "7"),
        {"", "q_empty-answer", KIND_RADIOS, kOptions},  // empty answer but a key: a question
        {"", "", KIND_FIELDS, nullptr},                 // the terminator, whatever its kind
        {"0", "q_after", KIND_CHECKBOXES, late},
    };
    Panel panel;
    FillQuestions(table, PortOf(panel));
    EXPECT_EQ(Picture(table[0], panel), ".x.....");
    EXPECT_EQ(Picture(table[1], panel), "...");
    EXPECT_EQ(panel.checks.count(900), 0u) << "nothing past the terminator";

    panel.checks[495] = true;
    panel.checks[408] = true;
    panel.checks[900] = true;
    CollectQuestions(table, PortOf(panel));
    EXPECT_STREQ(table[0].answer, "0,7");
    EXPECT_STREQ(table[1].answer, "1");
    EXPECT_STREQ(table[3].answer, "0");

    Panel untouched;
    Question empty[] = {{"", "", 0, nullptr}, MakeQuestion(BOXES, "7")};
    FillQuestions(empty, PortOf(untouched));
    CollectQuestions(empty, PortOf(untouched));
    FillQuestions(nullptr, PortOf(untouched));
    CollectQuestions(nullptr, PortOf(untouched));
    EXPECT_TRUE(untouched.checks.empty());
    EXPECT_STREQ(empty[1].answer, "7");
}

TEST(Tables, TerminatorsAndCounts) {
    const Choice list[] = {{466, ""}, {1, ""}, {2, "0"}, {3, "1"}, {0, ""}};
    const Choice fixedMiddle[] = {{701, ""}, {0, "-"}, {702, ""}, {0, ""}};
    const Choice emptyList[] = {{0, ""}};
    EXPECT_EQ(CountChoices(list), 4) << "a list of 3 entries counts its row 0";
    EXPECT_EQ(CountChoices(fixedMiddle), 3) << "control 0 with a code is not the end";
    EXPECT_EQ(CountChoices(emptyList), 0);
    EXPECT_EQ(CountChoices(nullptr), 0);

    const struct {
        const char* name;
        Question record;
        bool end;
    } records[] = {
        {"all empty", {"", "", 0, nullptr}, true},
        {"all empty, any kind", {"", "", KIND_DROPLIST, nullptr}, true},
        {"key only", {"", "q_1", 0, nullptr}, false},
        {"answer only", {"0", "", 0, nullptr}, false},
        {"choices only", {"", "", 0, list}, false},
    };
    for (const auto& r : records) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(IsEndOfQuestions(r.record), r.end);
    }
}

TEST(AnswerRules, SegmentsSplitAndJoinBack) {
    SegmentReader reader;
    StartSegments(reader, "a//b/");
    std::vector<std::string> seen;
    while (const char* s = NextSegment(reader)) seen.push_back(s);
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(NextSegment(reader), nullptr);

    char answer[ANSWER_SIZE] = "";
    EXPECT_TRUE(AppendSegment(answer, 0, "a"));
    EXPECT_TRUE(AppendSegment(answer, 1, "b"));
    EXPECT_FALSE(AppendSegment(answer, 2, ""));
    EXPECT_STREQ(answer, "a/b");
}

TEST(AnswerRules, CopiesAreCutTo127Characters) {
    std::string longText(200, 'q');
    char answer[ANSWER_SIZE];
    std::memset(answer, 'x', sizeof answer);
    CopyAnswer(answer, longText.c_str());
    EXPECT_EQ(std::string(answer), longText.substr(0, ANSWER_SIZE - 1));

    SegmentReader reader;
    StartSegments(reader, longText.c_str());
    EXPECT_EQ(std::strlen(NextSegment(reader)), size_t{ANSWER_SIZE - 1});
}

}  // namespace
