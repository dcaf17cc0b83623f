// Finding and looking at the survey pages a test's own thread has open: the page that has
// just appeared, and the pixels of its client area.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace page_watch {

inline BOOL CALLBACK FindUnseenPage(HWND window, LPARAM found) {
    char cls[16] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(window) && !GetPropA(window, "survey-test-seen")) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace page_watch

// The visible dialog of this thread that no earlier call returned, marked as seen, or null.
inline HWND FindNewPage() {
    HWND page = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), page_watch::FindUnseenPage, reinterpret_cast<LPARAM>(&page));
    if (page) SetPropA(page, "survey-test-seen", reinterpret_cast<HANDLE>(1));
    return page;
}

// A window's client area as 0x00RRGGBB values, row by row from the top.
struct ClientPixels {
    int width = 0, height = 0;
    std::vector<uint32_t> rgb;
    uint32_t at(int x, int y) const { return rgb[static_cast<size_t>(y) * width + x]; }
};

inline ClientPixels CaptureClient(HWND window) {
    ClientPixels out;
    RECT r;
    GetClientRect(window, &r);
    out.width = r.right;
    out.height = r.bottom;
    BITMAPINFOHEADER bih = {sizeof bih, out.width, -out.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = GetDC(window);
    HBITMAP dib = CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&bih), DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, out.width, out.height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    const uint32_t* p = static_cast<const uint32_t*>(bits);
    out.rgb.assign(p, p + static_cast<size_t>(out.width) * out.height);
    for (uint32_t& v : out.rgb) v &= 0xFFFFFF;
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(dib);
    ReleaseDC(window, dc);
    return out;
}
