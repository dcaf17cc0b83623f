// Tallies over a generated set of answers files: the counts each rule of the set implies,
// a shared code counted once per file, unknown codes apart, junk files skipped.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "readout/summary.h"
#include "tests/support/scratch_folder.h"

namespace {

constexpr int FILES = 300;

// The answers of file i; each rule is simple enough to count by hand below.
std::string AnswersOf(int i) {
    std::string s = "[Other]\nq_557-1132-746=3\n[Survey]\n";
    if (i % 10 != 9) s += "q_557-1132-746=" + (i % 4 == 0 ? std::string() : std::to_string(i % 21)) + "\n";
    std::string boxes;
    auto add = [&](const char* code) { boxes += (boxes.empty() ? "" : ",") + std::string(code); };
    if (i % 2 == 0) add("0");
    if (i % 3 == 0) add("5");
    if (i % 5 == 0) add("99");
    if (i % 7 == 0) add("0");
    s += "q_557-1132-752=" + boxes + "\n";
    const char* products[] = {"13", "13,13", "13,0", "", nullptr, "14"};
    if (products[i % 6]) s += "q_557-1132-747=" + std::string(products[i % 6]) + "\n";
    const char* sharing[] = {"0", "1", ""};
    s += "q_557-1132-422=" + std::string(sharing[i % 3]) + "\n";
    return s;
}

int CountWhere(bool (*rule)(int)) {
    int n = 0;
    for (int i = 0; i < FILES; ++i) n += rule(i);
    return n;
}

const TallyRow* RowLabelled(const Summary& summary, const std::string& key, const std::string& label) {
    for (const QuestionTally& tally : summary.questions) {
        if (key != tally.question->question->key) continue;
        for (const TallyRow& row : tally.rows) {
            if (row.label == label) return &row;
        }
    }
    return nullptr;
}

TEST(Summary, GeneratedSetCountsAsItsRules) {
    Catalog catalog;
    std::string error;
    ASSERT_TRUE(LoadSurveyCatalog(&catalog, &error)) << error;
    ScratchFolder scratch;
    std::vector<std::string> paths;
    for (int i = 0; i < FILES; ++i) paths.push_back(scratch.Write("answers-" + std::to_string(i) + ".ini", AnswersOf(i)));
    paths.push_back(scratch.Write("junk.bin", std::string("\x00\x01\x02", 3)));
    paths.push_back(scratch.Write("empty.ini", ""));
    paths.push_back(scratch.Write("letter.txt", "Hello\n"));
    paths.push_back(scratch.path);
    paths.push_back(scratch.path + "/missing.ini");

    Summary summary = StartSummary(catalog);
    for (const std::string& path : paths) AddToSummary(&summary, ReadAnswersFile(path, "Survey", catalog));
    EXPECT_EQ(summary.filesRead, FILES);
    EXPECT_EQ(summary.skipped.size(), 5u);

    const struct {
        const char* key;
        const char* label;
        int files;
    } rows[] = {
        {"q_557-1132-746", "blank", CountWhere([](int i) { return i % 10 != 9 && i % 4 == 0; })},
        {"q_557-1132-746", "Catalog", CountWhere([](int i) { return i % 10 != 9 && i % 4 != 0 && i % 21 == 19; })},
        {"q_557-1132-746", "Other", CountWhere([](int i) { return i % 10 != 9 && i % 4 != 0 && i % 21 == 20; })},
        {"q_557-1132-746", "not answered", FILES / 10},
        {"q_557-1132-746", "unknown codes", 0},
        // "0" stored twice in a file counts once.
        {"q_557-1132-752", "3D Graphics Accelerator", CountWhere([](int i) { return i % 2 == 0 || i % 7 == 0; })},
        {"q_557-1132-752", "Digital Camera", CountWhere([](int i) { return i % 3 == 0; })},
        {"q_557-1132-752", "unknown codes", CountWhere([](int i) { return i % 5 == 0; })},
        {"q_557-1132-752", "none checked", CountWhere([](int i) { return i % 2 && i % 3 && i % 5 && i % 7; })},
        {"q_557-1132-752", "not answered", 0},
        {"q_557-1132-747", "Ribbonmark Signs or Ribbonmark Signs Deluxe (shared code)", FILES / 2},
        {"q_557-1132-747", "Quendry Print Studio", FILES / 6},
        {"q_557-1132-747", "Lumbrook Photo Print", FILES / 6},
        {"q_557-1132-747", "none checked", FILES / 6},
        {"q_557-1132-747", "not answered", FILES / 6},
        {"q_557-1132-422", "Yes", FILES / 3},
        {"q_557-1132-422", "No", FILES / 3},
        {"q_557-1132-422", "none chosen", FILES / 3},
        {"q_557-1132-749", "not answered", FILES},
        {"q_557-1132-416", "not answered", FILES},
    };
    for (const auto& row : rows) {
        const TallyRow* tally = RowLabelled(summary, row.key, row.label);
        ASSERT_NE(tally, nullptr) << row.key << " " << row.label;
        EXPECT_EQ(tally->files, row.files) << row.key << " " << row.label;
        EXPECT_DOUBLE_EQ(ShareOf(summary, *tally), static_cast<double>(row.files) / FILES) << row.key << " " << row.label;
    }
    // The shared code has one row, and each question's rows add up to at least every file.
    int signRows = 0;
    for (const QuestionTally& tally : summary.questions) {
        int total = 0;
        for (const TallyRow& row : tally.rows) {
            total += row.files;
            signRows += row.label.find("Ribbonmark") != std::string::npos;
        }
        EXPECT_GE(total, FILES) << tally.question->question->key;
    }
    EXPECT_EQ(signRows, 1);
}

}  // namespace
