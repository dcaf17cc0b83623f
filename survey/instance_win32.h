// The library's own module handle, kept from the load notification. Dialogs and strings
// are loaded from it, never from the host's module.
#pragma once

#include <windows.h>

extern HINSTANCE SurveyInstance;
