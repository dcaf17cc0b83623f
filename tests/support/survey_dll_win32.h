// What every Win32 test program needs to reach survey.dll the way a host does: the folder
// it was built into (beside the test program) and a loaded copy that is freed on scope exit.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

#include "survey.h"

// The test program's own folder, with a trailing separator.
inline std::string TestProgramDir() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

inline std::string SurveyDllPath() { return TestProgramDir() + "survey.dll"; }

// survey.dll loaded for one scope. A fresh load starts with the question tables' first
// answers again, once no other load holds it.
struct SurveyLibrary {
    HMODULE module = LoadLibraryA(SurveyDllPath().c_str());
    SurveyLibrary() = default;
    ~SurveyLibrary() {
        if (module) FreeLibrary(module);
    }
    SurveyLibrary(const SurveyLibrary&) = delete;
    SurveyLibrary& operator=(const SurveyLibrary&) = delete;
};

// The host block the page tests pass: the two files given, product "Atlas", section
// "Survey Answers".
inline SURVEY_HOST_BLOCK TestHostBlock(const std::string& panelSettings, const std::string& answers) {
    SURVEY_HOST_BLOCK host = {};
    std::snprintf(host.panelSettingsPath, sizeof host.panelSettingsPath, "%s", panelSettings.c_str());
    std::snprintf(host.answersPath, sizeof host.answersPath, "%s", answers.c_str());
    std::snprintf(host.productTitle, sizeof host.productTitle, "Atlas");
    std::snprintf(host.answersSection, sizeof host.answersSection, "Survey Answers");
    return host;
}

// The owner a host wizard would pass: a plain top-level window, never shown.
inline HWND CreateHostWindow() {
    return CreateWindowExA(0, "STATIC", "host wizard", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                           nullptr, nullptr, nullptr);
}
