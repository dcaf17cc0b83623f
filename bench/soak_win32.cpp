// The soak: N complete three-page surveys in one process and one load of survey.dll, driven
// from inside it, with the picture strip showing a palette picture. Prints, at the start,
// every 100 surveys and at the end, what the DLL holds (GDI objects, global blocks, open
// files and display contexts, counted through its import table) and the process's private
// bytes. Exits 1 when anything the DLL holds is left after a survey, or a survey does not
// end with Next on its last page.
//   survey_soak [SURVEYS]   (default 1000)
#define PSAPI_VERSION 2
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "survey.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/page_watch_win32.h"
#include "tests/support/resource_ledger_win32.h"
#include "tests/support/scratch_dir_win32.h"
#include "tests/support/survey_dll_win32.h"

namespace {

int pagesShown;

VOID CALLBACK NextOnEveryPage(HWND, UINT, UINT_PTR, DWORD) {
    HWND page = FindNewPage();
    if (!page) return;
    ++pagesShown;
    // A paint and the palette messages of a host's other windows, as a page meets them.
    RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    SendMessageA(page, WM_QUERYNEWPALETTE, 0, 0);
    PostMessageA(page, WM_COMMAND, IDOK, 0);
}

unsigned long long PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
    // Wine leaves PrivateUsage at 0; the commit charge it does report is the same figure.
    return counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
}

void Report(int surveys) {
    const ResourceLedger& l = Ledger();
    std::printf("surveys %5d  gdi %zu  blocks %zu  files %zu  dcs %zu  private_bytes %llu\n", surveys,
                l.gdiLive.size(), l.blocksLive.size(), l.filesLive.size(), l.dcsLive.size(), PrivateBytes());
    std::fflush(stdout);
}

// An 8-bit palette picture for the strip.
std::vector<uint8_t> PalettePicture() {
    BmpRecipe recipe;
    recipe.width = 60;
    recipe.height = 120;
    recipe.bitCount = 8;
    recipe.clrUsed = 64;
    for (uint32_t i = 0; i < 64; ++i) recipe.colors.push_back((i * 4) << 16 | (255 - i * 4) << 8 | 128);
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 60; ++x) recipe.pixels.push_back(static_cast<uint8_t>((x + y) % 64));
    return BuildBmp(recipe);
}

}  // namespace

int main(int argc, char** argv) {
    int count = argc > 1 ? std::atoi(argv[1]) : 1000;
    if (count <= 0) {
        std::fprintf(stderr, "usage: survey_soak [SURVEYS]\n");
        return 2;
    }
    ScratchDir dir("survey-soak");
    std::string picture = dir / "strip.bmp";
    std::vector<uint8_t> bmp = PalettePicture();
    if (FILE* f = std::fopen(picture.c_str(), "wb")) {
        std::fwrite(bmp.data(), 1, bmp.size(), f);
        std::fclose(f);
    }
    std::string settings = dir / "panel.ini";
    const char* keys[][2] = {{"activate", "1"}, {"display", "1"}, {"bitmap file", picture.c_str()},
                             {"fill background", "1"}, {"horizontal", "CENTERED"}, {"vertical", "CENTERED"}};
    for (auto& k : keys) WritePrivateProfileStringA("bitmap", k[0], k[1], settings.c_str());
    SURVEY_HOST_BLOCK host = TestHostBlock(settings, dir / "answers.ini");

    SurveyLibrary lib;
    if (!lib.module) {
        std::fprintf(stderr, "survey_soak: cannot load %s\n", SurveyDllPath().c_str());
        return 2;
    }
    auto doSurvey = reinterpret_cast<DoSurveyV2Proc>(reinterpret_cast<void*>(GetProcAddress(lib.module, "DoSurveyV2")));
    if (!doSurvey || !InstallResourceLedger(lib.module)) {
        std::fprintf(stderr, "survey_soak: DoSurveyV2 or an import to count is missing\n");
        return 2;
    }
    HWND parent = CreateHostWindow();

    int failures = 0;
    Report(0);
    for (int i = 1; i <= count; ++i) {
        pagesShown = 0;
        UINT_PTR timer = SetTimer(nullptr, 0, 1, NextOnEveryPage);
        int result = doSurvey(0, parent, SURVEY_DIR_FORWARD, &host);
        KillTimer(nullptr, timer);
        if (result != SURVEY_RESULT_NEXT || pagesShown != 3) {
            std::printf("survey %d: result %d after %d pages\n", i, result, pagesShown);
            ++failures;
        }
        if (Ledger().live() != 0 || Ledger().failedFrees != 0) {
            std::printf("survey %d: left %zu resources held, %d frees failed\n", i, Ledger().live(),
                        Ledger().failedFrees);
            ++failures;
        }
        if (i % 100 == 0 || i == count) Report(i);
        if (failures > 10) break;
    }
    const ResourceLedger& l = Ledger();
    std::printf("created over the run: %d palettes, %d brushes, %d blocks, %d files, %d display contexts\n",
                l.palettes, l.brushes, l.blocks, l.files, l.dcs);
    std::printf("%s\n", failures ? "soak: FAILED" : "soak: nothing held after any survey");
    DestroyWindow(parent);
    return failures ? 1 : 0;
}
