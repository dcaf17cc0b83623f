#include "readout/report.h"

#include <cstdio>

#include "readout/decode.h"
#include "readout/text_encoding.h"

namespace {

std::string Csv(const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
    std::string out = "\"";
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string Json(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string Percent(double share) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f%%", share * 100);
    return text;
}

std::string Fraction(double share) {
    char text[16];
    std::snprintf(text, sizeof text, "%.4f", share);
    return text;
}

const char* StateName(AnswerState state) {
    switch (state) {
    case ANSWER_MISSING: return "not answered";
    case ANSWER_NONE: return "none";
    default: return "answered";
    }
}

const char* TallyKindName(TallyKind kind) {
    switch (kind) {
    case TALLY_CHOICE: return "choice";
    case TALLY_NONE: return "none";
    case TALLY_UNKNOWN: return "unknown";
    default: return "not answered";
    }
}

std::string JsonSkipped(const std::vector<AnswersFile>& files) {
    std::string out = "[";
    bool first = true;
    for (const AnswersFile& f : files) {
        if (f.verdict == FILE_READ) continue;
        out += std::string(first ? "" : ",") + "\n    {\"file\": " + Json(DisplayPath(f.path)) +
               ", \"reason\": " + Json(f.reason) + "}";
        first = false;
    }
    return out + (first ? "]" : "\n  ]");
}

std::string JsonAnswer(const QuestionText& q, const DecodedAnswer& a) {
    std::string out = "{\"key\": " + Json(q.question->key) + ", \"page\": " + std::to_string(q.page) +
                      ", \"question\": " + Json(q.text);
    if (!q.prompt.empty()) out += ", \"prompt\": " + Json(q.prompt);
    out += ", \"state\": " + Json(StateName(a.state));
    if (a.state != ANSWER_MISSING) out += ", \"codes\": " + Json(EscapeBytes(a.value));
    out += ", \"labels\": " + Json(AnswerLabels(q, a)) + ", \"picks\": [";
    for (size_t i = 0; i < a.picks.size(); ++i) {
        const Pick& p = a.picks[i];
        out += std::string(i ? ", " : "") + "{\"code\": " + Json(EscapeBytes(p.code)) +
               ", \"known\": " + (p.choices.empty() ? "false" : "true") +
               ", \"shared\": " + (p.choices.size() > 1 ? "true" : "false") + ", \"labels\": [";
        for (size_t k = 0; k < p.choices.size(); ++k) out += (k ? ", " : "") + Json(q.choices[p.choices[k]].label);
        out += "]}";
    }
    return out + "]}";
}

}  // namespace

std::string DisplayPath(const std::string& path) {
    bool plain = IsUtf8(path);
    for (unsigned char c : path) plain = plain && c >= 0x20 && c != 0x7F;
    return plain ? path : EscapeBytes(path);
}

std::string FormatAnswers(const Catalog& catalog, const std::vector<AnswersFile>& files,
                          const std::string& section, ReportFormat format) {
    std::string out;
    if (format == FORMAT_CSV) out = "file,key,question,codes,labels\n";
    if (format == FORMAT_JSON) out = "{\n  \"section\": " + Json(section) + ",\n  \"files\": [";
    bool firstFile = true;
    for (const AnswersFile& file : files) {
        if (file.verdict != FILE_READ) continue;
        std::string path = DisplayPath(file.path);
        if (format == FORMAT_TEXT) out += std::string(firstFile ? "" : "\n") + path + " [" + section + "]\n";
        if (format == FORMAT_JSON) out += std::string(firstFile ? "" : ",") + "\n    {\"file\": " + Json(path) + ", \"answers\": [";
        for (size_t i = 0; i < catalog.questions.size(); ++i) {
            const QuestionText& q = catalog.questions[i];
            DecodedAnswer a = DecodeAnswer(q, FindProfileValue(file.entries, q.question->key));
            switch (format) {
            case FORMAT_TEXT:
                out += "  " + q.text + "\n";
                if (a.state != ANSWER_GIVEN) {
                    out += "      " + AnswerLabels(q, a) + "\n";
                } else {
                    for (const Pick& p : a.picks) out += "      " + PickLabel(q, p) + "\n";
                }
                break;
            case FORMAT_CSV:
                out += Csv(path) + "," + Csv(q.question->key) + "," + Csv(q.text) + "," +
                       Csv(EscapeBytes(a.value)) + "," + Csv(AnswerLabels(q, a)) + "\n";
                break;
            case FORMAT_JSON:
                out += std::string(i ? "," : "") + "\n      " + JsonAnswer(q, a);
                break;
            }
        }
        if (format == FORMAT_JSON) out += "\n    ]}";
        firstFile = false;
    }
    if (format == FORMAT_JSON) out += std::string(firstFile ? "]" : "\n  ]") + ",\n  \"skipped\": " + JsonSkipped(files) + "\n}\n";
    return out;
}

std::string FormatSummary(const Summary& summary, const std::string& section, ReportFormat format) {
    std::string out;
    int skipped = static_cast<int>(summary.skipped.size());
    switch (format) {
    case FORMAT_TEXT:
        out = "[" + section + "] answers: " + std::to_string(summary.filesRead) + " files read, " +
              std::to_string(skipped) + " skipped\n";
        break;
    case FORMAT_CSV:
        out = "key,question,code,label,files,share\n";
        break;
    case FORMAT_JSON:
        out = "{\n  \"section\": " + Json(section) + ",\n  \"files_read\": " + std::to_string(summary.filesRead) +
              ",\n  \"files_skipped\": " + std::to_string(skipped) + ",\n  \"skipped\": " + JsonSkipped(summary.skipped) +
              ",\n  \"questions\": [";
        break;
    }
    for (size_t i = 0; i < summary.questions.size(); ++i) {
        const QuestionTally& tally = summary.questions[i];
        const QuestionText& q = *tally.question;
        if (format == FORMAT_TEXT) out += "\n" + q.text + " (" + q.question->key + ")\n";
        if (format == FORMAT_JSON) {
            out += std::string(i ? "," : "") + "\n    {\"key\": " + Json(q.question->key) + ", \"page\": " +
                   std::to_string(q.page) + ", \"question\": " + Json(q.text) + ", \"rows\": [";
        }
        for (size_t k = 0; k < tally.rows.size(); ++k) {
            const TallyRow& row = tally.rows[k];
            double share = ShareOf(summary, row);
            switch (format) {
            case FORMAT_TEXT: {
                char line[64];
                std::snprintf(line, sizeof line, "  %7d  %6s  ", row.files, Percent(share).c_str());
                out += line + row.label + "\n";
                break;
            }
            case FORMAT_CSV:
                out += Csv(q.question->key) + "," + Csv(q.text) + "," + Csv(row.code) + "," + Csv(row.label) + "," +
                       std::to_string(row.files) + "," + Fraction(share) + "\n";
                break;
            case FORMAT_JSON:
                out += std::string(k ? "," : "") + "\n      {\"kind\": " + Json(TallyKindName(row.kind)) +
                       ", \"code\": " + Json(row.code) + ", \"label\": " + Json(row.label) +
                       ", \"files\": " + std::to_string(row.files) + ", \"share\": " + Fraction(share) + "}";
                break;
            }
        }
        if (format == FORMAT_JSON) out += "\n    ]}";
    }
    if (format == FORMAT_JSON) out += "\n  ]\n}\n";
    return out;
}

namespace {

// A text inside single quotes of a gnuplot script, where only the quote itself is special.
std::string GnuplotQuoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("''") : std::string(1, c);
    return out + "'";
}

}  // namespace

std::string ChartScript(const Summary& summary, const QuestionTally& tally, const std::string& png) {
    // The page's own answers always; the other rows only when some file has them.
    std::vector<const TallyRow*> rows;
    for (const TallyRow& row : tally.rows) {
        if (row.kind == TALLY_CHOICE || row.files > 0) rows.push_back(&row);
    }
    int most = 0;
    for (const TallyRow* row : rows) most = row->files > most ? row->files : most;
    int step = most <= 8 ? 1 : (most + 7) / 8;
    int height = 120 + 22 * static_cast<int>(rows.size());
    std::string script =
        "set terminal pngcairo noenhanced size 1000," + std::to_string(height) + " font 'DejaVu Sans,9'\n"
        "set output " + GnuplotQuoted(png) + "\n"
        "set tmargin 5\n"
        "set label 1 " + GnuplotQuoted(tally.question->text) + " at screen 0.5, screen 1 offset 0,-1.2 center font ',11'\n"
        "set label 2 " + GnuplotQuoted(std::string(tally.question->question->key) + ": " + std::to_string(summary.filesRead) +
                                       " answers files") + " at screen 0.5, screen 1 offset 0,-2.6 center\n"
        "set xlabel 'files'\nset xrange [0:" + std::to_string(most + step + most / 4 + 1) + "]\n"
        "set xtics " + std::to_string(step) + "\nset format x '%.0f'\n"
        "set yrange [" + std::to_string(rows.size()) + "-0.5:-0.5]\n"
        "set ytics scale 0\nset grid xtics\nset style fill solid 0.85 border -1\nunset key\n"
        "$tally << EOD\n";
    for (size_t i = 0; i < rows.size(); ++i) {
        std::string label = rows[i]->label;
        for (char& c : label) {
            if (c == '"') c = '\'';
        }
        script += "\"" + label + "\" " + std::to_string(rows[i]->files) + " " + Percent(ShareOf(summary, *rows[i])) + "\n";
    }
    script +=
        "EOD\n"
        "plot $tally using (0):0:(0):2:($0-0.35):($0+0.35):ytic(1) with boxxyerror lc rgb '#4a7ab5', \\\n"
        "     $tally using 2:0:(sprintf('  %d (%s)', $2, strcol(3))) with labels left\n";
    return script;
}
