// What bad files, bad blocks and bad calls do to a survey: one row per situation, each run
// through survey.dll as a host runs it, each checking the survey's result and that nothing
// else in the answers file was lost (its other sections, keys and comments, with their
// values).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "survey.h"
#include "tests/support/guarded_memory_win32.h"
#include "tests/support/page_watch_win32.h"
#include "tests/support/scratch_dir_win32.h"
#include "tests/support/survey_dll_win32.h"

namespace {

const char ABSENT[] = "<absent>";
const char KEY_PLACE[] = "q_557-1132-746";  // page 1's first list
const char KEY_SHARING[] = "q_557-1132-422";  // page 3's options: "0" unless chosen

// The answers file every row starts from (unless it makes its own): a comment, a section
// of someone else's, and a stored answer.
const char BASELINE[] =
    "; keep me\r\n"
    "[Other]\r\n"
    "name=value\r\n"
    "[Survey]\r\n"
    "q_557-1132-746=3\r\n";

std::string ReadBytes(const std::string& path) {
    std::string bytes;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        char buffer[65536];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) bytes.append(buffer, n);
        std::fclose(f);
    }
    return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

std::string Profile(const std::string& file, const char* section, const char* key) {
    char value[512];
    GetPrivateProfileStringA(section, key, ABSENT, value, sizeof value, file.c_str());
    return value;
}

// One situation: what is set up before the call, the call, and what must hold after it.
struct Scene;
struct Row {
    const char* name;
    std::function<void(Scene&)> prepare;
    int result;                         // what DoSurveyV2 returns
    std::vector<int> leave;             // how each page shown is left, in order
    std::function<void(Scene&)> check;  // extra checks after the call; may be empty
    bool saved = true;                  // the walk's answers reach the answers file
    int direction = SURVEY_DIR_FORWARD;
};

// The test host's block, with the section the baseline file has.
SURVEY_HOST_BLOCK Block(const std::string& panel, const std::string& answers) {
    SURVEY_HOST_BLOCK host = TestHostBlock(panel, answers);
    std::snprintf(host.answersSection, sizeof host.answersSection, "Survey");
    return host;
}

struct Scene {
    ScratchDir dir{"survey-faults"};
    std::string answers = dir / "answers.ini";
    std::string panel = dir / "panel.ini";
    SURVEY_HOST_BLOCK host = Block(panel, answers);
    std::string before;                   // the answers file's bytes before the call
    HWND parent = nullptr;
    void* owner = nullptr;                // the parent passed; parent unless a row changes it
    const SURVEY_HOST_BLOCK* block = &host;
    std::unique_ptr<GuardedBytes> guarded;  // a block placed before an inaccessible page
    HANDLE held = INVALID_HANDLE_VALUE;     // a handle held on a file during the call
    std::vector<std::string> captions;      // of each page shown
    std::function<void(HWND page)> onPage;  // extra work on the first page
    DoSurveyV2Proc doSurvey = nullptr;
    int nested = 12345;                     // what a call from inside the survey returned

    void Hold(const std::string& path, DWORD access, DWORD share) {
        held = CreateFileA(path.c_str(), access, share, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    void Unterminated(size_t offset, size_t size) {
        std::memset(reinterpret_cast<char*>(&host) + offset, 'x', size);
    }
    ~Scene() {
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        SetFileAttributesA(answers.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
};

struct Driver {
    Scene* scene;
    const std::vector<int>* leave;
    size_t next = 0;
};
Driver* driver;

VOID CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND page = FindNewPage();
    if (!page) return;
    char caption[1024] = "";
    GetWindowTextA(page, caption, sizeof caption);
    driver->scene->captions.push_back(caption);
    if (driver->next == 0 && driver->scene->onPage) driver->scene->onPage(page);
    int leave = IDCANCEL;
    if (driver->next < driver->leave->size())
        leave = (*driver->leave)[driver->next];
    else
        ADD_FAILURE() << "page shown past the end of the walk";
    ++driver->next;
    PostMessageA(page, WM_COMMAND, leave, 0);
}

const std::vector<int> kThrough = {IDOK, IDOK, IDOK};
const std::vector<int> kNone = {};

// The answers file still holds everything the baseline put there besides the survey's own
// keys: the comment, the other section and its value.
void OthersKept(Scene& s) {
    std::string after = ReadBytes(s.answers);
    EXPECT_NE(after.find("; keep me"), std::string::npos) << "the comment was lost";
    EXPECT_EQ(Profile(s.answers, "Other", "name"), "value");
}

void Unchanged(Scene& s) { EXPECT_EQ(ReadBytes(s.answers), s.before) << "the answers file changed"; }

void NoFile(Scene& s) {
    EXPECT_EQ(GetFileAttributesA(s.answers.c_str()), INVALID_FILE_ATTRIBUTES) << s.answers;
}

void Caption(Scene& s, const std::string& caption) {
    ASSERT_FALSE(s.captions.empty());
    EXPECT_EQ(s.captions[0], caption);
}

std::string PathOfLength(const Scene& s, size_t length) {
    std::string folder = s.dir.path() + "\\";
    return folder + std::string(length - folder.size() - 4, 'p') + ".ini";
}

std::vector<Row> Rows() {
    return {
        // The answers file.
        {"answers file as the host left it", nullptr, 1, kThrough,
         [](Scene& s) { OthersKept(s); EXPECT_EQ(Profile(s.answers, "Survey", KEY_PLACE), "3"); }},
        {"answers file held open without sharing",
         [](Scene& s) {
             s.before = ReadBytes(s.answers);
             s.Hold(s.answers, GENERIC_READ | GENERIC_WRITE, 0);
         }, 1, kThrough,
         [](Scene& s) {
             CloseHandle(s.held);
             s.held = INVALID_HANDLE_VALUE;
             Unchanged(s);
         },
         false},
        {"answers file in a missing folder", [](Scene& s) {
             s.answers = s.dir / "missing\\answers.ini";
             std::snprintf(s.host.answersPath, sizeof s.host.answersPath, "%s", s.answers.c_str());
         }, 1, kThrough, NoFile, false},
        {"answers file of 1 MiB of junk text", [](Scene& s) {
             std::string junk;
             for (int i = 0; junk.size() < (1 << 20); ++i)
                 junk += "junk line " + std::to_string(i) + " = [not a section\r\n";
             WriteBytes(s.answers, BASELINE + junk);
         }, 1, kThrough,
         [](Scene& s) { OthersKept(s); EXPECT_EQ(Profile(s.answers, "Survey", KEY_PLACE), "3"); }},
        {"answers file with binary bytes and NULs", [](Scene& s) {
             std::string binary(BASELINE);
             binary += std::string("\x01\x02\xFF\xFE\0\0\x7F garbage\0\r\n", 19);
             WriteBytes(s.answers, binary);
         }, 1, kThrough,
         [](Scene& s) { EXPECT_EQ(Profile(s.answers, "Other", "name"), "value"); }},
        {"duplicate keys: the first one counts", [](Scene& s) {
             WriteBytes(s.answers, std::string(BASELINE) + "q_557-1132-746=5\r\n");
         }, 1, kThrough,
         [](Scene& s) { OthersKept(s); EXPECT_EQ(Profile(s.answers, "Survey", KEY_PLACE), "3"); }},
        {"section and keys in another case", [](Scene& s) {
             WriteBytes(s.answers, "; keep me\r\n[Other]\r\nname=value\r\n[SURVEY]\r\nQ_557-1132-746=3\r\n");
         }, 1, kThrough,
         [](Scene& s) { OthersKept(s); EXPECT_EQ(Profile(s.answers, "Survey", KEY_PLACE), "3"); }},
        {"a 200-character value", [](Scene& s) {
             WriteBytes(s.answers, std::string(BASELINE) + "q_557-1132-752=" + std::string(200, '1') + "\r\n");
         }, 1, kThrough,
         [](Scene& s) {
             OthersKept(s);
             // No box has code 111...: none is checked, and the answer is stored as such.
             EXPECT_EQ(Profile(s.answers, "Survey", "q_557-1132-752"), "");
         }},
        // Whether the write succeeds depends on who runs it (as root, Wine writes anyway).
        {"a read-only answers file", [](Scene& s) {
             SetFileAttributesA(s.answers.c_str(), FILE_ATTRIBUTE_READONLY);
         }, 1, kThrough, OthersKept, false},
        {"a path of 259 characters", [](Scene& s) {
             s.answers = PathOfLength(s, 259);
             WriteBytes(s.answers, BASELINE);
             std::snprintf(s.host.answersPath, sizeof s.host.answersPath, "%s", s.answers.c_str());
         }, 1, kThrough,
         [](Scene& s) { OthersKept(s); EXPECT_EQ(Profile(s.answers, "Survey", KEY_SHARING), "0"); }},
        {"a path of 260 characters names no file", [](Scene& s) {
             s.answers = PathOfLength(s, 260);
             std::snprintf(s.host.answersPath, sizeof s.host.answersPath, "%s", s.answers.c_str());
         }, 1, kThrough, NoFile, false},

        // The product title.
        {"empty title", [](Scene& s) { s.host.productTitle[0] = '\0'; }, 2, {IDCANCEL},
         [](Scene& s) { Caption(s, "Registration for "); Unchanged(s); }, false},
        {"300-character title", [](Scene& s) { std::memset(s.host.productTitle, 't', 300); }, 2, {IDCANCEL},
         [](Scene& s) { Caption(s, ""); Unchanged(s); }, false},
        {"title with inserts", [](Scene& s) {
             std::snprintf(s.host.productTitle, sizeof s.host.productTitle, "%s", "%1 %2 %%");
         }, 2, {IDCANCEL}, [](Scene& s) { Caption(s, "Registration for %1 %2 %%"); }, false},

        // The panel settings file.
        {"panel settings missing", [](Scene& s) { DeleteFileA(s.panel.c_str()); }, 1, kThrough, OthersKept},
        {"panel settings path is a folder", [](Scene& s) { CreateDirectoryA(s.panel.c_str(), nullptr); },
         1, kThrough, OthersKept},
        {"panel settings held by a writer",
         [](Scene& s) {
             WritePrivateProfileStringA("bitmap", "activate", "1", s.panel.c_str());
             s.Hold(s.panel, GENERIC_WRITE, 0);
         }, 1, kThrough, OthersKept},
        {"panel settings of 0 bytes", [](Scene& s) { WriteBytes(s.panel, ""); }, 1, kThrough, OthersKept},
        {"a picture larger than the screen", [](Scene& s) {
             // 4000 x 3000 at 8 bits: a picture wider and taller than any page.
             std::string bmp(14 + 40 + 1024, '\0');
             uint32_t rowBytes = 4000, size = static_cast<uint32_t>(bmp.size()) + rowBytes * 3000;
             auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&bmp[at], &v, 4); };
             bmp[0] = 'B';
             bmp[1] = 'M';
             put32(2, size);
             put32(14, 40);
             put32(18, 4000);
             put32(22, 3000);
             bmp[26] = 1;
             bmp[28] = 8;
             bmp.resize(size, '\x55');
             WriteBytes(s.dir / "huge.bmp", bmp);
             WritePrivateProfileStringA("bitmap", "activate", "1", s.panel.c_str());
             WritePrivateProfileStringA("bitmap", "display", "1", s.panel.c_str());
             WritePrivateProfileStringA("bitmap", "bitmap file", (s.dir / "huge.bmp").c_str(), s.panel.c_str());
         }, 1, kThrough, OthersKept},
        {"a picture on a missing drive", [](Scene& s) {
             WritePrivateProfileStringA("bitmap", "activate", "1", s.panel.c_str());
             WritePrivateProfileStringA("bitmap", "display", "1", s.panel.c_str());
             WritePrivateProfileStringA("bitmap", "bitmap file", "Q:\\no\\such\\drive.bmp", s.panel.c_str());
         }, 1, kThrough, OthersKept},

        // The call.
        {"no host block", [](Scene& s) { s.block = nullptr; }, -1, kNone, Unchanged, false},
        {"a parent that is no window", [](Scene& s) { s.owner = reinterpret_cast<void*>(0x7ff0); }, 0, kNone,
         Unchanged, false},
        {"entry direction 0", nullptr, -1, kNone, Unchanged, false, 0},
        {"entry direction 3", nullptr, -1, kNone, Unchanged, false, 3},
        {"entry direction -1", nullptr, -1, kNone, Unchanged, false, -1},
        {"entry direction 0x7FFFFFFF", nullptr, -1, kNone, Unchanged, false, 0x7FFFFFFF},
        {"a call from inside a running survey", [](Scene& s) {
             s.onPage = [&s](HWND page) { s.nested = s.doSurvey(0, page, SURVEY_DIR_FORWARD, &s.host); };
         }, 1, kThrough,
         [](Scene& s) { EXPECT_EQ(s.nested, SURVEY_RESULT_FAILED); OthersKept(s); }},

        // Host block fields filled to their last byte, the block ending at an inaccessible page.
        {"panel settings path without NUL",
         [](Scene& s) { s.Unterminated(SURVEY_HB_PANEL_SETTINGS_PATH, sizeof s.host.panelSettingsPath); },
         1, kThrough, OthersKept},
        {"answers path without NUL",
         [](Scene& s) { s.Unterminated(SURVEY_HB_ANSWERS_PATH, sizeof s.host.answersPath); }, 1, kThrough,
         Unchanged, false},
        {"product title without NUL",
         [](Scene& s) { s.Unterminated(SURVEY_HB_PRODUCT_TITLE, sizeof s.host.productTitle); }, 1, kThrough,
         [](Scene& s) { Caption(s, ""); OthersKept(s); }},
        {"answers section without NUL",
         [](Scene& s) { s.Unterminated(SURVEY_HB_ANSWERS_SECTION, sizeof s.host.answersSection); }, 1, kThrough,
         [](Scene& s) {
             OthersKept(s);
             EXPECT_EQ(Profile(s.answers, std::string(260, 'x').c_str(), KEY_SHARING), "0");
         },
         false},
    };
}

TEST(FaultMatrix, NothingIsLostAndEveryCallEndsAsDocumented) {
    for (const Row& row : Rows()) {
        SCOPED_TRACE(row.name);
        Scene s;
        ASSERT_TRUE(s.dir.created());
        WriteBytes(s.answers, BASELINE);
        s.parent = CreateHostWindow();
        s.owner = s.parent;
        if (row.prepare) row.prepare(s);
        if (s.before.empty()) s.before = ReadBytes(s.answers);
        // Every row's block ends at an inaccessible page: no field may be read past it.
        s.guarded = std::make_unique<GuardedBytes>(&s.host, sizeof s.host);
        GuardFaults faults(*s.guarded);
        const SURVEY_HOST_BLOCK* block =
            s.block ? reinterpret_cast<const SURVEY_HOST_BLOCK*>(s.guarded->data()) : nullptr;

        SurveyLibrary lib;  // a fresh load: the answers start from the tables' first values
        ASSERT_NE(lib.module, nullptr);
        s.doSurvey = reinterpret_cast<DoSurveyV2Proc>(reinterpret_cast<void*>(GetProcAddress(lib.module, "DoSurveyV2")));
        ASSERT_NE(s.doSurvey, nullptr);
        Driver d{&s, &row.leave};
        driver = &d;
        UINT_PTR timer = SetTimer(nullptr, 0, 10, Tick);
        int result = s.doSurvey(0, s.owner, row.direction, block);
        KillTimer(nullptr, timer);
        driver = nullptr;

        EXPECT_EQ(result, row.result);
        EXPECT_EQ(d.next, row.leave.size()) << "pages shown";
        EXPECT_EQ(faults.faults(), 0) << "read past the host block";
        if (row.check) row.check(s);
        if (row.saved) {
            EXPECT_EQ(Profile(s.answers, "Survey", KEY_SHARING), "0") << "the walk's answers were not stored";
        }
        DestroyWindow(s.parent);
    }
}

}  // namespace
