// Question and choice records: the data that drives every page. A page is its dialog
// template plus a table of these; the answers live in the tables' answer fields.
#pragma once

#include <cstdint>

constexpr int ANSWER_SIZE = 128;  // bytes, so at most 127 characters
constexpr int KEY_SIZE = 32;
constexpr int CODE_SIZE = 16;

// Question kinds. 3 and 9 are the button styles the pages give those controls
// (BS_AUTOCHECKBOX, BS_AUTORADIOBUTTON); any other value is loaded and saved but never
// bound to controls.
constexpr uint32_t KIND_CHECKBOXES = 3;
constexpr uint32_t KIND_RADIOS = 9;
constexpr uint32_t KIND_DROPLIST = 0xE0000000u;  // row 0 is the list, rows 1.. its entries
constexpr uint32_t KIND_FIELDS = 0xF0000000u;    // one segment per row, joined by "/"

struct Choice {
    uint32_t control;  // control id, string resource id (list entries), or 0
    char code[CODE_SIZE];
};

struct Question {
    char answer[ANSWER_SIZE];  // mutable: the in-memory answer
    char key[KEY_SIZE];        // key in the answers file
    uint32_t kind;
    const Choice* choices;
};

// A choice list ends at a row with control 0 and an empty code (a fields row with control 0
// and a code is a fixed segment, not the end).
bool IsEndOfChoices(const Choice& row);
// A question table ends at a record with empty answer, empty key and no choices.
bool IsEndOfQuestions(const Question& record);
// Rows before the terminator, counting a drop-down list's row 0; 0 for a null list.
int CountChoices(const Choice* list);
