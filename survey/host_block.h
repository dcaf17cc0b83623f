// HostBlock: a read-only view of the host's parameter record. The host owns the bytes and
// keeps them valid for the whole call; the library only reads the four strings in place.
#pragma once

#include <cstddef>

#include "survey.h"

struct HostBlock;  // the host's bytes; never defined, only pointed to

enum HostField : std::size_t {
    HOST_PANEL_SETTINGS_PATH = SURVEY_HB_PANEL_SETTINGS_PATH,
    HOST_ANSWERS_PATH = SURVEY_HB_ANSWERS_PATH,
    HOST_PRODUCT_TITLE = SURVEY_HB_PRODUCT_TITLE,
    HOST_ANSWERS_SECTION = SURVEY_HB_ANSWERS_SECTION,
};

static_assert(HOST_PANEL_SETTINGS_PATH == 0 && HOST_ANSWERS_PATH == 260 &&
                  HOST_PRODUCT_TITLE == 1304 && HOST_ANSWERS_SECTION == 2216,
              "host block offsets are fixed by the hosts already built against them");
static_assert(offsetof(SURVEY_HOST_BLOCK, panelSettingsPath) == HOST_PANEL_SETTINGS_PATH &&
                  offsetof(SURVEY_HOST_BLOCK, answersPath) == HOST_ANSWERS_PATH &&
                  offsetof(SURVEY_HOST_BLOCK, productTitle) == HOST_PRODUCT_TITLE &&
                  offsetof(SURVEY_HOST_BLOCK, answersSection) == HOST_ANSWERS_SECTION,
              "the public host block struct must match the offsets");

// The NUL-terminated string that starts at the field's offset.
inline const char* HostText(const HostBlock* host, HostField field) {
    return reinterpret_cast<const char*>(host) + field;
}

inline const HostBlock* AsHostBlock(const SURVEY_HOST_BLOCK* block) {
    return reinterpret_cast<const HostBlock*>(block);
}
