// LoadDibFile on real files in a fresh directory per test, and CreateDibPalette on real
// GDI palettes. The loader's GlobalAlloc and GlobalFree calls are counted through this
// program's import table, so a block left behind on any path shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "panel/dib_win32.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/import_patch_win32.h"
#include "tests/support/scratch_dir_win32.h"

namespace {

// ---- Counting the global memory calls the loader makes ----

int g_allocs = 0;
int g_frees = 0;
decltype(&GlobalAlloc) g_realAlloc = nullptr;
decltype(&GlobalFree) g_realFree = nullptr;

HGLOBAL WINAPI CountingAlloc(UINT flags, SIZE_T bytes) {
    HGLOBAL h = g_realAlloc(flags, bytes);
    if (h) ++g_allocs;
    return h;
}

HGLOBAL WINAPI CountingFree(HGLOBAL h) {
    if (h) ++g_frees;
    return g_realFree(h);
}

// ---- Files ----

class DibFileTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (g_realAlloc) return;
        HMODULE self = GetModuleHandleA(nullptr);
        PatchImport(self, "kernel32.dll", "GlobalAlloc", &CountingAlloc, &g_realAlloc);
        PatchImport(self, "kernel32.dll", "GlobalFree", &CountingFree, &g_realFree);
    }

    void SetUp() override {
        ASSERT_NE(g_realAlloc, nullptr) << "GlobalAlloc is not imported by name";
        ASSERT_NE(g_realFree, nullptr) << "GlobalFree is not imported by name";
        ASSERT_TRUE(scratch.created()) << GetLastError();
    }

    void TearDown() override { EXPECT_TRUE(scratch.Remove()) << "left behind: " << dir; }

    std::string Path(const char* name) const { return dir + "\\" + name; }

    static void Write(const std::string& path, const std::vector<uint8_t>& bytes) {
        HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(f, INVALID_HANDLE_VALUE) << path << " " << GetLastError();
        DWORD written = 0;
        if (!bytes.empty()) {
            EXPECT_TRUE(WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
        }
        EXPECT_EQ(written, bytes.size());
        CloseHandle(f);
    }

    // True when nobody holds the file open: an exclusive open succeeds.
    static bool IsClosed(const std::string& path) {
        HANDLE f = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (f == INVALID_HANDLE_VALUE) return false;
        CloseHandle(f);
        return true;
    }

    // Loads path and expects a block holding the file's bytes from offset 14 on; frees it.
    static void ExpectLoads(const std::string& path, const std::vector<uint8_t>& file) {
        const int allocs = g_allocs, frees = g_frees;
        PackedDib dib = LoadDibFile(path.c_str());
        ASSERT_NE(dib.bytes, nullptr);
        EXPECT_EQ(g_allocs - allocs, 1);
        ASSERT_EQ(dib.size, file.size() - 14);
        EXPECT_TRUE(std::equal(file.begin() + 14, file.end(), dib.bytes)) << "block differs from the file";
        EXPECT_GE(GlobalSize(dib.bytes), dib.size);
        // The layout comes with the block, read once by the loader.
        DibLayout layout;
        ASSERT_TRUE(ReadDibLayout(dib.bytes, dib.size, &layout));
        EXPECT_EQ(DibBits(dib), dib.bytes + layout.bitsOffset);
        EXPECT_EQ(DibWidth(dib), layout.width);
        EXPECT_EQ(DibHeight(dib), layout.height);
        EXPECT_TRUE(IsClosed(path));
        FreeDib(&dib);
        EXPECT_EQ(dib.bytes, nullptr);
        EXPECT_EQ(dib.size, 0u);
        EXPECT_EQ(DibBits(dib), nullptr);
        EXPECT_EQ(g_frees - frees, 1);
    }

    ScratchDir scratch{"dib"};
    const std::string dir = scratch.path();
};

// Every row is refused with none, having closed the file and freed whatever it allocated.
TEST_F(DibFileTest, RefusedFilesGiveNone) {
    const std::vector<uint8_t> good = BuildBmp24(5, 3, [](int x, int y) { return uint32_t(x * 40 + y); }, false);
    const struct {
        const char* name;
        std::function<std::vector<uint8_t>()> bytes;  // nothing written when null
    } rows[] = {
        {"missing file", nullptr},
        {"empty file", [] { return std::vector<uint8_t>(); }},
        {"13 bytes", [&] { return std::vector<uint8_t>(good.begin(), good.begin() + 13); }},
        {"not BM", [&] { auto f = good; f[0] = 'M'; f[1] = 'B'; return f; }},
        {"20 bytes claiming 0xFFFFFFF0", [] {
             BmpRecipe s;
             s.fileSize = 0xFFFFFFF0;
             auto f = BuildBmp(s);
             f.resize(20);
             return f;
         }},
        {"one byte short of bfSize", [&] { return std::vector<uint8_t>(good.begin(), good.end() - 1); }},
        {"bfSize 14", [&] { BmpRecipe s; s.fileSize = 14; return BuildBmp(s); }},
        {"header size 14", [] { BmpRecipe s; s.headerSize = 14; return BuildBmp(s); }},
        {"masks read past a 44-byte header's block", [] {
             BmpRecipe s;
             s.headerSize = 44;
             s.bitCount = 32;
             s.compression = 3;
             s.masks = {0xFF0000, 0x00FF00, 0x0000FF};
             return BuildBmp(s);
         }},
        {"pixel rows past the block", [] { BmpRecipe s; s.width = 5; s.pixels.assign(15, 0); return BuildBmp(s); }},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const std::string path = Path("picture.bmp");
        DeleteFileA(path.c_str());
        if (r.bytes) Write(path, r.bytes());
        const int allocs = g_allocs, frees = g_frees;
        PackedDib dib = LoadDibFile(path.c_str());
        EXPECT_EQ(dib.bytes, nullptr);
        EXPECT_EQ(dib.size, 0u);
        EXPECT_EQ(g_allocs - allocs, g_frees - frees) << "block left allocated";
        if (r.bytes) {
            EXPECT_TRUE(IsClosed(path)) << "file left open";
        }
    }
    PackedDib none{};
    EXPECT_EQ(LoadDibFile(nullptr).bytes, nullptr);
    FreeDib(&none);
    FreeDib(nullptr);
}

// Larger than one read piece and not a multiple of it, so the last piece is a short one.
TEST_F(DibFileTest, PictureRoundTrips) {
    const std::vector<uint8_t> file =
        BuildBmp24(150, 160, [](int x, int y) { return uint32_t(x << 16 | y << 8 | (x ^ y)); }, true);
    ASSERT_GT(file.size() - 14, 2 * DIB_READ_PIECE);
    ASSERT_NE((file.size() - 14) % DIB_READ_PIECE, 0u);
    Write(Path("big.bmp"), file);
    ExpectLoads(Path("big.bmp"), file);
}

// The longest path the platform allows, in nested folders, loads.
TEST_F(DibFileTest, LongPathLoads) {
    std::string path = dir;
    while (path.size() + 1 + 40 < MAX_PATH - 12) {
        path += "\\" + std::string(40, 'd');
        ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path.size() << " " << GetLastError();
    }
    path += "\\";
    path += std::string(MAX_PATH - 1 - path.size() - 4, 'p') + ".bmp";
    ASSERT_EQ(path.size(), size_t{MAX_PATH - 1});
    const std::vector<uint8_t> file = BuildBmp24(4, 4, [](int x, int y) { return uint32_t(x + 4 * y); }, false);
    Write(path, file);
    ExpectLoads(path, file);
}

// Another handle on the file: other readers are welcome, a writer keeps the picture out.
TEST_F(DibFileTest, OtherHandlesOnTheFile) {
    const struct {
        const char* name;
        DWORD access, share;
        bool loads;
    } rows[] = {
        {"reader sharing reads", GENERIC_READ, FILE_SHARE_READ, true},
        {"writer sharing everything", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, false},
        {"reader sharing nothing", GENERIC_READ, 0, false},
    };
    const std::vector<uint8_t> file = BuildBmp24(2, 2, [](int, int) { return 0x123456u; }, false);
    const std::string path = Path("held.bmp");
    Write(path, file);
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        HANDLE other = CreateFileA(path.c_str(), r.access, r.share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(other, INVALID_HANDLE_VALUE) << GetLastError();
        PackedDib dib = LoadDibFile(path.c_str());
        EXPECT_EQ(dib.bytes != nullptr, r.loads);
        FreeDib(&dib);
        CloseHandle(other);
    }
}

// ---- Palettes ----

TEST(DibPalette, EntriesMatchTheColourTable) {
    auto recipe = [](uint32_t headerSize, uint16_t bits, uint32_t clrUsed, std::vector<uint32_t> colors) {
        BmpRecipe s;
        s.headerSize = headerSize;
        s.bitCount = bits;
        s.clrUsed = clrUsed;
        s.colors = std::move(colors);
        return s;
    };
    std::vector<uint32_t> ramp;
    for (uint32_t i = 0; i < 256; ++i) ramp.push_back(i << 16 | (255 - i) << 8 | (i * 7 & 0xFF));
    const std::vector<uint32_t> rgb16 = {0xFF0000, 0x00FF00, 0x0000FF, 0x102030, 0x405060, 0x708090,
                                         0xA0B0C0, 0xD0E0F0, 0x010203, 0xFFFFFF, 0, 0x800000,
                                         0x008000, 0x000080, 0x808000, 0x008080};
    const struct {
        const char* name;
        BmpRecipe recipe;
        std::vector<uint32_t> expected;  // empty: no palette
    } rows[] = {
        {"8-bit", recipe(40, 8, 0, ramp), ramp},
        {"4-bit, 3 used", recipe(40, 4, 3, {0xFF0000, 0x00FF00, 0x0000FF}), {0xFF0000, 0x00FF00, 0x0000FF}},
        {"core 4-bit", recipe(12, 4, 0, rgb16), rgb16},
        {"24-bit", recipe(40, 24, 0, {}), {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        std::vector<uint8_t> file = BuildBmp(r.recipe);
        PackedDib dib{file.data() + 14, static_cast<uint32_t>(file.size() - 14), DibLayout{}};
        ASSERT_TRUE(ReadDibLayout(dib.bytes, dib.size, &dib.layout));
        HPALETTE palette = CreateDibPalette(dib);
        if (r.expected.empty()) {
            EXPECT_EQ(palette, nullptr);
            continue;
        }
        ASSERT_NE(palette, nullptr);
        PALETTEENTRY got[257];
        std::memset(got, 0xA5, sizeof got);
        ASSERT_EQ(GetPaletteEntries(palette, 0, 257, got), r.expected.size());
        for (size_t i = 0; i < r.expected.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(got[i].peRed, r.expected[i] >> 16 & 0xFF);
            EXPECT_EQ(got[i].peGreen, r.expected[i] >> 8 & 0xFF);
            EXPECT_EQ(got[i].peBlue, r.expected[i] & 0xFF);
            EXPECT_EQ(got[i].peFlags, 0);
        }
        EXPECT_TRUE(DeleteObject(palette));
    }
    EXPECT_EQ(CreateDibPalette(PackedDib{}), nullptr);
}

}  // namespace
