// The text rules of answers: which codes an answer holds, which option or list entry it
// selects, and how answers are cut into "/" segments and put back together. Plain
// functions over the answer texts and choice rows; every write is bounded by ANSWER_SIZE.
#pragma once

#include "questions/question.h"

// Copies text into answer, cut to the 127 characters the field holds.
void CopyAnswer(char (&answer)[ANSWER_SIZE], const char* text);

// Check boxes: true when one of the ","-separated pieces of answer is exactly code, byte
// for byte. Runs of "," count as one, empty pieces are skipped, so an empty code never
// matches. The whole answer (up to 127 characters) is read.
bool AnswerHasCode(const char* answer, const char* code);

// Option buttons: the button with code is checked by answer (never by an empty answer),
// compared with SameTextIgnoringAsciiCase, as drop-down lists compare theirs.
bool AnswerPicksOption(const char* answer, const char* code);

// Drop-down lists: the display index to select for answer in list (row 0 is the list
// itself, entry i is row i + 1). The last matching entry wins; with none, index 0.
int DropListIndexFor(const char* answer, const Choice* list);

// Drop-down lists: the entry row at display index, or nullptr when the list has no
// control, index is negative (no selection) or the table has no row for it.
const Choice* DropListEntryAt(const Choice* list, long index);

// Check boxes: appends code to answer, after a "," when answer is not empty. A code that
// would not fit whole is left out: a cut code would name another box.
void AppendCode(char (&answer)[ANSWER_SIZE], const char* code);

// Text fields, reading: the answer cut at every "/", one segment per call. Empty
// segments count; after the last segment there are none.
struct SegmentReader {
    char text[ANSWER_SIZE];  // working copy, "/" replaced by NUL as the reader moves
    int next;                // offset of the next segment, -1 once the answer is used up
};
void StartSegments(SegmentReader& reader, const char* answer);
// The next segment (pointing into reader.text), or nullptr when there is none.
const char* NextSegment(SegmentReader& reader);

// Text fields, joining: appends the text of segment index (0-based) to answer, after a
// "/" from index 1 on, cut to the 127 characters the answer holds. Returns false, and
// appends nothing, for an empty text: the join stops there.
bool AppendSegment(char (&answer)[ANSWER_SIZE], int index, const char* text);
