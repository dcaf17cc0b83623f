// The pilot: drives survey pages (or any dialog) of another process from outside, by
// caption and by the texts a user reads, and saves a PNG picture of every page it leaves.
// Every wait is bounded by the step timeout; a failed step ends the run with a message.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "pilot/picture_win32.h"
#include "pilot/pilot_script.h"

namespace {

const char PILOT_USAGE[] =
    "Usage: pilot [--out DIR] [--timeout SECONDS] SCRIPT\n"
    "Drives dialog pages of any process, found by their caption, through the steps of SCRIPT,\n"
    "and saves a PNG picture of each page in DIR (default: the current folder) just before\n"
    "a step leaves it, or when the script ends on it.\n"
    "\n"
    "Steps, one a line (# starts a comment; an argument is a \"quoted text\" or, unquoted,\n"
    "the rest of the line; labels are compared without their & access-key marks):\n"
    "  caption TEXT         pages to look for have this caption; a final * matches any\n"
    "                       ending (default: Registration for *)\n"
    "  wait [NAME]          wait for the next page; its picture is NAME.png (default page-N)\n"
    "  select \"LABEL\" ENTRY pick ENTRY in the drop-down list that follows the text LABEL\n"
    "  check LABEL          check the box labelled LABEL\n"
    "  clear LABEL          clear the box labelled LABEL\n"
    "  choose LABEL         choose the option button labelled LABEL\n"
    "  next | back | later  press the button with identifier 1, 888 or 2\n"
    "                       (Next >>, << Back, Register Later)\n"
    "  close                close the page from its system menu\n"
    "  show TEXT            wait until a window with the caption shows TEXT somewhere (a\n"
    "                       wizard changes pages inside one window); it becomes the page\n"
    "  press LABEL          press the page's button labelled LABEL (Next >, < Back,\n"
    "                       Install, Finish...), whatever its identifier\n"
    "  key KEYS             type keys to the page, brought to the front, as a person does:\n"
    "                       Tab, Enter, Esc, Space, Up, Down, Left, Right, Home, End, a\n"
    "                       letter or digit, each also as Alt+KEY (key Tab Down Enter Alt+N)\n"
    "A step that needs a page and has none waits for one first. Each step, waits included,\n"
    "ends within the timeout (default 10 s).\n"
    "Exit status: 0 done, 1 a step failed, 2 a bad command line or script.\n";

struct PilotRun {
    std::string scriptName;
    std::string outDir;  // full path with its trailing backslash
    DWORD timeoutMs = 10000;
    std::string caption = PILOT_DEFAULT_CAPTION;
    HWND page = nullptr;        // the page the steps work on
    std::string pictureName;    // file name of its picture, without .png
    int pagesSeen = 0;
};

bool Fail(const PilotRun& run, const PilotStep& step, const std::string& message) {
    std::fprintf(stderr, "pilot: %s:%d: %s: %s\n", run.scriptName.c_str(), step.line,
                 DescribeStep(step).c_str(), message.c_str());
    return false;
}

std::string WindowText(HWND window) {
    char text[1024];
    int n = GetWindowTextA(window, text, sizeof text);
    return std::string(text, n > 0 ? n : 0);
}

std::string ClassOf(HWND window) {
    char name[64];
    int n = GetClassNameA(window, name, sizeof name);
    return std::string(name, n > 0 ? n : 0);
}

bool IsClass(HWND window, const char* name) {
    return lstrcmpiA(ClassOf(window).c_str(), name) == 0;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// A message to a window of another process, answered within the timeout or not at all.
bool SendBounded(const PilotRun& run, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                 LRESULT* result = nullptr) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, run.timeoutMs, &answer))
        return false;
    if (result) *result = static_cast<LRESULT>(answer);
    return true;
}

// --- Pages -------------------------------------------------------------------------

struct PageSearch {
    const std::string* caption;
    HWND exclude;
    HWND found;
    std::vector<std::string>* seen;
};

BOOL CALLBACK FindPageProc(HWND window, LPARAM lParam) {
    PageSearch* search = reinterpret_cast<PageSearch*>(lParam);
    if (!IsWindowVisible(window)) return TRUE;
    std::string text = WindowText(window);
    if (search->seen && !text.empty()) search->seen->push_back(text);
    if (window != search->exclude && CaptionMatches(*search->caption, text)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindPage(const std::string& caption, HWND exclude, std::vector<std::string>* seen) {
    PageSearch search{&caption, exclude, nullptr, seen};
    EnumWindows(FindPageProc, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool PageGone(HWND page) { return !IsWindow(page) || !IsWindowVisible(page); }

void CloseDroppedLists(const PilotRun& run, HWND page);

bool WaitForPage(PilotRun& run, const PilotStep& step, const std::string& name) {
    DWORD start = GetTickCount();
    HWND exclude = run.page && !PageGone(run.page) ? run.page : nullptr;
    for (;;) {
        HWND found = FindPage(run.caption, exclude, nullptr);
        if (found) {
            run.page = found;
            run.pictureName = PictureName(name, ++run.pagesSeen);
            // Sent messages are handled in order: once this one is answered, the page has
            // finished opening. A list that opened on focus stays open, as a person sees it.
            SendBounded(run, found, WM_NULL, 0, 0);
            return true;
        }
        if (GetTickCount() - start >= run.timeoutMs) break;
        Sleep(50);
    }
    std::vector<std::string> seen;
    FindPage(run.caption, exclude, &seen);
    std::string list;
    for (const std::string& s : seen) list += (list.empty() ? "" : ", ") + Quoted(s);
    char within[32];
    std::snprintf(within, sizeof within, "%.1f s", run.timeoutMs / 1000.0);
    return Fail(run, step, "no " + std::string(exclude ? "new " : "") + "page captioned " +
                               Quoted(run.caption) + " appeared within " + within +
                               "; windows shown: " + (list.empty() ? "none" : list));
}

bool WaitGone(const PilotRun& run, const PilotStep& step, HWND page) {
    DWORD start = GetTickCount();
    while (!PageGone(page)) {
        if (GetTickCount() - start >= run.timeoutMs)
            return Fail(run, step, "the page is still open after the timeout");
        Sleep(20);
    }
    return true;
}

// --- Controls ----------------------------------------------------------------------

enum ControlKind { CONTROL_CHECKBOX, CONTROL_RADIO, CONTROL_LABEL, CONTROL_LIST };

const char* KindName(ControlKind kind) {
    switch (kind) {
    case CONTROL_CHECKBOX: return "check box";
    case CONTROL_RADIO: return "option button";
    case CONTROL_LABEL: return "text";
    case CONTROL_LIST: return "drop-down list";
    }
    return "control";
}

const char* KindPlural(ControlKind kind) {
    switch (kind) {
    case CONTROL_CHECKBOX: return "check boxes";
    case CONTROL_RADIO: return "option buttons";
    case CONTROL_LABEL: return "texts";
    case CONTROL_LIST: return "drop-down lists";
    }
    return "controls";
}

bool IsKind(HWND control, ControlKind kind) {
    LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    switch (kind) {
    case CONTROL_CHECKBOX:
        return IsClass(control, "Button") && (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX ||
                                              type == BS_3STATE || type == BS_AUTO3STATE);
    case CONTROL_RADIO:
        return IsClass(control, "Button") && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
    case CONTROL_LABEL:
        return IsClass(control, "Static");
    case CONTROL_LIST:
        return IsClass(control, "ComboBox");
    }
    return false;
}

struct ControlSearch {
    ControlKind kind;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectControlsProc(HWND control, LPARAM lParam) {
    ControlSearch* search = reinterpret_cast<ControlSearch*>(lParam);
    if (IsKind(control, search->kind)) search->found.push_back(control);
    return TRUE;
}

// The page's controls of one kind, in template (tab) order.
std::vector<HWND> ControlsOf(HWND page, ControlKind kind) {
    ControlSearch search{kind, {}};
    EnumChildWindows(page, CollectControlsProc, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The control of that kind whose text, without access-key marks, is label; or null with
// a message that lists the labels the page has.
HWND FindLabelled(HWND page, ControlKind kind, const std::string& label, std::string* message) {
    std::string list;
    for (HWND control : ControlsOf(page, kind)) {
        std::string text = StripAccessKeys(WindowText(control));
        if (text == StripAccessKeys(label) && IsWindowVisible(control)) return control;
        if (!text.empty()) list += (list.empty() ? "" : ", ") + Quoted(text);
    }
    *message = std::string("no ") + KindName(kind) + " labelled " + Quoted(label) +
               " on this page; its " + KindPlural(kind) + ": " + (list.empty() ? "none" : list);
    return nullptr;
}

void CloseDroppedLists(const PilotRun& run, HWND page) {
    for (HWND list : ControlsOf(page, CONTROL_LIST)) {
        LRESULT dropped = 0;
        if (SendBounded(run, list, CB_GETDROPPEDSTATE, 0, 0, &dropped) && dropped)
            SendBounded(run, list, CB_SHOWDROPDOWN, FALSE, 0);
    }
}

bool SetBox(PilotRun& run, const PilotStep& step, ControlKind kind, bool wanted) {
    std::string message;
    HWND box = FindLabelled(run.page, kind, step.label, &message);
    if (!box) return Fail(run, step, message);
    if (!IsWindowEnabled(box)) return Fail(run, step, "the " + std::string(KindName(kind)) + " is disabled");
    LRESULT state = 0;
    if (!SendBounded(run, box, BM_GETCHECK, 0, 0, &state))
        return Fail(run, step, "the page does not answer");
    if ((state == BST_CHECKED) != wanted) {
        // A click, as the user's: the button toggles itself and tells the page.
        if (!SendBounded(run, box, BM_CLICK, 0, 0) || !SendBounded(run, box, BM_GETCHECK, 0, 0, &state))
            return Fail(run, step, "the page does not answer");
        if ((state == BST_CHECKED) != wanted)
            return Fail(run, step, "the click did not " + std::string(wanted ? "check" : "clear") + " it");
    }
    return true;
}

// One entry of a drop-down list of another process. This is the one place the pilot asks
// for wide text: sent to another process, the ANSI CB_GETLBTEXT comes back from Wine as
// UTF-16 in the caller's buffer, which overruns a buffer sized for the ANSI length. The
// wide text is converted to the ANSI code page the labels and the script use.
bool ListEntry(const PilotRun& run, HWND list, int index, std::string* text) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(list, CB_GETLBTEXTLEN, index, 0, SMTO_ABORTIFHUNG, run.timeoutMs, &length) ||
        static_cast<LRESULT>(length) < 0)
        return false;
    std::vector<wchar_t> wide(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(wide.data()),
                             SMTO_ABORTIFHUNG, run.timeoutMs, &copied) ||
        static_cast<LRESULT>(copied) < 0)
        return false;
    wide[copied <= length ? copied : length] = L'\0';
    int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> ansi(n > 0 ? n : 1, '\0');
    if (n > 0) WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, ansi.data(), n, nullptr, nullptr);
    *text = ansi.data();
    return true;
}

bool SelectEntry(PilotRun& run, const PilotStep& step) {
    std::string message;
    HWND label = FindLabelled(run.page, CONTROL_LABEL, step.label, &message);
    if (!label) return Fail(run, step, message);
    HWND list = GetWindow(label, GW_HWNDNEXT);
    if (!list || !IsKind(list, CONTROL_LIST))
        return Fail(run, step, "the text " + Quoted(step.label) + " is not followed by a drop-down list");
    LRESULT count = 0;
    if (!SendBounded(run, list, CB_GETCOUNT, 0, 0, &count)) return Fail(run, step, "the page does not answer");
    int index = -1;
    std::string entries;
    for (int i = 0; i < count && index < 0; ++i) {
        std::string entry;
        if (!ListEntry(run, list, i, &entry)) return Fail(run, step, "the page does not answer");
        if (entry == step.entry) index = i;
        entries += (entries.empty() ? "" : ", ") + Quoted(entry);
    }
    if (index < 0)
        return Fail(run, step, "the list has no entry " + Quoted(step.entry) + "; its entries: " + entries);
    // Set the selection and tell the page as a user's choice would; a dropped list is
    // closed first so the pointer's position cannot choose for us.
    LRESULT selected = -1;
    if (!SendBounded(run, list, CB_SHOWDROPDOWN, FALSE, 0) ||
        !SendBounded(run, list, CB_SETCURSEL, index, 0) ||
        !SendBounded(run, run.page, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list)) ||
        !SendBounded(run, list, CB_GETCURSEL, 0, 0, &selected))
        return Fail(run, step, "the page does not answer");
    if (selected != index) return Fail(run, step, "the list did not keep the selection");
    return true;
}

// --- Pictures ----------------------------------------------------------------------

bool PaintPending(HWND window) {
    RECT r;
    return GetUpdateRect(window, &r, FALSE) != 0;
}

BOOL CALLBACK AnyPaintPendingProc(HWND child, LPARAM lParam) {
    if (IsWindowVisible(child) && PaintPending(child)) {
        *reinterpret_cast<bool*>(lParam) = true;
        return FALSE;
    }
    return TRUE;
}

// Waits until the page and its controls have painted what the steps changed, then gives
// the display a moment to show it.
void LetPagePaint(const PilotRun& run, HWND page) {
    DWORD start = GetTickCount();
    for (;;) {
        SendBounded(run, page, WM_NULL, 0, 0);
        bool pending = PaintPending(page);
        if (!pending) EnumChildWindows(page, AnyPaintPendingProc, reinterpret_cast<LPARAM>(&pending));
        if (!pending || GetTickCount() - start >= run.timeoutMs) break;
        Sleep(20);
    }
    Sleep(150);
}

bool SavePicture(PilotRun& run, const PilotStep& step) {
    if (!run.page || PageGone(run.page) || run.pictureName.empty()) return true;
    CloseDroppedLists(run, run.page);
    LetPagePaint(run, run.page);
    std::string path = run.outDir + run.pictureName + ".png";
    std::string error;
    if (!SaveWindowPicture(run.page, path, &error)) return Fail(run, step, error);
    std::printf("pilot: %s -> %s\n", Quoted(WindowText(run.page)).c_str(), path.c_str());
    std::fflush(stdout);
    return true;
}

// --- Any window's texts, buttons and keys ----------------------------------------------

struct TextSearch {
    const std::string* text;
    bool buttonsOnly;  // a button labelled exactly text; otherwise any text containing it
    HWND found;
};

BOOL CALLBACK FindTextProc(HWND child, LPARAM lParam) {
    TextSearch* search = reinterpret_cast<TextSearch*>(lParam);
    if (!IsWindowVisible(child)) return TRUE;
    std::string text = StripAccessKeys(WindowText(child));
    bool match = search->buttonsOnly ? IsClass(child, "Button") && text == StripAccessKeys(*search->text)
                                     : text.find(StripAccessKeys(*search->text)) != std::string::npos;
    if (match) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

HWND FindText(HWND window, const std::string& text, bool buttonsOnly) {
    TextSearch search{&text, buttonsOnly, nullptr};
    EnumChildWindows(window, FindTextProc, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct ShownSearch {
    const std::string* caption;
    const std::string* text;
    HWND found;
};

BOOL CALLBACK FindShownProc(HWND window, LPARAM lParam) {
    ShownSearch* search = reinterpret_cast<ShownSearch*>(lParam);
    if (IsWindowVisible(window) && CaptionMatches(*search->caption, WindowText(window)) &&
        FindText(window, *search->text, false)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

bool WaitShown(PilotRun& run, const PilotStep& step) {
    DWORD start = GetTickCount();
    for (;;) {
        ShownSearch search{&run.caption, &step.label, nullptr};
        EnumWindows(FindShownProc, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            run.page = search.found;
            run.pictureName.clear();  // a wizard's own pages are not pictured
            SendBounded(run, search.found, WM_NULL, 0, 0);
            return true;
        }
        if (GetTickCount() - start >= run.timeoutMs) break;
        Sleep(50);
    }
    std::string texts;
    if (HWND window = FindPage(run.caption, nullptr, nullptr)) {
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            std::string text = WindowText(child);
            if (IsWindowVisible(child) && !text.empty()) texts += (texts.empty() ? "" : ", ") + Quoted(text);
        }
    }
    return Fail(run, step, "no window captioned " + Quoted(run.caption) + " shows " + Quoted(step.label) +
                               "; its texts: " + (texts.empty() ? "none" : texts));
}

bool PressButton(PilotRun& run, const PilotStep& step) {
    HWND button = FindText(run.page, step.label, true);
    if (!button) return Fail(run, step, "the page has no button labelled " + Quoted(step.label));
    if (!IsWindowEnabled(button)) return Fail(run, step, "the button is disabled");
    // Posted, not sent: a button may start something modal (a survey) that outlasts any wait.
    PostMessageA(button, BM_CLICK, 0, 0);
    return true;
}

void KeyEvent(WORD virtualKey, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

bool TypeKeys(PilotRun& run, const PilotStep& step) {
    std::vector<PilotKey> keys;
    std::string error;
    if (!ParsePilotKeys(step.label, &keys, &error)) return Fail(run, step, error);
    SetForegroundWindow(run.page);
    for (const PilotKey& key : keys) {
        if (key.alt) KeyEvent(VK_MENU, false);
        KeyEvent(static_cast<WORD>(key.virtualKey), false);
        KeyEvent(static_cast<WORD>(key.virtualKey), true);
        if (key.alt) KeyEvent(VK_MENU, true);
        // Each key is handled before the next, as a person's keys would be.
        Sleep(150);
        if (!PageGone(run.page)) SendBounded(run, run.page, WM_NULL, 0, 0);
    }
    return true;
}

// --- Steps -------------------------------------------------------------------------

bool LeavePage(PilotRun& run, const PilotStep& step) {
    if (!SavePicture(run, step)) return false;
    HWND page = run.page;
    if (step.action == PILOT_CLOSE) {
        PostMessageA(page, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
        int id = PilotButtonId(step.action);
        HWND button = GetDlgItem(page, id);
        if (!button || !IsWindowVisible(button))
            return Fail(run, step, "the page has no button " + std::to_string(id));
        if (!IsWindowEnabled(button))
            return Fail(run, step, "the button " + Quoted(StripAccessKeys(WindowText(button))) + " is disabled");
        // The page ends inside the click; it may take a moment to go away after it.
        SendBounded(run, button, BM_CLICK, 0, 0);
    }
    if (!WaitGone(run, step, page)) return false;
    run.page = nullptr;
    return true;
}

bool RunStep(PilotRun& run, const PilotStep& step) {
    if (step.action == PILOT_CAPTION) {
        run.caption = step.label;
        return true;
    }
    if (step.action == PILOT_WAIT) {
        // A page still open is left as it is; its picture is taken now.
        if (!SavePicture(run, step)) return false;
        return WaitForPage(run, step, step.label);
    }
    if (step.action == PILOT_SHOW) return WaitShown(run, step);
    if ((!run.page || PageGone(run.page)) && !WaitForPage(run, step, "")) return false;
    switch (step.action) {
    case PILOT_SELECT: return SelectEntry(run, step);
    case PILOT_CHECK: return SetBox(run, step, CONTROL_CHECKBOX, true);
    case PILOT_CLEAR: return SetBox(run, step, CONTROL_CHECKBOX, false);
    case PILOT_CHOOSE: return SetBox(run, step, CONTROL_RADIO, true);
    case PILOT_PRESS: return PressButton(run, step);
    case PILOT_KEY: return TypeKeys(run, step);
    default: return LeavePage(run, step);
    }
}

// Scripts are usually written as UTF-8; the pages' texts are in the ANSI code page.
std::string ToAnsi(const std::string& text) {
    std::string body = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? text.substr(3) : text;
    int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, body.data(), static_cast<int>(body.size()), nullptr, 0);
    if (n <= 0) return body;  // not UTF-8: take it as ANSI already
    std::vector<wchar_t> wide(n);
    MultiByteToWideChar(CP_UTF8, 0, body.data(), static_cast<int>(body.size()), wide.data(), n);
    int m = WideCharToMultiByte(CP_ACP, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
    std::string ansi(m > 0 ? m : 0, '\0');
    if (m > 0) WideCharToMultiByte(CP_ACP, 0, wide.data(), n, &ansi[0], m, nullptr, nullptr);
    return ansi;
}

bool ReadFile(const char* path, std::string* text) {
    FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text->append(buffer, n);
    std::fclose(f);
    return true;
}

int Usage(const char* message) {
    std::fprintf(stderr, "pilot: %s\n%s", message, PILOT_USAGE);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    PilotRun run;
    std::string outDir = ".";
    const char* script = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(PILOT_USAGE, stdout);
            return 0;
        } else if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
            outDir = argv[++i];
        } else if (std::strcmp(argv[i], "--timeout") == 0 && i + 1 < argc) {
            double seconds = std::atof(argv[++i]);
            if (seconds <= 0 || seconds > 3600) return Usage("--timeout takes a number of seconds");
            run.timeoutMs = static_cast<DWORD>(seconds * 1000);
        } else if (argv[i][0] == '-' && argv[i][1] != '\0') {
            return Usage((std::string("unknown option ") + argv[i]).c_str());
        } else if (!script) {
            script = argv[i];
        } else {
            return Usage("one script only");
        }
    }
    if (!script) return Usage("no script given");

    std::string text;
    if (!ReadFile(script, &text)) {
        std::fprintf(stderr, "pilot: cannot read %s\n", script);
        return 2;
    }
    std::vector<PilotStep> steps;
    std::string error;
    if (!ParsePilotScript(ToAnsi(text), &steps, &error)) {
        std::fprintf(stderr, "pilot: %s: %s\n", script, error.c_str());
        return 2;
    }
    run.scriptName = script;

    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(outDir.c_str(), sizeof full, full, nullptr);
    if (n == 0 || n >= sizeof full) return Usage("--out names a path that is too long");
    CreateDirectoryA(full, nullptr);
    DWORD attributes = GetFileAttributesA(full);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        std::fprintf(stderr, "pilot: cannot make the folder %s\n", full);
        return 2;
    }
    run.outDir = full;
    if (run.outDir.back() != '\\') run.outDir += '\\';

    PictureService pictures;
    if (!pictures.Ready()) {
        std::fprintf(stderr, "pilot: GDI+ did not start\n");
        return 2;
    }
    for (const PilotStep& step : steps)
        if (!RunStep(run, step)) return 1;
    // The page the script ends on is pictured too.
    PilotStep end{PILOT_WAIT, steps.empty() ? 0 : steps.back().line, "", ""};
    return SavePicture(run, end) ? 0 : 1;
}
