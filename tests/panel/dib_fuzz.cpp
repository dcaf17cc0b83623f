// Fuzz target: any input as a whole picture file, loaded the way the loader loads it, then
// every question the painter asks, and every byte the drawing calls would read.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "panel/dib.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// Reads every byte of a range so that the address sanitizer sees any overrun.
uint8_t Touch(const uint8_t* p, uint64_t n) {
    uint8_t sum = 0;
    for (uint64_t i = 0; i < n; ++i) sum = static_cast<uint8_t>(sum + p[i]);
    return sum;
}

uint32_t Field16(const uint8_t* p) { return static_cast<uint32_t>(p[0] | p[1] << 8); }

uint32_t Field32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

// A stretch of the block, counted from its start.
struct Range {
    uint64_t offset, length;
};

// What the drawing calls read of a picture whose pixels they are handed at bitsOffset,
// worked out from the header's own fields the way they do, and on purpose not from the
// rules under test: a rule that under-reports shows as a read past the block.
struct DrawingReads {
    Range ranges[5];
    int count;
};

DrawingReads ReadsOfDrawing(const uint8_t* bytes, uint64_t bitsOffset) {
    DrawingReads reads{};
    auto add = [&](uint64_t offset, uint64_t length) { reads.ranges[reads.count++] = Range{offset, length}; };
    const uint32_t headerSize = Field32(bytes);
    uint64_t width, rows, bits, compression = 0, sizeImage = 0;
    if (headerSize == 12) {
        // Core header: 16-bit sizes, a full table of 3-byte entries up to 8 bits.
        add(0, 12);
        width = Field16(bytes + 4);
        rows = Field16(bytes + 6);
        bits = Field16(bytes + 10);
        if (bits <= 8) add(12, 3 * (uint64_t{1} << bits));
    } else {
        add(0, headerSize);
        const int32_t w = static_cast<int32_t>(Field32(bytes + 4));
        const int32_t h = static_cast<int32_t>(Field32(bytes + 8));
        width = w < 0 ? -static_cast<int64_t>(w) : w;
        rows = h < 0 ? -static_cast<int64_t>(h) : h;
        bits = Field16(bytes + 14);
        compression = Field32(bytes + 16);
        sizeImage = Field32(bytes + 20);
        const uint32_t clrUsed = Field32(bytes + 32);
        // Bit fields: three masks at bytes 40 to 51, whatever the header size says.
        const bool masks = compression == 3 && headerSize >= 40;
        if (masks) add(40, 12);
        if (bits <= 8) {
            uint64_t full = uint64_t{1} << bits;
            uint64_t count = clrUsed != 0 && clrUsed < full ? clrUsed : full;
            uint64_t table = masks && headerSize == 40 ? 52 : headerSize;
            add(table, 4 * count);
        }
        // A 124-byte or longer header may name an embedded or linked colour profile.
        if (headerSize >= 124) {
            const uint32_t csType = Field32(bytes + 56);
            if (csType == 0x4D424544 || csType == 0x4C494E4B) add(Field32(bytes + 112), Field32(bytes + 116));
        }
    }
    if (compression == 1 || compression == 2)
        add(bitsOffset, sizeImage);  // the run-length stream
    else
        add(bitsOffset, rows * ((width * bits + 31) / 32 * 4));
    return reads;
}

// A layout with one field replaced by fuzzer bytes: the questions must stay inside the
// block whatever a PackedDib carries.
DibLayout Damaged(DibLayout l, uint8_t which, uint32_t value) {
    switch (which % 11) {
    case 0: l.headerSize = value; break;
    case 1: l.width = static_cast<int32_t>(value); break;
    case 2: l.height = static_cast<int32_t>(value); break;
    case 3: l.rows = value; break;
    case 4: l.bitCount = static_cast<uint16_t>(value); break;
    case 5: l.compression = value; break;
    case 6: l.colorOffset = value; break;
    case 7: l.colorEntrySize = value; break;
    case 8: l.colorCount = value; break;
    case 9: l.bitsOffset = value; break;
    default: l.bitsSize = value; break;
    }
    return l;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < DIB_FILE_HEADER_SIZE) return 0;
    uint8_t header[DIB_FILE_HEADER_SIZE];
    std::memcpy(header, data, sizeof header);
    const uint32_t body = DibBodySize(header, size);
    if (body == 0) return 0;
    Require(uint64_t{body} + DIB_FILE_HEADER_SIZE <= size);

    // Exactly the body, on the heap, as the loader's block.
    uint8_t* bytes = static_cast<uint8_t*>(std::malloc(body));
    if (bytes == nullptr) return 0;
    std::memcpy(bytes, data + DIB_FILE_HEADER_SIZE, body);

    DibLayout layout;
    std::memset(&layout, 0xA5, sizeof layout);
    const bool accepted = ReadDibLayout(bytes, body, &layout);
    const PackedDib dib{bytes, body, layout};
    const uint8_t* bits = DibBits(dib);
    const int16_t width = DibWidth(dib);
    const int16_t height = DibHeight(dib);
    const int colorCount = DibColorCount(dib);
    DibColor colors[DIB_MAX_COLORS + 1];
    const int written = DibColors(dib, colors, DIB_MAX_COLORS + 1);

    volatile uint8_t sink = 0;
    if (accepted) {
        // What the painter relies on: sizes that fit in 16 bits, a table and pixels inside
        // the block, one after the other.
        Require(layout.width >= 1 && layout.width <= 32767);
        Require(layout.rows >= 1 && layout.rows <= 32767);
        Require(layout.colorCount <= DIB_MAX_COLORS);
        Require(uint64_t{layout.colorOffset} + uint64_t{layout.colorEntrySize} * layout.colorCount ==
                layout.bitsOffset);
        Require(uint64_t{layout.bitsOffset} + layout.bitsSize <= body);
        Require(bits == bytes + layout.bitsOffset);
        Require(width == layout.width && height == layout.height);
        Require(colorCount == static_cast<int>(layout.colorCount) && written == colorCount);
        sink = static_cast<uint8_t>(sink + Touch(bytes, layout.headerSize));
        sink = static_cast<uint8_t>(sink + Touch(bytes + layout.colorOffset,
                                                 layout.colorEntrySize * layout.colorCount));
        sink = static_cast<uint8_t>(sink + Touch(bits, layout.bitsSize));
        for (int i = 0; i < written; ++i)
            sink = static_cast<uint8_t>(sink + colors[i].red + colors[i].green + colors[i].blue);

        // Every byte the drawing calls read of an accepted picture lies inside the block.
        const DrawingReads reads = ReadsOfDrawing(bytes, static_cast<uint64_t>(bits - bytes));
        for (int i = 0; i < reads.count; ++i)
            sink = static_cast<uint8_t>(sink + Touch(bytes + reads.ranges[i].offset, reads.ranges[i].length));
    } else {
        // A refused block leaves an empty layout, answered as none.
        Require(layout.headerSize == 0 && layout.width == 0 && layout.height == 0 && layout.rows == 0 &&
                layout.bitCount == 0 && layout.compression == 0 && layout.colorOffset == 0 &&
                layout.colorEntrySize == 0 && layout.colorCount == 0 && layout.bitsOffset == 0 &&
                layout.bitsSize == 0);
        Require(bits == nullptr && width == 0 && height == 0 && colorCount == 0 && written == 0);
    }

    // The questions on a layout that no longer matches its block: none, or answers that
    // stay inside it.
    if (size >= 5) {
        const uint8_t* tail = data + size - 5;
        const PackedDib damaged{bytes, body, Damaged(layout, tail[0], Field32(tail + 1))};
        const uint8_t* damagedBits = DibBits(damaged);
        Require(damagedBits == nullptr || (damagedBits >= bytes && damagedBits <= bytes + body));
        const int damagedWritten = DibColors(damaged, colors, DIB_MAX_COLORS + 1);
        Require(damagedWritten >= 0 && damagedWritten <= DIB_MAX_COLORS);
        sink = static_cast<uint8_t>(sink + DibWidth(damaged) + DibHeight(damaged) + DibColorCount(damaged));
    }
    (void)sink;
    std::free(bytes);
    return 0;
}
