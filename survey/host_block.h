// HostBlock: a read-only view of the host's parameter record. The host owns the bytes and
// keeps them valid for the whole call. Its four strings are only ever read through
// ReadHostField, which never reads past a field's end: a host that fills a field to the
// last byte (strncpy leaves no NUL then) must not make the library read on into the next
// field or past the block.
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

// The bytes each field may occupy: the distance to the next field, and 260 for the last.
constexpr std::size_t HostFieldSize(HostField field) {
    return field == HOST_PANEL_SETTINGS_PATH ? sizeof(SURVEY_HOST_BLOCK::panelSettingsPath)
           : field == HOST_ANSWERS_PATH      ? sizeof(SURVEY_HOST_BLOCK::answersPath)
           : field == HOST_PRODUCT_TITLE     ? sizeof(SURVEY_HOST_BLOCK::productTitle)
                                             : sizeof(SURVEY_HOST_BLOCK::answersSection);
}

static_assert(HOST_PANEL_SETTINGS_PATH == 0 && HOST_ANSWERS_PATH == 260 &&
                  HOST_PRODUCT_TITLE == 1304 && HOST_ANSWERS_SECTION == 2216,
              "host block offsets are fixed by the hosts already built against them");
static_assert(offsetof(SURVEY_HOST_BLOCK, panelSettingsPath) == HOST_PANEL_SETTINGS_PATH &&
                  offsetof(SURVEY_HOST_BLOCK, answersPath) == HOST_ANSWERS_PATH &&
                  offsetof(SURVEY_HOST_BLOCK, productTitle) == HOST_PRODUCT_TITLE &&
                  offsetof(SURVEY_HOST_BLOCK, answersSection) == HOST_ANSWERS_SECTION,
              "the public host block struct must match the offsets");
static_assert(HostFieldSize(HOST_PANEL_SETTINGS_PATH) == 260 &&
                  HostFieldSize(HOST_ANSWERS_PATH) == 1044 &&
                  HostFieldSize(HOST_PRODUCT_TITLE) == 912 &&
                  HostFieldSize(HOST_ANSWERS_SECTION) == 260,
              "each field ends where the next begins; the last holds 260 bytes");

// Copies the field's text, up to its first NUL or the field's last byte, whichever comes
// first, into out, and terminates it. Reads nothing of the block outside the field. out
// holds outSize bytes; a text longer than outSize - 1 is cut there.
void CopyHostField(const HostBlock* host, HostField field, char* out, std::size_t outSize);

// A field's text as a NUL-terminated local copy, with room for a field that fills its
// whole size plus the terminator.
template <HostField Field>
struct HostString {
    char text[HostFieldSize(Field) + 1];
};

template <HostField Field>
void ReadHostField(const HostBlock* host, HostString<Field>* out) {
    CopyHostField(host, Field, out->text, sizeof out->text);
}

// The longest file name the platform's ANSI file and profile services take (MAX_PATH less
// the terminator). A longer one names no file they can open, and some versions of those
// services fault on it, so the library treats it as naming no file at all.
constexpr std::size_t PROFILE_PATH_MAX_CHARS = 259;
bool ProfilePathFits(const char* path);  // false for null too

// The four fields, copied when a page opens.
struct HostStrings {
    HostString<HOST_PANEL_SETTINGS_PATH> panelSettingsPath;
    HostString<HOST_ANSWERS_PATH> answersPath;
    HostString<HOST_PRODUCT_TITLE> productTitle;
    HostString<HOST_ANSWERS_SECTION> answersSection;
};
void ReadHostStrings(const HostBlock* host, HostStrings* out);

inline const HostBlock* AsHostBlock(const SURVEY_HOST_BLOCK* block) {
    return reinterpret_cast<const HostBlock*>(block);
}
