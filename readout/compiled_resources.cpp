// The .res format: a run of entries, each a header (data size, header size, type and name
// as a number or a UTF-16 text, then version, flags and language) followed by its data;
// headers and data start on 4-byte boundaries. Texts are UTF-16LE throughout.
#include "readout/compiled_resources.h"

#include "readout/text_encoding.h"
#include "survey/text_rules.h"

namespace {

// Control classes a template names by number (0x80 ...), under the names a script uses.
const char* const CONTROL_CLASS_NAMES[6] = {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"};

constexpr int RES_TYPE_DIALOG = 5;
constexpr int RES_TYPE_STRING = 6;
constexpr uint32_t DS_SETFONT = 0x40;
constexpr uint32_t DS_SHELLFONT = 0x48;

// A bounded cursor over one block of bytes; any read past the end sets failed and yields 0.
struct Reader {
    const unsigned char* data;
    size_t size;
    size_t at = 0;
    bool failed = false;

    bool Has(size_t n) const { return !failed && n <= size - at; }
    uint16_t Word() {
        if (!Has(2)) return Fail(), 0;
        uint16_t v = static_cast<uint16_t>(data[at] | data[at + 1] << 8);
        at += 2;
        return v;
    }
    uint32_t Dword() {
        uint32_t lo = Word();
        return lo | static_cast<uint32_t>(Word()) << 16;
    }
    int16_t Short() { return static_cast<int16_t>(Word()); }
    void Skip(size_t n) {
        if (!Has(n)) return Fail();
        at += n;
    }
    void AlignDword() {
        size_t pad = (4 - at % 4) % 4;
        if (pad > size - at) pad = size - at;  // the last item may end unpadded
        at += pad;
    }
    void Fail() {
        failed = true;
        at = size;
    }
    // A NUL-terminated UTF-16 text.
    std::u16string Text() {
        std::u16string s;
        for (uint16_t c = Word(); c != 0 && !failed; c = Word()) s += static_cast<char16_t>(c);
        return s;
    }
    // A number (0xFFFF then the number) or a text; numbers come back in *number.
    std::u16string TextOrNumber(int* number) {
        *number = -1;
        if (Has(2) && data[at] == 0xFF && data[at + 1] == 0xFF) {
            Skip(2);
            *number = Word();
            return u"";
        }
        return Text();
    }
};

bool ReadControl(Reader& r, bool extended, TemplateControl* control) {
    r.AlignDword();
    if (extended) {
        r.Dword();  // help identifier
        r.Dword();  // extended style
        control->style = r.Dword();
    } else {
        control->style = r.Dword();
        r.Dword();  // extended style
    }
    control->x = r.Short();
    control->y = r.Short();
    control->cx = r.Short();
    control->cy = r.Short();
    // Plain templates keep 16 bits of identifier: 0xFFFF is -1 there too.
    control->id = extended ? static_cast<int32_t>(r.Dword()) : r.Short();
    int classNumber;
    std::u16string cls = r.TextOrNumber(&classNumber);
    if (classNumber >= 0x80 && classNumber < 0x80 + 6) {
        control->className = CONTROL_CLASS_NAMES[classNumber - 0x80];
    } else {
        // Named classes keep their spelling, but the known ones read as when numbered.
        control->className = Utf16ToUtf8(cls);
        for (const char* known : CONTROL_CLASS_NAMES) {
            if (SameTextIgnoringAsciiCase(control->className.c_str(), known)) control->className = known;
        }
    }
    int textNumber;
    control->text = Utf16ToUtf8(r.TextOrNumber(&textNumber));
    r.Skip(r.Word());  // creation data
    return !r.failed;
}

bool ReadDialog(const unsigned char* data, size_t size, DialogResource* dialog) {
    Reader r{data, size};
    bool extended = size >= 4 && data[0] == 1 && data[1] == 0 && data[2] == 0xFF && data[3] == 0xFF;
    uint32_t style;
    if (extended) {
        r.Skip(4 + 4 + 4);  // version and signature, help identifier, extended style
        style = r.Dword();
    } else {
        style = r.Dword();
        r.Dword();  // extended style
    }
    int count = r.Word();
    r.Skip(4 * 2);  // x, y, cx, cy
    int number;
    r.TextOrNumber(&number);  // menu
    r.TextOrNumber(&number);  // class
    dialog->caption = Utf16ToUtf8(r.Text());
    if ((style & DS_SETFONT) || (style & DS_SHELLFONT) == DS_SHELLFONT) {
        r.Skip(extended ? 6 : 2);  // point size (weight, italic, character set)
        r.Text();
    }
    for (int i = 0; i < count && !r.failed; ++i) {
        TemplateControl control;
        if (ReadControl(r, extended, &control)) dialog->controls.push_back(control);
    }
    return !r.failed;
}

// One block of the string table: 16 counted texts, identifiers (block - 1) * 16 onwards.
bool ReadStringBlock(const unsigned char* data, size_t size, int block, std::map<int, std::string>* strings) {
    Reader r{data, size};
    for (int i = 0; i < 16 && !r.failed; ++i) {
        size_t length = r.Word();
        std::u16string text;
        for (size_t k = 0; k < length && !r.failed; ++k) text += static_cast<char16_t>(r.Word());
        if (length > 0 && !r.failed) (*strings)[(block - 1) * 16 + i] = Utf16ToUtf8(text);
    }
    return !r.failed;
}

}  // namespace

bool ReadCompiledResources(const unsigned char* data, size_t size, CompiledResources* out, std::string* error) {
    Reader r{data, size};
    while (r.at < size) {
        size_t start = r.at;
        uint32_t dataSize = r.Dword();
        uint32_t headerSize = r.Dword();
        int type, name;
        r.TextOrNumber(&type);
        r.TextOrNumber(&name);
        if (r.failed || headerSize < 8 || headerSize > size - start || dataSize > size - start - headerSize) {
            *error = "resource entry at byte " + std::to_string(start) + " runs past the end";
            return false;
        }
        const unsigned char* body = data + start + headerSize;
        bool ok = true;
        if (type == RES_TYPE_DIALOG && name >= 0) {
            DialogResource dialog;
            dialog.id = name;
            ok = ReadDialog(body, dataSize, &dialog);
            out->dialogs.push_back(dialog);
        } else if (type == RES_TYPE_STRING && name > 0) {
            ok = ReadStringBlock(body, dataSize, name, &out->strings);
        }
        if (!ok) {
            *error = "resource at byte " + std::to_string(start) + " (type " + std::to_string(type) +
                     ", " + std::to_string(name) + ") is cut short";
            return false;
        }
        r.at = start + headerSize;
        r.Skip(dataSize);
        r.AlignDword();
    }
    return true;
}

const DialogResource* FindDialog(const CompiledResources& resources, int id) {
    for (const DialogResource& dialog : resources.dialogs) {
        if (dialog.id == id) return &dialog;
    }
    return nullptr;
}
