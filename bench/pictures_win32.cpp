// Loading a picture for the strip, against the platform floor: LoadDibFile (the header
// checks, the block, the reads in pieces of at most 32 KiB and the layout rules) on 8-bit
// and 24-bit pictures of 64 KiB, 1 MiB and 16 MiB, against one ReadFile of the same bytes
// into a global block of the same size. Alternating rounds in one process; prints per
// picture the median time of each side (for the chart) and the median ratio:
//   load <bits> <bytes> survey_ms <ms> floor_ms <ms> median <ratio> min <ratio> max <ratio> rounds <n>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bench/timing_win32.h"
#include "panel/dib_win32.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/scratch_dir_win32.h"

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
        std::vector<uint8_t> bmp = BuildBmp(recipe);
        std::string path = dir / ("picture-" + std::to_string(p.bits) + "-" + std::to_string(p.bytes) + ".bmp");
        if (FILE* f = std::fopen(path.c_str(), "wb")) {
            std::fwrite(bmp.data(), 1, bmp.size(), f);
            std::fclose(f);
        }
        // Enough loads per round for a measurable time, fewer for the large pictures.
        int times = p.bytes >= (16u << 20) ? 3 : p.bytes >= (1u << 20) ? 20 : 200;
        auto survey = [&] {
            PackedDib dib = LoadDibFile(path.c_str());
            if (!dib.bytes) std::abort();
            FreeDib(&dib);
        };
        auto floor = [&] { ReadWhole(path); };
        std::vector<double> surveyTimes, floorTimes, ratios;
        for (int r = 0; r < rounds; ++r) {
            auto [s, f] = TimeRound(r, survey, floor, times);
            surveyTimes.push_back(s);
            floorTimes.push_back(f);
            ratios.push_back(s / f);
        }
        std::vector<double> sorted = ratios;
        std::sort(sorted.begin(), sorted.end());
        std::printf("load %2u %9zu survey_ms %.4f floor_ms %.4f median %.3f min %.3f max %.3f rounds %d\n", p.bits,
                    bmp.size(), Median(surveyTimes) * 1000, Median(floorTimes) * 1000, Median(ratios),
                    sorted.front(), sorted.back(), rounds);
        std::fflush(stdout);
    }
    return 0;
}
