// Terminators and counting of the question tables.
#include "question.h"

bool IsEndOfChoices(const Choice& row) {
    return row.control == 0 && row.code[0] == '\0';
}

bool IsEndOfQuestions(const Question& record) {
    return record.answer[0] == '\0' && record.key[0] == '\0' && record.choices == nullptr;
}

int CountChoices(const Choice* list) {
    int n = 0;
    if (list) {
        while (!IsEndOfChoices(list[n])) ++n;
    }
    return n;
}
