// Writes the picture fuzzer's starting files: one small picture of each accepted kind and
// a few that are refused near the edge, so mutations start from every branch of the rules.
// Usage: dib_fuzz_seeds DIR  (writes DIR/seeds, makes DIR/corpus for what the fuzzer finds)
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/bmp_builder.h"

namespace {

BmpRecipe Pic(uint32_t headerSize, uint16_t bits, int32_t height = 2) {
    BmpRecipe s;
    s.headerSize = headerSize;
    s.bitCount = bits;
    s.width = 3;
    s.height = height;
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: dib_fuzz_seeds DIR\n");
        return 2;
    }
    namespace fs = std::filesystem;
    const fs::path seeds = fs::path(argv[1]) / "seeds";
    fs::create_directories(seeds);
    fs::create_directories(fs::path(argv[1]) / "corpus");

    std::vector<std::pair<std::string, BmpRecipe>> files;
    for (uint16_t bits : {1, 4, 8, 24}) files.push_back({"core" + std::to_string(bits), Pic(12, bits)});
    for (uint16_t bits : {1, 4, 8, 16, 24, 32}) files.push_back({"info" + std::to_string(bits), Pic(40, bits)});
    files.push_back({"info4-used6", Pic(40, 4)});
    files.back().second.clrUsed = 6;
    files.push_back({"info24-topdown", Pic(40, 24, -2)});
    files.push_back({"masks16", Pic(40, 16)});
    files.back().second.compression = 3;
    files.back().second.masks = {0xF800, 0x07E0, 0x001F};
    files.push_back({"v5-masks32", Pic(124, 32)});
    files.back().second.compression = 3;
    files.back().second.masks = {0xFF0000, 0x00FF00, 0x0000FF, 0xFF000000};
    files.push_back({"rle8", Pic(40, 8)});
    files.back().second.compression = 1;
    files.back().second.pixels = {3, 5, 0, 0, 0, 3, 1, 2, 3, 0, 0, 1};
    files.push_back({"rle4", Pic(40, 4)});
    files.back().second.compression = 2;
    files.back().second.pixels = {3, 0x12, 0, 0, 3, 0x34, 0, 1};
    files.push_back({"header14", Pic(14, 24)});
    files.push_back({"short-rows", Pic(40, 24)});
    files.back().second.pixels.assign(23, 0);

    for (const auto& [name, recipe] : files) {
        const std::vector<uint8_t> bytes = BuildBmp(recipe);
        std::ofstream out(seeds / (name + ".bmp"), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "dib_fuzz_seeds: cannot write %s\n", name.c_str());
            return 1;
        }
    }
    std::printf("dib_fuzz_seeds: %zu files in %s\n", files.size(), seeds.string().c_str());
    return 0;
}
