// The readout's words against the live survey: survey.dll runs its real pages forward, and
// on each one every question and choice text the readout would print is read back from the
// control that shows it to the user. The readout takes its texts from the compiled page
// script and its own reading of the templates; this is where a wrong control, a stale
// script or a lost character would show.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/control_text.h"
#include "readout/catalog.h"
#include "survey.h"
#include "survey/navigation.h"
#include "tests/support/page_watch_win32.h"
#include "tests/support/scratch_dir_win32.h"
#include "tests/support/survey_dll_win32.h"

namespace {

// The catalog's texts are UTF-8; the controls hold UTF-16, read as such so that a sign
// outside ASCII ("Yandrel®") is compared as the user sees it, not through a code page.
std::string Utf8(const std::wstring& text) {
    if (text.empty()) return "";
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? n : 0, '\0');
    if (n > 0) WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], n, nullptr, nullptr);
    return out;
}

std::string LiveText(HWND window) {
    std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
    text.resize(GetWindowTextW(window, &text[0], static_cast<int>(text.size())));
    return Utf8(text);
}

std::string LiveEntry(HWND list, int index) {
    LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return "(no entry " + std::to_string(index) + ")";
    std::wstring text(length + 1, L'\0');
    LRESULT copied = SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied == CB_ERR ? 0 : copied);
    return Utf8(text);
}

// The dialog manager creates a template's controls in template order, each after the one
// before, so the n-th child is the template's n-th control.
HWND ChildAt(HWND page, int index) {
    HWND child = GetWindow(page, GW_CHILD);
    for (int i = 0; child && i < index; ++i) child = GetWindow(child, GW_HWNDNEXT);
    return child;
}

bool IsClass(HWND window, const char* name) {
    char cls[32] = "";
    GetClassNameA(window, cls, sizeof cls);
    return lstrcmpiA(cls, name) == 0;
}

RECT ScreenRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// The texts the page shows inside the question's frame above its first choice, in the
// order they are read, joined by blanks: what the readout calls the question's prompt.
std::string LivePrompt(HWND page, HWND frame, HWND firstChoice) {
    std::string prompt;
    RECT box = ScreenRect(frame);
    LONG choicesTop = ScreenRect(firstChoice).top;
    for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT r = ScreenRect(c);
        if (IsClass(c, "Static") && IsWindowVisible(c) && Inside(r, box) && r.bottom <= choicesTop)
            prompt += (prompt.empty() ? "" : " ") + StripAccessKeys(LiveText(c));
    }
    return prompt;
}

struct LiveWalk {
    const Catalog* catalog = nullptr;
    int pagesSeen = 0;
    std::vector<int> questionsPerPage;
};
LiveWalk* walk;

void CompareQuestion(HWND page, const QuestionText& q) {
    const Question& table = *q.question;
    std::string where = "page " + std::to_string(q.page) + ", " + table.key;

    HWND textControl = ChildAt(page, q.textControl);
    ASSERT_NE(textControl, nullptr) << where << ": no control at template index " << q.textControl;
    EXPECT_EQ(q.text, StripAccessKeys(LiveText(textControl))) << where << ": question text";

    if (table.kind == KIND_DROPLIST) {
        HWND list = GetDlgItem(page, table.choices[0].control);
        ASSERT_NE(list, nullptr) << where << ": no list " << table.choices[0].control;
        ASSERT_TRUE(IsClass(list, "ComboBox")) << where;
        ASSERT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(q.choices.size()))
            << where << ": entries in the live list";
        for (size_t i = 0; i < q.choices.size(); ++i) {
            EXPECT_EQ(q.choices[i].controlText, LiveEntry(list, static_cast<int>(i)))
                << where << ", entry " << i << " (code \"" << q.choices[i].code << "\")";
        }
        EXPECT_TRUE(q.prompt.empty()) << where << ": a list has no prompt";
        return;
    }

    ASSERT_EQ(q.choices.size(), static_cast<size_t>(CountChoices(table.choices))) << where;
    for (size_t i = 0; i < q.choices.size(); ++i) {
        std::string choice = where + ", choice " + std::to_string(i) + " (code \"" + q.choices[i].code + "\")";
        HWND button = GetDlgItem(page, table.choices[i].control);
        ASSERT_NE(button, nullptr) << choice << ": no control " << table.choices[i].control;
        // A box's or option's question kind is its button style: the control is one the
        // user ticks, not some text that happens to have the identifier.
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(button, GWL_STYLE)) & BS_TYPEMASK, table.kind) << choice;
        EXPECT_EQ(q.choices[i].controlText, LiveText(button)) << choice;
    }
    EXPECT_EQ(q.prompt, LivePrompt(page, textControl, GetDlgItem(page, table.choices[0].control)))
        << where << ": prompt";
}

VOID CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND page = FindNewPage();
    if (!page) return;
    // The survey runs forward with Next only, so the n-th page shown is page n.
    int number = ++walk->pagesSeen;
    int compared = 0;
    for (const QuestionText& q : walk->catalog->questions) {
        if (q.page != number) continue;
        CompareQuestion(page, q);
        ++compared;
    }
    walk->questionsPerPage.push_back(compared);
    PostMessageW(page, WM_COMMAND, number <= PAGE_COUNT ? IDOK : IDCANCEL, 0);
}

TEST(LabelsLive, CatalogTextsAreTheLivePagesTexts) {
    Catalog catalog;
    std::string error;
    ASSERT_TRUE(LoadSurveyCatalog(&catalog, &error)) << error;

    ScratchDir dir("labels-live");
    ASSERT_TRUE(dir.created());
    SURVEY_HOST_BLOCK host = TestHostBlock(dir / "panel.ini", dir / "answers.ini");
    SurveyLibrary dll;
    ASSERT_NE(dll.module, nullptr);
    auto doSurvey = reinterpret_cast<DoSurveyV2Proc>(reinterpret_cast<void*>(GetProcAddress(dll.module, "DoSurveyV2")));
    ASSERT_NE(doSurvey, nullptr);
    HWND parent = CreateHostWindow();

    LiveWalk run;
    run.catalog = &catalog;
    walk = &run;
    UINT_PTR timer = SetTimer(nullptr, 0, 10, Tick);
    int result = doSurvey(0, parent, SURVEY_DIR_FORWARD, &host);
    KillTimer(nullptr, timer);
    walk = nullptr;
    DestroyWindow(parent);

    EXPECT_EQ(result, SURVEY_RESULT_NEXT);
    EXPECT_EQ(run.pagesSeen, PAGE_COUNT);
    // Every page has questions, and every question of the catalog was met on its page.
    std::vector<int> perPage(PAGE_COUNT, 0);
    for (const QuestionText& q : catalog.questions) {
        ASSERT_TRUE(q.page >= 1 && q.page <= PAGE_COUNT) << q.question->key;
        ++perPage[q.page - 1];
    }
    EXPECT_EQ(run.questionsPerPage, perPage);
    for (int page = 1; page <= PAGE_COUNT; ++page) EXPECT_GT(perPage[page - 1], 0) << "page " << page;
}

}  // namespace
