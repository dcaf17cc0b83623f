// The whole survey under Wine: survey.dll loaded as a host loads it, its real page dialogs
// driven from a thread timer the way a user would click, and the answers file read back.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "survey.h"
#include "tests/support/guarded_memory_win32.h"
#include "tests/support/page_watch_win32.h"
#include "tests/support/scratch_dir_win32.h"
#include "tests/support/survey_dll_win32.h"

namespace {

constexpr int ID_BACK = 888;
constexpr int LEAVE_CLOSE = -100;     // close the page from its title bar
constexpr int LEAVE_NOTHING = -101;   // don't touch the page (it must end by itself)

// Page 1
constexpr int LIST_PURCHASE = 466, LIST_USE = 492, LIST_KIDS = 494;
constexpr int BOX_3D = 495, BOX_SCANNER = 507;
// Page 2
constexpr int BOX_FIRST_PRODUCT = 462, BOX_474 = 474, BOX_477 = 477;
constexpr int BOX_GREETING_CARDS = 481, BOX_WEB_PAGES = 487;
const int kProductBoxes[] = {462, 463, 490, 472, 491, 464, 466, 468, 470, 473,
                             475, 465, 467, 469, 471, 474, 476, 478, 477};
// Page 3
constexpr int BOX_GAMES = 406, BOX_PRINTING = 401, OPTION_YES = 407, OPTION_NO = 408;

const char* const kKeys[] = {
    "q_557-1132-746", "q_557-1132-749", "q_557-1132-751", "q_557-1132-752",  // page 1
    "q_557-1132-747", "q_557-1132-750",                                      // page 2
    "q_557-1132-416", "q_557-1132-422",                                      // page 3
};
const char* const ABSENT = "<absent>";

// What the test does on one page, and what it saw there.
struct Visit {
    int page;                                   // the page expected on screen
    std::vector<int> click;                     // check boxes / options to click
    std::vector<std::pair<int, int>> select;    // list id, display index
    int leave;                                  // IDOK, ID_BACK, IDCANCEL or LEAVE_*
};

struct Seen {
    int page = 0;
    std::string caption;
    std::vector<int> checked;  // every checked button on opening
    std::map<int, int> selection;  // list id -> selected index on opening
    HWND focus = nullptr;
    bool focusIsPurchaseList = false;
    bool purchaseListDropped = false;
};

struct Driver {
    std::vector<Visit> visits;
    std::vector<Seen> seen;
    size_t next = 0;
    void (*onPage)(HWND page, int index) = nullptr;  // extra work on a page before leaving
    std::string captureDir;                          // when set, each page is saved as BMP
};
Driver* driver;

int PageNumber(HWND page) {
    char cls[32] = "";
    if (GetDlgItem(page, BOX_FIRST_PRODUCT)) return 2;
    if (GetDlgItem(page, BOX_GAMES)) return 3;
    HWND list = GetDlgItem(page, LIST_PURCHASE);
    if (list && GetClassNameA(list, cls, sizeof cls) && lstrcmpiA(cls, "ComboBox") == 0) return 1;
    return 0;
}

void SaveWindowAsBmp(HWND window, const std::string& path) {
    RECT r;
    GetWindowRect(window, &r);
    int w = r.right - r.left, h = r.bottom - r.top;
    BITMAPINFOHEADER bih = {sizeof bih, w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetWindowDC(window);
    HBITMAP dib = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&bih), DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, screen, 0, 0, SRCCOPY);
    GdiFlush();
    DWORD stride = ((w * 3 + 3) / 4) * 4, size = stride * h;
    BITMAPFILEHEADER bfh = {0x4D42, static_cast<DWORD>(sizeof bfh + sizeof bih + size), 0, 0,
                            sizeof bfh + sizeof bih};
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&bfh, sizeof bfh, 1, f);
        std::fwrite(&bih, sizeof bih, 1, f);
        std::fwrite(bits, size, 1, f);
        std::fclose(f);
    }
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(dib);
    ReleaseDC(window, screen);
}

// Windows given the focus, and lists told to open, since the last page was observed.
std::vector<HWND> focusEvents, dropEvents;
HHOOK cbtHook, callHook;

LRESULT CALLBACK RecordFocus(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_SETFOCUS) focusEvents.push_back(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(cbtHook, code, wParam, lParam);
}

LRESULT CALLBACK RecordDropDown(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == CB_SHOWDROPDOWN && call->wParam) dropEvents.push_back(call->hwnd);
    return CallNextHookEx(callHook, code, wParam, lParam);
}

Seen Observe(HWND page) {
    Seen s;
    s.page = PageNumber(page);
    char caption[300];
    GetWindowTextA(page, caption, sizeof caption);
    s.caption = caption;
    for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char cls[32] = "";
        GetClassNameA(c, cls, sizeof cls);
        if (lstrcmpiA(cls, "Button") == 0 && SendMessageA(c, BM_GETCHECK, 0, 0) == BST_CHECKED)
            s.checked.push_back(GetDlgCtrlID(c));
        if (lstrcmpiA(cls, "ComboBox") == 0)
            s.selection[GetDlgCtrlID(c)] = static_cast<int>(SendMessageA(c, CB_GETCURSEL, 0, 0));
    }
    // What the page did as it opened, from the hooks: by now another program's window may
    // have taken the foreground, and with it this page's focus and open list.
    for (HWND w : focusEvents)
        if (GetParent(w) == page) {
            s.focus = w;
            break;
        }
    HWND purchase = GetDlgItem(page, LIST_PURCHASE);
    s.focusIsPurchaseList = s.page == 1 && s.focus == purchase;
    for (HWND w : dropEvents) s.purchaseListDropped |= s.page == 1 && w == purchase;
    focusEvents.clear();
    dropEvents.clear();
    return s;
}

VOID CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND page = FindNewPage();
    if (!page) return;
    size_t index = driver->next++;
    driver->seen.push_back(Observe(page));
    if (index >= driver->visits.size()) {
        ADD_FAILURE() << "page " << PageNumber(page) << " shown past the end of the script";
        PostMessageA(page, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    const Visit& v = driver->visits[index];
    if (!driver->captureDir.empty()) {
        SendDlgItemMessageA(page, LIST_PURCHASE, CB_SHOWDROPDOWN, FALSE, 0);
        UpdateWindow(page);
        SaveWindowAsBmp(page, driver->captureDir + "\\page" + std::to_string(PageNumber(page)) + ".bmp");
    }
    for (auto [list, item] : v.select) {
        HWND combo = GetDlgItem(page, list);
        SendMessageA(combo, CB_SETCURSEL, item, 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    }
    for (int id : v.click) SendDlgItemMessageA(page, id, BM_CLICK, 0, 0);
    if (driver->onPage) driver->onPage(page, static_cast<int>(index));
    if (v.leave == LEAVE_CLOSE) PostMessageA(page, WM_SYSCOMMAND, SC_CLOSE, 0);
    else if (v.leave != LEAVE_NOTHING) SendDlgItemMessageA(page, v.leave, BM_CLICK, 0, 0);
}

class SurveyRun : public ::testing::Test {
protected:
    void SetUp() override {
        answers = dir / "answers.ini";
        host = TestHostBlock(dir / "panel.ini", answers);
        Load();
        parent = CreateHostWindow();
    }
    void TearDown() override {
        DestroyWindow(parent);
        Unload();
    }
    // A fresh load: the in-memory answers start from the tables' first values again.
    void Load() {
        dll = LoadLibraryA(SurveyDllPath().c_str());
        ASSERT_NE(dll, nullptr);
        doSurvey = reinterpret_cast<DoSurveyV2Proc>(reinterpret_cast<void*>(GetProcAddress(dll, "DoSurveyV2")));
        ASSERT_NE(doSurvey, nullptr);
    }
    void Unload() {
        if (dll) FreeLibrary(dll);
        dll = nullptr;
    }

    int Run(int entry, std::vector<Visit> visits) { return RunWith(parent, entry, &host, std::move(visits)); }

    // Every call runs with the driver's timer, so a page that shows by mistake ends the
    // run with a failure instead of waiting for a click forever.
    int RunWith(void* owner, int entry, const SURVEY_HOST_BLOCK* block, std::vector<Visit> visits) {
        run = Driver{};
        run.visits = std::move(visits);
        run.onPage = onPage;
        run.captureDir = captureDir;
        driver = &run;
        focusEvents.clear();
        dropEvents.clear();
        cbtHook = SetWindowsHookExA(WH_CBT, RecordFocus, nullptr, GetCurrentThreadId());
        callHook = SetWindowsHookExA(WH_CALLWNDPROC, RecordDropDown, nullptr, GetCurrentThreadId());
        UINT_PTR timer = SetTimer(nullptr, 0, 10, Tick);
        int result = doSurvey(0, owner, entry, block);
        KillTimer(nullptr, timer);
        UnhookWindowsHookEx(callHook);
        UnhookWindowsHookEx(cbtHook);
        driver = nullptr;
        EXPECT_EQ(run.next, run.visits.size()) << "pages shown: " << run.next;
        for (size_t i = 0; i < run.seen.size() && i < run.visits.size(); ++i)
            EXPECT_EQ(run.seen[i].page, run.visits[i].page) << "visit " << i;
        return result;
    }

    std::map<std::string, std::string> Stored() {
        std::map<std::string, std::string> values;
        for (const char* key : kKeys) {
            char value[256];
            GetPrivateProfileStringA(host.answersSection, key, ABSENT, value, sizeof value, answers.c_str());
            values[key] = value;
        }
        return values;
    }
    // Expected file contents: the given keys, every other key absent.
    static std::map<std::string, std::string> Only(std::map<std::string, std::string> given) {
        std::map<std::string, std::string> all;
        for (const char* key : kKeys) all[key] = given.count(key) ? given[key] : ABSENT;
        return all;
    }
    bool FileExists() { return GetFileAttributesA(answers.c_str()) != INVALID_FILE_ATTRIBUTES; }

    ScratchDir dir{"survey-run"};
    std::string answers, captureDir;
    SURVEY_HOST_BLOCK host = {};
    HMODULE dll = nullptr;
    DoSurveyV2Proc doSurvey = nullptr;
    HWND parent = nullptr;
    Driver run;
    void (*onPage)(HWND, int) = nullptr;
};

const std::map<std::string, std::string> kFirstRunPage1 = {
    {"q_557-1132-746", ""}, {"q_557-1132-749", ""}, {"q_557-1132-751", ""}, {"q_557-1132-752", ""}};
const std::map<std::string, std::string> kFirstRunPage2 = {{"q_557-1132-747", ""}, {"q_557-1132-750", ""}};
const std::map<std::string, std::string> kFirstRunPage3 = {{"q_557-1132-416", ""}, {"q_557-1132-422", "0"}};

std::map<std::string, std::string> Merge(std::initializer_list<std::map<std::string, std::string>> parts) {
    std::map<std::string, std::string> all;
    for (const auto& p : parts)
        for (const auto& kv : p) all[kv.first] = kv.second;
    return all;
}

TEST_F(SurveyRun, TracesEndToEnd) {
    const struct {
        const char* name;
        int entry;
        std::vector<Visit> visits;
        int returns;
        std::map<std::string, std::string> stored;  // keys present in the file afterwards
    } traces[] = {
        {"Next, Next, Next", 1, {{1, {}, {}, IDOK}, {2, {}, {}, IDOK}, {3, {}, {}, IDOK}}, 1,
         Merge({kFirstRunPage1, kFirstRunPage2, kFirstRunPage3})},
        {"Back, Back, Back", 2, {{3, {}, {}, ID_BACK}, {2, {}, {}, ID_BACK}, {1, {}, {}, ID_BACK}}, 888,
         Merge({kFirstRunPage1, kFirstRunPage2, kFirstRunPage3})},
        {"Next, Back, Register Later with a change", 1,
         {{1, {BOX_3D}, {}, IDOK}, {2, {BOX_GREETING_CARDS}, {}, ID_BACK}, {1, {BOX_SCANNER}, {{LIST_PURCHASE, 21}}, IDCANCEL}},
         2, Merge({kFirstRunPage1, {{"q_557-1132-752", "0"}, {"q_557-1132-747", ""}, {"q_557-1132-750", "0"}}})},
        {"backward entry, Next", 2, {{3, {OPTION_NO}, {}, IDOK}}, 1,
         {{"q_557-1132-416", ""}, {"q_557-1132-422", "1"}}},
        {"closes page 1", 1, {{1, {BOX_3D}, {}, LEAVE_CLOSE}}, 2, {}},
    };
    for (const auto& t : traces) {
        SCOPED_TRACE(t.name);
        Unload();
        DeleteFileA(answers.c_str());
        Load();
        EXPECT_EQ(Run(t.entry, t.visits), t.returns);
        EXPECT_EQ(Stored(), Only(t.stored));
        if (t.stored.empty()) {
            EXPECT_FALSE(FileExists()) << "nothing may be written";
        }
    }
}

TEST_F(SurveyRun, FirstRunDefaultsCaptionAndFocus) {
    EXPECT_EQ(Run(1, {{1, {}, {}, IDOK}, {2, {}, {}, IDOK}, {3, {}, {}, IDCANCEL}}), 2);
    ASSERT_EQ(run.seen.size(), 3u);
    for (const Seen& s : run.seen) EXPECT_EQ(s.caption, "Registration for Atlas") << "page " << s.page;
    const Seen& p1 = run.seen[0];
    EXPECT_EQ(p1.selection, (std::map<int, int>{{LIST_PURCHASE, 0}, {LIST_USE, 0}, {LIST_KIDS, 0}}));
    EXPECT_TRUE(p1.checked.empty());
    EXPECT_TRUE(p1.focusIsPurchaseList) << "the purchase list gets the focus first";
    EXPECT_TRUE(p1.purchaseListDropped) << "and its list is opened";
    EXPECT_TRUE(run.seen[1].checked.empty());
    EXPECT_EQ(run.seen[2].checked, std::vector<int>{OPTION_YES});
}

TEST_F(SurveyRun, PageOneChoicesAreStoredAsTheirCodes) {
    // Purchase "Other" is the last of 22 entries; "Home/Personal and Business" is index 4.
    EXPECT_EQ(Run(1, {{1, {BOX_SCANNER, BOX_3D}, {{LIST_PURCHASE, 21}, {LIST_USE, 4}, {LIST_KIDS, 2}}, IDOK},
                      {2, {}, {}, IDCANCEL}}), 2);
    EXPECT_EQ(Stored(), Only({{"q_557-1132-746", "20"}, {"q_557-1132-749", "6"},
                              {"q_557-1132-751", "1"}, {"q_557-1132-752", "0,12"}}));
}

TEST_F(SurveyRun, SharedProductCodeChecksBothBoxesAfterAReopen) {
    EXPECT_EQ(Run(1, {{1, {}, {}, IDOK}, {2, {BOX_477}, {}, IDOK}, {3, {}, {}, IDCANCEL}}), 2);
    EXPECT_EQ(Stored()["q_557-1132-747"], "13");
    // A new load reads the answer from the file: both boxes with code 13 come up checked.
    Unload();
    Load();
    EXPECT_EQ(Run(2, {{3, {}, {}, ID_BACK}, {2, {}, {}, IDOK}, {3, {}, {}, IDCANCEL}}), 2);
    ASSERT_GE(run.seen.size(), 2u);
    EXPECT_EQ(run.seen[1].checked, (std::vector<int>{BOX_474, BOX_477}));
    EXPECT_EQ(Stored()["q_557-1132-747"], "13,13");
    EXPECT_EQ(Run(2, {{3, {}, {}, ID_BACK}, {2, {}, {}, ID_BACK}, {1, {}, {}, IDCANCEL}}), 2);
    EXPECT_EQ(Stored()["q_557-1132-747"], "13,13");
}

TEST_F(SurveyRun, EveryProductBoxAndFeatureOrder) {
    std::vector<int> all(std::begin(kProductBoxes), std::end(kProductBoxes));
    all.push_back(BOX_WEB_PAGES);
    all.push_back(BOX_GREETING_CARDS);
    EXPECT_EQ(Run(2, {{3, {}, {}, ID_BACK}, {2, all, {}, ID_BACK}, {1, {}, {}, IDCANCEL}}), 2);
    std::string products = Stored()["q_557-1132-747"];
    EXPECT_EQ(products, "0,1,6,11,18,2,4,7,9,12,14,3,5,8,10,13,15,17,13");
    EXPECT_EQ(products.size(), 46u);
    EXPECT_EQ(Stored()["q_557-1132-750"], "0,6");
}

TEST_F(SurveyRun, PageThreeInterestsAndSharing) {
    EXPECT_EQ(Run(2, {{3, {BOX_PRINTING, BOX_GAMES, OPTION_NO}, {}, ID_BACK}, {2, {}, {}, IDCANCEL}}), 2);
    EXPECT_EQ(Stored(), Only({{"q_557-1132-416", "0,5"}, {"q_557-1132-422", "1"}}));
}

TEST_F(SurveyRun, AnswersCarryOverBetweenPagesAndCalls) {
    // Next on page 2, Back on page 3: page 2 shows again with what was saved.
    EXPECT_EQ(Run(1, {{1, {}, {}, IDOK}, {2, {BOX_GREETING_CARDS}, {}, IDOK}, {3, {}, {}, ID_BACK},
                      {2, {}, {}, IDCANCEL}}), 2);
    ASSERT_EQ(run.seen.size(), 4u);
    EXPECT_EQ(run.seen[3].checked, std::vector<int>{BOX_GREETING_CARDS});
    // A second call in the same process starts from the in-memory answers even when the
    // file has gone.
    DeleteFileA(answers.c_str());
    EXPECT_EQ(Run(2, {{3, {}, {}, ID_BACK}, {2, {}, {}, IDCANCEL}}), 2);
    ASSERT_EQ(run.seen.size(), 2u);
    EXPECT_EQ(run.seen[1].checked, std::vector<int>{BOX_GREETING_CARDS});
}

TEST_F(SurveyRun, ProblemCallsEndWithoutAPage) {
    // A null host block ends the first page before it is shown.
    EXPECT_EQ(RunWith(parent, 1, nullptr, {}), -1);
    // A parent that is no window: the platform refuses the dialog with 0.
    EXPECT_EQ(RunWith(reinterpret_cast<void*>(0x7ff0), 1, &host, {}), 0);
    // An entry direction that is neither forward nor backward.
    EXPECT_EQ(RunWith(parent, 0, &host, {}), -1);
    EXPECT_EQ(RunWith(parent, 3, &host, {}), -1);
    EXPECT_FALSE(FileExists());
}

// A host that fills a field to its last byte leaves no NUL (strncpy does that). Each field
// is then taken as its bytes up to the field's end: nothing past it is read, not even when
// the block ends right at an inaccessible page.
TEST_F(SurveyRun, HostFieldsWithoutNulEndAtTheirField) {
    const struct {
        const char* name;
        bool panel, path, title, section;  // which fields fill their whole size
        const char* caption;
    } rows[] = {
        {"all terminated", false, false, false, false, "Registration for Atlas"},
        {"panel settings path", true, false, false, false, "Registration for Atlas"},
        {"answers path", false, true, false, false, "Registration for Atlas"},
        {"product title", false, false, true, false, ""},  // 912 characters: too long to show
        {"answers section", false, false, false, true, "Registration for Atlas"},
        {"all four", true, true, true, true, ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        Unload();
        DeleteFileA(answers.c_str());
        Load();
        SURVEY_HOST_BLOCK filled = host;
        if (r.panel) std::memset(filled.panelSettingsPath, 'p', sizeof filled.panelSettingsPath);
        if (r.path) std::memset(filled.answersPath, 'a', sizeof filled.answersPath);
        if (r.title) std::memset(filled.productTitle, 't', sizeof filled.productTitle);
        if (r.section) std::memset(filled.answersSection, 's', sizeof filled.answersSection);
        GuardedBytes block(&filled, sizeof filled);
        GuardFaults faults(block);
        ASSERT_TRUE(faults.installed());
        EXPECT_EQ(RunWith(parent, 1, reinterpret_cast<const SURVEY_HOST_BLOCK*>(block.data()),
                          {{1, {BOX_3D}, {}, IDOK}, {2, {}, {}, IDCANCEL}}),
                  2);
        EXPECT_EQ(faults.faults(), 0);
        ASSERT_EQ(run.seen.size(), 2u);
        EXPECT_EQ(run.seen[0].caption, r.caption);
        // Page 1's answers land in the section named by exactly the field's bytes.
        std::string section = r.section ? std::string(sizeof filled.answersSection, 's')
                                        : std::string(host.answersSection);
        char value[64];
        GetPrivateProfileStringA(section.c_str(), "q_557-1132-752", ABSENT, value, sizeof value,
                                 answers.c_str());
        EXPECT_STREQ(value, r.path ? ABSENT : "0");
    }
}

// Tab moves the focus from list to list, and every list opens as it gets the focus, not
// only the first one. A Tab key is the dialog manager's WM_NEXTDLGCTL to the next tab stop;
// it is sent here after the focus is put on the first list, so that another test program
// taking the foreground meanwhile can't move the starting point.
TEST_F(SurveyRun, TabIntoTheSecondAndThirdListOpensThem) {
    static HWND lists[3];
    onPage = [](HWND page, int) {
        for (int i = 0; i < 3; ++i) lists[i] = GetDlgItem(page, (const int[]){LIST_PURCHASE, LIST_USE, LIST_KIDS}[i]);
        SendMessageA(page, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(lists[0]), TRUE);
        SendMessageA(page, WM_NEXTDLGCTL, 0, FALSE);  // Tab
        SendMessageA(page, WM_NEXTDLGCTL, 0, FALSE);  // Tab
        PostMessageA(page, WM_COMMAND, IDCANCEL, 0);
    };
    EXPECT_EQ(Run(1, {{1, {}, {}, LEAVE_NOTHING}}), 2);
    for (int i = 1; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NE(std::find(focusEvents.begin(), focusEvents.end(), lists[i]), focusEvents.end());
        EXPECT_NE(std::find(dropEvents.begin(), dropEvents.end(), lists[i]), dropEvents.end());
    }
}

TEST_F(SurveyRun, SecondCallWhileOneRunsIsRefused) {
    static DoSurveyV2Proc nested;
    static const SURVEY_HOST_BLOCK* nestedHost;
    static int nestedResult;
    nested = doSurvey;
    nestedHost = &host;
    nestedResult = 12345;
    onPage = [](HWND page, int index) {
        if (index == 1) nestedResult = nested(0, page, 1, nestedHost);
    };
    EXPECT_EQ(Run(1, {{1, {}, {}, IDOK}, {2, {BOX_GREETING_CARDS}, {}, IDOK}, {3, {}, {}, IDOK}}), 1);
    EXPECT_EQ(nestedResult, -1);
    EXPECT_EQ(Stored()["q_557-1132-750"], "0");
}

TEST_F(SurveyRun, CaptionWithEmptyAndOverlongTitles) {
    const struct { std::string title, caption; } rows[] = {
        {"", "Registration for "},
        {"Atlas 2000 Deluxe", "Registration for Atlas 2000 Deluxe"},
        {"100% %2 done", "Registration for 100% %2 done"},
        {std::string(240, 'x'), ""},  // would not fit in 255 characters
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.title);
        std::snprintf(host.productTitle, sizeof host.productTitle, "%s", r.title.c_str());
        EXPECT_EQ(Run(1, {{1, {}, {}, IDCANCEL}}), 2);
        ASSERT_EQ(run.seen.size(), 1u);
        EXPECT_EQ(run.seen[0].caption, r.caption);
    }
}

// Saves each page as a picture under bin/page-captures for a person to look at.
TEST_F(SurveyRun, CapturesEachPage) {
    captureDir = TestProgramDir() + "page-captures";
    CreateDirectoryA(captureDir.c_str(), nullptr);
    EXPECT_EQ(Run(1, {{1, {BOX_3D}, {{LIST_PURCHASE, 3}}, IDOK}, {2, {BOX_FIRST_PRODUCT}, {}, IDOK},
                      {3, {}, {}, IDOK}}), 1);
    // Each capture is a picture of its own page: a whole window of controls and text, not a
    // blank or failed copy, and no two pages alike.
    std::vector<std::string> pixels;
    for (int page = 1; page <= 3; ++page) {
        std::string path = captureDir + "\\page" + std::to_string(page) + ".bmp";
        SCOPED_TRACE(path);
        std::string file;
        if (FILE* f = std::fopen(path.c_str(), "rb")) {
            char buffer[65536];
            for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) file.append(buffer, n);
            std::fclose(f);
        }
        const size_t headers = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
        ASSERT_GT(file.size(), headers);
        ASSERT_EQ(file.compare(0, 2, "BM"), 0);
        BITMAPINFOHEADER bih;
        std::memcpy(&bih, file.data() + sizeof(BITMAPFILEHEADER), sizeof bih);
        EXPECT_GT(bih.biWidth, 200);
        EXPECT_GT(bih.biHeight, 200);
        pixels.push_back(file.substr(headers));
        std::set<uint32_t> colors;
        for (size_t i = 0; i + 2 < pixels.back().size(); i += 3)
            colors.insert(static_cast<uint8_t>(pixels.back()[i]) | static_cast<uint8_t>(pixels.back()[i + 1]) << 8 |
                          static_cast<uint32_t>(static_cast<uint8_t>(pixels.back()[i + 2])) << 16);
        EXPECT_GE(colors.size(), 3u) << "a blank capture";
    }
    ASSERT_EQ(pixels.size(), 3u);
    EXPECT_NE(pixels[0], pixels[1]);
    EXPECT_NE(pixels[1], pixels[2]);
}

}  // namespace
