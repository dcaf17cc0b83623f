// The picture strip at the left of every page: its settings from the host's panel settings
// file, the picture, palette and brush a page holds while it is open, and its painting.
// One record for the whole process, kept inside panel_win32.cpp, serves the page on screen.
#pragma once

#include <windows.h>

// Reads the nine keys of the "bitmap" section; a missing file or key gives the defaults.
void LoadPanelSettings(const char* file);

// When a page opens: settings, and with "activate" set the picture, its palette and the
// fill brush. panelWindow is the page's placeholder control, or null.
void InitPanel(const char* settingsFile, HWND panelWindow);

// WM_PAINT: draws the picture over the strip when it is loaded and to be displayed.
void PaintPanel(HWND dialog);

// WM_DESTROY: frees what InitPanel created.
void ReleasePanel();

// WM_QUERYNEWPALETTE and a WM_PALETTECHANGED from another window: TRUE when realizing the
// picture's palette changed the system palette and the page was invalidated.
BOOL RealizePanelPalette(HWND dialog);
