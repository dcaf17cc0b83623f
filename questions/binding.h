// Moving answers to and from a page's controls, one rule per question kind. The controls
// are reached through a ControlPort: the page shell answers it with dialog-item messages,
// so the walking and the per-kind rules stay plain code.
#pragma once

#include <cstdint>

#include "questions/question.h"

constexpr int LIST_NO_SELECTION = -1;  // what a drop-down list reports with nothing selected

// The control operations binding needs, each given the port's context first. Operations
// on a control that does not exist do nothing; reading one gives unchecked, no selection
// or the empty text.
struct ControlPort {
    void* context;
    void (*setCheck)(void* context, uint32_t button, bool checked);
    bool (*isChecked)(void* context, uint32_t button);
    void (*clearList)(void* context, uint32_t list);
    // Appends the text of string resource stringId (at most 127 characters) to list.
    void (*addListEntry)(void* context, uint32_t list, uint32_t stringId);
    void (*selectListEntry)(void* context, uint32_t list, int index);
    long (*selectedListEntry)(void* context, uint32_t list);  // LIST_NO_SELECTION for none
    void (*setText)(void* context, uint32_t field, const char* text);
    // Reads the field's text, cut to 127 characters; empty when there is no such field.
    void (*getText)(void* context, uint32_t field, char (&text)[ANSWER_SIZE]);
};

// Sets the controls of one question from its answer. Questions of other kinds, and
// questions without a choice list, are left alone.
void FillQuestion(const Question& question, const ControlPort& port);
// Rebuilds one question's answer from its controls; other kinds keep their answer.
void CollectQuestion(Question& question, const ControlPort& port);

// Both walk table from its first record to the terminator; a null table is empty.
void FillQuestions(const Question* table, const ControlPort& port);
void CollectQuestions(Question* table, const ControlPort& port);
