// LoadAnswers and SaveAnswers on real answers files in a fresh directory per test.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "questions/persistence_win32.h"
#include "questions/question.h"
#include "tests/support/scratch_dir_win32.h"

namespace {

const Choice kChoices[] = {{100, "0"}, {101, "7"}, {0, ""}};

class AnswersFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(scratch.created()) << GetLastError(); }
    void TearDown() override { EXPECT_TRUE(scratch.Remove()) << "files left behind in " << dir; }

    std::string Path(const char* name) { return dir + "\\" + name; }

    static bool Exists(const std::string& path) {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    static void Write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // The file's meaning: its non-blank lines, trimmed, with blanks around "=" dropped.
    // The platform rewrites the whole file on every write, so bytes are not compared.
    static std::vector<std::string> Contents(const std::string& text) {
        auto trim = [](std::string s) {
            size_t a = s.find_first_not_of(" \t\r");
            size_t b = s.find_last_not_of(" \t\r");
            return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
        };
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            line = trim(line);
            if (line.empty()) continue;
            size_t eq = line.find('=');
            if (line[0] != ';' && line[0] != '[' && eq != std::string::npos)
                line = trim(line.substr(0, eq)) + "=" + trim(line.substr(eq + 1));
            lines.push_back(line);
        }
        return lines;
    }

    ScratchDir scratch{"answers"};
    const std::string dir = scratch.path();
    Question table[5] = {
        {"5", "q_557-1132-746", KIND_DROPLIST, kChoices},
        {"", "q_557-1132-752", KIND_CHECKBOXES, kChoices},
        {"0,7", "q_other-kind", 0x1234, kChoices},
        {"a/b", "q_fields", KIND_FIELDS, kChoices},
        {"", "", 0, nullptr},
    };
};

TEST_F(AnswersFileTest, MissingFileKeepsAnswersAndFirstSaveCreatesIt) {
    std::string file = Path("answers.ini");
    LoadAnswers(file.c_str(), "Survey", table);
    EXPECT_STREQ(table[0].answer, "5");
    EXPECT_STREQ(table[1].answer, "");
    EXPECT_STREQ(table[2].answer, "0,7");
    EXPECT_FALSE(Exists(file)) << "loading creates nothing";

    SaveAnswers(file.c_str(), "Survey", table);
    EXPECT_EQ(Contents(Read(file)),
              (std::vector<std::string>{"[Survey]", "q_557-1132-746=5", "q_557-1132-752=",
                                        "q_other-kind=0,7", "q_fields=a/b"}));

    // Read back into other answers: every kind is loaded, an empty value included.
    Question again[5];
    std::memcpy(again, table, sizeof again);
    for (int i = 0; i < 4; ++i) std::strcpy(again[i].answer, "marker");
    LoadAnswers(file.c_str(), "Survey", again);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(again[i].answer, table[i].answer);
    }
}

TEST_F(AnswersFileTest, LoadReadsTheSectionsKeys) {
    const std::string longValue = std::string(150, '1') + std::string(50, '2');
    const struct {
        const char* name;
        std::string text;
        const char* section;
        std::string expected;  // answer of q_557-1132-746, whose in-memory answer is "5"
    } cases[] = {
        {"plain", "[Survey]\r\nq_557-1132-746=20\r\n", "Survey", "20"},
        {"200 characters cut to 127", "[Survey]\nq_557-1132-746=" + longValue + "\n", "Survey",
         longValue.substr(0, 127)},
        {"key in another letter case", "[Survey]\nQ_557-1132-746=6\n", "Survey", "6"},
        {"section in another letter case", "[survey]\nq_557-1132-746=6\n", "SURVEY", "6"},
        {"empty value", "[Survey]\nq_557-1132-746=\n", "Survey", ""},
        {"key missing", "[Survey]\nq_557-1132-749=6\n", "Survey", "5"},
        {"key only in another section", "[Other]\nq_557-1132-746=6\n[Survey]\n", "Survey", "5"},
        {"section missing", "[Other]\nq_557-1132-746=6\n", "Survey", "5"},
        {"empty file", "", "Survey", "5"},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string file = Path(("load" + std::to_string(++n) + ".ini").c_str());
        Write(file, c.text);
        std::strcpy(table[0].answer, "5");
        std::strcpy(table[1].answer, "kept");
        LoadAnswers(file.c_str(), c.section, table);
        EXPECT_EQ(std::string(table[0].answer), c.expected);
        EXPECT_STREQ(table[1].answer, "kept");
    }
}

TEST_F(AnswersFileTest, SaveKeepsEverythingElseInTheFile) {
    std::string file = Path("answers.ini");
    Write(file,
          "; written by the host\n"
          "[Registration]\n"
          "name = Someone\n"
          "q_557-1132-746=not this one\n"
          "\n"
          "[Survey]\n"
          "; answers\n"
          "Q_557-1132-746=1\n"
          "q_557-1132-999=other page\n"
          "[Tail]\n"
          "x=y\n");
    SaveAnswers(file.c_str(), "survey", table);
    std::vector<std::string> lines = Contents(Read(file));
    const char* kept[] = {"; written by the host", "[Registration]", "name=Someone",
                          "q_557-1132-746=not this one", "; answers", "q_557-1132-999=other page",
                          "[Tail]", "x=y"};
    for (const char* line : kept) {
        SCOPED_TRACE(line);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), line), 1);
    }
    for (const char* line : {"q_557-1132-752=", "q_other-kind=0,7", "q_fields=a/b"}) {
        SCOPED_TRACE(line);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), line), 1);
    }
    // The key written by hand in another case is rewritten, not doubled.
    int survey746 = 0;
    for (const std::string& l : lines) {
        if (_strnicmp(l.c_str(), "q_557-1132-746=", 15) == 0 && l != "q_557-1132-746=not this one") {
            ++survey746;
            EXPECT_EQ(l.substr(15), "5");
        }
    }
    EXPECT_EQ(survey746, 1);
    EXPECT_EQ(lines.size(), std::size(kept) + 2u + 3u) << "plus the [Survey] header, its rewritten key and three new keys";
}

TEST_F(AnswersFileTest, WriteFailuresAreIgnored) {
    const std::string before = "[Survey]\r\nq_557-1132-746=1\r\n";
    std::string locked = Path("locked.ini");
    Write(locked, before);
    std::string nowhere = Path("missing\\answers.ini");

    // Held open by another handle that shares nothing: neither read nor written.
    HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    SaveAnswers(locked.c_str(), "Survey", table);
    LoadAnswers(locked.c_str(), "Survey", table);
    CloseHandle(holder);
    EXPECT_EQ(Read(locked), before);
    EXPECT_STREQ(table[0].answer, "5");

    SaveAnswers(nowhere.c_str(), "Survey", table);
    LoadAnswers(nowhere.c_str(), "Survey", table);
    EXPECT_FALSE(Exists(nowhere));
    EXPECT_FALSE(Exists(Path("missing")));

    const char* expected[] = {"5", "", "0,7", "a/b"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(table[i].answer, expected[i]) << "the in-memory answers survive";
    }
}

TEST_F(AnswersFileTest, LongestAnswersRoundTrip) {
    std::string file = Path("answers.ini");
    std::string longest(127, 'x');
    longest[0] = '0';
    std::strcpy(table[1].answer, longest.c_str());
    SaveAnswers(file.c_str(), "Survey", table);
    std::strcpy(table[1].answer, "");
    LoadAnswers(file.c_str(), "Survey", table);
    EXPECT_EQ(std::string(table[1].answer), longest);
}

TEST_F(AnswersFileTest, EmptyTableOrNoFileTouchesNothing) {
    std::string file = Path("answers.ini");
    Question empty[] = {{"", "", KIND_CHECKBOXES, nullptr}, {"7", "q_after", KIND_CHECKBOXES, kChoices}};
    SaveAnswers(file.c_str(), "Survey", empty);
    LoadAnswers(file.c_str(), "Survey", empty);
    SaveAnswers(file.c_str(), "Survey", nullptr);
    LoadAnswers(file.c_str(), "Survey", nullptr);
    SaveAnswers(nullptr, "Survey", table);
    LoadAnswers(nullptr, "Survey", table);
    SaveAnswers(file.c_str(), nullptr, table);
    LoadAnswers(file.c_str(), nullptr, table);
    EXPECT_FALSE(Exists(file));
    EXPECT_STREQ(empty[1].answer, "7");
    EXPECT_STREQ(table[0].answer, "5") << "a null section must not list the file's sections";
}

}  // namespace
