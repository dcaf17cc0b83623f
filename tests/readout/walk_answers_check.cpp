// walk_answers_check PILOT_SCRIPT DECODED_CSV
//
// Whether the answers a pilot walk left behind, as `survey-answers --csv` decoded them, are
// exactly the choices the walk made: per question, the set of decoded labels against the
// set the walk's steps leave chosen. The steps are found in the survey's own texts (the
// readout's catalog), as the pilot finds them on the pages. Prints what differs.
// Exit status: 0 when every answer agrees, 1 when one does not or an input is unusable,
// 2 for a wrong command line.
#include <windows.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "content/control_text.h"
#include "pilot/pilot_script.h"
#include "readout/catalog.h"
#include "readout/decode.h"

namespace {

using Labels = std::set<std::string>;
using CsvRow = std::vector<std::string>;

bool ReadWholeFile(const char* path, std::string* bytes) {
    FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes->append(buffer, n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

// Scripts are usually written as UTF-8 (the pilot takes them so); one that is not is in the
// ANSI code page. The catalog's texts are UTF-8.
std::string ScriptAsUtf8(std::string bytes) {
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
    int size = static_cast<int>(bytes.size());
    if (bytes.empty() || MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0) > 0)
        return bytes;
    std::wstring wide(MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, &wide[0], static_cast<int>(wide.size()));
    std::string utf8(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &utf8[0], static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
}

// RFC 4180: fields split by commas; a quoted field may hold commas, line breaks and doubled
// quotes; records end with CRLF or LF (a Windows program's text output has CRLF).
bool ParseCsv(const std::string& text, std::vector<CsvRow>* rows, std::string* error) {
    CsvRow row;
    std::string field;
    bool quoted = false, closed = false;
    int line = 1;
    auto endField = [&] {
        row.push_back(field);
        field.clear();
        closed = false;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
                closed = true;
            } else {
                if (c == '\n') ++line;
                field += c;
            }
        } else if (c == ',') {
            endField();
        } else if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            if (c == '\r') ++i;
            endField();
            rows->push_back(row);
            row.clear();
            ++line;
        } else if (closed) {
            *error = "line " + std::to_string(line) + ": text after a quoted field";
            return false;
        } else if (c == '"' && field.empty()) {
            quoted = true;
        } else if (c == '"') {
            *error = "line " + std::to_string(line) + ": a quote inside an unquoted field";
            return false;
        } else {
            field += c;
        }
    }
    if (quoted) {
        *error = "a quoted field is not closed";
        return false;
    }
    if (!field.empty() || closed || !row.empty()) {
        endField();
        rows->push_back(row);
    }
    return true;
}

// One decoded answer: the question as the readout names it and the labels it printed.
struct Decoded {
    std::string question;
    std::string labels;
};

// The labels cell as a set: "; " joins them; "none checked" and "none chosen" are the
// empty set. "not answered" stays as it is: no walk that saves its pages can leave it.
Labels SplitLabels(const std::string& cell) {
    Labels labels;
    if (cell == "none checked" || cell == "none chosen") return labels;
    size_t start = 0;
    for (;;) {
        size_t end = cell.find("; ", start);
        labels.insert(cell.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return labels;
        start = end + 2;
    }
}

std::string Show(const Labels& labels) {
    if (labels.empty()) return "(none)";
    std::string out;
    for (const std::string& l : labels) out += (out.empty() ? "" : "; ") + l;
    return out;
}

Labels Minus(const Labels& a, const Labels& b) {
    Labels out;
    for (const std::string& l : a)
        if (!b.count(l)) out.insert(l);
    return out;
}

// What the walk leaves chosen: per catalog question, indexes into its choices.
struct Walk {
    std::vector<std::set<int>> chosen;
    struct Select {
        size_t question;
        const PilotStep* step;
    };
    std::vector<Select> selects;
};

// The survey's first answers, as a fresh load with no answers file shows them (the demo
// removes the file before its walk): each list on its entry with the table's code, each
// option or box whose code the table's answer holds.
Walk StartingAnswers(const Catalog& catalog) {
    Walk walk;
    for (const QuestionText& q : catalog.questions) {
        std::set<std::string> codes;
        std::string answer = q.question->answer;
        for (size_t start = 0;;) {
            size_t end = answer.find(',', start);
            codes.insert(answer.substr(start, end == std::string::npos ? std::string::npos : end - start));
            if (end == std::string::npos) break;
            start = end + 1;
        }
        std::set<int> chosen;
        for (size_t i = 0; i < q.choices.size(); ++i) {
            if (!codes.count(q.choices[i].code)) continue;
            chosen.insert(static_cast<int>(i));
            if (q.question->kind == KIND_DROPLIST) break;  // a list shows one entry
        }
        walk.chosen.push_back(chosen);
    }
    return walk;
}

struct Place {
    size_t question;
    int choice;
};

// The choices of questions of kind whose control text reads as label, the way the pilot
// matches a step's label against the page's controls.
std::vector<Place> FindChoices(const Catalog& catalog, uint32_t kind, const std::string& label) {
    std::vector<Place> found;
    for (size_t q = 0; q < catalog.questions.size(); ++q) {
        const QuestionText& question = catalog.questions[q];
        if (question.question->kind != kind) continue;
        for (size_t i = 0; i < question.choices.size(); ++i)
            if (StripAccessKeys(question.choices[i].controlText) == StripAccessKeys(label))
                found.push_back({q, static_cast<int>(i)});
    }
    return found;
}

std::string Where(const PilotStep& step) { return "line " + std::to_string(step.line) + ": " + DescribeStep(step); }

// Follows the steps that choose; false with a message for a step it can't place or can't
// follow. The order of pages does not matter: every page is left with next or back, both
// of which save it, and what a page shows again is what was saved.
bool FollowWalk(const Catalog& catalog, const std::vector<PilotStep>& steps, Walk* walk, std::string* error) {
    for (const PilotStep& step : steps) {
        switch (step.action) {
        case PILOT_SELECT: {
            std::vector<Place> entries;
            for (size_t q = 0; q < catalog.questions.size(); ++q) {
                const QuestionText& question = catalog.questions[q];
                if (question.question->kind != KIND_DROPLIST || question.text != StripAccessKeys(step.label)) continue;
                for (size_t i = 0; i < question.choices.size(); ++i)
                    if (question.choices[i].controlText == step.entry) entries.push_back({q, static_cast<int>(i)});
            }
            if (entries.size() != 1) {
                *error = Where(step) + (entries.empty() ? ": no list question of the survey has that text and entry"
                                                        : ": the text and entry name several lists");
                return false;
            }
            walk->chosen[entries[0].question] = {entries[0].choice};
            walk->selects.push_back({entries[0].question, &step});
            break;
        }
        case PILOT_CHECK:
        case PILOT_CLEAR:
        case PILOT_CHOOSE: {
            uint32_t kind = step.action == PILOT_CHOOSE ? KIND_RADIOS : KIND_CHECKBOXES;
            std::vector<Place> found = FindChoices(catalog, kind, step.label);
            if (found.size() != 1) {
                *error = Where(step) + (found.empty() ? ": no " : ": several ") +
                         (kind == KIND_RADIOS ? "option buttons" : "check boxes") + " of the survey read so";
                return false;
            }
            std::set<int>& chosen = walk->chosen[found[0].question];
            if (step.action == PILOT_CHOOSE) chosen = {found[0].choice};
            else if (step.action == PILOT_CHECK) chosen.insert(found[0].choice);
            else chosen.erase(found[0].choice);
            break;
        }
        case PILOT_LATER:
        case PILOT_CLOSE:
        case PILOT_PRESS:
        case PILOT_KEY:
            // These may leave a page unsaved, or choose what a script does not say.
            *error = Where(step) + ": a walk checked here leaves its pages with next or back and chooses "
                                   "with select, check, clear and choose only";
            return false;
        default:
            break;
        }
    }
    return true;
}

// The labels the readout gives the walk's choices of q. Choices sharing a code are one
// answer in the file; the readout names them together.
Labels ExpectedLabels(const QuestionText& q, const std::set<int>& chosen) {
    Labels labels;
    for (int i : chosen) {
        Pick pick{q.choices[i].code, {}};
        for (size_t k = 0; k < q.choices.size(); ++k)
            if (q.choices[k].code == pick.code) pick.choices.push_back(static_cast<int>(k));
        labels.insert(pick.choices.size() > 1 ? PickLabel(q, pick) : q.choices[i].label);
    }
    return labels;
}

// The decoded rows by key; false for a CSV that is not one file's readout.
bool ReadDecoded(const std::vector<CsvRow>& rows, std::map<std::string, Decoded>* decoded, std::string* error) {
    if (rows.empty() || rows[0] != CsvRow{"file", "key", "question", "codes", "labels"}) {
        *error = "the first line is not the header file,key,question,codes,labels";
        return false;
    }
    std::string file;
    for (size_t r = 1; r < rows.size(); ++r) {
        const CsvRow& row = rows[r];
        std::string where = "row " + std::to_string(r + 1) + ": ";
        if (row.size() != 5) {
            *error = where + std::to_string(row.size()) + " fields, not 5";
            return false;
        }
        if (r == 1) file = row[0];
        if (row[0] != file) {
            *error = where + "a second answers file (" + row[0] + "); the check takes one";
            return false;
        }
        if (!decoded->emplace(row[1], Decoded{row[2], row[4]}).second) {
            *error = where + "key " + row[1] + " a second time";
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    SetConsoleOutputCP(CP_UTF8);
    if (argc != 3) {
        std::fprintf(stderr, "usage: walk_answers_check PILOT_SCRIPT DECODED_CSV\n");
        return 2;
    }
    const char* scriptPath = argv[1];
    const char* csvPath = argv[2];
    std::string script, csv, error;
    std::vector<PilotStep> steps;
    std::vector<CsvRow> rows;
    std::map<std::string, Decoded> decoded;
    Catalog catalog;
    if (!ReadWholeFile(scriptPath, &script) || !ParsePilotScript(ScriptAsUtf8(script), &steps, &error)) {
        std::fprintf(stderr, "walk_answers_check: %s: %s\n", scriptPath, error.empty() ? "cannot read it" : error.c_str());
        return 1;
    }
    if (!ReadWholeFile(csvPath, &csv) || !ParseCsv(csv, &rows, &error) || !ReadDecoded(rows, &decoded, &error)) {
        std::fprintf(stderr, "walk_answers_check: %s: %s\n", csvPath, error.empty() ? "cannot read it" : error.c_str());
        return 1;
    }
    if (!LoadSurveyCatalog(&catalog, &error)) {
        std::fprintf(stderr, "walk_answers_check: the survey's texts: %s\n", error.c_str());
        return 1;
    }
    Walk walk = StartingAnswers(catalog);
    if (!FollowWalk(catalog, steps, &walk, &error)) {
        std::fprintf(stderr, "walk_answers_check: %s: %s\n", scriptPath, error.c_str());
        return 1;
    }

    int differences = 0;
    for (size_t q = 0; q < catalog.questions.size(); ++q) {
        const QuestionText& question = catalog.questions[q];
        const char* key = question.question->key;
        Labels expected = ExpectedLabels(question, walk.chosen[q]);
        auto row = decoded.find(key);
        if (row == decoded.end()) {
            std::printf("%s \"%s\": no row in the decoded answers\n", key, question.text.c_str());
            ++differences;
            continue;
        }
        Labels got = SplitLabels(row->second.labels);
        if (got == expected) continue;
        ++differences;
        std::printf("%s \"%s\"\n", key, question.text.c_str());
        std::printf("    the walk chose:      %s\n", Show(expected).c_str());
        std::printf("    decoded:             %s\n", row->second.labels.c_str());
        Labels missing = Minus(expected, got), extra = Minus(got, expected);
        if (!missing.empty()) std::printf("    chosen, not decoded: %s\n", Show(missing).c_str());
        if (!extra.empty()) std::printf("    decoded, not chosen: %s\n", Show(extra).c_str());
    }
    for (const Walk::Select& s : walk.selects) {
        const QuestionText& question = catalog.questions[s.question];
        auto row = decoded.find(question.question->key);
        if (row == decoded.end() || row->second.question == StripAccessKeys(s.step->label)) continue;
        ++differences;
        std::printf("%s: the readout calls the question \"%s\"\n", Where(*s.step).c_str(), row->second.question.c_str());
    }
    for (const auto& [key, row] : decoded) {
        if (FindQuestion(catalog, key)) continue;
        ++differences;
        std::printf("%s \"%s\": not a question of the survey\n", key.c_str(), row.question.c_str());
    }

    if (differences) {
        std::printf("walk_answers_check: %d difference(s) between %s and the walk %s\n", differences, csvPath, scriptPath);
        return 1;
    }
    std::printf("walk_answers_check: all %d answers in %s are the choices of the walk %s\n",
                static_cast<int>(catalog.questions.size()), csvPath, scriptPath);
    return 0;
}
