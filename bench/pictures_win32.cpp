// The strip's picture against the platform floor, in alternating rounds in one process:
// - loading: LoadDibFile (the header checks, the block, the reads in pieces of at most
//   32 KiB and the layout rules) on 8-bit and 24-bit pictures of 64 KiB, 1 MiB and 16 MiB,
//   against one ReadFile of the same bytes into a global block of the same size;
// - painting: the strip's painter (PaintPanel: palette, fill, placement, the transfer) on a
//   page of the survey's first template, against one SetDIBitsToDevice of the same picture
//   at the same place on the same page, each with its own BeginPaint/EndPaint.
// Prints per picture the median time of each side (the chart uses them) and the ratio:
//   <load|paint> <bits> <bytes> survey_ms <ms> floor_ms <ms> median <ratio> min <ratio> max <ratio> rounds <n>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bench/timing_win32.h"
#include "content/resource.h"
#include "panel/dib_win32.h"
#include "panel/panel_win32.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/scratch_dir_win32.h"
#include "tests/support/survey_dll_win32.h"

namespace {

// The whole file in one read, as the least any loader must do.
void ReadWhole(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD size = GetFileSize(file, nullptr);
    void* block = GlobalAlloc(GPTR, size);
    DWORD read = 0;
    if (block) ReadFile(file, block, size, &read, nullptr);
    CloseHandle(file);
    if (block) GlobalFree(block);
}

void Report(const char* what, unsigned bits, size_t bytes, const std::function<void()>& survey,
            const std::function<void()>& floor, int times, int rounds) {
    std::vector<double> surveyTimes, floorTimes, ratios;
    for (int r = 0; r < rounds; ++r) {
        auto [s, f] = TimeRound(r, survey, floor, times);
        surveyTimes.push_back(s);
        floorTimes.push_back(f);
        ratios.push_back(s / f);
    }
    auto [low, high] = std::minmax_element(ratios.begin(), ratios.end());
    std::printf("%-5s %2u %9zu survey_ms %.4f floor_ms %.4f median %.3f min %.3f max %.3f rounds %d\n", what, bits,
                bytes, Median(surveyTimes) * 1000, Median(floorTimes) * 1000, Median(ratios), *low, *high, rounds);
    std::fflush(stdout);
}

std::string WritePicture(const ScratchDir& dir, const BmpRecipe& recipe, const std::string& name, size_t* bytes) {
    std::vector<uint8_t> bmp = BuildBmp(recipe);
    std::string path = dir / name;
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bmp.data(), 1, bmp.size(), f);
        std::fclose(f);
    }
    *bytes = bmp.size();
    return path;
}

INT_PTR CALLBACK PlainPage(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 11;
    ScratchDir dir("survey-bench-pictures");
    const struct {
        uint16_t bits;
        uint32_t bytes;  // about this large
    } pictures[] = {{8, 64 << 10}, {8, 1 << 20}, {8, 16 << 20}, {24, 64 << 10}, {24, 1 << 20}, {24, 16 << 20}};
    for (const auto& p : pictures) {
        BmpRecipe recipe;
        recipe.bitCount = p.bits;
        recipe.width = 1024;
        uint32_t row = 1024u * p.bits / 8, table = p.bits == 8 ? 1024 : 0;
        recipe.height = static_cast<int32_t>((p.bytes - 54 - table) / row);
        recipe.pixels.assign(static_cast<size_t>(row) * recipe.height, 0x5A);
        size_t bytes = 0;
        std::string path = WritePicture(dir, recipe, "picture-" + std::to_string(p.bits) + "-" + std::to_string(p.bytes) + ".bmp", &bytes);
        // Enough loads per round for a measurable time, fewer for the large pictures.
        int times = p.bytes >= (16u << 20) ? 3 : p.bytes >= (1u << 20) ? 20 : 200;
        auto survey = [&] {
            PackedDib dib = LoadDibFile(path.c_str());
            if (!dib.bytes) std::abort();
            FreeDib(&dib);
        };
        Report("load", p.bits, bytes, survey, [&] { ReadWhole(path); }, times, rounds);
    }

    // Painting, on a page of the survey's own first template.
    SurveyLibrary lib;
    if (!lib.module) return 2;
    HWND page = CreateDialogParamA(lib.module, MAKEINTRESOURCEA(IDD_PAGE1), nullptr, PlainPage, 0);
    if (!page) return 2;
    ShowWindow(page, SW_SHOWNA);
    HWND strip = GetDlgItem(page, IDC_PANEL);
    RECT r;
    GetWindowRect(strip, &r);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
    for (uint16_t bits : {8, 24}) {
        // A picture of about the strip's size, centred in it.
        BmpRecipe recipe;
        recipe.bitCount = bits;
        recipe.width = 120;
        recipe.height = 300;
        recipe.pixels.assign(static_cast<size_t>((120 * bits / 8 + 3) / 4 * 4) * 300, 0x5A);
        size_t bytes = 0;
        std::string path = WritePicture(dir, recipe, "strip-" + std::to_string(bits) + ".bmp", &bytes);
        std::string settings = dir / "panel.ini";
        const char* keys[][2] = {{"activate", "1"}, {"display", "1"}, {"bitmap file", path.c_str()},
                                 {"fill background", "1"}, {"horizontal", "CENTERED"}, {"vertical", "CENTERED"}};
        for (auto& k : keys) WritePrivateProfileStringA("bitmap", k[0], k[1], settings.c_str());
        InitPanel(settings.c_str(), strip);
        PackedDib dib = LoadDibFile(path.c_str());
        if (!dib.bytes) return 2;
        int x = (r.left + r.right - 120) / 2, y = (r.top + r.bottom - 300) / 2;
        auto bare = [&] {
            InvalidateRect(page, nullptr, FALSE);
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(page, &ps);
            SetDIBitsToDevice(dc, x, y, 120, 300, 0, 0, 0, 300, DibBits(dib),
                              reinterpret_cast<const BITMAPINFO*>(dib.bytes), DIB_RGB_COLORS);
            EndPaint(page, &ps);
        };
        Report("paint", bits, bytes, [&] { PaintPanel(page); }, bare, 200, rounds);
        FreeDib(&dib);
        ReleasePanel();
    }
    DestroyWindow(page);
    return 0;
}
