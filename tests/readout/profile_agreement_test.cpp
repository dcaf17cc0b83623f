// The readout reads an answers file as the survey does: for every tricky file below, each
// key's value as the readout finds it equals what the platform's own profile call gives
// the page (GetPrivateProfileStringA into the page's 128-byte answer).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "questions/answer_rules.h"
#include "readout/answers_file.h"
#include "tests/support/scratch_dir_win32.h"

namespace {

const char* const KEYS[] = {"q_557-1132-746", "q_557-1132-752", "Q_557-1132-747", "q_557-1132-422"};
const char NONE[] = "(no such key)";

std::string Utf16(const std::string& ascii) {
    std::string out = "\xFF\xFE";
    for (char c : ascii) out += std::string(1, c) + '\0';
    return out;
}

TEST(ProfileAgreement, ReadoutFindsWhatThePageLoads) {
    const std::string longValue(200, '7');
    const struct {
        const char* what;
        std::string bytes;
    } rows[] = {
        {"plain", "[Survey]\r\nq_557-1132-746=19\r\nq_557-1132-752=0,5\r\n"},
        {"LF only", "[Survey]\nq_557-1132-746=19\nq_557-1132-752=0,5\n"},
        {"other cases", "[sURVEY]\r\nQ_557-1132-746=19\r\nq_557-1132-747=13\r\n"},
        {"blanks around", "  [ Survey ]  \r\n\t q_557-1132-746 =  19 \t\r\nq_557-1132-752= 0,5\r\n"},
        {"quotes", "[Survey]\r\nq_557-1132-746=\"19\"\r\nq_557-1132-752='0,5'\r\nq_557-1132-422=\"1\r\n"},
        {"empty values and no =", "[Survey]\r\nq_557-1132-746=\r\nq_557-1132-752\r\n"},
        {"two of a key", "[Survey]\r\nq_557-1132-746=1\r\nq_557-1132-746=2\r\n"},
        {"two of the section", "[Survey]\r\nq_557-1132-746=1\r\n[Other]\r\nx=1\r\n[Survey]\r\nq_557-1132-752=2\r\n"},
        {"other sections", "[A]\r\nq_557-1132-746=1\r\n[Survey]\r\nq_557-1132-746=2\r\n[B]\r\nq_557-1132-752=3\r\n"},
        {"keys before any section", "q_557-1132-746=1\r\n[Survey]\r\nq_557-1132-752=2\r\n"},
        {"a section line without ]", "[Survey\r\nq_557-1132-746=1\r\n[Survey]\r\nq_557-1132-752=2\r\n"},
        {"text after ]", "[Survey] answers\r\nq_557-1132-746=1\r\n"},
        {"comment lines", "[Survey]\r\n;q_557-1132-746=1\r\nq_557-1132-752=2 ; not a comment\r\n"},
        {"= in a value", "[Survey]\r\nq_557-1132-746=a=b\r\n"},
        {"a long value", "[Survey]\r\nq_557-1132-746=" + longValue + "\r\n"},
        {"no line end", "[Survey]\r\nq_557-1132-746=19"},
        {"UTF-8 mark", "\xEF\xBB\xBF[Survey]\r\nq_557-1132-746=19\r\n"},
        {"UTF-16 with its mark", Utf16("[Survey]\r\nq_557-1132-746=19\r\nq_557-1132-752=0,5\r\n")},
        {"no section", "q_557-1132-746=19\r\n"},
    };
    ScratchDir scratch("readout-profile");
    int serial = 0;
    for (const auto& row : rows) {
        // A file of its own for each row: the profile calls keep recently read files.
        std::string path = scratch / ("answers-" + std::to_string(++serial) + ".ini");
        FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(row.bytes.data(), 1, row.bytes.size(), f);
        std::fclose(f);
        std::string text;
        ASSERT_TRUE(ProfileText(row.bytes, &text)) << row.what;
        ProfileEntries entries;
        FindProfileSection(text, "Survey", &entries);
        for (const char* key : KEYS) {
            char loaded[ANSWER_SIZE];
            GetPrivateProfileStringA("Survey", key, NONE, loaded, sizeof loaded, path.c_str());
            const std::string* value = FindProfileValue(entries, key);
            char readout[ANSWER_SIZE];
            CopyAnswer(readout, value ? value->c_str() : NONE);  // what the page keeps of it
            EXPECT_STREQ(readout, loaded) << row.what << ", " << key;
        }
    }
}

}  // namespace
