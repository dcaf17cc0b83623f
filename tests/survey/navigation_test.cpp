// The survey loop against a scripted page runner: which pages show, what the call returns.
#include <gtest/gtest.h>

#include <vector>

#include "survey/navigation.h"

namespace {

// The page runner hands out the scripted raw results in order and records each page shown.
struct Script {
    std::vector<int32_t> results;
    std::vector<int> shown;
};
Script* current;

int32_t ScriptedPage(int page, void*, int32_t, const HostBlock*) {
    current->shown.push_back(page);
    if (current->shown.size() > current->results.size()) {
        ADD_FAILURE() << "page " << page << " shown past the end of the script";
        return RESULT_CANCEL;
    }
    return current->results[current->shown.size() - 1];
}

struct Trace {
    const char* name;
    int32_t entry;
    std::vector<int32_t> results;  // raw result of each page, in order
    std::vector<int> pages;        // pages expected on screen
    int32_t returns;
};

const Trace kTraces[] = {
    {"forward through all", 1, {1, 1, 1}, {1, 2, 3}, 1},
    {"backward through all", 2, {888, 888, 888}, {3, 2, 1}, 888},
    {"next, back, register later", 1, {1, 888, 2}, {1, 2, 1}, 2},
    {"backward entry then next", 2, {1}, {3}, 1},
    {"closes page 1", 1, {2}, {1}, 2},
    {"next on 2, back on 3 shows 2 again", 1, {1, 1, 888, 1, 1}, {1, 2, 3, 2, 3}, 1},
    {"stay result shows the same page", 1, {-2, 1, -2, 1, 1}, {1, 1, 2, 2, 3}, 1},
    {"unknown result shows the same page", 1, {5, 1000, 1, 1, 1}, {1, 1, 1, 2, 3}, 1},
    {"result 3 (the stay direction's value) stays", 2, {3, 888, 888, 888}, {3, 3, 2, 1}, 888},
    {"invalid parent ends with 0", 1, {0}, {1}, 0},
    {"failed page ends with -1", 1, {-1}, {1}, -1},
    {"failure on a later page", 2, {888, -1}, {3, 2}, -1},
    {"register later on page 3", 1, {1, 1, 2}, {1, 2, 3}, 2},
    // A whole wParam with a notification code in its high half is no known result.
    {"button result with a notification code stays", 1, {0x10001, 1, 1, 1}, {1, 1, 2, 3}, 1},
};

TEST(Navigation, Traces) {
    for (const Trace& t : kTraces) {
        SCOPED_TRACE(t.name);
        Script script{t.results, {}};
        current = &script;
        EXPECT_EQ(RunSurvey(nullptr, t.entry, nullptr, ScriptedPage), t.returns);
        EXPECT_EQ(script.shown, t.pages);
        EXPECT_EQ(script.shown.size(), t.results.size()) << "every scripted result is used";
    }
}

TEST(Navigation, EntryDirectionOtherThanForwardOrBackwardFailsWithoutAPage) {
    for (int32_t entry : {0, 3, -1, -2, 888, 4}) {
        SCOPED_TRACE(entry);
        Script script{{1, 1, 1}, {}};
        current = &script;
        EXPECT_EQ(RunSurvey(nullptr, entry, nullptr, ScriptedPage), -1);
        EXPECT_TRUE(script.shown.empty());
    }
}

TEST(Navigation, SecondSurveyWhileOneRunsIsRefusedAndTheFirstCarriesOn) {
    static int32_t nestedResult;
    static std::vector<int> shown;
    nestedResult = 12345;
    shown.clear();
    auto page = [](int p, void*, int32_t, const HostBlock*) -> int32_t {
        shown.push_back(p);
        if (p == 2) {
            nestedResult = RunSurvey(nullptr, DIR_FORWARD, nullptr,
                                     [](int, void*, int32_t, const HostBlock*) -> int32_t {
                                         ADD_FAILURE() << "the nested survey showed a page";
                                         return RESULT_CANCEL;
                                     });
        }
        return RESULT_NEXT;
    };
    EXPECT_EQ(RunSurvey(nullptr, DIR_FORWARD, nullptr, page), 1);
    EXPECT_EQ(nestedResult, -1);
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(ResultCodeTable.code[DIR_BACKWARD + 1], 888);
    // Once it has returned, a survey can run again.
    shown.clear();
    EXPECT_EQ(RunSurvey(nullptr, DIR_BACKWARD, nullptr, page), 1);
    EXPECT_EQ(shown, (std::vector<int>{3}));
}

TEST(Navigation, PassesParentAndHostToEveryPage) {
    static void* seenParent;
    static const HostBlock* seenHost;
    static int calls;
    calls = 0;
    auto page = [](int, void* parent, int32_t, const HostBlock* host) -> int32_t {
        seenParent = parent;
        seenHost = host;
        ++calls;
        return RESULT_NEXT;
    };
    int parentMarker, hostMarker;
    const HostBlock* host = reinterpret_cast<const HostBlock*>(&hostMarker);
    EXPECT_EQ(RunSurvey(&parentMarker, DIR_FORWARD, host, page), 1);
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(seenParent, &parentMarker);
    EXPECT_EQ(seenHost, host);
}

TEST(Navigation, MapResult) {
    SetResultCodeTable();
    const struct { int32_t raw, direction; } rows[] = {
        {-1, DIR_ERROR}, {2, DIR_STOP}, {1, DIR_FORWARD}, {888, DIR_BACKWARD}, {-2, DIR_STAY},
        {0, 0}, {3, 3}, {7, 7}, {-5, -5}, {0x10001, 0x10001},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.raw);
        EXPECT_EQ(MapResult(r.raw), r.direction);
    }
}

TEST(Navigation, Cursor) {
    const struct { const char* name; int32_t direction; int before; bool start; bool ok; int after; } rows[] = {
        // start: StartCursor first; then StepCursor once.
        {"forward entry", DIR_FORWARD, 0, true, true, 1},
        {"backward entry", DIR_BACKWARD, 0, true, true, 3},
        {"start keeps a cursor in range", DIR_BACKWARD, 2, true, true, 1},
        {"start moves a cursor past the end", DIR_FORWARD, 9, true, true, 1},
        {"stay entry leaves the cursor before page 1", DIR_STAY, 0, true, false, 0},
        {"forward off the end", DIR_FORWARD, 3, false, false, 4},
        {"backward off the start", DIR_BACKWARD, 1, false, false, 0},
        {"stop leaves the cursor", DIR_STOP, 2, false, false, 2},
        {"error leaves the cursor", DIR_ERROR, 2, false, false, 2},
        {"stay on a page", DIR_STAY, 2, false, true, 2},
        {"unknown direction moves nothing", 42, 3, false, true, 3},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        int cursor = r.before;
        if (r.start) StartCursor(r.direction, PAGE_COUNT, cursor);
        EXPECT_EQ(StepCursor(r.direction, PAGE_COUNT, cursor), r.ok);
        EXPECT_EQ(cursor, r.after);
    }
}

}  // namespace
