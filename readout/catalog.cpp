#include "readout/catalog.h"

#include "content/control_text.h"
#include "content/page_tables.h"
#include "survey/text_rules.h"

// The page script compiled by the build and carried as bytes (made by the build).
extern const unsigned char PageResources[];
extern const size_t PageResourcesSize;

namespace {

constexpr uint32_t BUTTON_TYPE_MASK = 0xF;
constexpr uint32_t BS_GROUPBOX_TYPE = 7;

bool IsFrame(const TemplateControl& c) {
    return c.className == "Button" && (c.style & BUTTON_TYPE_MASK) == BS_GROUPBOX_TYPE;
}

bool Inside(const TemplateControl& inner, const TemplateControl& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.cx <= outer.x + outer.cx &&
           inner.y + inner.cy <= outer.y + outer.cy;
}

int FindControl(const DialogResource& dialog, int id) {
    for (size_t i = 0; i < dialog.controls.size(); ++i) {
        if (dialog.controls[i].id == id) return static_cast<int>(i);
    }
    return -1;
}

std::string BlankAsWord(const std::string& label) {
    return label.find_first_not_of(' ') == std::string::npos ? "blank" : label;
}

// Buttons and labels show "&x" as an underlined x; list entries show their text as it is.
std::string ReadAs(const std::string& controlText) { return BlankAsWord(StripAccessKeys(controlText)); }

// A list's question is the text just before it in the template; a group of buttons' is the
// smallest frame around its first button, with any text inside that frame above the
// buttons as its prompt.
bool FindQuestionText(const DialogResource& dialog, int firstControl, bool list, QuestionText* q) {
    const TemplateControl& first = dialog.controls[firstControl];
    if (list) {
        if (firstControl == 0 || dialog.controls[firstControl - 1].className != "Static") return false;
        q->textControl = firstControl - 1;
        q->text = ReadAs(dialog.controls[firstControl - 1].text);
        return true;
    }
    int frame = -1;
    for (size_t i = 0; i < dialog.controls.size(); ++i) {
        const TemplateControl& c = dialog.controls[i];
        if (IsFrame(c) && Inside(first, c) &&
            (frame < 0 || Inside(c, dialog.controls[frame]))) {
            frame = static_cast<int>(i);
        }
    }
    if (frame < 0) return false;
    q->textControl = frame;
    q->text = ReadAs(dialog.controls[frame].text);
    for (const TemplateControl& c : dialog.controls) {
        if (c.className == "Static" && Inside(c, dialog.controls[frame]) && c.y + c.cy <= first.y) {
            q->prompt += (q->prompt.empty() ? "" : " ") + ReadAs(c.text);
        }
    }
    return true;
}

bool AddQuestion(const CompiledResources& resources, const DialogResource& dialog, int page,
                 const Question& question, Catalog* catalog, std::string* error) {
    QuestionText q{page, &question, "", "", -1, {}};
    std::string where = "page " + std::to_string(page) + ", " + question.key + ": ";
    bool list = question.kind == KIND_DROPLIST;
    const Choice* rows = question.choices;
    if (!rows || IsEndOfChoices(rows[0])) {
        *error = where + "no choices";
        return false;
    }
    int firstControl = FindControl(dialog, static_cast<int>(rows[0].control));
    if (firstControl < 0 || !FindQuestionText(dialog, firstControl, list, &q)) {
        *error = where + "no control " + std::to_string(rows[0].control) + " or no text for it";
        return false;
    }
    for (const Choice* row = list ? rows + 1 : rows; !IsEndOfChoices(*row); ++row) {
        int id = static_cast<int>(row->control);
        if (list) {
            auto entry = resources.strings.find(id);
            if (entry == resources.strings.end()) {
                *error = where + "no string " + std::to_string(id);
                return false;
            }
            q.choices.push_back({row->code, entry->second, BlankAsWord(entry->second)});
        } else {
            int control = FindControl(dialog, id);
            if (control < 0) {
                *error = where + "no control " + std::to_string(id);
                return false;
            }
            const std::string& text = dialog.controls[control].text;
            q.choices.push_back({row->code, text, ReadAs(text)});
        }
    }
    catalog->questions.push_back(q);
    return true;
}

}  // namespace

bool BuildCatalog(const CompiledResources& resources, Catalog* catalog, std::string* error) {
    catalog->questions.clear();
    for (int page = 1; page <= PAGE_COUNT; ++page) {
        const SurveyPage& entry = SurveyPages[page - 1];
        const DialogResource* dialog = FindDialog(resources, entry.templateId);
        if (!dialog) {
            *error = "no dialog template " + std::to_string(entry.templateId) + " for page " + std::to_string(page);
            return false;
        }
        for (const Question* q = entry.questions; !IsEndOfQuestions(*q); ++q) {
            if (!AddQuestion(resources, *dialog, page, *q, catalog, error)) return false;
        }
    }
    return true;
}

bool LoadSurveyCatalog(Catalog* catalog, std::string* error) {
    CompiledResources resources;
    return ReadCompiledResources(PageResources, PageResourcesSize, &resources, error) &&
           BuildCatalog(resources, catalog, error);
}

const QuestionText* FindQuestion(const Catalog& catalog, const std::string& key) {
    for (const QuestionText& q : catalog.questions) {
        if (SameTextIgnoringAsciiCase(q.question->key, key.c_str())) return &q;
    }
    return nullptr;
}
