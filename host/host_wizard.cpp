// The sample host's rules: command line, page sequence and log lines.
#include "host/host_wizard.h"

#include <cstdio>
#include <cstring>

const char HOST_USAGE[] =
    "Usage: sample_host [options]\n"
    "A small registration wizard: a welcome page, the survey from survey.dll (loaded from\n"
    "beside this program), then a finish page. It prints every page it leaves and every\n"
    "DoSurveyV2 result.\n"
    "\n"
    "  --answers FILE   INI file the survey stores its answers in\n"
    "                   (default: answers.ini beside this program)\n"
    "  --section NAME   section of the answers file (default: Survey)\n"
    "  --title TEXT     product title, shown in the page captions (default: Atlas)\n"
    "  --panel FILE     INI file whose \"bitmap\" section sets the picture strip of the\n"
    "                   survey pages (default: panel.ini beside this program)\n"
    "  --start PAGE     welcome (default), or finish: start at the finish page, whose\n"
    "                   Back enters the survey backward, at its last page\n"
    "  --log FILE       also append the printed lines to FILE\n"
    "  --help           print this text and exit\n"
    "\n"
    "Relative paths are taken from the current directory. Printed lines:\n"
    "  welcome -> next|cancel        finish -> finish|back|cancel\n"
    "  survey forward|backward -> RESULT (1 Next, 888 Back, 2 Register Later, -1 failed)\n"
    "  end: finished|register later|cancelled|failed\n";

HostState HostStart(HostPage first) {
    HostState s{};
    s.page = first;
    s.surveyDirection = first == HOST_PAGE_FINISH ? SURVEY_DIR_BACKWARD : SURVEY_DIR_FORWARD;
    s.outcome = HOST_OUTCOME_NONE;
    return s;
}

namespace {

HostState EndWith(HostState s, HostOutcome outcome) {
    s.page = HOST_PAGE_END;
    s.outcome = outcome;
    return s;
}

HostState EnterSurvey(HostState s, int direction) {
    s.page = HOST_PAGE_SURVEY;
    s.surveyDirection = direction;
    return s;
}

// A host page ended with result; anything but its buttons means the dialog failed.
HostOutcome OutcomeOfHostPage(int result) {
    return result == HOST_CMD_CANCEL ? HOST_OUTCOME_CANCELLED : HOST_OUTCOME_FAILED;
}

}  // namespace

HostState HostAfterPage(HostState s, int result) {
    switch (s.page) {
    case HOST_PAGE_WELCOME:
        if (result == HOST_CMD_NEXT) return EnterSurvey(s, SURVEY_DIR_FORWARD);
        return EndWith(s, OutcomeOfHostPage(result));
    case HOST_PAGE_SURVEY:
        s.surveyResult = result;
        s.surveyFailed = false;
        switch (result) {
        case SURVEY_RESULT_NEXT: s.page = HOST_PAGE_FINISH; return s;
        case SURVEY_RESULT_BACK: s.page = HOST_PAGE_WELCOME; return s;
        case SURVEY_RESULT_REGISTER_LATER: return EndWith(s, HOST_OUTCOME_LATER);
        default:
            // -1, 0 or anything unforeseen: the survey could not run.
            s.surveyFailed = true;
            s.page = HOST_PAGE_FINISH;
            return s;
        }
    case HOST_PAGE_FINISH:
        if (result == HOST_CMD_NEXT) return EndWith(s, HOST_OUTCOME_FINISHED);
        if (result == HOST_CMD_BACK) return EnterSurvey(s, SURVEY_DIR_BACKWARD);
        return EndWith(s, OutcomeOfHostPage(result));
    case HOST_PAGE_END:
        break;
    }
    return s;
}

bool CopyField(char* field, size_t capacity, const char* text) {
    size_t n = std::strlen(text);
    if (n >= capacity) {
        field[0] = '\0';
        return false;
    }
    std::memcpy(field, text, n + 1);
    return true;
}

namespace {

// The options that take a value, with the field each fills.
struct ValueOption {
    const char* name;
    size_t offset;    // into HostOptions
    size_t capacity;  // bytes, terminator included
};

const ValueOption HOST_VALUE_OPTIONS[] = {
    {"--answers", offsetof(HostOptions, block) + SURVEY_HB_ANSWERS_PATH, sizeof(SURVEY_HOST_BLOCK::answersPath)},
    {"--section", offsetof(HostOptions, block) + SURVEY_HB_ANSWERS_SECTION, sizeof(SURVEY_HOST_BLOCK::answersSection)},
    {"--title", offsetof(HostOptions, block) + SURVEY_HB_PRODUCT_TITLE, sizeof(SURVEY_HOST_BLOCK::productTitle)},
    {"--panel", offsetof(HostOptions, block) + SURVEY_HB_PANEL_SETTINGS_PATH, sizeof(SURVEY_HOST_BLOCK::panelSettingsPath)},
    {"--log", offsetof(HostOptions, logPath), sizeof(HostOptions::logPath)},
};

}  // namespace

bool ParseHostOptions(int argc, const char* const* argv, HostOptions* out, char* error,
                      size_t errorSize) {
    std::memset(out, 0, sizeof *out);
    CopyField(out->block.answersSection, sizeof out->block.answersSection, "Survey");
    CopyField(out->block.productTitle, sizeof out->block.productTitle, "Atlas");
    out->startPage = HOST_PAGE_WELCOME;
    error[0] = '\0';

    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            out->help = true;
            continue;
        }
        bool isStart = std::strcmp(arg, "--start") == 0;
        const ValueOption* option = nullptr;
        for (const ValueOption& o : HOST_VALUE_OPTIONS)
            if (std::strcmp(arg, o.name) == 0) option = &o;
        if (!option && !isStart) {
            std::snprintf(error, errorSize, "unknown option %s (try --help)", arg);
            return false;
        }
        if (i + 1 >= argc) {
            std::snprintf(error, errorSize, "%s needs a value", arg);
            return false;
        }
        const char* value = argv[++i];
        if (isStart) {
            if (std::strcmp(value, "welcome") == 0) {
                out->startPage = HOST_PAGE_WELCOME;
            } else if (std::strcmp(value, "finish") == 0) {
                out->startPage = HOST_PAGE_FINISH;
            } else {
                std::snprintf(error, errorSize, "--start takes welcome or finish, not %s", value);
                return false;
            }
            continue;
        }
        char* field = reinterpret_cast<char*>(out) + option->offset;
        if (!CopyField(field, option->capacity, value)) {
            std::snprintf(error, errorSize, "%s: the value is longer than %u characters",
                          option->name, static_cast<unsigned>(option->capacity - 1));
            return false;
        }
    }
    return true;
}

namespace {

const char* HostCommandName(HostPage page, int result) {
    switch (result) {
    case HOST_CMD_NEXT: return page == HOST_PAGE_FINISH ? "finish" : "next";
    case HOST_CMD_BACK: return "back";
    case HOST_CMD_CANCEL: return "cancel";
    default: return nullptr;
    }
}

}  // namespace

void FormatPageLine(char* out, size_t size, const HostState& before, int result) {
    switch (before.page) {
    case HOST_PAGE_SURVEY:
        std::snprintf(out, size, "survey %s -> %d",
                      before.surveyDirection == SURVEY_DIR_BACKWARD ? "backward" : "forward", result);
        return;
    case HOST_PAGE_WELCOME:
    case HOST_PAGE_FINISH: {
        const char* page = before.page == HOST_PAGE_WELCOME ? "welcome" : "finish";
        const char* command = HostCommandName(before.page, result);
        if (command)
            std::snprintf(out, size, "%s -> %s", page, command);
        else
            std::snprintf(out, size, "%s -> failed (%d)", page, result);
        return;
    }
    case HOST_PAGE_END:
        break;
    }
    std::snprintf(out, size, "end");
}

void FormatEndLine(char* out, size_t size, HostOutcome outcome) {
    const char* name = "running";
    switch (outcome) {
    case HOST_OUTCOME_FINISHED: name = "finished"; break;
    case HOST_OUTCOME_LATER: name = "register later"; break;
    case HOST_OUTCOME_CANCELLED: name = "cancelled"; break;
    case HOST_OUTCOME_FAILED: name = "failed"; break;
    case HOST_OUTCOME_NONE: break;
    }
    std::snprintf(out, size, "end: %s", name);
}

void FormatHostPageTexts(HostPage page, const HostState& s, const SURVEY_HOST_BLOCK& block,
                         HostPageTexts* out) {
    const char* title = block.productTitle;
    if (page == HOST_PAGE_WELCOME) {
        std::snprintf(out->caption, sizeof out->caption, "%s Setup - Welcome", title);
        std::snprintf(out->heading, sizeof out->heading, "Welcome to the %s registration", title);
        std::snprintf(out->text, sizeof out->text,
                      "This wizard registers your copy of %s.\n\n"
                      "On the next pages a short survey asks where you bought %s and how you "
                      "use it. You can go back at any time, or choose Register Later to leave.\n\n"
                      "Press Next to begin.",
                      title, title);
        return;
    }
    std::snprintf(out->caption, sizeof out->caption, "%s Setup - Finish", title);
    if (s.surveyFailed) {
        std::snprintf(out->heading, sizeof out->heading, "%s registration", title);
        std::snprintf(out->text, sizeof out->text,
                      "The survey could not be shown (DoSurveyV2 returned %d).\n\n"
                      "Press Finish to complete the registration without it, or Back to try "
                      "the survey again.",
                      s.surveyResult);
    } else if (s.surveyResult == SURVEY_RESULT_NEXT) {
        std::snprintf(out->heading, sizeof out->heading, "%s registration is complete", title);
        std::snprintf(out->text, sizeof out->text,
                      "Thank you for answering the survey. Your answers are stored in %s, "
                      "section [%s].\n\n"
                      "Press Back to review them, or Finish to close the wizard.",
                      block.answersPath, block.answersSection);
    } else {
        std::snprintf(out->heading, sizeof out->heading, "%s registration is complete", title);
        std::snprintf(out->text, sizeof out->text,
                      "Press Back to review the survey's answers, or Finish to close the "
                      "wizard.");
    }
}
