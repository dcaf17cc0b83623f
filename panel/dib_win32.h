// Loading a BMP file into one global memory block, and the logical palette of a picture.
#pragma once

#include <windows.h>

#include "panel/dib.h"

// Reads the file at path (up to 259 characters) from offset 14 on into a zero-filled
// GlobalAlloc block, refusing other writers while it reads, and stores the block's layout
// with it. Returns none (all zero) when the file can't be opened or read, is not "BM",
// claims more bytes than it holds, or holds a picture ReadDibLayout refuses. The caller
// owns the block and frees it with FreeDib.
PackedDib LoadDibFile(const char* path);

// Frees a block from LoadDibFile, if any, and leaves dib as none.
void FreeDib(PackedDib* dib);

// A logical palette of the picture's colour table, or null when the picture has no colours
// or there is no picture. The caller deletes it with DeleteObject.
HPALETTE CreateDibPalette(const PackedDib& dib);
