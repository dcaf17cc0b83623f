// Tallies over many answers files: for each question, how many files chose each answer.
#pragma once

#include <string>
#include <vector>

#include "readout/answers_file.h"
#include "readout/catalog.h"
#include "readout/decode.h"

enum TallyKind {
    TALLY_CHOICE,        // one code of the page (choices sharing it count once)
    TALLY_NONE,          // "none checked" / "none chosen"
    TALLY_UNKNOWN,       // files with at least one code the page doesn't know
    TALLY_NOT_ANSWERED,  // files without the key
};

struct TallyRow {
    TallyKind kind;
    std::string code;   // TALLY_CHOICE only
    std::string label;
    int files = 0;
};

struct QuestionTally {
    const QuestionText* question;
    std::vector<TallyRow> rows;  // the page's codes in choice order, then the others
};

struct Summary {
    int filesRead = 0;
    std::vector<AnswersFile> skipped;  // with their reasons
    std::vector<QuestionTally> questions;
};

Summary StartSummary(const Catalog& catalog);

// Counts one file: read files into the tallies, others into skipped.
void AddToSummary(Summary* summary, const AnswersFile& file);

// The share of files read, 0 to 1 (0 when none was read).
double ShareOf(const Summary& summary, const TallyRow& row);
