#include "readout/answers_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "readout/text_encoding.h"
#include "survey/text_rules.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && IsBlank(s[a])) ++a;
    while (b > a && IsBlank(s[b - 1])) --b;
    return s.substr(a, b - a);
}

// Tab, line ends and the old end-of-file mark are text; other control bytes are not.
bool IsBinaryByte(unsigned char c) {
    return c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != 0x1A && c != '\f';
}

enum ReadOutcome { READ_OK, READ_FAILED, READ_TOO_LARGE };

ReadOutcome ReadLimited(const std::string& path, std::string* bytes, std::string* reason) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        *reason = std::strerror(errno);
        return READ_FAILED;
    }
    if (S_ISDIR(info.st_mode)) {
        *reason = "a folder";
        return READ_FAILED;
    }
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        *reason = std::strerror(errno);
        return READ_FAILED;
    }
    // One byte past the limit tells a file that is too large, whatever stat says (pipes,
    // devices).
    bytes->resize(ANSWERS_FILE_LIMIT + 1);
    size_t n = std::fread(&(*bytes)[0], 1, bytes->size(), f);
    bool failed = std::ferror(f) != 0;
    std::fclose(f);
    bytes->resize(n);
    if (failed) {
        *reason = "the read failed";
        return READ_FAILED;
    }
    if (n > ANSWERS_FILE_LIMIT) {
        *reason = "larger than " + std::to_string(ANSWERS_FILE_LIMIT / 1024) + " KiB";
        return READ_TOO_LARGE;
    }
    return READ_OK;
}

}  // namespace

bool ProfileText(const std::string& bytes, std::string* text) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::u16string wide;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
            wide += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
        }
        *text = Utf16ToUtf8(wide);
    } else if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        *text = bytes.substr(3);
    } else {
        *text = bytes;
    }
    for (unsigned char c : *text) {
        if (IsBinaryByte(c)) return false;
    }
    return true;
}

bool FindProfileSection(const std::string& text, const std::string& section, ProfileEntries* entries) {
    bool found = false, inside = false;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find_first_of("\r\n", at);
        if (end == std::string::npos) end = text.size();
        std::string line = Trim(text.substr(at, end - at));
        at = end + 1;
        if (!line.empty() && line[0] == '[') {
            size_t close = line.rfind(']');
            if (close == std::string::npos) continue;  // not a section line; skipped
            // Only the first section of the name counts, as the profile services find it.
            inside = !found && SameTextIgnoringAsciiCase(Trim(line.substr(1, close - 1)).c_str(), section.c_str());
            found = found || inside;
            continue;
        }
        size_t equals = line.find('=');
        // A name without "=" holds no value: the profile call gives its default for it.
        if (!inside || equals == std::string::npos) continue;
        std::string key = Trim(line.substr(0, equals));
        std::string value = Trim(line.substr(equals + 1));
        if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
            value = value.substr(1, value.size() - 2);
        }
        entries->emplace_back(key, value);
    }
    return found;
}

const std::string* FindProfileValue(const ProfileEntries& entries, const std::string& key) {
    for (const auto& entry : entries) {
        if (SameTextIgnoringAsciiCase(entry.first.c_str(), key.c_str())) return &entry.second;
    }
    return nullptr;
}

AnswersFile ReadAnswersFile(const std::string& path, const std::string& section, const Catalog& catalog) {
    AnswersFile file;
    file.path = path;
    std::string bytes, text;
    switch (ReadLimited(path, &bytes, &file.reason)) {
    case READ_FAILED:
        file.verdict = FILE_UNREADABLE;
        file.reason = "unreadable: " + file.reason;
        return file;
    case READ_TOO_LARGE:
        file.verdict = FILE_TOO_LARGE;
        file.reason = "not an answers file: " + file.reason;
        return file;
    case READ_OK:
        break;
    }
    if (!ProfileText(bytes, &text)) {
        file.verdict = FILE_BINARY;
        file.reason = "not an answers file: binary content";
        return file;
    }
    if (!FindProfileSection(text, section, &file.entries)) {
        file.verdict = FILE_NO_SECTION;
        file.reason = "not an answers file: no [" + section + "] section";
        return file;
    }
    for (const auto& entry : file.entries) {
        if (FindQuestion(catalog, entry.first)) {
            file.verdict = FILE_READ;
            return file;
        }
    }
    file.verdict = FILE_NO_ANSWERS;
    file.reason = "not an answers file: none of the survey's keys in [" + section + "]";
    file.entries.clear();
    return file;
}
