// The text rules of answers: matching codes, cutting and joining segments.
#include "questions/answer_rules.h"

#include <cstring>

#include "survey/text_rules.h"

namespace {

constexpr size_t ANSWER_CHARS = ANSWER_SIZE - 1;

size_t BoundedLength(const char* text, size_t limit) {
    size_t n = 0;
    while (n < limit && text[n] != '\0') ++n;
    return n;
}

// Appends up to n bytes of text at the end of answer, stopping at the field's capacity.
void AppendBounded(char (&answer)[ANSWER_SIZE], const char* text, size_t n) {
    size_t used = BoundedLength(answer, ANSWER_CHARS);
    size_t room = ANSWER_CHARS - used;
    if (n > room) n = room;
    std::memcpy(answer + used, text, n);
    answer[used + n] = '\0';
}

}  // namespace

void CopyAnswer(char (&answer)[ANSWER_SIZE], const char* text) {
    // memmove: a caller may hand the answer its own tail.
    size_t n = BoundedLength(text, ANSWER_CHARS);
    std::memmove(answer, text, n);
    answer[n] = '\0';
}

bool AnswerHasCode(const char* answer, const char* code) {
    // Walks the answer in place instead of splitting a copy, so no length of answer can
    // overrun a working buffer or hide a code near its end.
    size_t codeLength = std::strlen(code);
    if (codeLength == 0) return false;
    size_t length = BoundedLength(answer, ANSWER_CHARS);
    size_t start = 0;
    while (start < length) {
        size_t end = start;
        while (end < length && answer[end] != ',') ++end;
        if (end - start == codeLength && std::memcmp(answer + start, code, codeLength) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

bool AnswerPicksOption(const char* answer, const char* code) {
    return answer[0] != '\0' && SameTextIgnoringAsciiCase(answer, code);
}

int DropListIndexFor(const char* answer, const Choice* list) {
    int selected = 0;
    if (list == nullptr || IsEndOfChoices(list[0])) return selected;
    for (int row = 1; !IsEndOfChoices(list[row]); ++row) {
        if (SameTextIgnoringAsciiCase(answer, list[row].code)) selected = row - 1;
    }
    return selected;
}

const Choice* DropListEntryAt(const Choice* list, long index) {
    if (list == nullptr || list[0].control == 0 || index < 0) return nullptr;
    if (CountChoices(list) < index + 2) return nullptr;
    return &list[index + 1];
}

void AppendCode(char (&answer)[ANSWER_SIZE], const char* code) {
    size_t used = BoundedLength(answer, ANSWER_CHARS);
    size_t separator = used > 0 ? 1 : 0;
    size_t n = std::strlen(code);
    if (used + separator + n > ANSWER_CHARS) return;
    AppendBounded(answer, ",", separator);
    AppendBounded(answer, code, n);
}

void StartSegments(SegmentReader& reader, const char* answer) {
    CopyAnswer(reader.text, answer);
    reader.next = 0;
}

const char* NextSegment(SegmentReader& reader) {
    if (reader.next < 0) return nullptr;
    char* segment = reader.text + reader.next;
    char* slash = std::strchr(segment, '/');
    if (slash) {
        *slash = '\0';
        reader.next = static_cast<int>(slash + 1 - reader.text);
    } else {
        reader.next = -1;
    }
    return segment;
}

bool AppendSegment(char (&answer)[ANSWER_SIZE], int index, const char* text) {
    if (text[0] == '\0') return false;
    if (index > 0) AppendBounded(answer, "/", 1);
    AppendBounded(answer, text, std::strlen(text));
    return true;
}
