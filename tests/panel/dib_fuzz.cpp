// Fuzz target: any input as a whole picture file, loaded the way the loader loads it, then
// every question the painter asks, and every byte it would read.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "panel/dib.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// Reads every byte of a range so that the address sanitizer sees any overrun.
uint8_t Touch(const uint8_t* p, uint32_t n) {
    uint8_t sum = 0;
    for (uint32_t i = 0; i < n; ++i) sum = static_cast<uint8_t>(sum + p[i]);
    return sum;
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
    const PackedDib dib{bytes, body};

    DibLayout layout;
    const bool accepted = ReadDibLayout(bytes, body, &layout);
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
    } else {
        Require(bits == nullptr && width == 0 && height == 0 && colorCount == 0 && written == 0);
    }
    (void)sink;
    std::free(bytes);
    return 0;
}
