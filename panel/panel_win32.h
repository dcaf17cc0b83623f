// The picture strip at the left of every page: its settings from the host's panel settings
// file, the picture, palette and brush a page holds while it is open, and its painting.
#pragma once

#include <windows.h>

#include <cstdint>

#include "panel/dib.h"
#include "survey/host_block.h"

constexpr int PANEL_PATH_SIZE = 260;
constexpr int PANEL_WORD_SIZE = 32;

// One record for the whole process, used by the page on screen. A page fills it when it
// opens and releases the picture, palette and brush it owns when it is destroyed.
struct PanelState {
    int activate;
    int display;
    char bitmapPath[PANEL_PATH_SIZE];
    HWND panelWindow;
    PackedDib picture;   // owned: global memory
    HPALETTE palette;    // owned
    HBRUSH brush;        // owned
    int fillBackground;
    uint8_t red, green, blue;
    char vertical[PANEL_WORD_SIZE];
    char horizontal[PANEL_WORD_SIZE];
};

extern PanelState Panel;

// Reads the nine keys of the "bitmap" section; a missing file or key gives the defaults.
void LoadPanelSettings(const char* file);

// When a page opens: settings, and with "activate" set the picture, its palette and the
// fill brush. panelWindow is the page's placeholder control, or null.
void InitPanel(const HostBlock* host, HWND panelWindow);

// WM_PAINT: draws the picture over the strip when it is loaded and to be displayed.
void PaintPanel(HWND dialog);

// WM_DESTROY: frees what InitPanel created.
void ReleasePanel();

// WM_QUERYNEWPALETTE and a WM_PALETTECHANGED from another window: TRUE when realizing the
// picture's palette changed the system palette and the page was invalidated.
BOOL RealizePanelPalette(HWND dialog);
