// Reading a compiled resource file (the .res the resource compiler writes from the page
// script): the dialog templates with their controls, and the string table. This is how the
// readout gets the very texts the pages show, without a second copy of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct TemplateControl {
    int id;                 // -1 for unlabelled controls, in plain and extended templates alike
    std::string className;  // "Button", "Static", "ComboBox", ... as written or numbered
    uint32_t style;
    int x, y, cx, cy;       // dialog units
    std::string text;       // UTF-8, access keys ("&") as written; empty for a numbered text
};

struct DialogResource {
    int id;
    std::string caption;                    // UTF-8
    std::vector<TemplateControl> controls;  // template order
};

struct CompiledResources {
    std::vector<DialogResource> dialogs;
    std::map<int, std::string> strings;  // string table, UTF-8, by identifier
};

// Reads every dialog template (plain or extended) and string table of a .res file image.
// Other resource types are passed over. On malformed data returns false and says where;
// nothing outside [data, data + size) is read.
bool ReadCompiledResources(const unsigned char* data, size_t size, CompiledResources* out,
                           std::string* error);

const DialogResource* FindDialog(const CompiledResources& resources, int id);
