// Window pictures as PNG: BitBlt from the window DC into a DIB section, then GDI+'s PNG
// encoder (PrintWindow would give only the background of a dialog).
#include "pilot/picture_win32.h"

#include <gdiplus.h>

#include <vector>

namespace {

// GDI+'s built-in PNG encoder.
const CLSID PNG_ENCODER = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

// Each holder frees what it was given; none can be copied, so nothing is freed twice.
struct WindowDc {
    HWND window;
    HDC dc;
    explicit WindowDc(HWND w) : window(w), dc(GetWindowDC(w)) {}
    ~WindowDc() { if (dc) ReleaseDC(window, dc); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
};

struct MemoryDc {
    HDC dc;
    explicit MemoryDc(HDC like) : dc(CreateCompatibleDC(like)) {}
    ~MemoryDc() { if (dc) DeleteDC(dc); }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
};

struct GdiObject {
    HGDIOBJ object;
    explicit GdiObject(HGDIOBJ o) : object(o) {}
    ~GdiObject() { if (object) DeleteObject(object); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
};

// Selects an object into a DC and puts the previous one back.
struct Selection {
    HDC dc;
    HGDIOBJ previous;
    Selection(HDC d, HGDIOBJ o) : dc(d), previous(SelectObject(d, o)) {}
    ~Selection() { if (previous) SelectObject(dc, previous); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
};

struct GdipImage {
    Gdiplus::GpBitmap* bitmap = nullptr;
    ~GdipImage() { if (bitmap) Gdiplus::DllExports::GdipDisposeImage(bitmap); }
};

std::wstring Widen(const std::string& text) {
    int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(n > 0 ? n : 1, L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
    return std::wstring(wide.data());
}

}  // namespace

PictureService::PictureService() {
    Gdiplus::GdiplusStartupInput input;
    started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
}

PictureService::~PictureService() {
    if (started_) Gdiplus::GdiplusShutdown(token_);
}

bool SaveWindowPicture(HWND window, const std::string& path, std::string* error) {
    RECT r;
    if (!GetWindowRect(window, &r) || r.right <= r.left || r.bottom <= r.top) {
        *error = "the page has no size to take a picture of";
        return false;
    }
    int width = r.right - r.left, height = r.bottom - r.top;

    WindowDc source(window);
    if (!source.dc) {
        *error = "no device context for the page";
        return false;
    }
    MemoryDc memory(source.dc);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiObject dib(CreateDIBSection(memory.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory.dc || !dib.object) {
        *error = "cannot make a bitmap of the page's size";
        return false;
    }
    {
        Selection select(memory.dc, dib.object);
        if (!BitBlt(memory.dc, 0, 0, width, height, source.dc, 0, 0, SRCCOPY)) {
            *error = "cannot copy the page's pixels (error " + std::to_string(GetLastError()) +
                     "; a window of another process needs Wine's X11 driver)";
            return false;
        }
    }

    GdipImage image;
    if (Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(static_cast<HBITMAP>(dib.object), nullptr,
                                                         &image.bitmap) != Gdiplus::Ok) {
        *error = "GDI+ cannot take the bitmap";
        return false;
    }
    Gdiplus::GpStatus status =
        Gdiplus::DllExports::GdipSaveImageToFile(image.bitmap, Widen(path).c_str(), &PNG_ENCODER, nullptr);
    if (status != Gdiplus::Ok) {
        *error = "GDI+ cannot write " + path + " (status " + std::to_string(status) + ")";
        return false;
    }
    return true;
}
