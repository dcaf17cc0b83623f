// The survey pages as modal dialogs: opening fills the caption and the controls from the
// answers file; Next and Back save the controls back; Register Later and closing don't. The
// picture strip is set up when a page opens, drawn on every paint and released when it goes.
#include "page_win32.h"

#include "content/page_tables.h"
#include "content/resource.h"
#include "panel/panel_win32.h"
#include "questions/binding_win32.h"
#include "questions/persistence_win32.h"
#include "survey/host_block.h"
#include "survey/instance_win32.h"
#include "survey/navigation.h"

// A page ends with the identifier of the button that left it, and that is what the host
// receives: the template's identifiers and the results in survey.h must agree.
static_assert(IDOK == RESULT_NEXT && IDCANCEL == RESULT_CANCEL && ID_BACK == RESULT_BACK,
              "page buttons and the results hosts see");

namespace {

constexpr int CAPTION_SIZE = 256;

// The page's context lives in ShowPage's frame for as long as the dialog does, and is
// kept with the dialog itself, so nothing points at it (or through it at the host's block)
// once the page has ended.
PageContext* ContextOf(HWND dialog) {
    return reinterpret_cast<PageContext*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

BOOL OpenPage(HWND dialog, PageContext* context) {
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(context));
    if (!context || !context->questions || !context->host) {
        EndDialog(dialog, RESULT_FAILED);
        return TRUE;
    }
    HostStrings host;
    ReadHostStrings(context->host, &host);
    InitPanel(host.panelSettingsPath.text, GetDlgItem(dialog, IDC_PANEL));
    FormatCaption(dialog, host.productTitle.text);
    LoadAnswers(host.answersPath.text, host.answersSection.text, context->questions);
    FillControls(dialog, context->questions);
    return TRUE;  // the first tab-stop control gets the focus
}

void LeavePage(HWND dialog, WPARAM wParam, bool save) {
    const PageContext* context = ContextOf(dialog);
    if (save && context && context->questions && context->host) {
        CollectAnswers(dialog, context->questions);
        // The file and section are read again: the host owns them for the whole call.
        HostString<HOST_ANSWERS_PATH> path;
        HostString<HOST_ANSWERS_SECTION> section;
        ReadHostField(context->host, &path);
        ReadHostField(context->host, &section);
        SaveAnswers(path.text, section.text, context->questions);
    }
    EndDialog(dialog, static_cast<INT_PTR>(wParam));
}

BOOL PageCommand(HWND dialog, WPARAM wParam, LPARAM lParam) {
    // A drop-down list opens as soon as it gets the focus, whichever list it is.
    if (HIWORD(wParam) == CBN_SETFOCUS) {
        SendMessageA(reinterpret_cast<HWND>(lParam), CB_SHOWDROPDOWN, TRUE, 0);
        return TRUE;
    }
    switch (LOWORD(wParam)) {
    case IDOK:
    case ID_BACK:
        LeavePage(dialog, wParam, true);
        return TRUE;
    case IDCANCEL:
        LeavePage(dialog, wParam, false);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void FormatCaption(HWND dialog, const char* title) {
    char pattern[CAPTION_SIZE];
    char caption[CAPTION_SIZE];
    GetWindowTextA(dialog, pattern, sizeof pattern);
    DWORD_PTR inserts[1] = {reinterpret_cast<DWORD_PTR>(title)};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                                  pattern, 0, 0, caption, sizeof caption,
                                  reinterpret_cast<va_list*>(inserts));
    if (length == 0 || length >= sizeof caption) caption[0] = '\0';
    SetWindowTextA(dialog, caption);
}

INT_PTR CALLBACK PageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OpenPage(dialog, reinterpret_cast<PageContext*>(lParam));
    case WM_COMMAND:
        return PageCommand(dialog, wParam, lParam);
    case WM_CLOSE:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    case WM_PAINT:
        PaintPanel(dialog);
        return FALSE;
    case WM_DESTROY:
        ReleasePanel();
        return FALSE;
    case WM_PALETTECHANGED:
        if (reinterpret_cast<HWND>(wParam) == dialog) return FALSE;
        return RealizePanelPalette(dialog);
    case WM_QUERYNEWPALETTE:
        return RealizePanelPalette(dialog);
    }
    return FALSE;
}

int32_t ShowPage(int page, void* parent, int32_t /*direction*/, const HostBlock* host) {
    if (page < 1 || page > PAGE_COUNT) return RESULT_FAILED;
    const SurveyPage& entry = SurveyPages[page - 1];
    PageContext context{entry.questions, host};
    return static_cast<int32_t>(DialogBoxParamA(SurveyInstance, MAKEINTRESOURCEA(entry.templateId),
                                                static_cast<HWND>(parent), PageDialogProc,
                                                reinterpret_cast<LPARAM>(&context)));
}
