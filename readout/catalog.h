// What the readout knows of every question: its key and rules from the question tables,
// and the texts the user saw, taken from the pages' compiled templates and string table.
#pragma once

#include <string>
#include <vector>

#include "questions/question.h"
#include "readout/compiled_resources.h"

struct ChoiceText {
    std::string code;
    std::string controlText;  // as the template or string table holds it, "&" included
    std::string label;        // as the user reads it; "blank" for a blank list entry
};

struct QuestionText {
    int page;                  // 1, 2 or 3
    const Question* question;  // the page's table record: key, kind and choice rows
    std::string text;          // the question as the page puts it
    std::string prompt;        // the explanation inside its frame above the choices, if any
    int textControl;           // template index of the control that holds text
    // One per choice row in table order; for a drop-down list its entries in display order
    // (row 0, the list itself, has none).
    std::vector<ChoiceText> choices;
};

struct Catalog {
    std::vector<QuestionText> questions;  // survey order: page by page, table order
};

// Builds the catalog of the survey's pages from their compiled resources. Fails, saying
// what is missing, when a page, control or string a table names is not there.
bool BuildCatalog(const CompiledResources& resources, Catalog* catalog, std::string* error);

// The same from the page resources built into this program.
bool LoadSurveyCatalog(Catalog* catalog, std::string* error);

// The question with key, compared as the profile services compare keys; null if none.
const QuestionText* FindQuestion(const Catalog& catalog, const std::string& key);
