// The rules for reading a BMP picture held in memory: which file headers are accepted, how
// the picture is laid out (header, colour table, pixels), and where each part starts. No
// windows.h: the loader and the painter in dib_win32.cpp and panel_win32.cpp use these.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr uint32_t DIB_FILE_HEADER_SIZE = 14;   // "BM", bfSize, reserved, bfOffBits
constexpr uint32_t DIB_READ_PIECE = 32768;      // largest single read from the file
constexpr int DIB_MAX_COLORS = 256;             // longest colour table accepted

// The header sizes writers produce; no other is accepted.
constexpr uint32_t DIB_CORE_HEADER_SIZE = 12;   // 16-bit sizes, 3-byte colour entries
constexpr uint32_t DIB_INFO_HEADER_SIZE = 40;   // colour masks, when used, follow it
constexpr uint32_t DIB_V2_HEADER_SIZE = 52;     // holds the red, green and blue masks
constexpr uint32_t DIB_V3_HEADER_SIZE = 56;     // and the alpha mask
constexpr uint32_t DIB_V4_HEADER_SIZE = 108;    // and a colour space
constexpr uint32_t DIB_V5_HEADER_SIZE = 124;    // and a colour profile's place

// A 124-byte header's colour space types that name profile bytes inside the block.
constexpr uint32_t DIB_PROFILE_EMBEDDED = 0x4D424544;  // 'MBED'
constexpr uint32_t DIB_PROFILE_LINKED = 0x4C494E4B;    // 'LINK'

// One colour of a picture's colour table.
struct DibColor {
    uint8_t red, green, blue;
};

// Where the parts of a picture lie inside its block, and how it is drawn. All zero for a
// block that was refused or never read.
struct DibLayout {
    uint32_t headerSize;      // 12, 40, 52, 56, 108 or 124
    int32_t width;            // pixels, 1..32767
    int32_t height;           // rows as stored: negative when stored top-down
    uint32_t rows;            // |height|, 1..32767
    uint16_t bitCount;
    uint32_t compression;
    uint32_t colorOffset;     // where the colour table starts (after any colour masks)
    uint32_t colorEntrySize;  // 3 after a 12-byte header, 4 otherwise
    uint32_t colorCount;      // entries in the colour table, at most 256
    uint32_t bitsOffset;      // where the pixels start
    uint32_t bitsSize;        // bytes of pixel data, all inside the block
};

// A picture file from offset 14 on (header, colour table, pixels), in one zero-filled block,
// and its layout, read once when the block was loaded (see ReadDibLayout). bytes is null
// when there is no picture. The block is owned by whoever loaded it.
struct PackedDib {
    uint8_t* bytes;
    uint32_t size;
    DibLayout layout;
};

// The number of bytes that follow the 14-byte file header, taken from bfSize, or 0 when
// the file is refused: not "BM", bfSize of 14 or less, or bfSize past the file's end.
// fileSize is the whole file's length in bytes.
uint32_t DibBodySize(const uint8_t (&fileHeader)[DIB_FILE_HEADER_SIZE], uint64_t fileSize);

// Reads and checks the layout of a block; false when the picture can't be drawn safely
// (a header size no writer produces, an unknown depth or compression, empty or over-large
// sizes, colour masks, a colour table, pixel rows or a colour profile that reach past the
// block). When it is accepted, every byte the drawing calls read of it, given the pixels
// at bitsOffset, lies inside the block. On refusal the layout is left all zero. Reads
// nothing outside bytes[0, size).
bool ReadDibLayout(const uint8_t* bytes, uint32_t size, DibLayout* layout);

// Questions the painter asks of a loaded picture, answered from its stored layout without
// reading the header again. All are safe on any PackedDib, including none (then 0 or null):
// a layout that does not fit its block is answered as none.
const uint8_t* DibBits(const PackedDib& dib);
int16_t DibWidth(const PackedDib& dib);
int16_t DibHeight(const PackedDib& dib);  // as stored: negative for a top-down picture
int DibColorCount(const PackedDib& dib);

// Copies the picture's colour table (at most DibColorCount entries, at most `capacity`)
// into colors; returns how many were written.
int DibColors(const PackedDib& dib, DibColor* colors, int capacity);
