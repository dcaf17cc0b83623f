// The sample host's rules: its page sequence around the survey, its command line and the
// texts that tell the user what happened.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "host/host_wizard.h"

namespace {

struct StepRow {
    const char* name;
    HostPage start;
    std::vector<int> results;  // what each page shown ends with, in order
    std::vector<HostPage> pages;  // the pages shown, in order
    std::vector<int> surveyDirections;  // the direction of each survey call
    HostOutcome outcome;
};

TEST(HostWizard, PageSequencesFollowTheResults) {
    const StepRow rows[] = {
        {"forward to the end", HOST_PAGE_WELCOME, {1, 1, 1},
         {HOST_PAGE_WELCOME, HOST_PAGE_SURVEY, HOST_PAGE_FINISH}, {1}, HOST_OUTCOME_FINISHED},
        {"back from the finish page into the survey and forward again", HOST_PAGE_WELCOME, {1, 1, 888, 1, 1},
         {HOST_PAGE_WELCOME, HOST_PAGE_SURVEY, HOST_PAGE_FINISH, HOST_PAGE_SURVEY, HOST_PAGE_FINISH},
         {1, 2}, HOST_OUTCOME_FINISHED},
        {"back through the survey to the welcome page, then cancel", HOST_PAGE_FINISH, {888, 888, 2},
         {HOST_PAGE_FINISH, HOST_PAGE_SURVEY, HOST_PAGE_WELCOME}, {2}, HOST_OUTCOME_CANCELLED},
        {"register later leaves the wizard", HOST_PAGE_WELCOME, {1, 2},
         {HOST_PAGE_WELCOME, HOST_PAGE_SURVEY}, {1}, HOST_OUTCOME_LATER},
        {"register later on a backward entry", HOST_PAGE_FINISH, {888, 2},
         {HOST_PAGE_FINISH, HOST_PAGE_SURVEY}, {2}, HOST_OUTCOME_LATER},
        {"a failed survey carries on to the finish page", HOST_PAGE_WELCOME, {1, -1, 1},
         {HOST_PAGE_WELCOME, HOST_PAGE_SURVEY, HOST_PAGE_FINISH}, {1}, HOST_OUTCOME_FINISHED},
        {"a refused parent counts as a failure, not as Register Later", HOST_PAGE_WELCOME, {1, 0, 1},
         {HOST_PAGE_WELCOME, HOST_PAGE_SURVEY, HOST_PAGE_FINISH}, {1}, HOST_OUTCOME_FINISHED},
        {"cancel on the welcome page", HOST_PAGE_WELCOME, {2}, {HOST_PAGE_WELCOME}, {}, HOST_OUTCOME_CANCELLED},
        {"cancel on the finish page", HOST_PAGE_FINISH, {2}, {HOST_PAGE_FINISH}, {}, HOST_OUTCOME_CANCELLED},
        {"a host page that cannot be created", HOST_PAGE_WELCOME, {-1}, {HOST_PAGE_WELCOME}, {}, HOST_OUTCOME_FAILED},
    };
    for (const StepRow& row : rows) {
        SCOPED_TRACE(row.name);
        HostState s = HostStart(row.start);
        std::vector<HostPage> pages;
        std::vector<int> directions;
        for (int result : row.results) {
            ASSERT_NE(s.page, HOST_PAGE_END) << "the wizard ended before every result was used";
            pages.push_back(s.page);
            if (s.page == HOST_PAGE_SURVEY) directions.push_back(s.surveyDirection);
            s = HostAfterPage(s, result);
        }
        EXPECT_EQ(pages, row.pages);
        EXPECT_EQ(directions, row.surveyDirections);
        EXPECT_EQ(s.page, HOST_PAGE_END);
        EXPECT_EQ(s.outcome, row.outcome);
    }
}

TEST(HostWizard, FinishPageSaysWhatTheSurveyDid) {
    SURVEY_HOST_BLOCK block{};
    std::strcpy(block.productTitle, "Atlas");
    std::strcpy(block.answersPath, "C:\\data\\answers.ini");
    std::strcpy(block.answersSection, "Survey");

    struct Row {
        const char* name;
        HostPage start;
        std::vector<int> results;
        const char* says;
    };
    const Row rows[] = {
        {"answered", HOST_PAGE_WELCOME, {1, 1}, "Your answers are stored in C:\\data\\answers.ini, section [Survey]"},
        {"failed", HOST_PAGE_WELCOME, {1, -1}, "The survey could not be shown (DoSurveyV2 returned -1)"},
        {"refused parent", HOST_PAGE_WELCOME, {1, 0}, "(DoSurveyV2 returned 0)"},
        {"answered after a failure", HOST_PAGE_WELCOME, {1, -1, 888, 1}, "Thank you for answering the survey"},
        {"not run yet", HOST_PAGE_FINISH, {}, "Press Back to review the survey's answers"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HostState s = HostStart(row.start);
        for (int r : row.results) s = HostAfterPage(s, r);
        ASSERT_EQ(s.page, HOST_PAGE_FINISH);
        HostPageTexts texts;
        FormatHostPageTexts(HOST_PAGE_FINISH, s, block, &texts);
        EXPECT_STREQ(texts.caption, "Atlas Setup - Finish");
        EXPECT_NE(std::string(texts.text).find(row.says), std::string::npos) << texts.text;
    }
    HostPageTexts welcome;
    FormatHostPageTexts(HOST_PAGE_WELCOME, HostStart(HOST_PAGE_WELCOME), block, &welcome);
    EXPECT_STREQ(welcome.caption, "Atlas Setup - Welcome");
}

TEST(HostWizard, LogLinesNameThePageAndTheResult) {
    struct Row {
        HostPage start;
        std::vector<int> before;  // results that lead to the page logged
        int result;
        const char* line;
    };
    const Row rows[] = {
        {HOST_PAGE_WELCOME, {}, 1, "welcome -> next"},
        {HOST_PAGE_WELCOME, {}, 2, "welcome -> cancel"},
        {HOST_PAGE_WELCOME, {}, -1, "welcome -> failed (-1)"},
        {HOST_PAGE_WELCOME, {1}, 1, "survey forward -> 1"},
        {HOST_PAGE_WELCOME, {1}, -1, "survey forward -> -1"},
        {HOST_PAGE_FINISH, {888}, 888, "survey backward -> 888"},
        {HOST_PAGE_FINISH, {}, 1, "finish -> finish"},
        {HOST_PAGE_FINISH, {}, 888, "finish -> back"},
    };
    for (size_t i = 0; i < sizeof rows / sizeof rows[0]; ++i) {
        SCOPED_TRACE(rows[i].line);
        HostState s = HostStart(rows[i].start);
        for (int r : rows[i].before) s = HostAfterPage(s, r);
        char line[128];
        FormatPageLine(line, sizeof line, s, rows[i].result);
        EXPECT_STREQ(line, rows[i].line);
    }
    char line[64];
    FormatEndLine(line, sizeof line, HOST_OUTCOME_LATER);
    EXPECT_STREQ(line, "end: register later");
}

struct Argv {
    std::vector<std::string> args;
    std::vector<const char*> pointers;
    explicit Argv(std::vector<std::string> a) : args(std::move(a)) {
        pointers.push_back("sample_host");
        for (const std::string& s : args) pointers.push_back(s.c_str());
    }
    int argc() const { return static_cast<int>(pointers.size()); }
};

TEST(HostOptions, FillTheHostBlockAndTheRunSettings) {
    Argv argv({"--answers", "C:\\a.ini", "--section", "Reg", "--title", "Atlas Pro", "--panel", "p.ini",
               "--start", "finish", "--log", "run.log"});
    HostOptions o;
    char error[HOST_ERROR_SIZE] = "marker";
    ASSERT_TRUE(ParseHostOptions(argv.argc(), argv.pointers.data(), &o, error, sizeof error)) << error;
    const char* block = reinterpret_cast<const char*>(&o.block);
    EXPECT_STREQ(block + SURVEY_HB_ANSWERS_PATH, "C:\\a.ini");
    EXPECT_STREQ(block + SURVEY_HB_ANSWERS_SECTION, "Reg");
    EXPECT_STREQ(block + SURVEY_HB_PRODUCT_TITLE, "Atlas Pro");
    EXPECT_STREQ(block + SURVEY_HB_PANEL_SETTINGS_PATH, "p.ini");
    EXPECT_EQ(o.startPage, HOST_PAGE_FINISH);
    EXPECT_STREQ(o.logPath, "run.log");
    EXPECT_FALSE(o.help);
}

TEST(HostOptions, DefaultsLeavePathsForTheProgramToComplete) {
    Argv argv({});
    HostOptions o;
    char error[HOST_ERROR_SIZE];
    ASSERT_TRUE(ParseHostOptions(argv.argc(), argv.pointers.data(), &o, error, sizeof error));
    EXPECT_STREQ(o.block.answersPath, "");
    EXPECT_STREQ(o.block.panelSettingsPath, "");
    EXPECT_STREQ(o.block.answersSection, "Survey");
    EXPECT_STREQ(o.block.productTitle, "Atlas");
    EXPECT_EQ(o.startPage, HOST_PAGE_WELCOME);
    EXPECT_STREQ(o.logPath, "");
}

TEST(HostOptions, RejectWhatCannotBeRunWithAMessage) {
    const std::string longPanel(260, 'p');   // the panel path field holds 259 characters
    const std::string longestPanel(259, 'p');
    const std::string longTitle(912, 't');
    struct Row {
        std::vector<std::string> args;
        const char* message;  // nullptr: accepted
    };
    const Row rows[] = {
        {{"--colour", "red"}, "unknown option --colour"},
        {{"--answers"}, "--answers needs a value"},
        {{"--start", "middle"}, "--start takes welcome or finish, not middle"},
        {{"--panel", longPanel}, "--panel: the value is longer than 259 characters"},
        {{"--panel", longestPanel}, nullptr},
        {{"--title", longTitle}, "--title: the value is longer than 911 characters"},
        {{"--help"}, nullptr},
    };
    for (size_t i = 0; i < sizeof rows / sizeof rows[0]; ++i) {
        SCOPED_TRACE(i);
        Argv argv(rows[i].args);
        HostOptions o;
        char error[HOST_ERROR_SIZE] = "marker";
        bool ok = ParseHostOptions(argv.argc(), argv.pointers.data(), &o, error, sizeof error);
        if (rows[i].message) {
            EXPECT_FALSE(ok);
            EXPECT_NE(std::string(error).find(rows[i].message), std::string::npos) << error;
        } else {
            EXPECT_TRUE(ok) << error;
        }
    }
}

TEST(HostOptions, CopyFieldNeverOverrunsTheField) {
    char field[8];
    std::memset(field, 'x', sizeof field);
    EXPECT_TRUE(CopyField(field, 5, "abcd"));
    EXPECT_STREQ(field, "abcd");
    EXPECT_FALSE(CopyField(field, 5, "abcde"));
    EXPECT_STREQ(field, "");
    EXPECT_EQ(field[5], 'x') << "bytes past the capacity are untouched";
}

}  // namespace
