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

BmpRecipe Masked(uint32_t headerSize, uint16_t bits, int32_t width = 3, int32_t height = 2) {
    BmpRecipe s = Pic(headerSize, bits, height);
    s.width = width;
    s.compression = 3;
    s.masks = bits == 16 ? std::vector<uint32_t>{0xF800, 0x07E0, 0x001F}
                         : std::vector<uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0xFF000000};
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
    files.push_back({"masks16", Masked(40, 16)});
    files.push_back({"masks32-exact", Masked(40, 32, 1, 1)});   // masks end at 52, one pixel
    files.push_back({"masks32-cut", Masked(40, 32, 1, 1)});     // block ends inside the masks
    files.back().second.fileSize = 14 + 48;
    files.push_back({"header44-masks32", Masked(44, 32, 1, 1)});  // a 48-byte block
    for (uint32_t size : {52u, 56u, 108u, 124u}) {
        files.push_back({"v" + std::to_string(size) + "-masks32", Masked(size, 32)});
        files.push_back({"v" + std::to_string(size) + "-8", Pic(size, 8)});
        files.back().second.clrUsed = 4;
    }
    // A 124-byte header with an embedded profile after the pixels, and a linked one.
    files.push_back({"v124-profile", Pic(124, 24)});
    files.back().second.headerWords = {{56, 0x4D424544}, {112, 124 + 24}, {116, 8}};
    files.back().second.trailing.assign(8, 0x5A);
    files.push_back({"v124-linked", Pic(124, 24)});
    files.back().second.headerWords = {{56, 0x4C494E4B}, {112, 124 + 24}, {116, 12}};
    files.back().second.trailing = {'C', ':', '\\', 'p', '.', 'i', 'c', 'c', 0, 0, 0, 0};
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
