// Page cursor and result mapping of the survey loop.
#include "navigation.h"

#include <atomic>

ResultCodes ResultCodeTable;

void SetResultCodeTable() {
    ResultCodeTable = ResultCodes{{RESULT_FAILED, RESULT_CANCEL, RESULT_NEXT, RESULT_BACK, RESULT_STAY}};
}

int32_t MapResult(int32_t raw) {
    for (int32_t dir = DIR_ERROR; dir <= DIR_STAY; ++dir) {
        if (ResultCodeTable.code[dir + 1] == raw) return dir;
    }
    // An unknown result passes through as a direction that moves nothing, except 0
    // (the platform's "no such parent window"), which stops.
    return raw;
}

void StartCursor(int32_t direction, int pageCount, int& cursor) {
    if (cursor > 0 && cursor <= pageCount) return;
    if (direction == DIR_FORWARD) cursor = 0;
    else if (direction == DIR_BACKWARD) cursor = pageCount + 1;
}

bool StepCursor(int32_t direction, int pageCount, int& cursor) {
    if (direction == DIR_STOP || direction == DIR_ERROR) return false;
    if (direction == DIR_FORWARD) ++cursor;
    else if (direction == DIR_BACKWARD) --cursor;
    return cursor >= 1 && cursor <= pageCount;
}

namespace {
// The pages, the result table and the answers are process-wide, so a second survey
// started while one runs (from a page's message handler, or another thread) would
// corrupt the first. It is refused instead.
std::atomic_flag SurveyRunning = ATOMIC_FLAG_INIT;

struct RunningMark {
    ~RunningMark() { SurveyRunning.clear(); }
};
}  // namespace

int32_t RunSurvey(void* parent, int32_t direction, const HostBlock* host, PageRunner showPage) {
    if (SurveyRunning.test_and_set()) return RESULT_FAILED;
    RunningMark running;
    SetResultCodeTable();
    if (direction != DIR_FORWARD && direction != DIR_BACKWARD) return RESULT_FAILED;
    int cursor = 0;
    StartCursor(direction, PAGE_COUNT, cursor);
    int32_t result = RESULT_FAILED;
    while (StepCursor(direction, PAGE_COUNT, cursor)) {
        result = showPage(cursor, parent, direction, host);
        direction = MapResult(result);
    }
    return result;
}
