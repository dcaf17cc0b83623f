// Page opening and a full walk, against the platform work a page cannot avoid. Each page is
// opened and left at once (Register Later, posted as the page finishes opening) through
// survey.dll (page 2, which the survey opens only after another page, through the same
// page runner linked into this program), and the same dialog template is run from the DLL's resources with two
// procedures of this program's own:
//   bare:  an empty procedure;
//   floor: exactly the platform calls the page must make: the caption, the lists filled
//          from the string table with their selections, the profile reads of the page's
//          keys, every box and option set, the focused list dropped open.
// The walk is three pages forward with saving, against the three floors plus the same
// profile writes. Variants run in alternating rounds in one process; only ratios are
// figures (absolute times under Wine swing several-fold). Prints one line per figure:
//   <figure> median <ratio> min <ratio> max <ratio> rounds <n>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bench/timing_win32.h"
#include "content/page_tables.h"
#include "content/resource.h"
#include "page/page_win32.h"
#include "questions/question.h"
#include "survey.h"
#include "survey/host_block.h"
#include "survey/instance_win32.h"
#include "tests/support/scratch_dir_win32.h"
#include "tests/support/survey_dll_win32.h"

namespace {

// What a page ends with when the hook sees it open: IDCANCEL to leave at once, IDOK to go on.
int leaveWith = IDCANCEL;
HHOOK hook;

LRESULT CALLBACK LeaveAsItOpens(int code, WPARAM wParam, LPARAM lParam) {
    const CWPRETSTRUCT* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_INITDIALOG)
        PostMessageA(call->hwnd, WM_COMMAND, leaveWith, 0);
    return CallNextHookEx(hook, code, wParam, lParam);
}

struct Context {
    HMODULE module;
    std::string answers;
    const char* section;
    const Question* questions;
};
Context* floorContext;

INT_PTR CALLBACK BareProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

// The platform calls a page must make to open, and to save when it is left with Next.
INT_PTR CALLBACK FloorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const Context& c = *floorContext;
    if (message == WM_INITDIALOG) {
        char pattern[256], caption[256];
        GetWindowTextA(dialog, pattern, sizeof pattern);
        DWORD_PTR inserts[1] = {reinterpret_cast<DWORD_PTR>("Atlas")};
        FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY, pattern, 0, 0, caption,
                       sizeof caption, reinterpret_cast<va_list*>(inserts));
        SetWindowTextA(dialog, caption);
        for (const Question* q = c.questions; !IsEndOfQuestions(*q); ++q) {
            char answer[ANSWER_SIZE];
            GetPrivateProfileStringA(c.section, q->key, "", answer, sizeof answer, c.answers.c_str());
            if (q->kind == KIND_DROPLIST) {
                HWND list = GetDlgItem(dialog, static_cast<int>(q->choices[0].control));
                for (const Choice* row = q->choices + 1; !IsEndOfChoices(*row); ++row) {
                    char text[256];
                    LoadStringA(c.module, row->control, text, sizeof text);
                    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
                }
                SendMessageA(list, CB_SETCURSEL, 0, 0);
            } else {
                for (const Choice* row = q->choices; !IsEndOfChoices(*row); ++row)
                    CheckDlgButton(dialog, static_cast<int>(row->control), BST_UNCHECKED);
            }
        }
        return TRUE;
    }
    if (message == WM_COMMAND) {
        if (HIWORD(wParam) == CBN_SETFOCUS) {
            SendMessageA(reinterpret_cast<HWND>(lParam), CB_SHOWDROPDOWN, TRUE, 0);
            return TRUE;
        }
        if (LOWORD(wParam) == IDOK) {
            for (const Question* q = c.questions; !IsEndOfQuestions(*q); ++q)
                WritePrivateProfileStringA(c.section, q->key, "", c.answers.c_str());
        }
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
    }
    return FALSE;
}

void PrintRatio(const char* figure, const std::vector<double>& ratios) {
    auto [low, high] = std::minmax_element(ratios.begin(), ratios.end());
    std::printf("%-28s median %.3f min %.3f max %.3f rounds %zu\n", figure, Median(ratios), *low, *high,
                ratios.size());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 15;
    const int perRound = argc > 2 ? std::atoi(argv[2]) : 10;
    ScratchDir dir("survey-bench");
    SurveyLibrary lib;
    if (!lib.module) return 2;
    auto doSurvey = reinterpret_cast<DoSurveyV2Proc>(reinterpret_cast<void*>(GetProcAddress(lib.module, "DoSurveyV2")));
    HWND parent = CreateHostWindow();
    SurveyInstance = lib.module;  // the linked page runner loads from survey.dll's resources
    // No panel settings file is named, as most hosts leave it.
    SURVEY_HOST_BLOCK host = TestHostBlock("", dir / "answers.ini");
    Context context{lib.module, dir / "answers.ini", host.answersSection, nullptr};
    floorContext = &context;
    hook = SetWindowsHookExA(WH_CALLWNDPROCRET, LeaveAsItOpens, nullptr, GetCurrentThreadId());

    const struct {
        const char* name;
        WORD templateId;
        const Question* questions;
        std::function<void()> open;  // opens the page as the survey does, and leaves it
    } pages[] = {
        {"page 1", IDD_PAGE1, Page1Questions, [&] { doSurvey(0, parent, SURVEY_DIR_FORWARD, &host); }},
        // The survey opens page 2 only after page 1 or page 3: it runs through the page
        // runner linked into this program, the same code as in survey.dll, from the DLL's
        // resources.
        {"page 2", IDD_PAGE2, Page2Questions, [&] { ShowPage(2, parent, SURVEY_DIR_FORWARD, AsHostBlock(&host)); }},
        {"page 3", IDD_PAGE3, Page3Questions, [&] { doSurvey(0, parent, SURVEY_DIR_BACKWARD, &host); }},
    };
    auto dialog = [&](WORD id, DLGPROC proc) {
        DialogBoxParamA(lib.module, MAKEINTRESOURCEA(id), parent, proc, 0);
    };

    for (const auto& page : pages) {
        context.questions = page.questions;
        std::vector<double> overFloor, overBare;
        for (int r = 0; r < rounds; ++r) {
            leaveWith = IDCANCEL;
            double survey = 0, floor = 0, bare = 0;
            // Alternating order, so neither side always runs first in a round.
            if (r % 2 == 0) {
                survey = Seconds(page.open, perRound);
                floor = Seconds([&] { dialog(page.templateId, FloorProc); }, perRound);
                bare = Seconds([&] { dialog(page.templateId, BareProc); }, perRound);
            } else {
                bare = Seconds([&] { dialog(page.templateId, BareProc); }, perRound);
                floor = Seconds([&] { dialog(page.templateId, FloorProc); }, perRound);
                survey = Seconds(page.open, perRound);
            }
            overFloor.push_back(survey / floor);
            overBare.push_back(survey / bare);
        }
        PrintRatio((std::string(page.name) + " / floor").c_str(), overFloor);
        PrintRatio((std::string(page.name) + " / bare").c_str(), overBare);
    }

    // The walk: three pages forward, each saved.
    std::vector<double> walkOverFloor;
    const WORD templates[] = {IDD_PAGE1, IDD_PAGE2, IDD_PAGE3};
    const Question* tables[] = {Page1Questions, Page2Questions, Page3Questions};
    for (int r = 0; r < rounds; ++r) {
        leaveWith = IDOK;
        auto surveyWalk = [&] { doSurvey(0, parent, SURVEY_DIR_FORWARD, &host); };
        auto floorWalk = [&] {
            for (int p = 0; p < 3; ++p) {
                context.questions = tables[p];
                dialog(templates[p], FloorProc);
            }
        };
        auto [survey, floor] = TimeRound(r, surveyWalk, floorWalk, perRound);
        walkOverFloor.push_back(survey / floor);
    }
    PrintRatio("walk of 3 pages / floor", walkOverFloor);
    UnhookWindowsHookEx(hook);
    DestroyWindow(parent);
    return 0;
}
