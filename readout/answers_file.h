// Reading an answers file as the survey's profile calls read it: one section's keys and
// values, found ignoring the case of ASCII letters, first of each name winning. Files
// that can't be the survey's are turned away with a reason a person can act on.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "readout/catalog.h"

// Files beyond this are not answers files (the survey writes a few hundred bytes; a host
// may keep other sections beside them).
constexpr size_t ANSWERS_FILE_LIMIT = 1024 * 1024;

using ProfileEntries = std::vector<std::pair<std::string, std::string>>;  // key, value

enum FileVerdict {
    FILE_READ,          // the section is there with at least one of the survey's keys
    FILE_UNREADABLE,    // missing, a folder, or the read failed
    FILE_TOO_LARGE,
    FILE_BINARY,        // NUL or other control bytes: not a text file
    FILE_NO_SECTION,
    FILE_NO_ANSWERS,    // the section holds none of the survey's keys
};

struct AnswersFile {
    std::string path;
    FileVerdict verdict = FILE_UNREADABLE;
    std::string reason;      // why it was turned away, one line
    ProfileEntries entries;  // the section's entries, file order
};

// The text of a file's bytes as the profile services see it: a UTF-8 byte order mark is
// dropped, UTF-16LE (with its mark) becomes UTF-8. Returns false for binary content.
bool ProfileText(const std::string& bytes, std::string* text);

// The entries of section in text (names and values trimmed of blanks, a value's
// surrounding pair of quotes dropped). False when no such section exists.
bool FindProfileSection(const std::string& text, const std::string& section, ProfileEntries* entries);

// The first entry named key, or null.
const std::string* FindProfileValue(const ProfileEntries& entries, const std::string& key);

// Reads path (at most ANSWERS_FILE_LIMIT bytes) and the entries of its section.
AnswersFile ReadAnswersFile(const std::string& path, const std::string& section, const Catalog& catalog);
