// Whole BMP files built in memory for tests and fuzz seeds: any header size, depth,
// compression, colour table and pixel bytes, including damaged ones (short pixel rows,
// wrong type, a bfSize that lies).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

struct BmpRecipe {
    uint32_t headerSize = 40;  // 12 writes the core header; any other size writes the
                               // 40-byte layout cut or zero-padded to this size
    int32_t width = 1;
    int32_t height = 1;        // negative: top-down
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t clrUsed = 0;
    // Table entries, 0x00RRGGBB. Empty: a grey ramp of the count the header implies
    // (clrUsed, else 2^bitCount up to 8 bits), when that count is 256 or less.
    std::vector<uint32_t> colors;
    // Pixel bytes as stored. Empty: zero rows of the size the header implies (for a
    // run-length picture, just an end-of-picture mark).
    std::vector<uint8_t> pixels;
    // Colour masks: written right after a 40-byte header, or at header offset 40 inside a
    // longer one (as much of them as the header holds).
    std::vector<uint32_t> masks;
    // 32-bit header fields written last, as (offset, value), where the header holds them:
    // a 124-byte header's colour space type (56), profile place (112) and length (116).
    std::vector<std::pair<uint32_t, uint32_t>> headerWords;
    std::vector<uint8_t> trailing;       // bytes after the pixels, counted in bfSize
    uint16_t type = 0x4D42;              // "BM"
    std::optional<uint32_t> fileSize;    // bfSize written instead of the true length
    std::optional<uint32_t> sizeImage;   // biSizeImage instead of the pixel byte count
};

namespace bmp {

inline void Put16(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    out[at] = static_cast<uint8_t>(v);
    out[at + 1] = static_cast<uint8_t>(v >> 8);
}

inline void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

inline void Append32(std::vector<uint8_t>& out, uint32_t v) {
    out.resize(out.size() + 4);
    Put32(out, out.size() - 4, v);
}

// Bytes of one stored row: whole 32-bit words.
inline size_t RowBytes(int32_t width, uint16_t bitCount) {
    return (static_cast<size_t>(width < 0 ? 0 : width) * bitCount + 31) / 32 * 4;
}

inline std::vector<uint32_t> GreyRamp(size_t count) {
    std::vector<uint32_t> colors(count);
    for (size_t i = 0; i < count; ++i) {
        uint32_t v = count > 1 ? static_cast<uint32_t>(i * 255 / (count - 1)) : 0;
        colors[i] = v << 16 | v << 8 | v;
    }
    return colors;
}

}  // namespace bmp

// A copy of recipe changed by edit: table rows that differ from a base picture.
template <class Edit>
BmpRecipe With(BmpRecipe recipe, Edit edit) {
    edit(recipe);
    return recipe;
}

// Colour masks of bit-field pictures: 5-6-5 at 16 bits, 8-8-8 at 32 bits.
inline const std::vector<uint32_t> kMasks565 = {0xF800, 0x07E0, 0x001F};
inline const std::vector<uint32_t> kMasks888 = {0xFF0000, 0x00FF00, 0x0000FF};

// The whole file: file header, bitmap header, masks, colour table, pixels, trailing bytes.
inline std::vector<uint8_t> BuildBmp(const BmpRecipe& recipe) {
    const bool core = recipe.headerSize == 12;
    const bool runLength = recipe.compression == 1 || recipe.compression == 2;

    std::vector<uint32_t> colors = recipe.colors;
    if (colors.empty()) {
        size_t implied = recipe.clrUsed != 0 ? recipe.clrUsed
                         : recipe.bitCount <= 8 ? size_t{1} << recipe.bitCount : 0;
        if (implied <= 256) colors = bmp::GreyRamp(implied);
    }
    std::vector<uint8_t> pixels = recipe.pixels;
    if (pixels.empty()) {
        if (runLength)
            pixels = {0, 1};
        else
            pixels.resize(bmp::RowBytes(recipe.width, recipe.bitCount) *
                          static_cast<size_t>(std::llabs(recipe.height)));
    }

    std::vector<uint8_t> header;
    if (core) {
        header.resize(12);
        bmp::Put32(header, 0, 12);
        bmp::Put16(header, 4, static_cast<uint32_t>(recipe.width));
        bmp::Put16(header, 6, static_cast<uint32_t>(recipe.height));
        bmp::Put16(header, 8, 1);
        bmp::Put16(header, 10, recipe.bitCount);
    } else {
        header.resize(recipe.headerSize > 52 ? recipe.headerSize : 52);
        bmp::Put32(header, 0, recipe.headerSize);
        bmp::Put32(header, 4, static_cast<uint32_t>(recipe.width));
        bmp::Put32(header, 8, static_cast<uint32_t>(recipe.height));
        bmp::Put16(header, 12, 1);
        bmp::Put16(header, 14, recipe.bitCount);
        bmp::Put32(header, 16, recipe.compression);
        bmp::Put32(header, 20, recipe.sizeImage.value_or(static_cast<uint32_t>(pixels.size())));
        bmp::Put32(header, 24, 2835);  // 72 dots per inch
        bmp::Put32(header, 28, 2835);
        bmp::Put32(header, 32, recipe.clrUsed);
        if (recipe.headerSize > 40) {
            for (size_t i = 0; i < recipe.masks.size() && 40 + 4 * i + 4 <= header.size(); ++i)
                bmp::Put32(header, 40 + 4 * i, recipe.masks[i]);
        }
        header.resize(recipe.headerSize);
        for (const auto& [at, value] : recipe.headerWords) {
            if (size_t{at} + 4 <= header.size()) bmp::Put32(header, at, value);
        }
        if (recipe.headerSize == 40) {
            for (uint32_t mask : recipe.masks) bmp::Append32(header, mask);
        }
    }

    std::vector<uint8_t> table;
    for (uint32_t c : colors) {
        table.push_back(static_cast<uint8_t>(c));        // blue
        table.push_back(static_cast<uint8_t>(c >> 8));   // green
        table.push_back(static_cast<uint8_t>(c >> 16));  // red
        if (!core) table.push_back(0);
    }

    std::vector<uint8_t> file(14);
    file.insert(file.end(), header.begin(), header.end());
    file.insert(file.end(), table.begin(), table.end());
    const size_t bitsOffset = file.size();
    file.insert(file.end(), pixels.begin(), pixels.end());
    file.insert(file.end(), recipe.trailing.begin(), recipe.trailing.end());
    bmp::Put16(file, 0, recipe.type);
    bmp::Put32(file, 2, recipe.fileSize.value_or(static_cast<uint32_t>(file.size())));
    bmp::Put32(file, 10, static_cast<uint32_t>(bitsOffset));
    return file;
}

// A 24-bit picture whose pixel (x, y), y = 0 at the top, is pixel(x, y) as 0xRRGGBB; rows
// stored bottom-up (positive height) or top-down (negative height).
inline std::vector<uint8_t> BuildBmp24(int width, int height,
                                       const std::function<uint32_t(int x, int y)>& pixel,
                                       bool topDown) {
    BmpRecipe recipe;
    recipe.width = width;
    recipe.height = topDown ? -height : height;
    const size_t row = bmp::RowBytes(width, 24);
    recipe.pixels.assign(row * static_cast<size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        const size_t stored = static_cast<size_t>(topDown ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const uint32_t c = pixel(x, y);
            uint8_t* p = &recipe.pixels[stored * row + 3 * static_cast<size_t>(x)];
            p[0] = static_cast<uint8_t>(c);
            p[1] = static_cast<uint8_t>(c >> 8);
            p[2] = static_cast<uint8_t>(c >> 16);
        }
    }
    return BuildBmp(recipe);
}
