#include "readout/summary.h"

Summary StartSummary(const Catalog& catalog) {
    Summary summary;
    for (const QuestionText& q : catalog.questions) {
        QuestionTally tally{&q, {}};
        for (size_t i = 0; i < q.choices.size(); ++i) {
            const std::string& code = q.choices[i].code;
            bool seen = false;
            for (const TallyRow& row : tally.rows) seen = seen || row.code == code;
            if (seen) continue;
            Pick all{code, {}};
            for (size_t k = i; k < q.choices.size(); ++k) {
                if (q.choices[k].code == code) all.choices.push_back(static_cast<int>(k));
            }
            tally.rows.push_back({TALLY_CHOICE, code, PickLabel(q, all)});
        }
        if (q.question->kind != KIND_DROPLIST) tally.rows.push_back({TALLY_NONE, "", NoneLabel(q)});
        tally.rows.push_back({TALLY_UNKNOWN, "", "unknown codes"});
        tally.rows.push_back({TALLY_NOT_ANSWERED, "", "not answered"});
        summary.questions.push_back(tally);
    }
    return summary;
}

namespace {

TallyRow* RowOf(QuestionTally& tally, TallyKind kind, const std::string& code = "") {
    for (TallyRow& row : tally.rows) {
        if (row.kind == kind && (kind != TALLY_CHOICE || row.code == code)) return &row;
    }
    return nullptr;
}

}  // namespace

void AddToSummary(Summary* summary, const AnswersFile& file) {
    if (file.verdict != FILE_READ) {
        summary->skipped.push_back(file);
        return;
    }
    ++summary->filesRead;
    for (QuestionTally& tally : summary->questions) {
        const QuestionText& q = *tally.question;
        DecodedAnswer answer = DecodeAnswer(q, FindProfileValue(file.entries, q.question->key));
        if (answer.state == ANSWER_MISSING) {
            ++RowOf(tally, TALLY_NOT_ANSWERED)->files;
        } else if (answer.state == ANSWER_NONE) {
            ++RowOf(tally, TALLY_NONE)->files;
        }
        bool unknown = false;
        for (const Pick& pick : answer.picks) {
            if (pick.choices.empty()) {
                unknown = true;
            } else {
                ++RowOf(tally, TALLY_CHOICE, q.choices[pick.choices[0]].code)->files;
            }
        }
        if (unknown) ++RowOf(tally, TALLY_UNKNOWN)->files;
    }
}

double ShareOf(const Summary& summary, const TallyRow& row) {
    return summary.filesRead > 0 ? static_cast<double>(row.files) / summary.filesRead : 0.0;
}
