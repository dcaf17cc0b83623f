// The exported entry of survey.dll and its load notification.
#include <windows.h>

#include "survey/host_block.h"
#include "survey/instance_win32.h"
#include "survey/navigation.h"
#include "page/page_win32.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD /*reason*/, LPVOID /*reserved*/) {
    SurveyInstance = instance;
    return TRUE;
}

// Exported through survey.def as "DoSurveyV2" at ordinal 1 (no dllexport here, or the
// decorated name would be exported too).
extern "C" int WINAPI DoSurveyV2(int /*reserved*/, void* parent, int direction,
                                 const SURVEY_HOST_BLOCK* host) {
    return RunSurvey(parent, direction, AsHostBlock(host), ShowPage);
}
