// The picture strip: reads the "bitmap" settings, holds the picture while a page is open
// and draws it. Placement and word rules live in panel_rules; this file moves values
// between them, the profile file and GDI.
#include "panel_win32.h"

#include <cstdint>

#include "panel/dib.h"
#include "panel/dib_win32.h"
#include "panel/panel_rules.h"
#include "survey/host_block.h"

namespace {

constexpr int PANEL_PATH_SIZE = 260;
constexpr int PANEL_WORD_SIZE = 32;

// One record for the whole process, used by the page on screen. A page fills it when it
// opens and releases the picture, palette and brush it owns when it is destroyed.
struct PanelState {
    int activate;
    int display;
    char bitmapPath[PANEL_PATH_SIZE];
    HWND panelWindow;
    PackedDib picture;   // owned: global memory, with the layout read when it was loaded
    HPALETTE palette;    // owned
    HBRUSH brush;        // owned
    int fillBackground;
    uint8_t red, green, blue;
    char vertical[PANEL_WORD_SIZE];
    char horizontal[PANEL_WORD_SIZE];
};

PanelState Panel;

const char SECTION[] = "bitmap";

// A null file reads every key as missing (the profile services would read the system's
// own settings file instead).
int ReadInt(const char* key, const char* file) {
    return file ? static_cast<int>(GetPrivateProfileIntA(SECTION, key, 0, file)) : 0;
}

void ReadText(const char* key, char* value, DWORD size, const char* file) {
    if (file) GetPrivateProfileStringA(SECTION, key, "", value, size, file);
    else if (size > 0) value[0] = '\0';
}

// A relative picture path is taken against the process's current directory; a path whose
// full form would not fit stays as it is.
void MakeFullPath(char (&path)[PANEL_PATH_SIZE]) {
    if (!path[0]) return;
    char full[PANEL_PATH_SIZE];
    DWORD length = GetFullPathNameA(path, sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full) return;
    lstrcpynA(path, full, sizeof path);
}

// BeginPaint/EndPaint for one WM_PAINT.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// GetDC/ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC dc() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Selects the panel's palette (when there is one) into a display context as a foreground
// palette, and on scope exit selects the previous one back as a background palette, so the
// palette is never left selected when the page deletes it.
class PaletteSelection {
public:
    PaletteSelection(HDC dc, HPALETTE palette)
        : dc_(dc), old_(palette && dc ? SelectPalette(dc, palette, FALSE) : nullptr) {}
    ~PaletteSelection() {
        if (old_) {
            SelectPalette(dc_, old_, TRUE);
            RealizePalette(dc_);
        }
    }
    PaletteSelection(const PaletteSelection&) = delete;
    PaletteSelection& operator=(const PaletteSelection&) = delete;

private:
    HDC dc_;
    HPALETTE old_;
};

PanelRect StripRect(HWND dialog, HWND panelWindow) {
    RECT r;
    GetWindowRect(panelWindow, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

void LoadPanelSettings(const char* file) {
    // A name the profile services can't take reads as a missing file: every default. So
    // does no name at all, the usual case, without nine reads that can only miss.
    if (!ProfilePathFits(file) || file[0] == '\0') file = nullptr;
    PanelState& p = Panel;
    p.activate = ReadInt("activate", file);
    p.display = ReadInt("display", file);
    ReadText("bitmap file", p.bitmapPath, sizeof p.bitmapPath, file);
    p.fillBackground = ReadInt("fill background", file);
    p.red = ColorComponent(ReadInt("red index", file));
    p.green = ColorComponent(ReadInt("green index", file));
    p.blue = ColorComponent(ReadInt("blue index", file));
    ReadText("vertical", p.vertical, sizeof p.vertical, file);
    ReadText("horizontal", p.horizontal, sizeof p.horizontal, file);
}

void InitPanel(const char* settingsFile, HWND panelWindow) {
    // Whatever an earlier page left behind is freed before this page loads its own.
    ReleasePanel();
    LoadPanelSettings(settingsFile);
    Panel.panelWindow = panelWindow;
    if (panelWindow && PlaceholderShowsPicture(static_cast<uint32_t>(GetWindowLongA(panelWindow, GWL_STYLE))))
        Panel.display = 0;
    if (!Panel.activate) return;
    MakeFullPath(Panel.bitmapPath);
    Panel.picture = LoadDibFile(Panel.bitmapPath);
    Panel.palette = CreateDibPalette(Panel.picture);
    Panel.brush = CreateSolidBrush(PanelColor(Panel.red, Panel.green, Panel.blue));
}

void PaintPanel(HWND dialog) {
    const PanelState& p = Panel;
    if (!p.picture.bytes || !p.activate || !p.display || !p.panelWindow) return;
    // Place and size come from the layout the loader read; the header is not read again.
    const uint8_t* bits = DibBits(p.picture);
    if (!bits) return;

    // The whole client area is repainted, so a picture larger than the strip is drawn whole.
    InvalidateRect(dialog, nullptr, FALSE);
    PaintScope paint(dialog);
    HDC dc = paint.dc();
    if (!dc) return;
    // Only a palette display maps the picture's colours through a palette; elsewhere the
    // transfer takes them from the picture itself, and selecting one is work for nothing.
    HPALETTE palette = GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE ? p.palette : nullptr;
    PaletteSelection selection(dc, palette);
    if (palette) RealizePalette(dc);
    SetStretchBltMode(dc, COLORONCOLOR);

    PanelRect strip = StripRect(dialog, p.panelWindow);
    if (p.fillBackground && p.brush) {
        RECT r = {strip.left, strip.top, strip.right, strip.bottom};
        FillRect(dc, &r, p.brush);
    }
    // A picture stored top-down (negative height) is drawn upright all the same: the
    // transfer takes the row order from the picture's own header.
    int width = DibWidth(p.picture);
    int height = DibHeight(p.picture);
    int rows = height < 0 ? -height : height;
    PanelPoint at = PlacePicture(strip, width, rows, HorizontalAlignment(p.horizontal),
                                 VerticalAlignment(p.vertical));
    SetDIBitsToDevice(dc, at.x, at.y, width, rows, 0, 0, 0, rows, bits,
                      reinterpret_cast<const BITMAPINFO*>(p.picture.bytes), DIB_RGB_COLORS);
}

void ReleasePanel() {
    PanelState& p = Panel;
    FreeDib(&p.picture);
    if (p.palette) DeleteObject(p.palette);
    if (p.brush) DeleteObject(p.brush);
    p.palette = nullptr;
    p.brush = nullptr;
}

BOOL RealizePanelPalette(HWND dialog) {
    UINT changed;
    {
        WindowDc window(dialog);
        if (!window.dc()) return FALSE;
        PaletteSelection selection(window.dc(), Panel.palette);
        changed = RealizePalette(window.dc());
    }
    if (changed == 0 || changed == GDI_ERROR) return FALSE;
    InvalidateRect(dialog, nullptr, TRUE);
    return TRUE;
}
