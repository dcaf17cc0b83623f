/* survey.h: what a host needs to call survey.dll. Usable from C and C++. */
#ifndef SURVEY_H
#define SURVEY_H

#ifdef __cplusplus
extern "C" {
#endif

/* Entry directions: where the user arrives from. */
#define SURVEY_DIR_FORWARD   1  /* from the page before: the survey starts at its first page */
#define SURVEY_DIR_BACKWARD  2  /* from the page after: the survey starts at its last page */

/* What DoSurveyV2 returns: the raw result of the last page shown. */
#define SURVEY_RESULT_NEXT            1   /* Next on the last page: carry on forward */
#define SURVEY_RESULT_BACK          888   /* Back on the first page: go back */
#define SURVEY_RESULT_REGISTER_LATER  2   /* Register Later, or a page was closed */
#define SURVEY_RESULT_FAILED        (-1)  /* a page could not be created or was given no host block */
#define SURVEY_RESULT_BAD_PARENT      0   /* the parent is not a valid window */

/* Byte offsets of the host block's fields. Each field is a NUL-terminated ANSI string. */
#define SURVEY_HB_PANEL_SETTINGS_PATH   0     /* INI file whose "bitmap" section sets the picture strip */
#define SURVEY_HB_ANSWERS_PATH        260     /* INI file the answers are stored in */
#define SURVEY_HB_PRODUCT_TITLE      1304     /* inserted for "%1" in "Registration for %1" */
#define SURVEY_HB_ANSWERS_SECTION    2216     /* section of the answers file */

/* A block a host can fill. Only the four fields are read; the bytes between them are the
   host's own. Each field is read up to its NUL or its last byte, never further. The
   library never writes to the block and keeps no pointer to it after the call returns.
   Pass full paths: the platform's profile services resolve a bare or relative answers or
   panel settings path against the Windows folder, where an ordinary user can't write, so
   the answers would be lost. A path longer than 259 characters names no file. */
typedef struct SURVEY_HOST_BLOCK {
    char panelSettingsPath[SURVEY_HB_ANSWERS_PATH - SURVEY_HB_PANEL_SETTINGS_PATH];
    char answersPath[SURVEY_HB_PRODUCT_TITLE - SURVEY_HB_ANSWERS_PATH];
    char productTitle[SURVEY_HB_ANSWERS_SECTION - SURVEY_HB_PRODUCT_TITLE];
    char answersSection[260];
} SURVEY_HOST_BLOCK;

#ifdef __cplusplus
static_assert(sizeof(SURVEY_HOST_BLOCK) == SURVEY_HB_ANSWERS_SECTION + 260, "host block layout");
#endif

/* Runs the survey's pages as modal dialogs owned by parent. reserved is ignored; direction
   is SURVEY_DIR_FORWARD or SURVEY_DIR_BACKWARD (anything else returns SURVEY_RESULT_FAILED
   without showing a page). Exported by name and at ordinal 1, stdcall: the callee pops its
   16 bytes of arguments. Link the import library (libsurvey.dll.a for MinGW, survey.lib for
   MSVC) to call it through this declaration, or find it with GetProcAddress. Modal
   and not re-entrant: a call made while another runs returns SURVEY_RESULT_FAILED. */
#ifdef _WIN32
#define SURVEY_CALL __stdcall
#else
#define SURVEY_CALL
#endif
typedef int (SURVEY_CALL *DoSurveyV2Proc)(int reserved, void *parent, int direction,
                                          const SURVEY_HOST_BLOCK *host);
int SURVEY_CALL DoSurveyV2(int reserved, void *parent, int direction,
                           const SURVEY_HOST_BLOCK *host);

#ifdef __cplusplus
}
#endif

#endif /* SURVEY_H */
