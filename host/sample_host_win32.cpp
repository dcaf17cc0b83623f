// The sample host: a registration wizard of its own (welcome page, survey, finish page)
// that loads survey.dll from beside itself and calls DoSurveyV2 where the survey belongs.
// The page sequence is HostAfterPage's; this file shows the windows and prints the lines.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "host/host_resource.h"
#include "host/host_wizard.h"
#include "survey.h"

namespace {

const char HOST_WINDOW_CLASS[] = "SurveySampleHost";

// Every line goes to stdout and, when --log names a file, to the end of that file, flushed
// at once: a test reads them while the host may still be running or after it was stopped.
struct HostLog {
    FILE* file = nullptr;
    HostLog() = default;
    HostLog(const HostLog&) = delete;
    HostLog& operator=(const HostLog&) = delete;
    ~HostLog() { if (file) std::fclose(file); }

    void Line(const char* text) {
        std::printf("%s\n", text);
        std::fflush(stdout);
        if (file) {
            std::fprintf(file, "%s\n", text);
            std::fflush(file);
        }
    }
};

// The folder of this program, with its trailing backslash.
void ProgramFolder(char* out, size_t size) {
    DWORD n = GetModuleFileNameA(nullptr, out, static_cast<DWORD>(size));
    if (n >= size) n = 0;
    while (n > 0 && out[n - 1] != '\\' && out[n - 1] != '/') --n;
    out[n] = '\0';
}

// An empty path becomes fileName beside the program; any path becomes a full one, because
// the profile functions read a bare file name from the Windows folder. False if the result
// does not fit the field.
bool CompletePath(char* field, size_t capacity, const char* folder, const char* fileName) {
    char wanted[MAX_PATH * 4];
    if (field[0] == '\0')
        std::snprintf(wanted, sizeof wanted, "%s%s", folder, fileName);
    else
        std::snprintf(wanted, sizeof wanted, "%s", field);
    char full[MAX_PATH * 4];
    DWORD n = GetFullPathNameA(wanted, sizeof full, full, nullptr);
    if (n == 0 || n >= sizeof full) return false;
    return CopyField(field, capacity, full);
}

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        // A plain backdrop with the product's name, as setup programs of this kind have.
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        char title[512];
        GetWindowTextA(window, title, sizeof title);
        HFONT font = CreateFontA(-28, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, ANSI_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_SWISS, "Arial");
        HGDIOBJ old = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        TextOutA(dc, 16, 12, title, static_cast<int>(std::strlen(title)));
        SelectObject(dc, old);
        DeleteObject(font);
        EndPaint(window, &ps);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateHostWindow(HINSTANCE instance, const char* title, HBRUSH backdrop) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = HostWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    wc.hbrBackground = backdrop;
    wc.lpszClassName = HOST_WINDOW_CLASS;
    if (!RegisterClassA(&wc)) return nullptr;

    char caption[1024];
    std::snprintf(caption, sizeof caption, "%s Setup", title);
    const int width = 760, height = 560;
    int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    HWND window = CreateWindowExA(0, HOST_WINDOW_CLASS, caption, WS_OVERLAPPEDWINDOW,
                                  x < 0 ? 0 : x, y < 0 ? 0 : y, width, height, nullptr, nullptr,
                                  instance, nullptr);
    if (window) {
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
    }
    return window;
}

// The host's own page: texts from HostPageTexts, a bold heading, ends with its button's
// identifier (closing it is Cancel).
INT_PTR CALLBACK HostPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        const HostPageTexts* texts = reinterpret_cast<const HostPageTexts*>(lParam);
        SetWindowTextA(page, texts->caption);
        SetDlgItemTextA(page, IDC_HOST_HEADING, texts->heading);
        SetDlgItemTextA(page, IDC_HOST_TEXT, texts->text);
        // The heading's font lives as long as the page; WM_DESTROY deletes it.
        HFONT bold = CreateFontA(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
        SetWindowLongPtrA(page, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bold));
        SendDlgItemMessageA(page, IDC_HOST_HEADING, WM_SETFONT, reinterpret_cast<WPARAM>(bold), FALSE);
        return TRUE;
    }
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        if (id == IDOK || id == IDCANCEL || id == IDC_HOST_BACK) {
            EndDialog(page, id);
            return TRUE;
        }
        return FALSE;
    }
    case WM_CLOSE:
        EndDialog(page, IDCANCEL);
        return TRUE;
    case WM_DESTROY: {
        HFONT bold = reinterpret_cast<HFONT>(GetWindowLongPtrA(page, GWLP_USERDATA));
        if (bold) DeleteObject(bold);
        return FALSE;
    }
    }
    return FALSE;
}

int RunHostPage(HINSTANCE instance, HWND owner, HostPage page, const HostState& s,
                const SURVEY_HOST_BLOCK& block) {
    HostPageTexts texts;
    FormatHostPageTexts(page, s, block, &texts);
    int templateId = page == HOST_PAGE_WELCOME ? IDD_HOST_WELCOME : IDD_HOST_FINISH;
    return static_cast<int>(DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), owner,
                                            HostPageProc, reinterpret_cast<LPARAM>(&texts)));
}

}  // namespace

int main(int argc, char** argv) {
    static HostOptions options;  // 2.5 KB host block: keep it off the stack
    char error[HOST_ERROR_SIZE];
    if (!ParseHostOptions(argc, argv, &options, error, sizeof error)) {
        std::fprintf(stderr, "sample_host: %s\n", error);
        return 2;
    }
    if (options.help) {
        std::fputs(HOST_USAGE, stdout);
        return 0;
    }

    char folder[MAX_PATH];
    ProgramFolder(folder, sizeof folder);
    SURVEY_HOST_BLOCK& block = options.block;
    if (!CompletePath(block.answersPath, sizeof block.answersPath, folder, "answers.ini") ||
        !CompletePath(block.panelSettingsPath, sizeof block.panelSettingsPath, folder, "panel.ini")) {
        std::fprintf(stderr, "sample_host: a path does not fit the host block once made full\n");
        return 2;
    }

    HostLog log;
    if (options.logPath[0]) {
        log.file = std::fopen(options.logPath, "a");
        if (!log.file) {
            std::fprintf(stderr, "sample_host: cannot open the log file %s\n", options.logPath);
            return 2;
        }
    }

    char dllPath[MAX_PATH + 16];
    std::snprintf(dllPath, sizeof dllPath, "%ssurvey.dll", folder);
    HMODULE dll = LoadLibraryA(dllPath);
    if (!dll) {
        std::fprintf(stderr, "sample_host: cannot load %s (error %lu)\n", dllPath, GetLastError());
        return 1;
    }
    auto doSurvey = reinterpret_cast<DoSurveyV2Proc>(
        reinterpret_cast<void*>(GetProcAddress(dll, "DoSurveyV2")));
    if (!doSurvey) {
        std::fprintf(stderr, "sample_host: %s has no DoSurveyV2\n", dllPath);
        FreeLibrary(dll);
        return 1;
    }

    HINSTANCE instance = GetModuleHandleA(nullptr);
    HBRUSH backdrop = CreateSolidBrush(RGB(0, 64, 128));
    HWND window = CreateHostWindow(instance, block.productTitle, backdrop);
    if (!window) {
        std::fprintf(stderr, "sample_host: cannot create the wizard window (error %lu)\n", GetLastError());
        FreeLibrary(dll);
        DeleteObject(backdrop);
        return 1;
    }

    HostState s = HostStart(options.startPage);
    char line[256];
    while (s.page != HOST_PAGE_END) {
        int result = s.page == HOST_PAGE_SURVEY
                         ? doSurvey(0, window, s.surveyDirection, &block)
                         : RunHostPage(instance, window, s.page, s, block);
        FormatPageLine(line, sizeof line, s, result);
        log.Line(line);
        s = HostAfterPage(s, result);
    }
    FormatEndLine(line, sizeof line, s.outcome);
    log.Line(line);

    DestroyWindow(window);
    UnregisterClassA(HOST_WINDOW_CLASS, instance);
    DeleteObject(backdrop);
    FreeLibrary(dll);
    return 0;
}
