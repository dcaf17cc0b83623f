// Turning a stored answer back into what the user chose, by the rules the page itself
// uses when it shows that answer again.
#pragma once

#include <string>
#include <vector>

#include "readout/catalog.h"

// One code of an answer and the choices it stands for: one, or several where choices share
// a code (then the user checked one of them or both). No choices: a code the page doesn't
// know.
struct Pick {
    std::string code;
    std::vector<int> choices;  // indexes into QuestionText::choices
};

enum AnswerState {
    ANSWER_MISSING,  // no key: the page was never left with Next or Back
    ANSWER_NONE,     // empty: no box checked, no option chosen
    ANSWER_GIVEN,    // one pick or more (a list's blank entry is a pick)
};

struct DecodedAnswer {
    AnswerState state = ANSWER_MISSING;
    std::string value;        // as the page reads it back: at most 127 characters
    std::vector<Pick> picks;  // choices in table order, then codes the page doesn't know
};

// stored: the key's value, or null when the file lacks the key.
DecodedAnswer DecodeAnswer(const QuestionText& question, const std::string* stored);

// "Catalog", "Ribbonmark Signs or Ribbonmark Signs Deluxe (shared code)", "unknown code 99".
std::string PickLabel(const QuestionText& question, const Pick& pick);

// The labels of an answer joined by "; ", or "not answered", "none checked", "none chosen".
std::string AnswerLabels(const QuestionText& question, const DecodedAnswer& answer);

// The label of "no box checked" or "no option chosen" for a question of that kind.
std::string NoneLabel(const QuestionText& question);
