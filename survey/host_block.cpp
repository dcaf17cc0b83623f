// Bounded reads of the host block's strings.
#include "survey/host_block.h"

void CopyHostField(const HostBlock* host, HostField field, char* out, std::size_t outSize) {
    if (out == nullptr || outSize == 0) return;
    std::size_t n = 0;
    if (host != nullptr) {
        const char* text = reinterpret_cast<const char*>(host) + field;
        std::size_t limit = HostFieldSize(field) < outSize - 1 ? HostFieldSize(field) : outSize - 1;
        for (; n < limit && text[n] != '\0'; ++n) out[n] = text[n];
    }
    out[n] = '\0';
}

bool ProfilePathFits(const char* path) {
    if (path == nullptr) return false;
    std::size_t n = 0;
    while (n <= PROFILE_PATH_MAX_CHARS && path[n] != '\0') ++n;
    return n <= PROFILE_PATH_MAX_CHARS;
}

void ReadHostStrings(const HostBlock* host, HostStrings* out) {
    ReadHostField(host, &out->panelSettingsPath);
    ReadHostField(host, &out->answersPath);
    ReadHostField(host, &out->productTitle);
    ReadHostField(host, &out->answersSection);
}
