// A minimal host: loads survey.dll beside it, calls DoSurveyV2 as a registration wizard
// would, and prints the result.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "survey.h"

int main(int argc, char** argv) {
    int direction = SURVEY_DIR_FORWARD;
    if (argc > 1 && std::strcmp(argv[1], "--back") == 0) direction = SURVEY_DIR_BACKWARD;

    char dir[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, dir, sizeof dir);
    while (n > 0 && dir[n - 1] != '\\' && dir[n - 1] != '/') --n;
    dir[n] = '\0';

    static SURVEY_HOST_BLOCK host;
    std::snprintf(host.panelSettingsPath, sizeof host.panelSettingsPath, "%spanel.ini", dir);
    std::snprintf(host.answersPath, sizeof host.answersPath, "%sanswers.ini", dir);
    std::snprintf(host.productTitle, sizeof host.productTitle, "Atlas");
    std::snprintf(host.answersSection, sizeof host.answersSection, "Survey");

    char dllPath[MAX_PATH];
    std::snprintf(dllPath, sizeof dllPath, "%ssurvey.dll", dir);
    HMODULE dll = LoadLibraryA(dllPath);
    if (!dll) {
        std::printf("cannot load %s (error %lu)\n", dllPath, GetLastError());
        return 1;
    }
    auto doSurvey = reinterpret_cast<DoSurveyV2Proc>(reinterpret_cast<void*>(GetProcAddress(dll, "DoSurveyV2")));
    if (!doSurvey) {
        std::printf("survey.dll has no DoSurveyV2\n");
        return 1;
    }
    int result = doSurvey(0, nullptr, direction, &host);
    std::printf("DoSurveyV2(direction %d) returned %d\n", direction, result);
    FreeLibrary(dll);
    return 0;
}
