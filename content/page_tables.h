// The question tables of the three survey pages. Each ends with an all-empty record; the
// answer fields are the in-memory answers and change as the user works the pages.
#pragma once

#include <cstdint>

#include "questions/question.h"
#include "survey/navigation.h"

constexpr int PAGE1_QUESTION_COUNT = 4;
constexpr int PAGE2_QUESTION_COUNT = 2;
constexpr int PAGE3_QUESTION_COUNT = 2;

// Page 1: purchase place, primary use, software for kids (lists), peripherals (boxes).
extern Question Page1Questions[PAGE1_QUESTION_COUNT + 1];
// Page 2: products owned and features used most (boxes).
extern Question Page2Questions[PAGE2_QUESTION_COUNT + 1];
// Page 3: subjects of interest (boxes) and consent to sharing (option buttons, starts "0").
extern Question Page3Questions[PAGE3_QUESTION_COUNT + 1];

// The pages in survey order: each one's dialog template and question table.
struct SurveyPage {
    uint16_t templateId;
    Question* questions;
};
extern const SurveyPage SurveyPages[PAGE_COUNT];
