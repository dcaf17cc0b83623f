// Pictures read by the rules and drawn by the real drawing calls from a block whose last
// byte sits just before a PAGE_NOACCESS page, so that any read past the block faults.
// Faults are counted as they are first raised, before a drawing call that catches them
// inside itself can swallow them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "panel/dib.h"
#include "panel/dib_win32.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/guarded_memory_win32.h"

namespace {

// A 32-bit DIB section of the picture's size, selected into a memory DC.
class Canvas {
public:
    Canvas(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* pixels = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
        if (dc_ && bitmap_) old_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        if (old_) SelectObject(dc_, old_);
        if (bitmap_) DeleteObject(bitmap_);
        if (dc_) DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return old_ ? dc_ : nullptr; }

private:
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
};


// Distinct non-zero pixel bytes, so the drawing has something to convert.
std::vector<uint8_t> Ramp(size_t n) {
    std::vector<uint8_t> bytes(n);
    for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<uint8_t>(i * 37 + 11);
    return bytes;
}

BmpRecipe Pic(uint32_t headerSize, uint16_t bits, int32_t width = 5, int32_t height = 3) {
    BmpRecipe s;
    s.headerSize = headerSize;
    s.bitCount = bits;
    s.width = width;
    s.height = height;
    s.pixels = Ramp(bmp::RowBytes(width, bits) * static_cast<size_t>(height < 0 ? -height : height));
    return s;
}

BmpRecipe Masked(uint32_t headerSize, uint16_t bits, int32_t width = 5, int32_t height = 3) {
    BmpRecipe s = Pic(headerSize, bits, width, height);
    s.compression = 3;
    s.masks = bits == 16 ? kMasks565 : kMasks888;
    return s;
}

BmpRecipe Palette8() {
    BmpRecipe s = Pic(40, 8);
    s.clrUsed = 16;
    for (uint32_t i = 0; i < 16; ++i) s.colors.push_back(i * 0x0F0F0F);
    for (uint8_t& p : s.pixels) p %= 16;
    return s;
}

BmpRecipe RunLength8() {
    BmpRecipe s = Pic(40, 8);
    s.compression = 1;
    s.clrUsed = 4;
    s.colors = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    s.pixels = {5, 1, 0, 0, 2, 2, 3, 3, 0, 0, 5, 0, 0, 1};  // runs per row, end of rows, end
    return s;
}

BmpRecipe WithProfile(uint32_t at, uint32_t length, size_t trailing) {
    BmpRecipe s = Pic(124, 24);
    s.headerWords = {{56, DIB_PROFILE_EMBEDDED}, {112, at}, {116, length}};
    s.trailing.assign(trailing, 0x5A);
    return s;
}

// For every picture: the rules' verdict, and when accepted, the painter's questions and
// both drawing calls with no read past the block. Block sizes are noted where they matter.
TEST(DibGuarded, NothingReadsPastTheBlock) {
    const struct {
        const char* name;
        BmpRecipe recipe;
        bool accepted;
    } rows[] = {
        {"40-byte header, 16-bit masks", Masked(40, 16), true},
        {"40-byte header, 32-bit masks", Masked(40, 32), true},
        {"40-byte header, masks and one pixel: 56 bytes", Masked(40, 32, 1, 1), true},
        {"40-byte header, masks cut at byte 51", With(Masked(40, 32, 1, 1), [](BmpRecipe& s) { s.fileSize = 14 + 51; }), false},
        {"44-byte header, masks in a 48-byte block", Masked(44, 32, 1, 1), false},
        {"52-byte header, masks", Masked(52, 32), true},
        {"56-byte header, 16-bit masks", Masked(56, 16), true},
        {"108-byte header, masks", Masked(108, 32), true},
        {"124-byte header, masks", Masked(124, 32), true},
        {"108-byte header, 8-bit, 4 colours", With(Pic(108, 8), [](BmpRecipe& s) { s.clrUsed = 4; }), true},
        {"124-byte header, embedded profile at the block's end", WithProfile(124 + 48, 16, 16), true},
        {"124-byte header, embedded profile past the block", WithProfile(124 + 48, 17, 16), false},
        {"core header, 8-bit", Pic(12, 8), true},
        {"8-bit, 16 colours", Palette8(), true},
        {"24-bit", Pic(40, 24), true},
        {"24-bit top-down", Pic(40, 24, 5, -3), true},
        {"RLE8", RunLength8(), true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const std::vector<uint8_t> file = BuildBmp(r.recipe);
        uint8_t header[DIB_FILE_HEADER_SIZE];
        std::memcpy(header, file.data(), sizeof header);
        const uint32_t body = DibBodySize(header, file.size());
        ASSERT_GT(body, 0u);
        GuardedBytes block(file.data() + 14, body);
        ASSERT_NE(block.data(), nullptr);
        GuardFaults count(block);
        ASSERT_TRUE(count.installed());

        PackedDib dib{block.data(), block.size(), DibLayout{}};
        const bool accepted = ReadDibLayout(dib.bytes, dib.size, &dib.layout);
        EXPECT_EQ(accepted, r.accepted);
        if (!accepted) continue;

        const uint8_t* bits = DibBits(dib);
        ASSERT_NE(bits, nullptr);
        const int width = DibWidth(dib);
        const int height = DibHeight(dib);
        const int rowsDrawn = height < 0 ? -height : height;
        HPALETTE palette = CreateDibPalette(dib);
        EXPECT_EQ(palette != nullptr, DibColorCount(dib) > 0);
        if (palette) DeleteObject(palette);

        Canvas canvas(width, rowsDrawn);
        ASSERT_NE(canvas.dc(), nullptr);
        const auto* info = reinterpret_cast<const BITMAPINFO*>(dib.bytes);
        EXPECT_GT(SetDIBitsToDevice(canvas.dc(), 0, 0, width, rowsDrawn, 0, 0, 0, rowsDrawn, bits, info,
                                    DIB_RGB_COLORS),
                  0);
        EXPECT_GT(StretchDIBits(canvas.dc(), 0, 0, width, rowsDrawn, 0, 0, width, rowsDrawn, bits, info,
                                DIB_RGB_COLORS, SRCCOPY),
                  0);
        EXPECT_EQ(count.faults(), 0) << "a drawing call read past the block";
    }
}

// The guard sees what the drawing calls read: the 44-byte picture the rules refuse, drawn
// anyway with its pixels where they follow its header, reads its masks at bytes 40 to 51
// of a 48-byte block.
TEST(DibGuarded, AReadPastTheBlockIsCounted) {
    const std::vector<uint8_t> file = BuildBmp(Masked(44, 32, 1, 1));
    GuardedBytes block(file.data() + 14, file.size() - 14);
    ASSERT_NE(block.data(), nullptr);
    ASSERT_EQ(block.size(), 48u);
    GuardFaults count(block);
    ASSERT_TRUE(count.installed());
    Canvas canvas(1, 1);
    ASSERT_NE(canvas.dc(), nullptr);
    SetDIBitsToDevice(canvas.dc(), 0, 0, 1, 1, 0, 0, 0, 1, block.data() + 44,
                      reinterpret_cast<const BITMAPINFO*>(block.data()), DIB_RGB_COLORS);
    EXPECT_GT(count.faults(), 0);
}

}  // namespace
