// The pilot's script: one step a line, parsed into plain records, and the text rules the
// steps use to find pages and controls. No Win32 here; pilot_win32.cpp carries the steps out.
#pragma once

#include <string>
#include <vector>

#include "content/control_text.h"

enum PilotAction {
    PILOT_CAPTION,  // caption TEXT: the caption of the pages to look for ("*" at the end: any ending)
    PILOT_WAIT,     // wait [NAME]: wait for the next page; its picture is saved as NAME.png
    PILOT_SELECT,   // select LABEL ENTRY: pick ENTRY in the drop-down list after the text LABEL
    PILOT_CHECK,    // check LABEL: check the box labelled LABEL
    PILOT_CLEAR,    // clear LABEL: clear it
    PILOT_CHOOSE,   // choose LABEL: choose the option button labelled LABEL
    PILOT_NEXT,     // next: press the button with identifier 1 ("&Next >>")
    PILOT_BACK,     // back: press 888 ("<< &Back")
    PILOT_LATER,    // later: press 2 ("&Register Later", or a host page's Cancel)
    PILOT_CLOSE,    // close: close the page from its system menu, as its close box does
    PILOT_SHOW,     // show TEXT: wait until a window with the caption shows TEXT (a wizard's
                    // page changes inside one window); that window becomes the page
    PILOT_PRESS,    // press LABEL: press the button labelled LABEL, whatever its identifier
    PILOT_KEY,      // key KEYS: type keys to the page as a person does ("Tab Down Enter")
};

// One key of a key step: a virtual-key code, with Alt held or not.
struct PilotKey {
    int virtualKey;
    bool alt;
};

// Parses the keys of a key step: names separated by blanks, each "Tab", "Enter", "Esc",
// "Space", "Up", "Down", "Left", "Right", "Home", "End", a letter or digit, or any of them
// after "Alt+".
// On an error returns false and says which name is unknown.
bool ParsePilotKeys(const std::string& text, std::vector<PilotKey>* keys, std::string* error);

struct PilotStep {
    PilotAction action;
    int line;           // 1-based line of the script, for messages
    std::string label;  // caption, page name, control label; empty when the step takes none
    std::string entry;  // select only: the list entry
};

// The caption looked for until a caption step says otherwise.
extern const char PILOT_DEFAULT_CAPTION[];

// Parses a whole script. A line holds a step name and its arguments; an argument is a
// "quoted text" or, unquoted, the rest of the line. Blank lines and lines starting with
// # are skipped. On an error returns false and sets error to "line N: message".
bool ParsePilotScript(const std::string& text, std::vector<PilotStep>* steps, std::string* error);

// The command identifier a pressing step sends, or 0 for the other steps.
int PilotButtonId(PilotAction action);

// True for the steps that leave the page (next, back, later, close).
bool PilotLeavesPage(PilotAction action);

// Whether a window caption matches a caption step's text: exactly, or, when the text ends
// with "*", by the part before it.
bool CaptionMatches(const std::string& pattern, const std::string& caption);

// The file name (without .png) of the picture of the pageNumber-th page seen, given the
// name its wait step gave it (may be empty).
std::string PictureName(const std::string& waitName, int pageNumber);

// A step as it would be written, for messages: check "Scanner".
std::string DescribeStep(const PilotStep& step);
