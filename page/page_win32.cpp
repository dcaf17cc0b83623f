// Placeholder page runner until the page dialogs exist: every page fails to start.
#include "page_win32.h"

#include "survey/navigation.h"

int32_t ShowPage(int /*page*/, void* /*parent*/, int32_t /*direction*/, const HostBlock* /*host*/) {
    return RESULT_FAILED;
}
