// The panel's word, colour and placement rules.
#include <gtest/gtest.h>

#include "panel/panel_rules.h"

namespace {

TEST(PanelRules, AlignmentWords) {
    const struct {
        const char* word;
        Alignment vertical, horizontal;
    } rows[] = {
        {"CENTERED", ALIGN_CENTER, ALIGN_CENTER},
        {"centered", ALIGN_CENTER, ALIGN_CENTER},
        {"CeNtErEd", ALIGN_CENTER, ALIGN_CENTER},
        {"CENTER", ALIGN_START, ALIGN_START},      // not the whole word
        {"CENTERED ", ALIGN_START, ALIGN_START},   // nor more than it
        {"TOP", ALIGN_START, ALIGN_START},
        {"bottom", ALIGN_END, ALIGN_START},
        {"LEFT", ALIGN_START, ALIGN_START},
        {"Right", ALIGN_START, ALIGN_END},
        {"", ALIGN_START, ALIGN_START},
        {nullptr, ALIGN_START, ALIGN_START},
        {"RIGHT\xE9", ALIGN_START, ALIGN_START},
        {"\xC9", ALIGN_START, ALIGN_START},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.word ? r.word : "(null)");
        EXPECT_EQ(VerticalAlignment(r.word), r.vertical);
        EXPECT_EQ(HorizontalAlignment(r.word), r.horizontal);
    }
}

TEST(PanelRules, PlacesThePictureInTheStrip) {
    // The strip of a page at its usual size: 10,10 to 150,376.
    const PanelRect strip = {10, 10, 150, 376};
    const struct {
        const char* name;
        int width, height;
        Alignment horizontal, vertical;
        PanelPoint at;
    } rows[] = {
        {"top left", 40, 30, ALIGN_START, ALIGN_START, {10, 10}},
        {"centred", 40, 30, ALIGN_CENTER, ALIGN_CENTER, {60, 178}},
        {"odd leftover rounds toward the start", 41, 31, ALIGN_CENTER, ALIGN_CENTER, {59, 177}},
        {"bottom right", 40, 30, ALIGN_END, ALIGN_END, {110, 346}},
        {"wider than the strip, centred", 200, 30, ALIGN_CENTER, ALIGN_START, {-20, 10}},
        {"wider than the strip, right", 200, 30, ALIGN_END, ALIGN_START, {-50, 10}},
        {"same size", 140, 366, ALIGN_CENTER, ALIGN_END, {10, 10}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        PanelPoint at = PlacePicture(strip, r.width, r.height, r.horizontal, r.vertical);
        EXPECT_EQ(at.x, r.at.x);
        EXPECT_EQ(at.y, r.at.y);
    }
    // Centring divides toward zero, also where the sum is negative: (0 + 3 - 10) / 2 = -3.
    PanelPoint at = PlacePicture({0, 0, 3, 3}, 10, 10, ALIGN_CENTER, ALIGN_CENTER);
    EXPECT_EQ(at.x, -3);
    EXPECT_EQ(at.y, -3);
}

TEST(PanelRules, ColourValuesKeepTheirLowEightBits) {
    const struct {
        int value;
        uint8_t kept;
    } rows[] = {{0, 0}, {255, 255}, {256, 0}, {300, 44}, {-1, 255}, {-256, 0}, {0x7FFFFFFF, 255}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.value);
        EXPECT_EQ(ColorComponent(r.value), r.kept);
    }
    EXPECT_EQ(PanelColor(0x12, 0x34, 0x56), 0x563412u);
}

TEST(PanelRules, PlaceholderStyles) {
    const struct {
        uint32_t style;
        bool showsPicture;
    } rows[] = {
        {0x50000007, false},  // a black frame, as on every page
        {0x4000000E, true},   // static bitmap
        {0x4000020E, true},   // static bitmap, centred image
        {0x4000000F, true},   // enhanced metafile
        {0x40000003, false},  // icon
        {0x40000012, false},  // etched frame
        {0x0000000C, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.style);
        EXPECT_EQ(PlaceholderShowsPicture(r.style), r.showsPicture);
    }
}

}  // namespace
