// Which BMP pictures are accepted and where their parts lie inside the loaded block. Every
// field is read through a bounds check, and every size is worked out in 64 bits, so a
// damaged or hostile file is refused instead of being read past its end.
#include "panel/dib.h"

#include <cstring>

namespace {

constexpr uint16_t DIB_TYPE_BM = 0x4D42;      // "BM", little-endian
constexpr int32_t DIB_MAX_EXTENT = 32767;     // the painter reads sizes back as 16 bits

// The drawing calls read a bit-fields picture's three 4-byte masks at bytes 40 to 51,
// whatever its header size says.
constexpr uint32_t DIB_MASKS_END = 52;

// Where a 124-byte header keeps its colour space type, and its profile's place (counted
// from the header's start) and length.
constexpr uint32_t DIB_V5_CS_TYPE_OFFSET = 56;
constexpr uint32_t DIB_V5_PROFILE_DATA_OFFSET = 112;
constexpr uint32_t DIB_V5_PROFILE_SIZE_OFFSET = 116;

constexpr uint32_t DIB_COMPRESS_RGB = 0;
constexpr uint32_t DIB_COMPRESS_RLE8 = 1;
constexpr uint32_t DIB_COMPRESS_RLE4 = 2;
constexpr uint32_t DIB_COMPRESS_BITFIELDS = 3;

// Little-endian fields at any alignment; the caller has checked the bounds.
uint16_t Read16(const uint8_t* p) {
    uint8_t b[2];
    std::memcpy(b, p, sizeof b);
    return static_cast<uint16_t>(b[0] | b[1] << 8);
}

uint32_t Read32(const uint8_t* p) {
    uint8_t b[4];
    std::memcpy(b, p, sizeof b);
    return static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
           static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24;
}

bool IsExtent(int64_t v) { return v >= 1 && v <= DIB_MAX_EXTENT; }

// The 12-byte core header: 16-bit sizes, 3-byte colour entries, never top-down or packed.
bool ReadCoreHeader(const uint8_t* bytes, uint32_t size, DibLayout* out) {
    if (size < DIB_CORE_HEADER_SIZE) return false;
    uint16_t bits = Read16(bytes + 10);
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24) return false;
    out->width = Read16(bytes + 4);
    out->height = Read16(bytes + 6);
    out->bitCount = bits;
    out->compression = DIB_COMPRESS_RGB;
    out->colorOffset = DIB_CORE_HEADER_SIZE;
    out->colorEntrySize = 3;
    out->colorCount = bits <= 8 ? 1u << bits : 0;
    return true;
}

bool IsInfoHeaderSize(uint32_t headerSize) {
    return headerSize == DIB_INFO_HEADER_SIZE || headerSize == DIB_V2_HEADER_SIZE ||
           headerSize == DIB_V3_HEADER_SIZE || headerSize == DIB_V4_HEADER_SIZE ||
           headerSize == DIB_V5_HEADER_SIZE;
}

// A 124-byte header may name profile bytes elsewhere in the block; a colour-managing
// drawing call reads them, so they must lie wholly inside it.
bool ProfileFits(const uint8_t* bytes, uint32_t size, uint32_t headerSize) {
    if (headerSize != DIB_V5_HEADER_SIZE) return true;
    uint32_t csType = Read32(bytes + DIB_V5_CS_TYPE_OFFSET);
    if (csType != DIB_PROFILE_EMBEDDED && csType != DIB_PROFILE_LINKED) return true;
    uint64_t offset = Read32(bytes + DIB_V5_PROFILE_DATA_OFFSET);
    uint64_t length = Read32(bytes + DIB_V5_PROFILE_SIZE_OFFSET);
    return offset + length <= size;
}

// A 40-byte or longer header: signed 32-bit sizes, 4-byte colour entries, optional masks,
// and in a 124-byte one a colour profile's place.
bool ReadInfoHeader(const uint8_t* bytes, uint32_t size, uint32_t headerSize, DibLayout* out) {
    if (headerSize > size) return false;
    uint16_t bits = Read16(bytes + 14);
    uint32_t compression = Read32(bytes + 16);
    uint32_t sizeImage = Read32(bytes + 20);
    uint32_t clrUsed = Read32(bytes + 32);
    int32_t height = static_cast<int32_t>(Read32(bytes + 8));

    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    switch (compression) {
    case DIB_COMPRESS_RGB:
        break;
    case DIB_COMPRESS_BITFIELDS:
        if (bits != 16 && bits != 32) return false;
        break;
    case DIB_COMPRESS_RLE8:
    case DIB_COMPRESS_RLE4:
        // Run-length pictures are only drawn bottom-up, and their length is only known
        // from the header.
        if (bits != (compression == DIB_COMPRESS_RLE8 ? 8 : 4)) return false;
        if (height < 0 || sizeImage == 0) return false;
        break;
    default:
        return false;
    }
    if (clrUsed > static_cast<uint32_t>(DIB_MAX_COLORS)) return false;
    if (!ProfileFits(bytes, size, headerSize)) return false;

    out->width = static_cast<int32_t>(Read32(bytes + 4));
    out->height = height;
    out->bitCount = bits;
    out->compression = compression;
    // The drawing calls take the masks from bytes 40 to 51 whatever the header size: after
    // a 40-byte header, inside a longer one. The colour table follows both.
    out->colorOffset = headerSize;
    if (compression == DIB_COMPRESS_BITFIELDS && out->colorOffset < DIB_MASKS_END)
        out->colorOffset = DIB_MASKS_END;
    out->colorEntrySize = 4;
    out->colorCount = clrUsed != 0 ? clrUsed : bits <= 8 ? 1u << bits : 0;
    out->bitsSize = sizeImage;  // run-length pictures only; replaced below otherwise
    return true;
}

bool ReadLayout(const uint8_t* bytes, uint32_t size, DibLayout* layout) {
    if (size < 4) return false;
    DibLayout l{};
    l.headerSize = Read32(bytes);
    if (l.headerSize == DIB_CORE_HEADER_SIZE) {
        if (!ReadCoreHeader(bytes, size, &l)) return false;
    } else if (IsInfoHeaderSize(l.headerSize)) {
        if (!ReadInfoHeader(bytes, size, l.headerSize, &l)) return false;
    } else {
        // Sizes no writer produces: the drawing calls would read such a header with rules
        // of their own (masks at bytes 40 to 51 of a 44-byte one, for instance).
        return false;
    }

    int64_t rows = l.height < 0 ? -static_cast<int64_t>(l.height) : l.height;
    if (!IsExtent(l.width) || !IsExtent(rows)) return false;
    l.rows = static_cast<uint32_t>(rows);

    uint64_t bitsOffset =
        static_cast<uint64_t>(l.colorOffset) + uint64_t{l.colorEntrySize} * l.colorCount;
    uint64_t bitsSize = l.bitsSize;
    if (l.compression != DIB_COMPRESS_RLE8 && l.compression != DIB_COMPRESS_RLE4) {
        uint64_t rowBytes = (static_cast<uint64_t>(l.width) * l.bitCount + 31) / 32 * 4;
        bitsSize = rowBytes * l.rows;
    }
    if (bitsOffset + bitsSize > size) return false;
    l.bitsOffset = static_cast<uint32_t>(bitsOffset);
    l.bitsSize = static_cast<uint32_t>(bitsSize);
    *layout = l;
    return true;
}

// The stored layout when it describes a picture that fits its block, else null: the
// questions below read only what it names, so any other is answered as none.
const DibLayout* FittingLayout(const PackedDib& dib) {
    const DibLayout& l = dib.layout;
    if (dib.bytes == nullptr) return nullptr;
    if (!IsExtent(l.width) || !IsExtent(l.rows)) return nullptr;
    if (l.height != static_cast<int32_t>(l.rows) && l.height != -static_cast<int32_t>(l.rows)) return nullptr;
    if (l.colorEntrySize != 3 && l.colorEntrySize != 4) return nullptr;
    if (l.colorCount > static_cast<uint32_t>(DIB_MAX_COLORS)) return nullptr;
    uint64_t tableEnd = uint64_t{l.colorOffset} + uint64_t{l.colorEntrySize} * l.colorCount;
    if (tableEnd > l.bitsOffset || uint64_t{l.bitsOffset} + l.bitsSize > dib.size) return nullptr;
    return &l;
}

}  // namespace

uint32_t DibBodySize(const uint8_t (&fileHeader)[DIB_FILE_HEADER_SIZE], uint64_t fileSize) {
    if (Read16(fileHeader) != DIB_TYPE_BM) return 0;
    uint32_t fileSizeField = Read32(fileHeader + 2);
    // A bfSize of 14 or less leaves no picture; one past the file's end can't be read, and
    // is refused before anything is allocated for it.
    if (fileSizeField <= DIB_FILE_HEADER_SIZE || fileSizeField > fileSize) return 0;
    return fileSizeField - DIB_FILE_HEADER_SIZE;
}

bool ReadDibLayout(const uint8_t* bytes, uint32_t size, DibLayout* layout) {
    if (layout == nullptr) return false;
    *layout = DibLayout{};
    return bytes != nullptr && ReadLayout(bytes, size, layout);
}

const uint8_t* DibBits(const PackedDib& dib) {
    const DibLayout* l = FittingLayout(dib);
    return l ? dib.bytes + l->bitsOffset : nullptr;
}

int16_t DibWidth(const PackedDib& dib) {
    const DibLayout* l = FittingLayout(dib);
    return l ? static_cast<int16_t>(l->width) : 0;
}

int16_t DibHeight(const PackedDib& dib) {
    const DibLayout* l = FittingLayout(dib);
    return l ? static_cast<int16_t>(l->height) : 0;
}

int DibColorCount(const PackedDib& dib) {
    const DibLayout* l = FittingLayout(dib);
    return l ? static_cast<int>(l->colorCount) : 0;
}

int DibColors(const PackedDib& dib, DibColor* colors, int capacity) {
    const DibLayout* l = FittingLayout(dib);
    if (colors == nullptr || capacity <= 0 || l == nullptr) return 0;
    int count = static_cast<int>(l->colorCount) < capacity ? static_cast<int>(l->colorCount) : capacity;
    // Entries are blue, green, red, then a reserved byte after any header but the core one.
    const uint8_t* entry = dib.bytes + l->colorOffset;
    for (int i = 0; i < count; ++i, entry += l->colorEntrySize)
        colors[i] = DibColor{entry[2], entry[1], entry[0]};
    return count;
}
