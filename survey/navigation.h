// The survey's page cursor and the table that turns a page's raw result into a direction.
// Plain functions: the loop takes the page runner as a parameter, so it runs without windows.
#pragma once

#include <cstdint>

#include "survey.h"

struct HostBlock;

enum Direction : int32_t {
    DIR_ERROR = -1,    // a page failed: stop
    DIR_STOP = 0,      // the user left the survey: stop
    DIR_FORWARD = 1,   // go to the next page
    DIR_BACKWARD = 2,  // go to the previous page
    DIR_STAY = 3,      // show the same page again
};
static_assert(DIR_FORWARD == SURVEY_DIR_FORWARD && DIR_BACKWARD == SURVEY_DIR_BACKWARD,
              "the entry directions hosts pass");

constexpr int PAGE_COUNT = 3;

// Raw page results, as survey.h promises them to hosts; the page dialog ends with the
// button's identifier (IDOK, IDCANCEL, ID_BACK), which the page checks against these.
constexpr int32_t RESULT_NEXT = SURVEY_RESULT_NEXT;
constexpr int32_t RESULT_CANCEL = SURVEY_RESULT_REGISTER_LATER;
constexpr int32_t RESULT_BACK = SURVEY_RESULT_BACK;
constexpr int32_t RESULT_FAILED = SURVEY_RESULT_FAILED;
constexpr int32_t RESULT_STAY = -2;     // no page produces it

// One raw result per direction, indexed by direction + 1 (DIR_ERROR .. DIR_STAY).
struct ResultCodes {
    int32_t code[5];
};
extern ResultCodes ResultCodeTable;

void SetResultCodeTable();
int32_t MapResult(int32_t raw);
void StartCursor(int32_t direction, int pageCount, int& cursor);
bool StepCursor(int32_t direction, int pageCount, int& cursor);

// Runs one page (1-based) and returns its raw result.
using PageRunner = int32_t (*)(int page, void* parent, int32_t direction, const HostBlock* host);

// The body of DoSurveyV2: walks the pages from the entry direction and returns the raw
// result of the last page shown, or RESULT_FAILED when the entry direction is neither
// forward nor backward or when a survey is already running (no page is shown then).
int32_t RunSurvey(void* parent, int32_t direction, const HostBlock* host, PageRunner showPage);
