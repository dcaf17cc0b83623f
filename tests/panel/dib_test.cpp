// Which picture files are accepted, where their pixels and colours lie, and what the
// painter's questions answer for refused pictures and for none.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <iterator>
#include <vector>

#include "panel/dib.h"
#include "tests/support/bmp_builder.h"

namespace {

// A picture of the given header size and depth, 3 x 2 pixels unless told otherwise.
BmpRecipe Pic(uint32_t headerSize, uint16_t bits, int32_t width = 3, int32_t height = 2) {
    BmpRecipe s;
    s.headerSize = headerSize;
    s.bitCount = bits;
    s.width = width;
    s.height = height;
    return s;
}


// A picture with colour masks, 32 bits deep unless told otherwise.
BmpRecipe Masked(uint32_t headerSize, int32_t width = 3, int32_t height = 2, uint16_t bits = 32) {
    BmpRecipe s = Pic(headerSize, bits, width, height);
    s.compression = 3;
    s.masks = bits == 16 ? kMasks565 : kMasks888;
    return s;
}

constexpr uint32_t kSrgb = 0x73524742;  // 'sRGB': no profile bytes

// A 3 x 2 24-bit picture (24 pixel bytes at 124) whose 124-byte header gives a colour space
// type, and a profile's place and length; `trailing` bytes follow the pixels.
BmpRecipe WithProfile(uint32_t csType, uint32_t at, uint32_t length, size_t trailing, uint32_t headerSize = 124) {
    BmpRecipe s = Pic(headerSize, 24);
    s.headerWords = {{56, csType}, {112, at}, {116, length}};
    s.trailing.assign(trailing, 0x5A);
    return s;
}

// Distinct colours whose red, green and blue bytes all differ, so a swapped or shifted
// entry shows.
std::vector<uint32_t> Distinct(size_t n) {
    std::vector<uint32_t> colors;
    for (uint32_t i = 0; i < n; ++i)
        colors.push_back(((0x10 + i) & 0xFF) << 16 | ((0x80 + i) & 0xFF) << 8 | ((0xF0 - i) & 0xFF));
    return colors;
}

// The block a loader would hold: the file from offset 14 on, bfSize - 14 bytes.
std::vector<uint8_t> BodyOf(const std::vector<uint8_t>& file) {
    uint8_t header[DIB_FILE_HEADER_SIZE];
    std::memcpy(header, file.data(), sizeof header);
    uint32_t body = DibBodySize(header, file.size());
    return std::vector<uint8_t>(file.begin() + 14, file.begin() + 14 + body);
}

enum Verdict { ACCEPT, REFUSE_FILE, REFUSE_LAYOUT };

bool IsEmpty(const DibLayout& l) {
    return l.headerSize == 0 && l.width == 0 && l.height == 0 && l.rows == 0 && l.bitCount == 0 &&
           l.compression == 0 && l.colorOffset == 0 && l.colorEntrySize == 0 && l.colorCount == 0 &&
           l.bitsOffset == 0 && l.bitsSize == 0;
}

// The block and its layout, as the loader keeps them; an empty layout when refused.
PackedDib Packed(std::vector<uint8_t>& block) {
    PackedDib dib{block.data(), static_cast<uint32_t>(block.size()), DibLayout{}};
    ReadDibLayout(dib.bytes, dib.size, &dib.layout);
    return dib;
}

TEST(Dib, LayoutOfFiles) {
    const struct {
        const char* name;
        BmpRecipe recipe;
        Verdict verdict;
        uint32_t bitsOffset = 0, bitsSize = 0;  // the rest only for accepted pictures
        int width = 0, height = 0, colors = 0;
    } rows[] = {
        // 12-byte header: 3-byte entries, 2^bits of them below 24 bits.
        {"core 1-bit", Pic(12, 1), ACCEPT, 12 + 2 * 3, 8, 3, 2, 2},
        {"core 4-bit", Pic(12, 4), ACCEPT, 12 + 16 * 3, 8, 3, 2, 16},
        {"core 8-bit", Pic(12, 8), ACCEPT, 12 + 256 * 3, 8, 3, 2, 256},
        {"core 24-bit", Pic(12, 24), ACCEPT, 12, 24, 3, 2, 0},
        {"core 16-bit", Pic(12, 16), REFUSE_LAYOUT},
        {"core width 32768", Pic(12, 1, 32768, 2), REFUSE_LAYOUT},
        {"core header cut short", With(Pic(12, 24), [](BmpRecipe& s) { s.fileSize = 14 + 10; }), REFUSE_LAYOUT},

        // 40-byte header: biClrUsed when set, else 2^bits up to 8 bits.
        {"1-bit", Pic(40, 1), ACCEPT, 40 + 2 * 4, 8, 3, 2, 2},
        {"4-bit", Pic(40, 4), ACCEPT, 40 + 16 * 4, 8, 3, 2, 16},
        {"4-bit, 6 used", With(Pic(40, 4), [](BmpRecipe& s) { s.clrUsed = 6; }), ACCEPT, 40 + 6 * 4, 8, 3, 2, 6},
        {"8-bit", Pic(40, 8), ACCEPT, 40 + 256 * 4, 8, 3, 2, 256},
        {"8-bit, 20 used", With(Pic(40, 8), [](BmpRecipe& s) { s.clrUsed = 20; }), ACCEPT, 40 + 20 * 4, 8, 3, 2, 20},
        {"24-bit", Pic(40, 24), ACCEPT, 40, 24, 3, 2, 0},
        {"24-bit, 2 used", With(Pic(40, 24), [](BmpRecipe& s) { s.clrUsed = 2; }), ACCEPT, 40 + 2 * 4, 24, 3, 2, 2},
        {"16-bit", Pic(40, 16), ACCEPT, 40, 16, 3, 2, 0},
        {"32-bit", Pic(40, 32), ACCEPT, 40, 24, 3, 2, 0},
        {"2-bit", Pic(40, 2), REFUSE_LAYOUT},
        {"0-bit", Pic(40, 0), REFUSE_LAYOUT},
        {"top-down", Pic(40, 24, 3, -2), ACCEPT, 40, 24, 3, -2, 0},
        {"widest", Pic(40, 1, 32767, 1), ACCEPT, 40 + 2 * 4, 4096, 32767, 1, 2},
        {"width 32768", Pic(40, 1, 32768, 1), REFUSE_LAYOUT},
        {"width 0", Pic(40, 24, 0, 2), REFUSE_LAYOUT},
        {"width -3", Pic(40, 24, -3, 2), REFUSE_LAYOUT},
        {"height 0", Pic(40, 24, 3, 0), REFUSE_LAYOUT},
        {"height -32768", Pic(40, 1, 1, -32768), REFUSE_LAYOUT},
        {"height INT32_MIN", With(Pic(40, 1, 1, INT32_MIN), [](BmpRecipe& s) { s.pixels = {0, 0, 0, 0}; }), REFUSE_LAYOUT},

        // Colour masks: the drawing calls read them at bytes 40 to 51 whatever the header
        // size, so they follow a 40-byte header and lie inside a longer one.
        {"16-bit masks after the header",
         With(Pic(40, 16), [](BmpRecipe& s) { s.compression = 3; s.masks = kMasks565; }),
         ACCEPT, 40 + 12, 16, 3, 2, 0},
        {"32-bit masks and 2 colours after the header",
         With(Pic(40, 32), [](BmpRecipe& s) { s.compression = 3; s.masks = kMasks888; s.clrUsed = 2; }),
         ACCEPT, 40 + 12 + 2 * 4, 24, 3, 2, 2},
        {"masks and one pixel fill the block exactly", Masked(40, 1, 1), ACCEPT, 52, 4, 1, 1, 0},
        {"masks never written, block ends at byte 44",
         With(Masked(40, 1, 1), [](BmpRecipe& s) { s.masks.clear(); }), REFUSE_LAYOUT},
        {"masks, block cut at byte 48", With(Masked(40, 1, 1), [](BmpRecipe& s) { s.fileSize = 14 + 48; }), REFUSE_LAYOUT},
        {"masks, block cut at byte 51", With(Masked(40, 1, 1), [](BmpRecipe& s) { s.fileSize = 14 + 51; }), REFUSE_LAYOUT},
        {"44-byte header, masks in a 48-byte block", Masked(44, 1, 1), REFUSE_LAYOUT},
        {"44-byte header, masks with room to spare",
         With(Masked(44, 1, 1), [](BmpRecipe& s) { s.trailing.assign(64, 0); }), REFUSE_LAYOUT},
        {"52-byte header holds the masks", Masked(52), ACCEPT, 52, 24, 3, 2, 0},
        {"56-byte header holds the masks", Masked(56), ACCEPT, 56, 24, 3, 2, 0},
        {"108-byte header holds the masks", Masked(108), ACCEPT, 108, 24, 3, 2, 0},
        {"V5 masks inside the header",
         With(Pic(124, 32), [](BmpRecipe& s) { s.compression = 3; s.masks = kMasks888; }),
         ACCEPT, 124, 24, 3, 2, 0},
        {"56-byte header, 16-bit masks, 2 colours after the header",
         With(Masked(56, 3, 2, 16), [](BmpRecipe& s) { s.clrUsed = 2; }), ACCEPT, 56 + 2 * 4, 16, 3, 2, 2},
        {"24-bit masks", With(Pic(40, 24), [](BmpRecipe& s) { s.compression = 3; s.masks = kMasks888; }), REFUSE_LAYOUT},
        {"8-bit masks", With(Pic(40, 8), [](BmpRecipe& s) { s.compression = 3; s.masks = kMasks888; }), REFUSE_LAYOUT},

        // A 124-byte header's profile bytes: inside the block, or refused. 3 x 2 24-bit
        // pixels take bytes 124 to 147.
        {"embedded profile after the pixels", WithProfile(DIB_PROFILE_EMBEDDED, 148, 16, 16), ACCEPT, 124, 24, 3, 2, 0},
        {"linked profile inside the header", WithProfile(DIB_PROFILE_LINKED, 60, 20, 0), ACCEPT, 124, 24, 3, 2, 0},
        {"empty profile at the block's end", WithProfile(DIB_PROFILE_EMBEDDED, 148, 0, 0), ACCEPT, 124, 24, 3, 2, 0},
        {"embedded profile one byte past the block", WithProfile(DIB_PROFILE_EMBEDDED, 148, 17, 16), REFUSE_LAYOUT},
        {"linked profile starting past the block", WithProfile(DIB_PROFILE_LINKED, 149, 0, 0), REFUSE_LAYOUT},
        {"profile whose end wraps 32 bits", WithProfile(DIB_PROFILE_EMBEDDED, 0xFFFFFFF0, 0x20, 16), REFUSE_LAYOUT},
        {"profile length wrapping 32 bits", WithProfile(DIB_PROFILE_EMBEDDED, 148, 0xFFFFFFFF, 16), REFUSE_LAYOUT},
        {"sRGB names no profile bytes", WithProfile(kSrgb, 0xFFFFFFF0, 0x20, 0), ACCEPT, 124, 24, 3, 2, 0},
        {"108-byte header has no profile fields",
         WithProfile(DIB_PROFILE_EMBEDDED, 0, 0, 0, 108), ACCEPT, 108, 24, 3, 2, 0},

        // Run-length pictures: their length is biSizeImage.
        {"RLE8", With(Pic(40, 8), [](BmpRecipe& s) { s.compression = 1; }), ACCEPT, 40 + 256 * 4, 2, 3, 2, 256},
        {"RLE4", With(Pic(40, 4), [](BmpRecipe& s) { s.compression = 2; }), ACCEPT, 40 + 16 * 4, 2, 3, 2, 16},
        {"RLE8 of 4 bits", With(Pic(40, 4), [](BmpRecipe& s) { s.compression = 1; }), REFUSE_LAYOUT},
        {"RLE4 of 8 bits", With(Pic(40, 8), [](BmpRecipe& s) { s.compression = 2; }), REFUSE_LAYOUT},
        {"RLE8 top-down", With(Pic(40, 8, 3, -2), [](BmpRecipe& s) { s.compression = 1; }), REFUSE_LAYOUT},
        {"RLE8 without its size", With(Pic(40, 8), [](BmpRecipe& s) { s.compression = 1; s.sizeImage = 0; }), REFUSE_LAYOUT},
        {"RLE8 longer than the block", With(Pic(40, 8), [](BmpRecipe& s) { s.compression = 1; s.sizeImage = 3; }), REFUSE_LAYOUT},
        {"RLE8 size wrapping 32 bits",
         With(Pic(40, 8), [](BmpRecipe& s) { s.compression = 1; s.sizeImage = 0xFFFFFFF0; }), REFUSE_LAYOUT},
        {"JPEG compression", With(Pic(40, 24), [](BmpRecipe& s) { s.compression = 4; }), REFUSE_LAYOUT},

        // Tables and pixels that reach past the block.
        {"pixel rows one byte short", With(Pic(40, 24), [](BmpRecipe& s) { s.pixels.assign(23, 0); }), REFUSE_LAYOUT},
        {"colour table past the block", With(Pic(40, 8), [](BmpRecipe& s) { s.colors = Distinct(100); }), REFUSE_LAYOUT},
        {"4-byte colour count wraps to 0", With(Pic(40, 8), [](BmpRecipe& s) { s.clrUsed = 0x40000000; }), REFUSE_LAYOUT},
        {"257 colours, all present",
         With(Pic(40, 8), [](BmpRecipe& s) { s.clrUsed = 257; s.colors = Distinct(257); }), REFUSE_LAYOUT},

        // Header sizes: only those writers produce.
        {"header 0", Pic(0, 24), REFUSE_LAYOUT},
        {"header 11", Pic(11, 24), REFUSE_LAYOUT},
        {"header 13", Pic(13, 24), REFUSE_LAYOUT},
        {"header 14", Pic(14, 24), REFUSE_LAYOUT},
        {"header 39", Pic(39, 24), REFUSE_LAYOUT},
        {"header 41", Pic(41, 24), REFUSE_LAYOUT},
        {"header 44", Pic(44, 24), REFUSE_LAYOUT},
        {"header 51", Pic(51, 24), REFUSE_LAYOUT},
        {"header 52", Pic(52, 24), ACCEPT, 52, 24, 3, 2, 0},
        {"header 53", Pic(53, 24), REFUSE_LAYOUT},
        {"header 56", Pic(56, 24), ACCEPT, 56, 24, 3, 2, 0},
        {"header 64", Pic(64, 24), REFUSE_LAYOUT},
        {"header 108", Pic(108, 24), ACCEPT, 108, 24, 3, 2, 0},
        {"header 124", Pic(124, 24), ACCEPT, 124, 24, 3, 2, 0},
        {"header 124, 8-bit", Pic(124, 8), ACCEPT, 124 + 256 * 4, 8, 3, 2, 256},
        {"header 125", Pic(125, 24), REFUSE_LAYOUT},
        {"header 200", Pic(200, 24), REFUSE_LAYOUT},
        {"header longer than the block", With(Pic(124, 24), [](BmpRecipe& s) { s.fileSize = 14 + 100; }), REFUSE_LAYOUT},

        // The file header.
        {"not BM", With(Pic(40, 24), [](BmpRecipe& s) { s.type = 0x424D; }), REFUSE_FILE},
        {"bfSize 14", With(Pic(40, 24), [](BmpRecipe& s) { s.fileSize = 14; }), REFUSE_FILE},
        {"bfSize 10", With(Pic(40, 24), [](BmpRecipe& s) { s.fileSize = 10; }), REFUSE_FILE},
        {"bfSize 15", With(Pic(40, 24), [](BmpRecipe& s) { s.fileSize = 15; }), REFUSE_LAYOUT},
        {"bfSize one past the file", With(Pic(40, 24), [](BmpRecipe& s) { s.fileSize = 14 + 40 + 24 + 1; }), REFUSE_FILE},
        {"bfSize far past the file", With(Pic(40, 24), [](BmpRecipe& s) { s.fileSize = 0xFFFFFFF0; }), REFUSE_FILE},
        {"bytes past bfSize are left out",
         With(Pic(40, 24), [](BmpRecipe& s) { s.trailing = {1, 2, 3}; s.fileSize = 14 + 40 + 24; }),
         ACCEPT, 40, 24, 3, 2, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const std::vector<uint8_t> file = BuildBmp(r.recipe);
        uint8_t header[DIB_FILE_HEADER_SIZE];
        std::memcpy(header, file.data(), sizeof header);
        const uint32_t body = DibBodySize(header, file.size());
        if (r.verdict == REFUSE_FILE) {
            EXPECT_EQ(body, 0u);
            continue;
        }
        uint32_t bfSize;
        std::memcpy(&bfSize, file.data() + 2, 4);
        ASSERT_EQ(body, bfSize - 14);

        // The block holds exactly the body, so any read past it is caught by the sanitizer.
        std::vector<uint8_t> block(file.begin() + 14, file.begin() + 14 + body);
        DibLayout layout;
        std::memset(&layout, 0xA5, sizeof layout);
        const bool accepted = ReadDibLayout(block.data(), body, &layout);
        EXPECT_EQ(accepted, r.verdict == ACCEPT);
        const PackedDib dib{block.data(), body, layout};
        if (!accepted) {
            // A refused block leaves an empty layout, which the painter's questions answer
            // as none.
            EXPECT_TRUE(IsEmpty(layout));
            EXPECT_EQ(DibBits(dib), nullptr);
            EXPECT_EQ(DibWidth(dib), 0);
            EXPECT_EQ(DibHeight(dib), 0);
            EXPECT_EQ(DibColorCount(dib), 0);
            continue;
        }
        EXPECT_EQ(layout.bitsOffset, r.bitsOffset);
        EXPECT_EQ(layout.bitsSize, r.bitsSize);
        EXPECT_EQ(layout.width, r.width);
        EXPECT_EQ(layout.height, r.height);
        EXPECT_EQ(layout.rows, static_cast<uint32_t>(r.height < 0 ? -r.height : r.height));
        EXPECT_EQ(layout.colorCount, static_cast<uint32_t>(r.colors));
        EXPECT_EQ(layout.colorOffset + layout.colorEntrySize * layout.colorCount, layout.bitsOffset);

        EXPECT_EQ(DibBits(dib), block.data() + r.bitsOffset);
        EXPECT_EQ(DibWidth(dib), r.width);
        EXPECT_EQ(DibHeight(dib), r.height);
        EXPECT_EQ(DibColorCount(dib), r.colors);
    }
}

// The colour table as the palette builder gets it: red, green, blue from each entry,
// wherever the table starts and however wide its entries are.
TEST(Dib, ColorsOfTables) {
    const struct {
        const char* name;
        BmpRecipe recipe;
        std::vector<uint32_t> colors;
    } rows[] = {
        {"core 4-bit, 3-byte entries", With(Pic(12, 4), [](BmpRecipe& s) { s.colors = Distinct(16); }), Distinct(16)},
        {"V5 8-bit, 3 used",
         With(Pic(124, 8), [](BmpRecipe& s) { s.clrUsed = 3; s.colors = {0xFF0000, 0x00FF00, 0x0000FF}; }),
         {0xFF0000, 0x00FF00, 0x0000FF}},
        {"16-bit, 2 after the masks",
         With(Pic(40, 16), [](BmpRecipe& s) { s.compression = 3; s.masks = kMasks565; s.clrUsed = 2; s.colors = Distinct(2); }),
         Distinct(2)},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const std::vector<uint8_t> file = BuildBmp(r.recipe);
        std::vector<uint8_t> block = BodyOf(file);
        const PackedDib dib = Packed(block);
        const int n = static_cast<int>(r.colors.size());

        DibColor got[DIB_MAX_COLORS];
        std::memset(got, 0xA5, sizeof got);
        ASSERT_EQ(DibColors(dib, got, DIB_MAX_COLORS), n);
        for (int i = 0; i < n; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(got[i].red, r.colors[i] >> 16 & 0xFF);
            EXPECT_EQ(got[i].green, r.colors[i] >> 8 & 0xFF);
            EXPECT_EQ(got[i].blue, r.colors[i] & 0xFF);
        }
        EXPECT_EQ(got[n].red, 0xA5) << "wrote past the table";

        // A short buffer takes the first entries and nothing past its end.
        std::memset(got, 0xA5, sizeof got);
        ASSERT_EQ(DibColors(dib, got, n - 1), n - 1);
        EXPECT_EQ(got[0].red, r.colors[0] >> 16 & 0xFF);
        EXPECT_EQ(got[n - 1].red, 0xA5);
    }
}

// No picture, or a block too small to hold a header size: every answer is empty and
// nothing is written.
TEST(Dib, AccessorsWithoutAPicture) {
    uint8_t bytes[3] = {12, 0, 0};
    const PackedDib blocks[] = {{nullptr, 0, {}}, {nullptr, 64, {}}, {bytes, 0, {}}, {bytes, 3, {}}};
    for (size_t i = 0; i < std::size(blocks); ++i) {
        SCOPED_TRACE(i);
        const PackedDib& dib = blocks[i];
        EXPECT_EQ(DibBits(dib), nullptr);
        EXPECT_EQ(DibWidth(dib), 0);
        EXPECT_EQ(DibHeight(dib), 0);
        EXPECT_EQ(DibColorCount(dib), 0);
        DibColor marker{1, 2, 3};
        EXPECT_EQ(DibColors(dib, &marker, 1), 0);
        EXPECT_EQ(marker.red, 1);
        DibLayout layout;
        EXPECT_FALSE(ReadDibLayout(dib.bytes, dib.size, &layout));
    }
}

// The questions answer from the layout read when the block was loaded: a header changed
// afterwards changes no answer.
TEST(Dib, QuestionsAnswerFromTheStoredLayout) {
    std::vector<uint8_t> block =
        BodyOf(BuildBmp(With(Pic(40, 4, 3, -2), [](BmpRecipe& s) { s.clrUsed = 3; s.colors = Distinct(3); })));
    const PackedDib dib = Packed(block);
    std::fill(block.begin(), block.begin() + 40, uint8_t{0xFF});
    EXPECT_EQ(DibBits(dib), block.data() + 40 + 3 * 4);
    EXPECT_EQ(DibWidth(dib), 3);
    EXPECT_EQ(DibHeight(dib), -2);
    EXPECT_EQ(DibColorCount(dib), 3);
    DibColor colors[4];
    ASSERT_EQ(DibColors(dib, colors, 4), 3);
    EXPECT_EQ(colors[2].red, Distinct(3)[2] >> 16);
}

// Whatever layout a PackedDib carries, the questions read nothing outside its block (which
// ends where the sanitizer would see a read past it): one that does not fit is none.
TEST(Dib, QuestionsRefuseALayoutThatDoesNotFit) {
    std::vector<uint8_t> block = BodyOf(BuildBmp(Pic(40, 8)));  // 256 colours, 2 rows of 4 bytes
    const DibLayout read = Packed(block).layout;
    ASSERT_EQ(read.bitsOffset + read.bitsSize, block.size());
    const struct {
        const char* name;
        void (*edit)(DibLayout&);
        bool fits;
    } rows[] = {
        {"as read", [](DibLayout&) {}, true},
        {"stored top-down", [](DibLayout& l) { l.height = -l.height; }, true},
        {"pixels one byte later", [](DibLayout& l) { l.bitsOffset += 1; }, false},
        {"pixels one byte longer", [](DibLayout& l) { l.bitsSize += 1; }, false},
        {"pixel end wrapping 32 bits", [](DibLayout& l) { l.bitsSize = 0xFFFFFFFF - l.bitsOffset + 2; }, false},
        {"table running into the pixels", [](DibLayout& l) { l.colorOffset += 1; }, false},
        {"table end wrapping 32 bits", [](DibLayout& l) { l.colorOffset = 0xFFFFFFFF; }, false},
        {"257 colours", [](DibLayout& l) { l.colorCount = 257; }, false},
        {"entries of 0 bytes", [](DibLayout& l) { l.colorEntrySize = 0; }, false},
        {"entries of 8 bytes", [](DibLayout& l) { l.colorEntrySize = 8; l.colorCount = 128; }, false},
        {"width 0", [](DibLayout& l) { l.width = 0; }, false},
        {"width 32768", [](DibLayout& l) { l.width = 32768; }, false},
        {"no rows", [](DibLayout& l) { l.rows = 0; l.height = 0; }, false},
        {"height not the rows", [](DibLayout& l) { l.height = 3; }, false},
        {"empty", [](DibLayout& l) { l = DibLayout{}; }, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        DibLayout l = read;
        r.edit(l);
        const PackedDib dib{block.data(), static_cast<uint32_t>(block.size()), l};
        DibColor colors[DIB_MAX_COLORS];
        EXPECT_EQ(DibBits(dib), r.fits ? block.data() + l.bitsOffset : nullptr);
        EXPECT_EQ(DibWidth(dib), r.fits ? 3 : 0);
        EXPECT_EQ(DibHeight(dib), r.fits ? l.height : 0);
        EXPECT_EQ(DibColorCount(dib), r.fits ? 256 : 0);
        EXPECT_EQ(DibColors(dib, colors, DIB_MAX_COLORS), r.fits ? 256 : 0);
    }
    // A layout without its block is none.
    EXPECT_EQ(DibBits(PackedDib{nullptr, static_cast<uint32_t>(block.size()), read}), nullptr);
    EXPECT_EQ(DibColorCount(PackedDib{nullptr, static_cast<uint32_t>(block.size()), read}), 0);
}

}  // namespace
