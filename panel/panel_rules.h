// The panel's rules with no windows.h: how the alignment words and colour values of the
// "bitmap" settings are read, where a picture goes inside the strip, and when the
// placeholder shows a picture of its own.
#pragma once

#include <cstdint>

// Where a picture sits along one axis of the strip.
enum Alignment {
    ALIGN_START,   // top or left: also any word not recognised, the empty one included
    ALIGN_CENTER,  // "CENTERED"
    ALIGN_END,     // "BOTTOM" or "RIGHT"
};

// The strip in the dialog's client coordinates (pixels), right and bottom exclusive.
struct PanelRect {
    int left, top, right, bottom;
};

struct PanelPoint {
    int x, y;
};

Alignment VerticalAlignment(const char* word);    // "CENTERED", "TOP", "BOTTOM"
Alignment HorizontalAlignment(const char* word);  // "CENTERED", "LEFT", "RIGHT"

// The top-left corner of a width x height picture aligned inside the strip. A picture larger
// than the strip reaches past it; centring divides toward zero.
PanelPoint PlacePicture(const PanelRect& strip, int width, int height, Alignment horizontal,
                        Alignment vertical);

// A colour setting keeps its low 8 bits: 300 gives 44, -1 gives 255.
uint8_t ColorComponent(int value);

// The fill colour as the display service takes it: red + 256 green + 65536 blue.
uint32_t PanelColor(uint8_t red, uint8_t green, uint8_t blue);

// A static control of type bitmap (0x0E) or enhanced metafile (0x0F) draws a picture of its
// own, so the panel must not draw over it.
constexpr uint32_t PANEL_STATIC_TYPE_MASK = 0x1F;
constexpr uint32_t PANEL_STATIC_BITMAP = 0x0E;
constexpr uint32_t PANEL_STATIC_ENHMETAFILE = 0x0F;
bool PlaceholderShowsPicture(uint32_t style);
