// What survey.dll creates and frees, counted through its own import table: GDI objects
// (palettes, brushes), global memory blocks, file handles and display contexts. A test or
// the soak installs it on a loaded survey.dll and reads the counts.
#pragma once

#include <windows.h>

#include <set>

#include "tests/support/import_patch_win32.h"

struct ResourceLedger {
    std::set<void*> gdiLive, blocksLive, filesLive, dcsLive;
    int palettes = 0, brushes = 0, blocks = 0, files = 0, dcs = 0, failedFrees = 0;
    size_t live() const { return gdiLive.size() + blocksLive.size() + filesLive.size() + dcsLive.size(); }
};

namespace resource_ledger {

inline ResourceLedger ledger;
inline decltype(&CreatePalette) realCreatePalette;
inline decltype(&CreateSolidBrush) realCreateSolidBrush;
inline decltype(&DeleteObject) realDeleteObject;
inline decltype(&GlobalAlloc) realGlobalAlloc;
inline decltype(&GlobalFree) realGlobalFree;
inline decltype(&CreateFileA) realCreateFileA;
inline decltype(&CloseHandle) realCloseHandle;
inline decltype(&GetDC) realGetDC;
inline decltype(&ReleaseDC) realReleaseDC;
inline decltype(&BeginPaint) realBeginPaint;
inline decltype(&EndPaint) realEndPaint;

inline HPALETTE WINAPI CountCreatePalette(const LOGPALETTE* p) {
    HPALETTE h = realCreatePalette(p);
    if (h) ledger.gdiLive.insert(h), ++ledger.palettes;
    return h;
}
inline HBRUSH WINAPI CountCreateSolidBrush(COLORREF c) {
    HBRUSH h = realCreateSolidBrush(c);
    if (h) ledger.gdiLive.insert(h), ++ledger.brushes;
    return h;
}
inline BOOL WINAPI CountDeleteObject(HGDIOBJ h) {
    BOOL ok = realDeleteObject(h);
    if (!ok) ++ledger.failedFrees;
    ledger.gdiLive.erase(h);
    return ok;
}
inline HGLOBAL WINAPI CountGlobalAlloc(UINT flags, SIZE_T size) {
    HGLOBAL h = realGlobalAlloc(flags, size);
    if (h) ledger.blocksLive.insert(h), ++ledger.blocks;
    return h;
}
inline HGLOBAL WINAPI CountGlobalFree(HGLOBAL h) {
    HGLOBAL left = realGlobalFree(h);
    if (left) ++ledger.failedFrees;
    ledger.blocksLive.erase(h);
    return left;
}
inline HANDLE WINAPI CountCreateFileA(LPCSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES sa,
                                      DWORD disposition, DWORD flags, HANDLE tmpl) {
    HANDLE h = realCreateFileA(name, access, share, sa, disposition, flags, tmpl);
    if (h != INVALID_HANDLE_VALUE) ledger.filesLive.insert(h), ++ledger.files;
    return h;
}
inline BOOL WINAPI CountCloseHandle(HANDLE h) {
    BOOL ok = realCloseHandle(h);
    if (!ok) ++ledger.failedFrees;
    ledger.filesLive.erase(h);
    return ok;
}
inline HDC WINAPI CountGetDC(HWND w) {
    HDC dc = realGetDC(w);
    if (dc) ledger.dcsLive.insert(dc), ++ledger.dcs;
    return dc;
}
inline int WINAPI CountReleaseDC(HWND w, HDC dc) {
    int ok = realReleaseDC(w, dc);
    if (!ok) ++ledger.failedFrees;
    ledger.dcsLive.erase(dc);
    return ok;
}
inline HDC WINAPI CountBeginPaint(HWND w, PAINTSTRUCT* ps) {
    HDC dc = realBeginPaint(w, ps);
    if (dc) ledger.dcsLive.insert(dc), ++ledger.dcs;
    return dc;
}
inline BOOL WINAPI CountEndPaint(HWND w, const PAINTSTRUCT* ps) {
    ledger.dcsLive.erase(ps->hdc);
    return realEndPaint(w, ps);
}

}  // namespace resource_ledger

// Counts from now on what module creates and frees; false when one of the calls isn't
// among its imports.
inline bool InstallResourceLedger(HMODULE module) {
    using namespace resource_ledger;
    ledger = ResourceLedger{};
    return PatchImport(module, "gdi32.dll", "CreatePalette", &CountCreatePalette, &realCreatePalette) &&
           PatchImport(module, "gdi32.dll", "CreateSolidBrush", &CountCreateSolidBrush, &realCreateSolidBrush) &&
           PatchImport(module, "gdi32.dll", "DeleteObject", &CountDeleteObject, &realDeleteObject) &&
           PatchImport(module, "kernel32.dll", "GlobalAlloc", &CountGlobalAlloc, &realGlobalAlloc) &&
           PatchImport(module, "kernel32.dll", "GlobalFree", &CountGlobalFree, &realGlobalFree) &&
           PatchImport(module, "kernel32.dll", "CreateFileA", &CountCreateFileA, &realCreateFileA) &&
           PatchImport(module, "kernel32.dll", "CloseHandle", &CountCloseHandle, &realCloseHandle) &&
           PatchImport(module, "user32.dll", "GetDC", &CountGetDC, &realGetDC) &&
           PatchImport(module, "user32.dll", "ReleaseDC", &CountReleaseDC, &realReleaseDC) &&
           PatchImport(module, "user32.dll", "BeginPaint", &CountBeginPaint, &realBeginPaint) &&
           PatchImport(module, "user32.dll", "EndPaint", &CountEndPaint, &realEndPaint);
}

inline const ResourceLedger& Ledger() { return resource_ledger::ledger; }
