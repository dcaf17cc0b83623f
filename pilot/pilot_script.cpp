// The pilot's script parser and text rules.
#include "pilot/pilot_script.h"

#include <cstddef>

const char PILOT_DEFAULT_CAPTION[] = "Registration for *";

namespace {

enum ArgCount { ARGS_NONE, ARGS_OPTIONAL_ONE, ARGS_ONE, ARGS_TWO };

struct StepSyntax {
    const char* name;
    PilotAction action;
    ArgCount args;
    const char* usage;
};

const StepSyntax PILOT_STEPS[] = {
    {"caption", PILOT_CAPTION, ARGS_ONE, "caption TEXT"},
    {"wait", PILOT_WAIT, ARGS_OPTIONAL_ONE, "wait [NAME]"},
    {"select", PILOT_SELECT, ARGS_TWO, "select \"LABEL\" ENTRY"},
    {"check", PILOT_CHECK, ARGS_ONE, "check LABEL"},
    {"clear", PILOT_CLEAR, ARGS_ONE, "clear LABEL"},
    {"choose", PILOT_CHOOSE, ARGS_ONE, "choose LABEL"},
    {"next", PILOT_NEXT, ARGS_NONE, "next"},
    {"back", PILOT_BACK, ARGS_NONE, "back"},
    {"later", PILOT_LATER, ARGS_NONE, "later"},
    {"close", PILOT_CLOSE, ARGS_NONE, "close"},
    {"show", PILOT_SHOW, ARGS_ONE, "show TEXT"},
    {"press", PILOT_PRESS, ARGS_ONE, "press LABEL"},
    {"key", PILOT_KEY, ARGS_ONE, "key KEYS"},
};

struct KeyName {
    const char* name;
    int virtualKey;
};

// The platform's virtual-key codes of the named keys.
const KeyName PILOT_KEY_NAMES[] = {
    {"Tab", 0x09}, {"Enter", 0x0D}, {"Esc", 0x1B}, {"Space", 0x20},
    {"Left", 0x25}, {"Up", 0x26},   {"Right", 0x27}, {"Down", 0x28},
    {"Home", 0x24}, {"End", 0x23},
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

size_t SkipBlanks(const std::string& s, size_t i) {
    while (i < s.size() && IsBlank(s[i])) ++i;
    return i;
}

std::string TrimRight(const std::string& s) {
    size_t n = s.size();
    while (n > 0 && IsBlank(s[n - 1])) --n;
    return s.substr(0, n);
}

// Splits the arguments after a step name: quoted texts, then at most one unquoted rest.
bool SplitArguments(const std::string& rest, std::vector<std::string>* args, std::string* error) {
    size_t i = SkipBlanks(rest, 0);
    while (i < rest.size()) {
        if (rest[i] == '"') {
            size_t end = rest.find('"', i + 1);
            if (end == std::string::npos) {
                *error = "a quoted text has no closing \"";
                return false;
            }
            args->push_back(rest.substr(i + 1, end - i - 1));
            i = SkipBlanks(rest, end + 1);
        } else {
            args->push_back(TrimRight(rest.substr(i)));
            break;
        }
    }
    return true;
}

bool ParseLine(const std::string& line, int number, std::vector<PilotStep>* steps,
               std::string* error) {
    size_t start = SkipBlanks(line, 0);
    if (start == line.size() || line[start] == '#') return true;
    size_t end = start;
    while (end < line.size() && !IsBlank(line[end])) ++end;
    std::string name = line.substr(start, end - start);

    const StepSyntax* syntax = nullptr;
    for (const StepSyntax& s : PILOT_STEPS)
        if (name == s.name) syntax = &s;
    if (!syntax) {
        *error = "unknown step \"" + name +
                 "\" (steps: caption, wait, select, check, clear, choose, next, back, later, close, "
                 "show, press, key)";
        return false;
    }

    std::vector<std::string> args;
    if (!SplitArguments(line.substr(end), &args, error)) return false;
    size_t want = syntax->args == ARGS_TWO ? 2 : syntax->args == ARGS_NONE ? 0 : 1;
    bool fits = args.size() == want || (syntax->args == ARGS_OPTIONAL_ONE && args.empty());
    for (const std::string& a : args)
        if (a.empty() && syntax->args != ARGS_TWO) fits = false;
    if (!fits) {
        *error = std::string("expected ") + syntax->usage;
        return false;
    }

    if (syntax->action == PILOT_WAIT && !args.empty()) {
        for (char c : args[0]) {
            bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                         c == '-' || c == '_' || c == '.';
            if (!plain) {
                *error = "a picture name holds only letters, digits, '-', '_' and '.'";
                return false;
            }
        }
    }

    if (syntax->action == PILOT_KEY) {
        std::vector<PilotKey> keys;
        if (!ParsePilotKeys(args[0], &keys, error)) return false;
    }

    PilotStep step{syntax->action, number, args.size() > 0 ? args[0] : "", args.size() > 1 ? args[1] : ""};
    steps->push_back(step);
    return true;
}

}  // namespace

bool ParsePilotScript(const std::string& text, std::vector<PilotStep>* steps, std::string* error) {
    steps->clear();
    int number = 0;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t eol = text.find('\n', pos);
        if (eol == std::string::npos) eol = text.size();
        ++number;
        std::string message;
        if (!ParseLine(text.substr(pos, eol - pos), number, steps, &message)) {
            *error = "line " + std::to_string(number) + ": " + message;
            return false;
        }
        pos = eol + 1;
    }
    return true;
}

bool ParsePilotKeys(const std::string& text, std::vector<PilotKey>* keys, std::string* error) {
    keys->clear();
    size_t i = SkipBlanks(text, 0);
    while (i < text.size()) {
        size_t end = i;
        while (end < text.size() && !IsBlank(text[end])) ++end;
        std::string word = text.substr(i, end - i);
        PilotKey key{0, false};
        std::string name = word;
        if (name.compare(0, 4, "Alt+") == 0 && name.size() > 4) {
            key.alt = true;
            name = name.substr(4);
        }
        if (name.size() == 1 && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9')))
            key.virtualKey = name[0];
        else if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z')
            key.virtualKey = name[0] - 'a' + 'A';
        for (const KeyName& k : PILOT_KEY_NAMES)
            if (name == k.name) key.virtualKey = k.virtualKey;
        if (key.virtualKey == 0) {
            *error = "unknown key \"" + word + "\" (keys: Tab, Enter, Esc, Space, Up, Down, Left, "
                     "Right, Home, End, a letter or digit, each also after Alt+)";
            return false;
        }
        keys->push_back(key);
        i = SkipBlanks(text, end);
    }
    if (keys->empty()) {
        *error = "expected key KEYS";
        return false;
    }
    return true;
}

int PilotButtonId(PilotAction action) {
    switch (action) {
    case PILOT_NEXT: return 1;
    case PILOT_BACK: return 888;
    case PILOT_LATER: return 2;
    default: return 0;
    }
}

bool PilotLeavesPage(PilotAction action) {
    return PilotButtonId(action) != 0 || action == PILOT_CLOSE;
}

bool CaptionMatches(const std::string& pattern, const std::string& caption) {
    if (!pattern.empty() && pattern.back() == '*') {
        size_t n = pattern.size() - 1;
        return caption.compare(0, n, pattern, 0, n) == 0 && caption.size() >= n;
    }
    return caption == pattern;
}

std::string PictureName(const std::string& waitName, int pageNumber) {
    if (!waitName.empty()) return waitName;
    return "page-" + std::to_string(pageNumber);
}

std::string DescribeStep(const PilotStep& step) {
    for (const StepSyntax& s : PILOT_STEPS) {
        if (s.action != step.action) continue;
        std::string text = s.name;
        if (s.args == ARGS_TWO)
            return text + " \"" + step.label + "\" \"" + step.entry + "\"";
        if (!step.label.empty()) text += " \"" + step.label + "\"";
        return text;
    }
    return "?";
}
