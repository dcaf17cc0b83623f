// The answers file through the platform's private-profile calls.
#include "questions/persistence_win32.h"

#include <windows.h>

#include "questions/answer_rules.h"
#include "survey/host_block.h"

void LoadAnswers(const char* file, const char* section, Question* table) {
    // A null section would list the file's sections into the answer; a null file would
    // read the system's own settings file.
    if (!ProfilePathFits(file) || section == nullptr || table == nullptr) return;
    for (Question* q = table; !IsEndOfQuestions(*q); ++q) {
        // The current answer is the default; it must not share the destination buffer.
        char current[ANSWER_SIZE];
        CopyAnswer(current, q->answer);
        GetPrivateProfileStringA(section, q->key, current, q->answer, ANSWER_SIZE, file);
    }
}

void SaveAnswers(const char* file, const char* section, const Question* table) {
    // Without a file and a section there is nowhere to write.
    if (!ProfilePathFits(file) || section == nullptr || table == nullptr) return;
    for (const Question* q = table; !IsEndOfQuestions(*q); ++q)
        WritePrivateProfileStringA(section, q->key, q->answer, file);
}
