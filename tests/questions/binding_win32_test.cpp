// FillControls and CollectAnswers on a dialog of real controls built into this program.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "binding_test_resource.h"
#include "questions/binding_win32.h"
#include "questions/question.h"

namespace {

const Choice kBoxes[] = {{IDC_BOX_0, "0"},   {IDC_BOX_7, "7"},         {IDC_BOX_2, "2"},
                         {IDC_BOX_12, "12"}, {IDC_BOX_13, "13"},       {IDC_BOX_13_AGAIN, "13"},
                         {0, ""}};
const Choice kOptions[] = {{IDC_OPTION_0, "0"}, {IDC_OPTION_1, "1"}, {IDC_OPTION_X, "x"}, {0, ""}};
const Choice kList[] = {{IDC_LIST, ""}, {IDS_BLANK, ""}, {IDS_ZERO, "0"}, {IDS_ONE, "1"},
                        {IDS_LETTER, "b"}, {IDS_LONG, "long"}, {IDS_MARK, "mark"}, {0, ""}};
const Choice kFields[] = {{IDC_FIELD_1, ""}, {0, "v2"}, {IDC_FIELD_2, ""}, {IDC_FIELD_3, ""}, {0, ""}};
const Choice kOtherKind[] = {{IDC_BOX_OTHER_KIND, "0"}, {0, ""}};

enum { BOXES, OPTIONS, LIST, FIELDS, OTHER_KIND, QUESTION_COUNT };

INT_PTR CALLBACK QuietDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The test dialog, modeless, and a fresh question table for each test.
class BindingTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_BINDING_TEST),
                                    nullptr, QuietDialog, 0);
        ASSERT_NE(dialog, nullptr) << "CreateDialogParam error " << GetLastError();
    }
    void TearDown() override {
        if (dialog) DestroyWindow(dialog);
    }

    HWND dialog = nullptr;
    Question table[QUESTION_COUNT + 1] = {
        {"", "q_boxes", KIND_CHECKBOXES, kBoxes},
        {"", "q_options", KIND_RADIOS, kOptions},
        {"", "q_list", KIND_DROPLIST, kList},
        {"", "q_fields", KIND_FIELDS, kFields},
        {"0", "q_other", 5, kOtherKind},
        {"", "", 0, nullptr},
    };

    bool Checked(int id) { return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Check(int id, bool on) { SendDlgItemMessageA(dialog, id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }
    std::string Text(int id) {
        char text[512] = "";
        GetDlgItemTextA(dialog, id, text, sizeof text);
        return text;
    }
    LRESULT Selected() { return SendDlgItemMessageA(dialog, IDC_LIST, CB_GETCURSEL, 0, 0); }
    std::string Entry(int index) {
        char text[512] = "";
        LRESULT n = SendDlgItemMessageA(dialog, IDC_LIST, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
        return n == CB_ERR ? "<none>" : text;
    }

    // What the controls of one question show: "x"/"." per button, "sel=N", field texts.
    std::string Picture(int which) {
        const Question& q = table[which];
        if (q.kind == KIND_DROPLIST) return "sel=" + std::to_string(Selected());
        std::string s;
        for (const Choice* row = q.choices; !IsEndOfChoices(*row); ++row) {
            if (q.kind == KIND_FIELDS) {
                if (row->control == 0) continue;
                s += (s.empty() && row == q.choices) ? "" : "|";
                s += Text(row->control);
            } else {
                s += Checked(row->control) ? "x" : ".";
            }
        }
        return s;
    }
};

struct RoundTrip {
    const char* name;
    int question;
    std::string answer;
    const char* shown;
    const char* collected;
};

const RoundTrip kRoundTrips[] = {
    {"two boxes", BOXES, "0,7", "xx....", "0,7"},
    {"stray separators", BOXES, ",0,,7,", "xx....", "0,7"},
    {"blank before a code", BOXES, " 7,2", "..x...", "2"},
    {"a shared code checks both boxes", BOXES, "13", "....xx", "13,13"},
    {"no boxes", BOXES, "", "......", ""},
    {"code near the end of 127 characters", BOXES, std::string(121, '9') + ",12,13", "...xxx", "12,13,13"},
    {"option by code", OPTIONS, "1", ".x.", "1"},
    {"option folds ASCII case", OPTIONS, "X", "..x", "x"},
    {"empty answer clears the options and stays", OPTIONS, "", "...", ""},
    {"blank entry for an empty answer", LIST, "", "sel=0", ""},
    {"entry by code", LIST, "1", "sel=2", "1"},
    {"entry code folds ASCII case", LIST, "B", "sel=3", "b"},
    {"unmatched answer selects index 0", LIST, "nomatch", "sel=0", ""},
    {"fields around a fixed segment", FIELDS, "ab/zz/cd/ef", "ab|cd|ef", "ab/v2/cd/ef"},
    {"short answer empties the later fields", FIELDS, "ab", "ab||", "ab/v2"},
    {"extra segments dropped", FIELDS, "a/b/c/d/e", "a|c|d", "a/v2/c/d"},
};

TEST_F(BindingTest, FillThenCollectRoundTrips) {
    for (const RoundTrip& t : kRoundTrips) {
        SCOPED_TRACE(t.name);
        std::strcpy(table[t.question].answer, t.answer.c_str());
        FillControls(dialog, table);
        EXPECT_EQ(Picture(t.question), t.shown);
        CollectAnswers(dialog, table);
        EXPECT_STREQ(table[t.question].answer, t.collected);
    }
}

TEST_F(BindingTest, ListTextsComeFromTheDialogsModuleCutTo127) {
    std::strcpy(table[LIST].answer, "mark");
    for (int pass = 0; pass < 2; ++pass) {  // a second fill replaces the entries
        SCOPED_TRACE(pass);
        FillControls(dialog, table);
        ASSERT_EQ(SendDlgItemMessageA(dialog, IDC_LIST, CB_GETCOUNT, 0, 0), 6);
        EXPECT_EQ(Entry(0), " ");
        EXPECT_EQ(Entry(1), "Zero");
        EXPECT_EQ(Entry(3), "Letter B");
        std::string expectedLong;
        for (int i = 0; i < 127; ++i) expectedLong += static_cast<char>('0' + i % 10);
        EXPECT_EQ(Entry(4), expectedLong);
        EXPECT_EQ(Entry(5), "Mark\xAE");
        EXPECT_EQ(Selected(), 5);
    }
}

TEST_F(BindingTest, ListTextsAreNotTakenFromTheProcessModule) {
    // The same template, owned by a module without these strings: the entries are there
    // (so indexes still match rows) but blank, because the texts are that module's.
    HMODULE self = GetModuleHandleA(nullptr);
    HMODULE other = GetModuleHandleA("kernel32.dll");
    char probe[16];
    ASSERT_EQ(LoadStringA(other, IDS_ZERO, probe, sizeof probe), 0);
    HRSRC found = FindResourceA(self, MAKEINTRESOURCEA(IDD_BINDING_TEST), MAKEINTRESOURCEA(5));
    ASSERT_NE(found, nullptr);
    auto tmpl = static_cast<LPCDLGTEMPLATEA>(LockResource(LoadResource(self, found)));
    HWND foreign = CreateDialogIndirectParamA(other, tmpl, nullptr, QuietDialog, 0);
    ASSERT_NE(foreign, nullptr);
    std::strcpy(table[LIST].answer, "0");
    FillControls(foreign, table);
    EXPECT_EQ(SendDlgItemMessageA(foreign, IDC_LIST, CB_GETCOUNT, 0, 0), 6);
    char text[64] = "marker";
    SendDlgItemMessageA(foreign, IDC_LIST, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "");
    EXPECT_EQ(SendDlgItemMessageA(foreign, IDC_LIST, CB_GETCURSEL, 0, 0), 1);
    DestroyWindow(foreign);
}

TEST_F(BindingTest, CollectsWhatTheUserSet) {
    FillControls(dialog, table);
    // Boxes clicked in reverse order still collect in table order.
    SendDlgItemMessageA(dialog, IDC_BOX_13_AGAIN, BM_CLICK, 0, 0);
    SendDlgItemMessageA(dialog, IDC_BOX_0, BM_CLICK, 0, 0);
    SendDlgItemMessageA(dialog, IDC_OPTION_1, BM_CLICK, 0, 0);
    SendDlgItemMessageA(dialog, IDC_LIST, CB_SETCURSEL, 5, 0);
    std::string a(100, 'a'), b(100, 'b');
    SetDlgItemTextA(dialog, IDC_FIELD_1, a.c_str());
    SetDlgItemTextA(dialog, IDC_FIELD_2, b.c_str());
    SetDlgItemTextA(dialog, IDC_FIELD_3, "c");
    CollectAnswers(dialog, table);
    EXPECT_STREQ(table[BOXES].answer, "0,13");
    EXPECT_STREQ(table[OPTIONS].answer, "1");
    EXPECT_STREQ(table[LIST].answer, "mark");
    EXPECT_EQ(std::string(table[FIELDS].answer), (a + "/v2/" + b).substr(0, 127))
        << "a join of long texts stops at the answer's 127 characters";

    // A field left empty ends the join.
    SetDlgItemTextA(dialog, IDC_FIELD_2, "");
    CollectAnswers(dialog, table);
    EXPECT_EQ(std::string(table[FIELDS].answer), a + "/v2");
}

TEST_F(BindingTest, CollectKeepsAnswersTheControlsCannotGive) {
    std::strcpy(table[OPTIONS].answer, "1");
    std::strcpy(table[LIST].answer, "1");
    FillControls(dialog, table);

    struct {
        const char* name;
        void (*act)(HWND);
    } cases[] = {
        {"no option checked, no list selection",
         [](HWND d) {
             for (int id : {IDC_OPTION_0, IDC_OPTION_1, IDC_OPTION_X})
                 SendDlgItemMessageA(d, id, BM_SETCHECK, BST_UNCHECKED, 0);
             SendDlgItemMessageA(d, IDC_LIST, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
         }},
        {"a list entry the table has no row for",
         [](HWND d) {
             LRESULT extra = SendDlgItemMessageA(d, IDC_LIST, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("extra"));
             SendDlgItemMessageA(d, IDC_LIST, CB_SETCURSEL, extra, 0);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.act(dialog);
        CollectAnswers(dialog, table);
        EXPECT_STREQ(table[OPTIONS].answer, "1");
        EXPECT_STREQ(table[LIST].answer, "1");
    }

    // Two options checked at once (set by program, not by clicks): the last row wins.
    Check(IDC_OPTION_0, true);
    Check(IDC_OPTION_X, true);
    CollectAnswers(dialog, table);
    EXPECT_STREQ(table[OPTIONS].answer, "x");
}

TEST_F(BindingTest, OtherKindsAreLeftAlone) {
    Check(IDC_BOX_OTHER_KIND, false);
    FillControls(dialog, table);
    EXPECT_FALSE(Checked(IDC_BOX_OTHER_KIND)) << "answer 0 would check it if it were bound";
    Check(IDC_BOX_OTHER_KIND, true);
    std::strcpy(table[OTHER_KIND].answer, "kept");
    CollectAnswers(dialog, table);
    EXPECT_STREQ(table[OTHER_KIND].answer, "kept");
}

TEST_F(BindingTest, ControlsMissingFromTheDialog) {
    // A table that names controls the dialog does not have: nothing fails, missing
    // buttons read unchecked, a missing list leaves its answer, a missing field ends
    // the join.
    const Choice boxes[] = {{1101, "0"}, {0, ""}};
    const Choice options[] = {{1201, "0"}, {0, ""}};
    const Choice list[] = {{1301, ""}, {IDS_BLANK, ""}, {IDS_ZERO, "0"}, {0, ""}};
    const Choice fields[] = {{IDC_FIELD_1, ""}, {1401, ""}, {IDC_FIELD_2, ""}, {0, ""}};
    Question missing[] = {
        {"0", "q_boxes", KIND_CHECKBOXES, boxes}, {"0", "q_options", KIND_RADIOS, options},
        {"0", "q_list", KIND_DROPLIST, list},     {"a/b/c", "q_fields", KIND_FIELDS, fields},
        {"", "", 0, nullptr},
    };
    FillControls(dialog, missing);
    EXPECT_EQ(Text(IDC_FIELD_1), "a");
    EXPECT_EQ(Text(IDC_FIELD_2), "c");
    CollectAnswers(dialog, missing);
    EXPECT_STREQ(missing[0].answer, "");
    EXPECT_STREQ(missing[1].answer, "0");
    EXPECT_STREQ(missing[2].answer, "0");
    EXPECT_STREQ(missing[3].answer, "a");
}

TEST_F(BindingTest, EmptyTableTouchesNothing) {
    Check(IDC_BOX_0, true);
    SetDlgItemTextA(dialog, IDC_FIELD_1, "typed");
    Question empty[] = {{"", "", KIND_CHECKBOXES, nullptr}, {"7", "q_after", KIND_CHECKBOXES, kBoxes}};
    FillControls(dialog, empty);
    CollectAnswers(dialog, empty);
    FillControls(dialog, nullptr);
    CollectAnswers(dialog, nullptr);
    EXPECT_TRUE(Checked(IDC_BOX_0));
    EXPECT_FALSE(Checked(IDC_BOX_7));
    EXPECT_EQ(Text(IDC_FIELD_1), "typed");
    EXPECT_STREQ(empty[1].answer, "7");
}

}  // namespace
