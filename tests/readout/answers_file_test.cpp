// Reading answers files as the survey's profile calls read them, and turning away the files
// that can't be answers files, each with its reason.
#include <gtest/gtest.h>

#include <string>

#include "readout/answers_file.h"
#include "tests/support/scratch_folder.h"

namespace {

const char KEY[] = "q_557-1132-746";

TEST(ProfileSection, FindsTheValueTheSurveyWouldRead) {
    const struct {
        const char* what;
        std::string text;
        bool found;
        const char* value;  // nullptr: no such key
    } rows[] = {
        {"plain", "[Survey]\nq_557-1132-746=19\n", true, "19"},
        {"CR LF lines", "[Survey]\r\nq_557-1132-746=19\r\n", true, "19"},
        {"names in another case", "[sURVEY]\nQ_557-1132-746=19\n", true, "19"},
        {"blanks around names and values", "  [ Survey ]  \n\t q_557-1132-746 =  19 \t\n", true, "19"},
        {"a quoted value", "[Survey]\nq_557-1132-746=\"19\"\n", true, "19"},
        {"a lone quote stays", "[Survey]\nq_557-1132-746=\"19\n", true, "\"19"},
        {"an empty value", "[Survey]\nq_557-1132-746=\n", true, ""},
        {"a key without =", "[Survey]\nq_557-1132-746\n", true, nullptr},
        {"first of two keys", "[Survey]\nq_557-1132-746=1\nq_557-1132-746=2\n", true, "1"},
        {"first of two sections", "[Survey]\nx=1\n[Survey]\nq_557-1132-746=2\n", true, nullptr},
        {"other sections around it", "[A]\nq_557-1132-746=1\n[Survey]\nq_557-1132-746=2\n[B]\nq_557-1132-746=3", true, "2"},
        {"keys before any section", "q_557-1132-746=1\n[Survey]\n", true, nullptr},
        {"a section line without ]", "[Survey\nq_557-1132-746=1\n", false, nullptr},
        {"no section", "q_557-1132-746=1\n", false, nullptr},
        {"another section only", "[Survey2]\nq_557-1132-746=1\n", false, nullptr},
        {"= in the value", "[Survey]\nq_557-1132-746=a=b\n", true, "a=b"},
    };
    for (const auto& row : rows) {
        ProfileEntries entries;
        EXPECT_EQ(FindProfileSection(row.text, "Survey", &entries), row.found) << row.what;
        const std::string* value = FindProfileValue(entries, KEY);
        if (row.value) {
            ASSERT_NE(value, nullptr) << row.what;
            EXPECT_EQ(*value, row.value) << row.what;
        } else {
            EXPECT_EQ(value, nullptr) << row.what;
        }
    }
}

Catalog TheCatalog() {
    Catalog catalog;
    std::string error;
    EXPECT_TRUE(LoadSurveyCatalog(&catalog, &error)) << error;
    return catalog;
}

TEST(AnswersFile, TurnsAwayWhatIsNoAnswersFile) {
    ScratchFolder scratch;
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string("[Survey]\r\nq_557-1132-746=19\r\n")) utf16 += std::string(1, c) + '\0';
    std::string huge = "[Survey]\nq_557-1132-746=19\n" + std::string(ANSWERS_FILE_LIMIT, ';');
    const struct {
        const char* name;
        std::string bytes;  // nothing is written for "missing"
        FileVerdict verdict;
        const char* reason;
    } rows[] = {
        {"answers.ini", "[Survey]\nq_557-1132-746=19\n", FILE_READ, ""},
        {"utf8-bom.ini", "\xEF\xBB\xBF[Survey]\nq_557-1132-746=19\n", FILE_READ, ""},
        {"utf16.ini", utf16, FILE_READ, ""},
        {"limit.ini", huge.substr(0, ANSWERS_FILE_LIMIT), FILE_READ, ""},
        {"huge.ini", huge, FILE_TOO_LARGE, "larger than 1024 KiB"},
        {"nul.ini", std::string("[Survey]\nq_557-1132-746=1\0\n", 27), FILE_BINARY, "binary"},
        {"picture.bmp", std::string("BM\x36\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00", 14), FILE_BINARY, "binary"},
        {"empty.ini", "", FILE_NO_SECTION, "no [Survey] section"},
        {"notes.txt", "Dear support,\nplease call me.\n", FILE_NO_SECTION, "no [Survey] section"},
        {"other-keys.ini", "[Survey]\nname=Ann\n", FILE_NO_ANSWERS, "none of the survey's keys"},
        {"missing", "", FILE_UNREADABLE, "unreadable"},
    };
    Catalog catalog = TheCatalog();
    for (const auto& row : rows) {
        std::string path = std::string(row.name) == "missing" ? scratch.path + "/missing" : scratch.Write(row.name, row.bytes);
        AnswersFile file = ReadAnswersFile(path, "Survey", catalog);
        EXPECT_EQ(file.verdict, row.verdict) << row.name;
        EXPECT_NE(file.reason.find(row.reason), std::string::npos) << row.name << ": " << file.reason;
        if (row.verdict == FILE_READ) {
            const std::string* value = FindProfileValue(file.entries, KEY);
            ASSERT_NE(value, nullptr) << row.name;
            EXPECT_EQ(*value, "19") << row.name;
        }
    }
    AnswersFile folder = ReadAnswersFile(scratch.path, "Survey", catalog);
    EXPECT_EQ(folder.verdict, FILE_UNREADABLE);
    EXPECT_EQ(folder.reason, "unreadable: a folder");
    // A device that never ends is cut off at the limit.
    EXPECT_EQ(ReadAnswersFile("/dev/zero", "Survey", catalog).verdict, FILE_TOO_LARGE);
}

}  // namespace
