// The per-kind rules that fill controls from answers and collect answers from controls.
// Each kind's fill and collect sit side by side.
#include "questions/binding.h"

#include "questions/answer_rules.h"

namespace {

// Check boxes: every box whose code is a piece of the answer is checked; collecting lists
// the checked boxes' codes in table order, so a code shared by two boxes can appear twice.
void FillCheckBoxes(const Question& q, const ControlPort& port) {
    for (const Choice* row = q.choices; !IsEndOfChoices(*row); ++row)
        port.setCheck(port.context, row->control, AnswerHasCode(q.answer, row->code));
}

void CollectCheckBoxes(Question& q, const ControlPort& port) {
    q.answer[0] = '\0';
    for (const Choice* row = q.choices; !IsEndOfChoices(*row); ++row) {
        if (port.isChecked(port.context, row->control)) AppendCode(q.answer, row->code);
    }
}

// Option buttons: the button whose code is the answer is checked, all others cleared;
// collecting takes the last checked button and keeps the answer when none is checked.
void FillRadios(const Question& q, const ControlPort& port) {
    for (const Choice* row = q.choices; !IsEndOfChoices(*row); ++row)
        port.setCheck(port.context, row->control, AnswerPicksOption(q.answer, row->code));
}

void CollectRadios(Question& q, const ControlPort& port) {
    for (const Choice* row = q.choices; !IsEndOfChoices(*row); ++row) {
        if (port.isChecked(port.context, row->control)) CopyAnswer(q.answer, row->code);
    }
}

// Drop-down lists: row 0 is the list, the entries follow in display order.
void FillDropList(const Question& q, const ControlPort& port) {
    const Choice* list = q.choices;
    port.clearList(port.context, list[0].control);
    if (!IsEndOfChoices(list[0])) {
        for (const Choice* row = list + 1; !IsEndOfChoices(*row); ++row)
            port.addListEntry(port.context, list[0].control, row->control);
    }
    port.selectListEntry(port.context, list[0].control, DropListIndexFor(q.answer, list));
}

void CollectDropList(Question& q, const ControlPort& port) {
    const Choice* list = q.choices;
    if (list[0].control == 0) return;
    const Choice* entry = DropListEntryAt(list, port.selectedListEntry(port.context, list[0].control));
    if (entry) CopyAnswer(q.answer, entry->code);
}

// Text fields: one "/" segment per row; a row with control 0 is a fixed segment that is
// never shown and is collected as its code.
void FillFields(const Question& q, const ControlPort& port) {
    SegmentReader segments;
    StartSegments(segments, q.answer);
    for (const Choice* row = q.choices; !IsEndOfChoices(*row); ++row) {
        const char* segment = NextSegment(segments);
        if (row->control != 0) port.setText(port.context, row->control, segment ? segment : "");
    }
}

void CollectFields(Question& q, const ControlPort& port) {
    q.answer[0] = '\0';
    int index = 0;
    for (const Choice* row = q.choices; !IsEndOfChoices(*row); ++row, ++index) {
        char text[ANSWER_SIZE] = "";
        if (row->control != 0) {
            port.getText(port.context, row->control, text);
            text[ANSWER_SIZE - 1] = '\0';
        } else {
            CopyAnswer(text, row->code);
        }
        if (!AppendSegment(q.answer, index, text)) break;
    }
}

}  // namespace

void FillQuestion(const Question& question, const ControlPort& port) {
    if (question.choices == nullptr) return;
    switch (question.kind) {
        case KIND_CHECKBOXES: FillCheckBoxes(question, port); break;
        case KIND_RADIOS: FillRadios(question, port); break;
        case KIND_DROPLIST: FillDropList(question, port); break;
        case KIND_FIELDS: FillFields(question, port); break;
        default: break;
    }
}

void CollectQuestion(Question& question, const ControlPort& port) {
    if (question.choices == nullptr) return;
    switch (question.kind) {
        case KIND_CHECKBOXES: CollectCheckBoxes(question, port); break;
        case KIND_RADIOS: CollectRadios(question, port); break;
        case KIND_DROPLIST: CollectDropList(question, port); break;
        case KIND_FIELDS: CollectFields(question, port); break;
        default: break;
    }
}

void FillQuestions(const Question* table, const ControlPort& port) {
    if (table == nullptr) return;
    for (const Question* q = table; !IsEndOfQuestions(*q); ++q) FillQuestion(*q, port);
}

void CollectQuestions(Question* table, const ControlPort& port) {
    if (table == nullptr) return;
    for (Question* q = table; !IsEndOfQuestions(*q); ++q) CollectQuestion(*q, port);
}
