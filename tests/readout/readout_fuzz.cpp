// Fuzz target: any bytes as an answers file, read and decoded the way survey-answers reads
// one, into every output; and the same bytes as a compiled resource file. Besides memory
// errors, it fails when an output could carry a raw control byte or broken UTF-8 to a
// terminal or a CSV or JSON reader.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "readout/answers_file.h"
#include "readout/report.h"
#include "readout/summary.h"
#include "readout/text_encoding.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

const Catalog& TheCatalog() {
    static Catalog catalog = [] {
        Catalog c;
        std::string error;
        Require(LoadSurveyCatalog(&c, &error));
        return c;
    }();
    return catalog;
}

void RequirePrintable(const std::string& out) {
    Require(IsUtf8(out));
    for (unsigned char c : out) Require(c >= 0x20 || c == '\n');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Catalog& catalog = TheCatalog();
    std::string bytes(reinterpret_cast<const char*>(data), size);

    AnswersFile file;
    file.path = "fuzz.ini";
    std::string text;
    if (ProfileText(bytes, &text) && FindProfileSection(text, "Survey", &file.entries)) {
        file.verdict = FILE_READ;
        for (const QuestionText& q : catalog.questions) {
            const std::string* stored = FindProfileValue(file.entries, q.question->key);
            DecodedAnswer answer = DecodeAnswer(q, stored);
            Require(answer.value.size() < ANSWER_SIZE);
            for (const Pick& pick : answer.picks) {
                for (int choice : pick.choices) Require(choice >= 0 && static_cast<size_t>(choice) < q.choices.size());
            }
        }
        for (ReportFormat format : {FORMAT_TEXT, FORMAT_CSV, FORMAT_JSON}) {
            RequirePrintable(FormatAnswers(catalog, {file}, "Survey", format));
        }
        Summary summary = StartSummary(catalog);
        AddToSummary(&summary, file);
        RequirePrintable(FormatSummary(summary, "Survey", FORMAT_JSON));
    }

    CompiledResources resources;
    std::string error;
    ReadCompiledResources(data, size, &resources, &error);
    return 0;
}
