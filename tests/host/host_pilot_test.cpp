// The sample host driven from outside by the pilot, as a person would drive it: the pages
// it shows and the results it gets, the answers file, the pictures, and the pilot's
// messages when a step cannot be done. Runs under Wine's X11 driver (see x11-session.sh).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string BinFolder() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

// A folder of its own for each walk, emptied first.
std::string WalkFolder(const std::string& name) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "host-pilot-" + name + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((folder + found.cFileName).c_str());
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    return folder;
}

bool WriteText(const std::string& path, const std::string& text) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
    return true;
}

std::string ReadText(const std::string& path) {
    std::string text;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return text;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
    std::fclose(f);
    return text;
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::string text = ReadText(path), line;
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// A program started with its output in a file; ended by force if still running at the end.
struct Program {
    PROCESS_INFORMATION pi = {};
    bool started = false;

    Program(const std::string& commandLine, const std::string& outputPath) {
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        HANDLE output = CreateFileA(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        si.hStdOutput = output;
        si.hStdError = output;
        std::vector<char> line(commandLine.begin(), commandLine.end());
        line.push_back('\0');
        started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
        if (output != INVALID_HANDLE_VALUE) CloseHandle(output);
    }
    ~Program() {
        if (!started) return;
        if (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(pi.hProcess, 99);
            WaitForSingleObject(pi.hProcess, 5000);
        }
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The exit code, or -1 if the program is still running after ms.
    long Wait(DWORD ms) {
        if (WaitForSingleObject(pi.hProcess, ms) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(pi.hProcess, &code);
        return static_cast<long>(code);
    }
};

const char ABSENT[] = "<absent>";

std::string Answer(const std::string& file, const char* key) {
    char value[256];
    GetPrivateProfileStringA("Walk", key, ABSENT, value, sizeof value, file.c_str());
    return value;
}

// Width and height from a PNG file's header, or 0, 0 when it is not a PNG.
void PngSize(const std::string& path, unsigned* width, unsigned* height) {
    std::string data = ReadText(path);
    *width = *height = 0;
    if (data.size() < 24 || data.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || data.compare(12, 4, "IHDR") != 0)
        return;
    auto be32 = [&](size_t at) {
        return (unsigned(uint8_t(data[at])) << 24) | (unsigned(uint8_t(data[at + 1])) << 16) |
               (unsigned(uint8_t(data[at + 2])) << 8) | unsigned(uint8_t(data[at + 3]));
    };
    *width = be32(16);
    *height = be32(20);
}

// Steps to pass the host's own pages, with the title every walk uses.
const char WELCOME_NEXT[] = "caption Walk Setup - Welcome\nwait welcome\nnext\ncaption Registration for Walk\n";
const char FINISH[] = "caption Walk Setup - Finish\nwait finish\n";

struct Walk {
    const char* name;
    const char* hostOptions;  // besides --answers, --section, --title and --log
    std::string script;
    long pilotExit;
    std::vector<std::string> hostLines;  // the host's lines once the pilot is done
    bool hostEnds;                       // whether the host has ended by itself then
    std::vector<std::pair<const char*, const char*>> answers;  // key, value or ABSENT
    std::vector<const char*> pictures;   // PNG files the pilot leaves
    const char* pilotMessage;            // in the pilot's output, or nullptr
    const char* pilotTimeout = "10";     // seconds a step may take
};

// gtest names a row by its name rather than by its bytes.
void PrintTo(const Walk& walk, std::ostream* os) { *os << walk.name; }

const std::vector<Walk>& Walks() {
    static const std::vector<Walk> walks = {
        {"forward", "",
         std::string(WELCOME_NEXT) +
             "wait p1\n"
             "select \"Where did you purchase this product?\" Other\n"
             "select \"What is your primary use for this product?\" Home/Personal and Business\n"
             "select \"Do you purchase software for kids?\" Yes\n"
             "check 3D Graphics Accelerator\n"
             "check Scanner\n"
             "next\n"
             "wait p2\n"
             "check Greeting Cards\n"
             "check Web Page Creation\n"
             "next\n"
             "wait p3\n"
             "check Entertainment/Games\n"
             "check Printing/Publishing\n"
             "choose No\n"
             "next\n" +
             FINISH + "next\n",
         0,
         {"welcome -> next", "survey forward -> 1", "finish -> finish", "end: finished"},
         true,
         {{"q_557-1132-746", "20"}, {"q_557-1132-749", "6"}, {"q_557-1132-751", "0"},
          {"q_557-1132-752", "0,12"}, {"q_557-1132-747", ""}, {"q_557-1132-750", "0,6"},
          {"q_557-1132-416", "0,5"}, {"q_557-1132-422", "1"}},
         {"welcome", "p1", "p2", "p3", "finish"},
         nullptr},
        {"backward-entry-to-welcome", "--start finish",
         std::string(FINISH) +
             "back\n"
             "caption Registration for Walk\n"
             "wait p3\n"
             "choose No\n"
             "back\n"
             "wait p2\n"
             "back\n"
             "wait p1\n"
             "select \"Where did you purchase this product?\" Catalog\n"
             "clear Scanner\n"
             "back\n"
             "caption Walk Setup - Welcome\n"
             "wait welcome\n"
             "later\n",
         0,
         {"finish -> back", "survey backward -> 888", "welcome -> cancel", "end: cancelled"},
         true,
         {{"q_557-1132-422", "1"}, {"q_557-1132-746", "19"}, {"q_557-1132-752", ""}},
         {"finish", "p3", "p2", "p1", "welcome"},
         nullptr},
        {"backward-entry-then-next", "--start finish",
         std::string(FINISH) +
             "back\n"
             "caption Registration for Walk\n"
             "wait p3\n"
             "check Entertainment/Games\n"
             "next\n" +
             FINISH + "next\n",
         0,
         {"finish -> back", "survey backward -> 1", "finish -> finish", "end: finished"},
         true,
         {{"q_557-1132-416", "5"}, {"q_557-1132-422", "0"}, {"q_557-1132-746", ABSENT}},
         {"finish", "p3"},
         nullptr},
        {"register-later", "",
         std::string(WELCOME_NEXT) +
             "wait p1\n"
             "check Joystick\n"
             "next\n"
             "wait p2\n"
             "check Graphics\n"
             "later\n",
         0,
         {"welcome -> next", "survey forward -> 2", "end: register later"},
         true,
         // Page 1 was left with Next and keeps its answers; page 2's are not saved.
         {{"q_557-1132-752", "9"}, {"q_557-1132-750", ABSENT}},
         {"welcome", "p1", "p2"},
         nullptr},
        {"close-page", "",
         std::string(WELCOME_NEXT) +
             "wait p1\n"
             "check Joystick\n"
             "close\n",
         0,
         {"welcome -> next", "survey forward -> 2", "end: register later"},
         true,
         {{"q_557-1132-752", ABSENT}},
         {"welcome", "p1"},
         nullptr},
        {"back-on-first-page", "",
         std::string(WELCOME_NEXT) +
             "wait p1\n"
             "back\n"
             "caption Walk Setup - Welcome\n"
             "wait welcome\n"
             "next\n"
             "caption Registration for Walk\n"
             "wait p1\n"
             "later\n",
         0,
         {"welcome -> next", "survey forward -> 888", "welcome -> next", "survey forward -> 2",
          "end: register later"},
         true,
         {{"q_557-1132-746", ""}},
         {"welcome", "p1"},
         nullptr},
        // Scripts written as UTF-8 and as ANSI text both reach the list's ANSI entry.
        {"utf8-script", "",
         std::string(WELCOME_NEXT) +
             "wait p1\n"
             "select \"Where did you purchase this product?\" Direct from Yandrel\xC2\xAE via phone\n"
             "next\n"
             "wait p2\n"
             "later\n",
         0,
         {"welcome -> next", "survey forward -> 2", "end: register later"},
         true,
         {{"q_557-1132-746", "0"}},
         {"welcome", "p1", "p2"},
         nullptr},
        {"ansi-script", "",
         std::string(WELCOME_NEXT) +
             "wait p1\n"
             "select \"Where did you purchase this product?\" Direct from Yandrel\xAE via mail\n"
             "next\n"
             "wait p2\n"
             "later\n",
         0,
         {"welcome -> next", "survey forward -> 2", "end: register later"},
         true,
         {{"q_557-1132-746", "2"}},
         {"welcome", "p1", "p2"},
         nullptr},
        {"unknown-box", "",
         std::string(WELCOME_NEXT) + "wait p1\ncheck No Such Box\nnext\n",
         1,
         {"welcome -> next"},
         false,
         {},
         {},
         "check \"No Such Box\": no check box labelled \"No Such Box\" on this page; its check boxes: "
         "\"3D Graphics Accelerator\""},
        {"unknown-option-button", "",
         std::string(WELCOME_NEXT) + "wait p1\nnext\nwait p2\nnext\nwait p3\nchoose Maybe\n",
         1,
         {"welcome -> next"},
         false,
         {},
         {},
         "no option button labelled \"Maybe\" on this page; its option buttons: \"Yes\", \"No\""},
        {"unknown-entry", "",
         std::string(WELCOME_NEXT) + "wait p1\nselect \"Do you purchase software for kids?\" Sometimes\n",
         1,
         {"welcome -> next"},
         false,
         {},
         {},
         "the list has no entry \"Sometimes\"; its entries: \" \", \"Yes\", \"No\""},
        {"no-such-page", "", "caption Nobody's Page\nwait\n", 1, {}, false, {}, {},
         "no page captioned \"Nobody's Page\" appeared within 1.0 s; windows shown: ", "1"},
        {"bad-script", "", "next\npush Finish\n", 2, {}, false, {}, {}, "line 2: unknown step \"push\""},
    };
    return walks;
}

class HostPilot : public ::testing::TestWithParam<Walk> {};

TEST_P(HostPilot, Walk) {
    const Walk& walk = GetParam();
    std::string folder = WalkFolder(walk.name);
    std::string bin = BinFolder();
    ASSERT_TRUE(WriteText(folder + "walk.pilot", walk.script));

    Program host("\"" + bin + "sample_host.exe\" --answers \"" + folder + "answers.ini\" --section Walk" +
                     " --title Walk --log \"" + folder + "host.log\" " + walk.hostOptions,
                 folder + "host.out");
    ASSERT_TRUE(host.started);
    Program pilot("\"" + bin + "pilot.exe\" --timeout " + walk.pilotTimeout + " --out \"" +
                      folder.substr(0, folder.size() - 1) + "\" \"" + folder + "walk.pilot\"",
                  folder + "pilot.out");
    ASSERT_TRUE(pilot.started);

    long pilotExit = pilot.Wait(120000);
    std::string pilotOutput = ReadText(folder + "pilot.out");
    EXPECT_EQ(pilotExit, walk.pilotExit) << pilotOutput;
    if (walk.pilotMessage) {
        EXPECT_NE(pilotOutput.find(walk.pilotMessage), std::string::npos) << pilotOutput;
    }

    if (walk.hostEnds) {
        EXPECT_EQ(host.Wait(20000), 0) << "the host did not end after the walk";
    } else {
        Sleep(200);  // any line the host would still print
    }
    EXPECT_EQ(ReadLines(folder + "host.log"), walk.hostLines) << ReadText(folder + "host.out");

    for (const auto& answer : walk.answers)
        EXPECT_EQ(Answer(folder + "answers.ini", answer.first), answer.second) << answer.first;

    unsigned pageWidth = 0, pageHeight = 0;
    for (const char* picture : walk.pictures) {
        unsigned width, height;
        PngSize(folder + picture + ".png", &width, &height);
        EXPECT_GT(width, 400u) << picture;
        EXPECT_GT(height, 300u) << picture;
        if (pageWidth == 0) {
            pageWidth = width;
            pageHeight = height;
        }
        // Every page, the host's and the survey's, has the same template size.
        EXPECT_EQ(width, pageWidth) << picture;
        EXPECT_EQ(height, pageHeight) << picture;
    }
}

INSTANTIATE_TEST_SUITE_P(Walks, HostPilot, ::testing::ValuesIn(Walks()),
                         [](const ::testing::TestParamInfo<Walk>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c) name += *c == '-' ? '_' : *c;
                             return name;
                         });

TEST(SampleHost, HelpDescribesEveryOption) {
    std::string folder = WalkFolder("help");
    Program host("\"" + BinFolder() + "sample_host.exe\" --help", folder + "help.out");
    ASSERT_TRUE(host.started);
    EXPECT_EQ(host.Wait(20000), 0);
    std::string help = ReadText(folder + "help.out");
    for (const char* option : {"--answers", "--section", "--title", "--panel", "--start", "--log", "--help"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
}

TEST(SampleHost, BadOptionIsRefusedWithoutShowingAPage) {
    std::string folder = WalkFolder("bad-option");
    Program host("\"" + BinFolder() + "sample_host.exe\" --start middle --log \"" + folder + "host.log\"",
                 folder + "host.out");
    ASSERT_TRUE(host.started);
    EXPECT_EQ(host.Wait(20000), 2);
    EXPECT_NE(ReadText(folder + "host.out").find("--start takes welcome or finish, not middle"), std::string::npos);
    EXPECT_TRUE(ReadLines(folder + "host.log").empty());
}

}  // namespace
