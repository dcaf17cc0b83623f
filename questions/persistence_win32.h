// Reading and writing the answers of a question table in a section of the answers file.
#pragma once

#include "questions/question.h"

// Reads each question's answer from its key in section of file (at most 127 characters).
// A missing file, section or key leaves the answer as it was; so does a file name longer
// than 259 characters, which the profile services can't open.
void LoadAnswers(const char* file, const char* section, Question* table);
// Writes each question's answer under its key in section of file, creating the file and
// the section as needed; an empty answer is written as an empty value. Failures are
// ignored: the answers stay in memory. A file name longer than 259 characters is not
// written to.
void SaveAnswers(const char* file, const char* section, const Question* table);
