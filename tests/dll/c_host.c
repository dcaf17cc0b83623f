/* A host written in plain C that links survey.dll the way a host author's program does:
   through survey.h and the import library, with no LoadLibrary or GetProcAddress. It makes
   the calls that return without showing a page and exits 0 when each result is the one
   survey.h documents. */
#include <windows.h>

#include <stdio.h>
#include <string.h>

#include "survey.h"

int main(void) {
    SURVEY_HOST_BLOCK block;
    HWND owner = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                 NULL, NULL, NULL, NULL);
    const struct {
        const char *name;
        HWND parent;
        int direction;
        const SURVEY_HOST_BLOCK *host;
        int expected;
    } calls[] = {
        {"direction 7", owner, 7, &block, SURVEY_RESULT_FAILED},
        {"no host block", owner, SURVEY_DIR_FORWARD, NULL, SURVEY_RESULT_FAILED},
        {"parent that is no window", (HWND)(INT_PTR)0x7ff0, SURVEY_DIR_BACKWARD, &block,
         SURVEY_RESULT_BAD_PARENT},
    };
    int failures = 0;
    size_t i;

    memset(&block, 0, sizeof block);
    strcpy(block.answersPath, "C:\\survey-c-host-answers.ini");
    strcpy(block.productTitle, "Atlas");
    strcpy(block.answersSection, "Survey");
    for (i = 0; i < sizeof calls / sizeof calls[0]; ++i) {
        int result = DoSurveyV2(0, calls[i].parent, calls[i].direction, calls[i].host);
        printf("%s: %d (expected %d)\n", calls[i].name, result, calls[i].expected);
        if (result != calls[i].expected) ++failures;
    }
    DestroyWindow(owner);
    return failures == 0 ? 0 : 1;
}
