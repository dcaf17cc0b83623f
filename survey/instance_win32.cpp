// Storage of the library's module handle (set by DllMain; a test program sets its own).
#include "instance_win32.h"

HINSTANCE SurveyInstance;
