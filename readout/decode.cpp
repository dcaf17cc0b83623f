#include "readout/decode.h"

#include <algorithm>

#include "questions/answer_rules.h"
#include "readout/text_encoding.h"
#include "survey/text_rules.h"

namespace {

// The pick for code, made on first use so picks keep the order of the choice rows.
Pick& PickFor(std::vector<Pick>& picks, const std::string& code) {
    for (Pick& p : picks) {
        if (p.code == code) return p;
    }
    picks.push_back({code, {}});
    return picks.back();
}

void DecodeCheckBoxes(const QuestionText& q, const char* answer, DecodedAnswer* out) {
    for (size_t i = 0; i < q.choices.size(); ++i) {
        if (AnswerHasCode(answer, q.choices[i].code.c_str())) PickFor(out->picks, q.choices[i].code).choices.push_back(static_cast<int>(i));
    }
    // The pieces no box has: runs of "," count as one and empty pieces are skipped, as
    // the page splits them; each unknown code is listed once.
    std::string value = answer;
    size_t start = 0;
    while (start <= value.size()) {
        size_t end = value.find(',', start);
        if (end == std::string::npos) end = value.size();
        std::string piece = value.substr(start, end - start);
        bool known = std::any_of(q.choices.begin(), q.choices.end(), [&](const ChoiceText& c) { return c.code == piece; });
        if (!piece.empty() && !known) PickFor(out->picks, piece);
        start = end + 1;
    }
}

void DecodeOptions(const QuestionText& q, const char* answer, DecodedAnswer* out) {
    for (size_t i = 0; i < q.choices.size(); ++i) {
        if (AnswerPicksOption(answer, q.choices[i].code.c_str())) PickFor(out->picks, q.choices[i].code).choices.push_back(static_cast<int>(i));
    }
    if (out->picks.empty()) out->picks.push_back({answer, {}});
}

void DecodeList(const QuestionText& q, const char* answer, DecodedAnswer* out) {
    bool known = std::any_of(q.choices.begin(), q.choices.end(), [&](const ChoiceText& c) {
        return SameTextIgnoringAsciiCase(answer, c.code.c_str());
    });
    if (!known) {
        // The page would show its first entry; the stored code is what the file says.
        out->picks.push_back({answer, {}});
        return;
    }
    int index = DropListIndexFor(answer, q.question->choices);
    out->picks.push_back({q.choices[index].code, {index}});
}

}  // namespace

DecodedAnswer DecodeAnswer(const QuestionText& question, const std::string* stored) {
    DecodedAnswer out;
    if (!stored) return out;
    char answer[ANSWER_SIZE];
    CopyAnswer(answer, stored->c_str());
    out.value = answer;
    uint32_t kind = question.question->kind;
    if (kind == KIND_DROPLIST) {
        DecodeList(question, answer, &out);
    } else if (answer[0] == '\0') {
        out.state = ANSWER_NONE;
        return out;
    } else if (kind == KIND_RADIOS) {
        DecodeOptions(question, answer, &out);
    } else {
        DecodeCheckBoxes(question, answer, &out);
    }
    // A check-box answer of separators alone names no code.
    out.state = out.picks.empty() ? ANSWER_NONE : ANSWER_GIVEN;
    return out;
}

std::string PickLabel(const QuestionText& question, const Pick& pick) {
    if (pick.choices.empty()) return "unknown code " + EscapeBytes(pick.code);
    std::string label;
    for (int index : pick.choices) label += (label.empty() ? "" : " or ") + question.choices[index].label;
    if (pick.choices.size() > 1) label += " (shared code)";
    return label;
}

std::string NoneLabel(const QuestionText& question) {
    return question.question->kind == KIND_RADIOS ? "none chosen" : "none checked";
}

std::string AnswerLabels(const QuestionText& question, const DecodedAnswer& answer) {
    if (answer.state == ANSWER_MISSING) return "not answered";
    if (answer.state == ANSWER_NONE) return NoneLabel(question);
    std::string labels;
    for (const Pick& pick : answer.picks) labels += (labels.empty() ? "" : "; ") + PickLabel(question, pick);
    return labels;
}
