// The BMP loader and palette builder: file and memory calls around the rules of dib.cpp.
#include "panel/dib_win32.h"

#include <cstddef>

namespace {

// Closes the file on every way out of ReadDibFile.
struct FileHandle {
    HANDLE handle;
    explicit FileHandle(HANDLE h) : handle(h) {}
    ~FileHandle() {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
};

bool ReadExactly(HANDLE file, void* buffer, DWORD size) {
    DWORD read = 0;
    return ReadFile(file, buffer, size, &read, nullptr) && read == size;
}

// The body bytes that follow the file header, read into a new block; none on failure.
PackedDib ReadBody(HANDLE file, uint32_t body) {
    uint8_t* bytes = static_cast<uint8_t*>(GlobalAlloc(GPTR, body));
    if (bytes == nullptr) return PackedDib{};
    for (uint32_t done = 0; done < body;) {
        uint32_t piece = body - done < DIB_READ_PIECE ? body - done : DIB_READ_PIECE;
        if (!ReadExactly(file, bytes + done, piece)) {
            GlobalFree(bytes);
            return PackedDib{};
        }
        done += piece;
    }
    PackedDib dib{};
    dib.bytes = bytes;
    dib.size = body;
    return dib;
}

// The file's bytes from offset 14 on, unchecked; the file is closed on return.
PackedDib ReadDibFile(const char* path) {
    FileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.handle == INVALID_HANDLE_VALUE) return PackedDib{};

    uint8_t header[DIB_FILE_HEADER_SIZE];
    if (!ReadExactly(file.handle, header, sizeof header)) return PackedDib{};
    DWORD high = 0;
    DWORD low = GetFileSize(file.handle, &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return PackedDib{};
    uint32_t body = DibBodySize(header, static_cast<uint64_t>(high) << 32 | low);
    if (body == 0) return PackedDib{};
    return ReadBody(file.handle, body);
}

// The logical palette with room for a full colour table: LOGPALETTE declares one entry.
struct FullPalette {
    WORD palVersion;
    WORD palNumEntries;
    PALETTEENTRY palPalEntry[DIB_MAX_COLORS];
};
static_assert(offsetof(FullPalette, palPalEntry) == offsetof(LOGPALETTE, palPalEntry),
              "FullPalette must start like LOGPALETTE");

}  // namespace

PackedDib LoadDibFile(const char* path) {
    if (path == nullptr) return PackedDib{};
    PackedDib dib = ReadDibFile(path);
    // The layout is read here once; the painter's questions answer from it.
    if (dib.bytes != nullptr && !ReadDibLayout(dib.bytes, dib.size, &dib.layout)) FreeDib(&dib);
    return dib;
}

void FreeDib(PackedDib* dib) {
    if (dib == nullptr) return;
    if (dib->bytes != nullptr) GlobalFree(dib->bytes);
    *dib = PackedDib{};
}

HPALETTE CreateDibPalette(const PackedDib& dib) {
    DibColor colors[DIB_MAX_COLORS];
    int count = DibColors(dib, colors, DIB_MAX_COLORS);
    if (count == 0) return nullptr;
    FullPalette palette;
    palette.palVersion = 0x300;
    palette.palNumEntries = static_cast<WORD>(count);
    for (int i = 0; i < count; ++i)
        palette.palPalEntry[i] = PALETTEENTRY{colors[i].red, colors[i].green, colors[i].blue, 0};
    return CreatePalette(reinterpret_cast<const LOGPALETTE*>(&palette));
}
