// The picture strip on a live page under Wine: survey.dll loaded as a host loads it, the
// settings and pictures written as files, and the page's client area compared pixel by
// pixel with a page that has no picture.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "survey.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/resource_ledger_win32.h"
#include "tests/support/page_watch_win32.h"
#include "tests/support/scratch_dir_win32.h"
#include "tests/support/survey_dll_win32.h"

namespace {

constexpr int IDC_PANEL = 509;
constexpr int ENTRY_BACKWARD = 2;  // opens page 3 first: no list drops open on it

using Settings = std::map<std::string, std::string>;
using PixelFn = std::function<uint32_t(int x, int y)>;  // 0x00RRGGBB, y = 0 at the top

// What a page looked like once it had painted itself, and where its strip was. Only the
// band left of the page's controls is kept: a control's focus cues depend on whether the
// page is the foreground window, which another test program on the desktop can change.
struct PageLook {
    ClientPixels pixels;
    RECT strip = {};
};

struct Watch {
    std::function<void(HWND)> onPage;  // runs on each page before it is left
    int pages = 0;
};
Watch* watch;

VOID CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND page = FindNewPage();
    if (!page) return;
    ++watch->pages;
    RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (watch->onPage) watch->onPage(page);
    PostMessageA(page, WM_COMMAND, IDCANCEL, 0);
}

// The client area's band from its left edge to the first control beside the strip.
ClientPixels CaptureStripBand(HWND page) {
    ClientPixels all = CaptureClient(page);
    int band = all.width;
    for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!IsWindowVisible(c) || GetDlgCtrlID(c) == IDC_PANEL) continue;
        RECT r;
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
        if (r.left < band) band = r.left;
    }
    ClientPixels out;
    out.width = band;
    out.height = all.height;
    for (int y = 0; y < all.height; ++y)
        for (int x = 0; x < band; ++x) out.rgb.push_back(all.at(x, y));
    return out;
}

RECT StripOf(HWND page) {
    RECT r;
    GetWindowRect(GetDlgItem(page, IDC_PANEL), &r);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

uint32_t Gradient(int x, int y) { return (40 + 7 * x) << 16 | (30 + 9 * y) << 8 | (200 - x - y); }
uint32_t Reddish(int x, int y) { return 0xC00000 | (x + y) << 8; }

// A 16-colour palette picture: every pixel names one entry.
const uint32_t kPalette[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                               0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                               0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
int PaletteIndex(int x, int y) { return (x / 3 + y) % 16; }
uint32_t PaletteColor(int x, int y) { return kPalette[PaletteIndex(x, y)]; }

// An 8-bit picture with the 16-entry table above: a 12-byte header (stored bottom-up) or
// a 40-byte one stored top-down.
std::vector<uint8_t> PalettePicture(int width, int height, uint32_t headerSize = 40) {
    BmpRecipe recipe;
    const bool topDown = headerSize != 12;
    recipe.headerSize = headerSize;
    recipe.width = width;
    recipe.height = topDown ? -height : height;
    recipe.bitCount = 8;
    recipe.clrUsed = headerSize == 12 ? 0 : 16;
    recipe.colors.assign(std::begin(kPalette), std::end(kPalette));
    if (headerSize == 12) recipe.colors.resize(256, 0);  // a core header's table is always full
    int stride = (width + 3) / 4 * 4;
    recipe.pixels.assign(static_cast<size_t>(stride) * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            recipe.pixels[static_cast<size_t>(topDown ? y : height - 1 - y) * stride + x] =
                static_cast<uint8_t>(PaletteIndex(x, y));
    return BuildBmp(recipe);
}

// The same picture run-length encoded: a run per three pixels, rows bottom-up.
std::vector<uint8_t> RunLengthPicture(int width, int height) {
    BmpRecipe recipe;
    recipe.width = width;
    recipe.height = height;
    recipe.bitCount = 8;
    recipe.compression = 1;
    recipe.clrUsed = 16;
    recipe.colors.assign(std::begin(kPalette), std::end(kPalette));
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; x += 3) {
            recipe.pixels.push_back(static_cast<uint8_t>(width - x < 3 ? width - x : 3));
            recipe.pixels.push_back(static_cast<uint8_t>(PaletteIndex(x, y)));
        }
        recipe.pixels.insert(recipe.pixels.end(), {0, 0});  // end of row
    }
    recipe.pixels.back() = 1;  // end of picture
    return BuildBmp(recipe);
}

// A 32-bit picture with colour masks, after a 40-byte header or inside a 124-byte one.
std::vector<uint8_t> MaskedPicture(int width, int height, const PixelFn& pixel, uint32_t headerSize, bool topDown) {
    BmpRecipe recipe;
    recipe.headerSize = headerSize;
    recipe.width = width;
    recipe.height = topDown ? -height : height;
    recipe.bitCount = 32;
    recipe.compression = 3;  // colour masks
    recipe.masks = {0xFF0000, 0x00FF00, 0x0000FF};
    recipe.pixels.resize(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint32_t c = pixel(x, y);
            size_t at = (static_cast<size_t>(topDown ? y : height - 1 - y) * width + x) * 4;
            for (int i = 0; i < 4; ++i) recipe.pixels[at + i] = static_cast<uint8_t>(c >> (8 * i));
        }
    return BuildBmp(recipe);
}

class PanelPage : public ::testing::Test {
protected:
    void SetUp() override {
        settings = dir / "panel.ini";
        host = TestHostBlock(settings, dir / "answers.ini");
        dll = LoadLibraryA(SurveyDllPath().c_str());
        ASSERT_NE(dll, nullptr);
        doSurvey = reinterpret_cast<DoSurveyV2Proc>(reinterpret_cast<void*>(GetProcAddress(dll, "DoSurveyV2")));
        ASSERT_NE(doSurvey, nullptr);
        parent = CreateHostWindow();
    }
    void TearDown() override {
        DestroyWindow(parent);
        if (dll) FreeLibrary(dll);
    }

    void WriteSettings(const Settings& values) {
        DeleteFileA(settings.c_str());
        for (const auto& [key, value] : values)
            WritePrivateProfileStringA("bitmap", key.c_str(), value.c_str(), settings.c_str());
    }
    std::string WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
        if (FILE* f = std::fopen(path.c_str(), "wb")) {
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
        return path;
    }
    std::string MakeDir(const std::string& path) {
        CreateDirectoryA(path.c_str(), nullptr);
        return path;
    }

    // Runs the survey from its last page, lets the page paint, looks at it and leaves it
    // with Register Later.
    PageLook ShowPage(std::function<void(HWND)> extra = nullptr) {
        PageLook look;
        Watch w;
        w.onPage = [&](HWND page) {
            look.pixels = CaptureStripBand(page);
            look.strip = StripOf(page);
            if (extra) extra(page);
        };
        EXPECT_EQ(RunWatched(w), SURVEY_RESULT_REGISTER_LATER);
        EXPECT_EQ(w.pages, 1);
        return look;
    }

    // Runs the survey from its last page with w looking at each page as it opens.
    int RunWatched(Watch& w) {
        watch = &w;
        UINT_PTR timer = SetTimer(nullptr, 0, 10, Tick);
        int result = doSurvey(0, parent, ENTRY_BACKWARD, &host);
        KillTimer(nullptr, timer);
        watch = nullptr;
        return result;
    }

    // The same page with no panel settings at all.
    PageLook Plain() {
        WriteSettings({});
        return ShowPage();
    }

    ScratchDir dir{"survey-panel"};
    std::string settings;
    SURVEY_HOST_BLOCK host = {};
    HMODULE dll = nullptr;
    DoSurveyV2Proc doSurvey = nullptr;
    HWND parent = nullptr;
};

// The plain page with the strip filled (when fill is set) and the picture laid over it.
ClientPixels Expected(const PageLook& plain, bool fill, uint32_t fillColor, int x0, int y0, int width,
                      int height, const PixelFn& picture) {
    ClientPixels want = plain.pixels;
    const RECT& s = plain.strip;
    for (int y = 0; y < want.height; ++y)
        for (int x = 0; x < want.width; ++x) {
            uint32_t& p = want.rgb[static_cast<size_t>(y) * want.width + x];
            if (fill && x >= s.left && x < s.right && y >= s.top && y < s.bottom) p = fillColor;
            if (x >= x0 && x < x0 + width && y >= y0 && y < y0 + height) p = picture(x - x0, y - y0);
        }
    return want;
}

// Differences between two captures, as a count and the first one found.
::testing::AssertionResult SamePixels(const ClientPixels& got, const ClientPixels& want) {
    if (got.width != want.width || got.height != want.height)
        return ::testing::AssertionFailure() << "size " << got.width << "x" << got.height << ", expected "
                                             << want.width << "x" << want.height;
    int differing = 0, fx = 0, fy = 0;
    for (int y = 0; y < got.height; ++y)
        for (int x = 0; x < got.width; ++x)
            if (got.at(x, y) != want.at(x, y) && differing++ == 0) fx = x, fy = y;
    if (differing == 0) return ::testing::AssertionSuccess();
    char first[96];
    std::snprintf(first, sizeof first, "first at (%d,%d): %06X, expected %06X", fx, fy,
                  static_cast<unsigned>(got.at(fx, fy)), static_cast<unsigned>(want.at(fx, fy)));
    return ::testing::AssertionFailure() << differing << " pixels differ; " << first;
}

TEST_F(PanelPage, DrawsThePictureAtEachAlignment) {
    const PageLook plain = Plain();
    const RECT s = plain.strip;
    ASSERT_GT(s.right - s.left, 60);
    ASSERT_GT(s.bottom - s.top, 60);
    ASSERT_GT(plain.pixels.width, s.right) << "the band holds the whole strip and a margin";
    const int w = 30, h = 20;
    std::string gradient = WriteFile(dir / "gradient.bmp", BuildBmp24(w, h, Gradient, false));
    std::string palette = WriteFile(dir / "palette.bmp", PalettePicture(w, h));
    std::string core = WriteFile(dir / "core.bmp", PalettePicture(w, h, 12));
    std::string topDown = WriteFile(dir / "top-down.bmp", BuildBmp24(w, h, Gradient, true));
    std::string masked = WriteFile(dir / "masked.bmp", MaskedPicture(w, h, Reddish, 40, false));
    std::string runLength = WriteFile(dir / "run-length.bmp", RunLengthPicture(w, h));
    std::string v5 = WriteFile(dir / "v5.bmp", MaskedPicture(w, h, Gradient, 124, true));
    const int left = s.left, right = s.right - w, hcentre = (s.left + s.right - w) / 2;
    const int top = s.top, bottom = s.bottom - h, vcentre = (s.top + s.bottom - h) / 2;
    const struct {
        const char* horizontal;
        const char* vertical;
        bool fill;
        int x, y;
        const std::string& file;
        PixelFn picture;
    } rows[] = {
        {"LEFT", "TOP", true, left, top, gradient, Gradient},
        {"CENTERED", "CENTERED", false, hcentre, vcentre, gradient, Gradient},
        {"RIGHT", "BOTTOM", true, right, bottom, gradient, Gradient},
        {"centered", "", false, hcentre, top, gradient, Gradient},
        {"CENTER", "bottom", true, left, bottom, gradient, Gradient},
        {"", "Centered", false, left, vcentre, gradient, Gradient},
        {"Right", "middle", true, right, top, gradient, Gradient},
        // Other kinds of picture, each drawn upright.
        {"CENTERED", "BOTTOM", true, hcentre, bottom, palette, PaletteColor},
        {"LEFT", "CENTERED", false, left, vcentre, core, PaletteColor},
        {"RIGHT", "TOP", false, right, top, topDown, Gradient},
        {"CENTERED", "TOP", true, hcentre, top, masked, Reddish},
        {"LEFT", "BOTTOM", true, left, bottom, v5, Gradient},
        {"RIGHT", "CENTERED", true, right, vcentre, runLength, PaletteColor},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.horizontal) + "/" + r.vertical + (r.fill ? " filled " : " ") + r.file);
        WriteSettings({{"activate", "1"}, {"display", "1"}, {"bitmap file", r.file},
                       {"fill background", r.fill ? "1" : "0"}, {"red index", "300"},
                       {"green index", "128"}, {"blue index", "7"}, {"horizontal", r.horizontal},
                       {"vertical", r.vertical}});
        PageLook look = ShowPage();
        EXPECT_TRUE(SamePixels(look.pixels, Expected(plain, r.fill, 0x2C8007, r.x, r.y, w, h, r.picture)));
    }
}

// Every page reads the settings file as it opens: a file changed while one page is on
// screen takes effect on the next page of the same survey.
TEST_F(PanelPage, SettingsChangedBetweenPagesTakeEffectOnTheNextPage) {
    std::string picture = WriteFile(dir / "gradient.bmp", BuildBmp24(30, 20, Gradient, false));
    auto settingsWithFill = [&](const char* red) {
        return Settings{{"activate", "1"}, {"display", "1"}, {"bitmap file", picture},
                        {"fill background", "1"}, {"red index", red}, {"green index", "0"},
                        {"blue index", "0"}, {"horizontal", "RIGHT"}, {"vertical", "BOTTOM"}};
    };
    WriteSettings(settingsWithFill("200"));
    std::vector<uint32_t> corner;  // the strip's top-left pixel on each page, in order
    Watch w;
    w.onPage = [&](HWND page) {
        RECT s = StripOf(page);
        corner.push_back(CaptureClient(page).at(s.left + 1, s.top + 1));
        if (w.pages == 1) {
            WriteSettings(settingsWithFill("90"));
            SendDlgItemMessageA(page, 888, BM_CLICK, 0, 0);  // Back: on to page 2
        }
    };
    EXPECT_EQ(RunWatched(w), SURVEY_RESULT_REGISTER_LATER);
    ASSERT_EQ(corner.size(), 2u);
    EXPECT_EQ(corner[0], 0xC80000u);
    EXPECT_EQ(corner[1], 0x5A0000u);
}

TEST_F(PanelPage, PagesThatDrawNothing) {
    const PageLook plain = Plain();
    std::string picture = WriteFile(dir / "gradient.bmp", BuildBmp24(30, 20, Gradient, false));
    std::string broken = WriteFile(dir / "broken.bmp", {'B', 'M', 0x40, 0, 0, 0});
    const Settings drawn = {{"activate", "1"}, {"display", "1"}, {"bitmap file", picture},
                            {"fill background", "1"}, {"red index", "255"}};
    auto with = [&](Settings changes) {
        Settings s = drawn;
        for (const auto& [k, v] : changes) s[k] = v;
        return s;
    };
    const struct {
        const char* name;
        Settings settings;
    } rows[] = {
        {"loaded but not displayed", with({{"display", "0"}})},
        {"displayed but not activated", with({{"activate", "0"}})},
        {"missing picture with fill", with({{"bitmap file", dir / "absent.bmp"}})},
        {"broken picture with fill", with({{"bitmap file", broken}})},
        {"no picture named", with({{"bitmap file", ""}})},
        {"words for yes", with({{"activate", "yes"}})},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        WriteSettings(r.settings);
        EXPECT_TRUE(SamePixels(ShowPage().pixels, plain.pixels));
    }
    // The same settings do draw once nothing stands in the way.
    WriteSettings(drawn);
    EXPECT_FALSE(SamePixels(ShowPage().pixels, plain.pixels));
}

// A placeholder that is a static bitmap control shows a picture of its own; the page must
// not paint over it. The style is changed as the control is created, before the page opens.
HHOOK cbtHook;
LRESULT CALLBACK MakePlaceholderABitmap(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        HWND window = reinterpret_cast<HWND>(wParam);
        CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if ((cs->style & WS_CHILD) && cs->hMenu == reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PANEL)))
            SetWindowLongA(window, GWL_STYLE, static_cast<LONG>((cs->style & ~0x1Ful) | SS_BITMAP));
    }
    return CallNextHookEx(cbtHook, code, wParam, lParam);
}

TEST_F(PanelPage, StaticBitmapPlaceholderSuppressesTheDrawing) {
    std::string picture = WriteFile(dir / "gradient.bmp", BuildBmp24(30, 20, Gradient, false));
    cbtHook = SetWindowsHookExA(WH_CBT, MakePlaceholderABitmap, nullptr, GetCurrentThreadId());
    ASSERT_NE(cbtHook, nullptr);
    const PageLook plain = Plain();
    LONG style = 0;
    WriteSettings({{"activate", "1"}, {"display", "1"}, {"bitmap file", picture}, {"fill background", "1"}});
    PageLook look = ShowPage([&](HWND page) { style = GetWindowLongA(GetDlgItem(page, IDC_PANEL), GWL_STYLE); });
    UnhookWindowsHookEx(cbtHook);
    EXPECT_EQ(style & 0x1F, SS_BITMAP) << "the hook made the placeholder a bitmap control";
    EXPECT_TRUE(SamePixels(look.pixels, plain.pixels));
}

TEST_F(PanelPage, RelativePictureResolvesAgainstTheCurrentDirectory) {
    const PageLook plain = Plain();
    // The same name in the settings file's folder and in the current directory, with
    // different pictures; the current directory's one must be drawn.
    std::string settingsDir = MakeDir(dir / "settings");
    std::string workDir = MakeDir(dir / "work");
    WriteFile(settingsDir + "\\strip.bmp", BuildBmp24(30, 20, Reddish, false));
    WriteFile(workDir + "\\strip.bmp", BuildBmp24(30, 20, Gradient, false));
    settings = settingsDir + "\\panel.ini";
    std::snprintf(host.panelSettingsPath, sizeof host.panelSettingsPath, "%s", settings.c_str());
    WriteSettings({{"activate", "1"}, {"display", "1"}, {"bitmap file", "strip.bmp"}});
    char before[MAX_PATH];
    GetCurrentDirectoryA(sizeof before, before);
    SetCurrentDirectoryA(workDir.c_str());
    PageLook look = ShowPage();
    SetCurrentDirectoryA(before);
    EXPECT_TRUE(SamePixels(look.pixels, Expected(plain, false, 0, plain.strip.left, plain.strip.top, 30, 20, Gradient)));
}

TEST_F(PanelPage, TwoHundredPagesFreeEverythingTheyCreate) {
    ASSERT_TRUE(InstallResourceLedger(dll));
    const ResourceLedger& ledger = Ledger();

    // Four kinds of page in turn, all with the panel active: a palette picture, a picture
    // without a palette, a missing file and a file that is not a picture.
    const std::string pictures[] = {
        WriteFile(dir / "palette.bmp", PalettePicture(30, 20)),
        WriteFile(dir / "gradient.bmp", BuildBmp24(30, 20, Gradient, false)),
        dir / "absent.bmp",
        WriteFile(dir / "text.bmp", {'h', 'e', 'l', 'l', 'o'}),
    };
    const int PAGES = 200;
    for (int i = 0; i < PAGES; ++i) {
        WriteSettings({{"activate", "1"}, {"display", "1"}, {"fill background", "1"},
                       {"bitmap file", pictures[i % 4]}, {"horizontal", "CENTERED"}});
        Watch w;
        w.onPage = [&](HWND page) {
            // The palette messages a host's other windows can cause.
            SendMessageA(page, WM_QUERYNEWPALETTE, 0, 0);
            SendMessageA(page, WM_PALETTECHANGED, reinterpret_cast<WPARAM>(parent), 0);
            SendMessageA(page, WM_PALETTECHANGED, reinterpret_cast<WPARAM>(page), 0);
        };
        ASSERT_EQ(RunWatched(w), SURVEY_RESULT_REGISTER_LATER) << "page " << i;
        ASSERT_EQ(w.pages, 1) << "page " << i;
    }
    EXPECT_EQ(ledger.brushes, PAGES) << "a brush whenever the panel is active";
    EXPECT_EQ(ledger.palettes, PAGES / 4) << "a palette for each palette picture";
    EXPECT_EQ(ledger.blocks, PAGES / 2) << "a block for each picture read";
    EXPECT_TRUE(ledger.gdiLive.empty()) << ledger.gdiLive.size() << " GDI objects left";
    EXPECT_TRUE(ledger.blocksLive.empty()) << ledger.blocksLive.size() << " blocks left";
    EXPECT_TRUE(ledger.filesLive.empty()) << ledger.filesLive.size() << " files left open";
    EXPECT_TRUE(ledger.dcsLive.empty()) << ledger.dcsLive.size() << " display contexts left";
    EXPECT_EQ(ledger.failedFrees, 0);
}

}  // namespace
