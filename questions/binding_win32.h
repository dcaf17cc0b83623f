// Filling a page's controls from its answers and collecting the answers back, through
// the dialog-item messages of the page's check boxes, option buttons, lists and fields.
#pragma once

#include <windows.h>

#include "questions/question.h"

// Sets every bound control of dialog from the answers of table. Drop-down texts are
// string resources of the module that owns dialog.
void FillControls(HWND dialog, Question* table);
// Replaces the answers of table with what the controls of dialog show.
void CollectAnswers(HWND dialog, Question* table);
