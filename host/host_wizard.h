// The sample host's rules: its command line, its page sequence around the survey and the
// lines it logs. Plain functions over plain records; the window side is sample_host_win32.cpp.
#pragma once

#include <cstddef>

#include "survey.h"

// The host's own pages, and the survey between them.
enum HostPage {
    HOST_PAGE_WELCOME,
    HOST_PAGE_SURVEY,
    HOST_PAGE_FINISH,
    HOST_PAGE_END,  // the wizard has closed
};

// How the wizard closed.
enum HostOutcome {
    HOST_OUTCOME_NONE,       // still running
    HOST_OUTCOME_FINISHED,   // Finish on the finish page
    HOST_OUTCOME_LATER,      // Register Later (or a closed page) inside the survey
    HOST_OUTCOME_CANCELLED,  // Cancel, or a host page closed from its title bar
    HOST_OUTCOME_FAILED,     // a host page could not be shown
};

// The host's pages end with the same command identifiers as the survey's pages, so the
// same keys and the same pilot steps work on both.
constexpr int HOST_CMD_NEXT = 1;      // "&Next >>" on the welcome page, "&Finish" on the finish page
constexpr int HOST_CMD_CANCEL = 2;    // "&Cancel"; also the result of closing the page
constexpr int HOST_CMD_BACK = 888;    // "<< &Back"
constexpr int HOST_CMD_FAILED = -1;   // the dialog could not be created

struct HostState {
    HostPage page;
    int surveyDirection;  // SURVEY_DIR_FORWARD or SURVEY_DIR_BACKWARD, for the next survey call
    int surveyResult;     // what the last DoSurveyV2 call returned
    bool surveyFailed;    // the last call did not come back with Next, Back or Register Later
    HostOutcome outcome;
};

// The wizard before its first page: HOST_PAGE_WELCOME, or HOST_PAGE_FINISH to enter the
// survey backward at once.
HostState HostStart(HostPage first);

// The wizard after the page in s.page ended with result (a HOST_CMD_* for the host's pages,
// the DoSurveyV2 result for the survey). A survey that fails carries on to the finish
// page, which says so; the host's registration does not depend on the survey.
HostState HostAfterPage(HostState s, int result);

// Command line. The host block's fields are filled from the options; empty paths mean
// "beside the program" and are completed by the caller, which also makes paths full.
struct HostOptions {
    SURVEY_HOST_BLOCK block;
    HostPage startPage;
    char logPath[260];
    bool help;
};

constexpr size_t HOST_ERROR_SIZE = 160;

// Parses argv[1..argc-1] into *out. Returns false with a one-line message in error when
// an option is unknown, lacks its value, has a value that does not fit its field, or
// names an unknown start page.
bool ParseHostOptions(int argc, const char* const* argv, HostOptions* out, char* error,
                      size_t errorSize);

// What --help prints.
extern const char HOST_USAGE[];

// One line of the run's log, without a line end: "welcome -> next",
// "survey forward -> 1", "finish -> back", "end: finished".
void FormatPageLine(char* out, size_t size, const HostState& before, int result);
void FormatEndLine(char* out, size_t size, HostOutcome outcome);

// Texts of a host page: its caption ("Atlas Setup - Welcome", "Atlas Setup - Finish"),
// its heading and its explanation. The finish page says whether the survey was answered,
// could not be shown (with the DoSurveyV2 result), or has not run yet.
struct HostPageTexts {
    char caption[1024];
    char heading[1024];
    char text[2048];
};
void FormatHostPageTexts(HostPage page, const HostState& s, const SURVEY_HOST_BLOCK& block,
                         HostPageTexts* out);

// Copies text into a field of capacity bytes. Returns false, leaving the field empty,
// when the text does not fit with its terminator.
bool CopyField(char* field, size_t capacity, const char* text);
