// The page runner and the dialog procedure shared by the three survey pages.
#pragma once

#include <windows.h>

#include <cstdint>

struct HostBlock;
struct Question;

// What a page is handed as its creation parameter; lives in ShowPage's frame.
struct PageContext {
    Question* questions;
    const HostBlock* host;
};

// Runs page 1, 2 or 3 modally, owned by parent, and returns what the page ended with:
// its button's command, -1 when it cannot be created, 0 when parent is no window.
int32_t ShowPage(int page, void* parent, int32_t direction, const HostBlock* host);

INT_PTR CALLBACK PageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Replaces "%1" in the dialog's caption with title; an empty caption when that fails.
void FormatCaption(HWND dialog, const char* title);
