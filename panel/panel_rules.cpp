#include "panel_rules.h"

#include "survey/text_rules.h"

namespace {

// The start word ("TOP", "LEFT") needs no test of its own: every other word aligns there too.
Alignment WordAlignment(const char* word, const char* end) {
    if (SameTextIgnoringAsciiCase(word, "CENTERED")) return ALIGN_CENTER;
    if (SameTextIgnoringAsciiCase(word, end)) return ALIGN_END;
    return ALIGN_START;
}

int Place(int low, int high, int size, Alignment alignment) {
    switch (alignment) {
    case ALIGN_CENTER: return (low + high - size) / 2;
    case ALIGN_END: return high - size;
    case ALIGN_START: break;
    }
    return low;
}

}  // namespace

Alignment VerticalAlignment(const char* word) { return WordAlignment(word, "BOTTOM"); }

Alignment HorizontalAlignment(const char* word) { return WordAlignment(word, "RIGHT"); }

PanelPoint PlacePicture(const PanelRect& strip, int width, int height, Alignment horizontal,
                        Alignment vertical) {
    return {Place(strip.left, strip.right, width, horizontal),
            Place(strip.top, strip.bottom, height, vertical)};
}

uint8_t ColorComponent(int value) { return static_cast<uint8_t>(static_cast<unsigned>(value) & 0xFF); }

uint32_t PanelColor(uint8_t red, uint8_t green, uint8_t blue) {
    return red | static_cast<uint32_t>(green) << 8 | static_cast<uint32_t>(blue) << 16;
}

bool PlaceholderShowsPicture(uint32_t style) {
    uint32_t type = style & PANEL_STATIC_TYPE_MASK;
    return type == PANEL_STATIC_BITMAP || type == PANEL_STATIC_ENHMETAFILE;
}
