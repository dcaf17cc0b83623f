// The control port of a dialog: each operation is one dialog-item message.
#include "questions/binding_win32.h"

#include "questions/binding.h"

namespace {

HWND Dialog(void* context) { return static_cast<HWND>(context); }

int Item(uint32_t control) { return static_cast<int>(control); }

void SetCheck(void* context, uint32_t button, bool checked) {
    SendDlgItemMessageA(Dialog(context), Item(button), BM_SETCHECK,
                        checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool IsChecked(void* context, uint32_t button) {
    return SendDlgItemMessageA(Dialog(context), Item(button), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ClearList(void* context, uint32_t list) {
    SendDlgItemMessageA(Dialog(context), Item(list), CB_RESETCONTENT, 0, 0);
}

void AddListEntry(void* context, uint32_t list, uint32_t stringId) {
    // The dialog's own module holds the texts; the process's module is the host.
    HWND dialog = Dialog(context);
    HINSTANCE module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
    char text[ANSWER_SIZE] = "";
    LoadStringA(module, stringId, text, sizeof text);
    SendDlgItemMessageA(dialog, Item(list), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void SelectListEntry(void* context, uint32_t list, int index) {
    SendDlgItemMessageA(Dialog(context), Item(list), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

long SelectedListEntry(void* context, uint32_t list) {
    // A message to a missing item returns 0, which would read as the first entry.
    if (GetDlgItem(Dialog(context), Item(list)) == nullptr) return LIST_NO_SELECTION;
    LRESULT index = SendDlgItemMessageA(Dialog(context), Item(list), CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? LIST_NO_SELECTION : static_cast<long>(index);
}

void SetText(void* context, uint32_t field, const char* text) {
    SetDlgItemTextA(Dialog(context), Item(field), text);
}

void GetText(void* context, uint32_t field, char (&text)[ANSWER_SIZE]) {
    text[0] = '\0';
    GetDlgItemTextA(Dialog(context), Item(field), text, ANSWER_SIZE);
}

ControlPort DialogPort(HWND dialog) {
    return ControlPort{dialog,    SetCheck,          IsChecked, ClearList, AddListEntry,
                       SelectListEntry, SelectedListEntry, SetText,   GetText};
}

}  // namespace

void FillControls(HWND dialog, Question* table) {
    FillQuestions(table, DialogPort(dialog));
}

void CollectAnswers(HWND dialog, Question* table) {
    CollectQuestions(table, DialogPort(dialog));
}
