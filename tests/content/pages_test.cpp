// The survey's pages as survey.dll carries them: each template built into a live dialog
// and compared control by control, the templates' headers, the string table, and the
// question tables checked against the controls they name.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "content/page_tables.h"
#include "content/resource.h"
#include "tests/support/survey_dll_win32.h"

namespace {

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

// A page built from the DLL's template and never shown; destroyed with the holder.
struct LivePage {
    HWND dialog;
    LivePage(HMODULE dll, int id)
        : dialog(CreateDialogParamA(dll, MAKEINTRESOURCEA(id), nullptr, QuietDialogProc, 0)) {}
    ~LivePage() { if (dialog) DestroyWindow(dialog); }
    LivePage(const LivePage&) = delete;
    LivePage& operator=(const LivePage&) = delete;
};

std::string ClassOf(HWND window) {
    char name[64] = "(marker)";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    char text[512] = "(marker)";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// A child's window rectangle in its dialog's client coordinates.
RECT RectInDialog(HWND dialog, HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Where the dialog manager puts a control: origin and size are each converted from
// dialog units on their own, so right and bottom are origin + size in pixels.
RECT ExpectedRect(HWND dialog, int x, int y, int cx, int cy) {
    RECT origin = {x, y, x, y};
    RECT size = {0, 0, cx, cy};
    MapDialogRect(dialog, &origin);
    MapDialogRect(dialog, &size);
    return {origin.left, origin.top, origin.left + size.right, origin.top + size.bottom};
}

std::string Show(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," +
           std::to_string(r.right) + "," + std::to_string(r.bottom);
}

// The full template styles of each kind of control on the pages.
constexpr DWORD LABEL = WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP;
constexpr DWORD LIST = WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD FRAME = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD CHECK = WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX;
constexpr DWORD OPTION = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
constexpr DWORD NEXT = WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP;
constexpr DWORD PUSH = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD PANEL = WS_CHILD | SS_BLACKFRAME | SS_CENTERIMAGE;  // hidden
// Bits compared on the live controls: the control's own style word (type, BS_*, CBS_*,
// SS_*) and the window bits the templates set or must leave clear.
constexpr DWORD STYLE_MASK = 0xFFFF | WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_TABSTOP |
                             WS_GROUP | WS_VSCROLL | WS_HSCROLL | WS_BORDER;

// An unlabelled control's identifier as the dialog manager reports it: -1 in a 16-bit
// field of a plain template, a full -1 in an extended one.
constexpr int STATIC_PLAIN = 0xFFFF;
constexpr int STATIC_EX = -1;

// Marks a label that is one of the invented product names: not empty, and no two alike.
const char* const PRODUCT = "(a product name)";

struct ControlRow {
    int id;
    const char* cls;
    DWORD style;
    DWORD exStyle;
    int x, y, cx, cy;  // dialog units; for a list, cy is its dropped-down height
    const char* text;  // nullptr: not compared (a list's text is its selection)
};

const ControlRow Page1Controls[] = {
    {STATIC_EX, "Static", LABEL, 0, 107, 7, 266, 8, "&Where did you purchase this product?"},
    {IDC_PURCHASE_PLACE, "ComboBox", LIST, 0, 107, 17, 266, 72, nullptr},
    {STATIC_EX, "Static", LABEL, 0, 107, 39, 237, 8, "W&hat is your primary use for this product?"},
    {IDC_PRIMARY_USE, "ComboBox", LIST, 0, 107, 49, 266, 57, nullptr},
    {STATIC_EX, "Static", LABEL, 0, 107, 71, 266, 8, "&Do you purchase software for kids?"},
    {IDC_KIDS_SOFTWARE, "ComboBox", LIST, 0, 107, 81, 266, 44, nullptr},
    {STATIC_EX, "Button", FRAME | WS_GROUP, 0, 107, 103, 266, 105,
     "Wh&ich of the following peripherals do you use with your computer?"},
    {IDC_PERIPH_3D_ACCEL, "Button", CHECK | WS_TABSTOP, 0, 114, 113, 252, 10, "3D Graphics Accelerator"},
    {IDC_PERIPH_EXT_STORAGE, "Button", CHECK, 0, 114, 123, 252, 10, "External Storage Device (e.g., Jaz, Zip)"},
    {IDC_PERIPH_BW_LASER, "Button", CHECK, 0, 114, 133, 252, 10, "Black and White Laserjet Printer"},
    {IDC_PERIPH_BW_INKJET, "Button", CHECK, 0, 114, 143, 252, 10, "Black and White Inkjet Printer"},
    {IDC_PERIPH_COLOR_LASER, "Button", CHECK, 0, 114, 153, 120, 10, "Color Laserjet Printer"},
    {IDC_PERIPH_COLOR_INKJET, "Button", CHECK, 0, 114, 163, 120, 10, "Color Inkjet Printer"},
    {IDC_PERIPH_JOYSTICK, "Button", CHECK, 0, 114, 173, 120, 10, "Joystick"},
    {IDC_PERIPH_VIDEO_CAMERA, "Button", CHECK, 0, 114, 183, 120, 10, "QuickCam or Video Camera"},
    {IDC_PERIPH_DIGITAL_CAMERA, "Button", CHECK, 0, 114, 193, 120, 10, "Digital Camera"},
    {IDC_PERIPH_DVD, "Button", CHECK, 0, 246, 153, 120, 10, "DVD"},
    {IDC_PERIPH_ISDN, "Button", CHECK, 0, 246, 163, 120, 10, "ISDN"},
    {IDC_PERIPH_PEN_TABLET, "Button", CHECK, 0, 246, 173, 120, 10, "Pen Tablet"},
    {IDC_PERIPH_SCANNER, "Button", CHECK, 0, 246, 183, 120, 10, "Scanner"},
    {IDC_PERIPH_DONT_KNOW, "Button", CHECK, 0, 246, 193, 120, 10, "I don't know"},
    {IDOK, "Button", NEXT, 0, 323, 218, 50, 14, "&Next >>"},
    {ID_BACK, "Button", PUSH, 0, 248, 218, 50, 14, "<< &Back"},
    {IDCANCEL, "Button", PUSH, 0, 107, 218, 60, 14, "&Register Later"},
    {IDC_PANEL, "Static", PANEL, WS_EX_TRANSPARENT, 7, 7, 93, 225, ""},
};

const ControlRow Page2Controls[] = {
    {STATIC_PLAIN, "Button", FRAME | WS_GROUP, 0, 107, 7, 266, 155,
     "&Home Publishing Software Products (please check all that you own)."},
    {IDC_PRODUCT_PRINT_STUDIO, "Button", CHECK | WS_TABSTOP, 0, 114, 17, 252, 10, PRODUCT},
    {IDC_PRODUCT_CARD_DESIGNER, "Button", CHECK, 0, 114, 27, 252, 10, PRODUCT},
    {IDC_PRODUCT_HOME_PUBLISHER, "Button", CHECK, 0, 114, 37, 252, 10, PRODUCT},
    {IDC_PRODUCT_BANNERS, "Button", CHECK, 0, 114, 47, 120, 10, PRODUCT},
    {IDC_PRODUCT_BROCHURE_KIT, "Button", CHECK, 0, 114, 57, 120, 10, PRODUCT},
    {IDC_PRODUCT_HOME_PRESS, "Button", CHECK, 0, 114, 67, 120, 10, PRODUCT},
    {IDC_PRODUCT_NEWSLETTERS, "Button", CHECK, 0, 114, 77, 120, 10, PRODUCT},
    {IDC_PRODUCT_LABELS, "Button", CHECK, 0, 114, 87, 120, 10, PRODUCT},
    {IDC_PRODUCT_CRAFTS, "Button", CHECK, 0, 114, 97, 120, 10, PRODUCT},
    {IDC_PRODUCT_SCRAPBOOK, "Button", CHECK, 0, 114, 107, 120, 10, PRODUCT},
    {IDC_PRODUCT_PHOTO_PRINT, "Button", CHECK, 0, 114, 117, 120, 10, PRODUCT},
    {IDC_PRODUCT_INVITATIONS, "Button", CHECK, 0, 246, 47, 120, 10, PRODUCT},
    {IDC_PRODUCT_POSTERS, "Button", CHECK, 0, 246, 57, 120, 10, PRODUCT},
    {IDC_PRODUCT_CALENDARS, "Button", CHECK, 0, 246, 67, 120, 10, PRODUCT},
    {IDC_PRODUCT_STATIONERY, "Button", CHECK, 0, 246, 77, 120, 10, PRODUCT},
    {IDC_PRODUCT_SIGNS, "Button", CHECK, 0, 246, 87, 120, 10, PRODUCT},
    {IDC_PRODUCT_FAMILY_ALBUM, "Button", CHECK, 0, 246, 97, 120, 10, PRODUCT},
    {IDC_PRODUCT_CARD_SHOP, "Button", CHECK, 0, 246, 107, 120, 10, PRODUCT},
    {IDC_PRODUCT_SIGNS_DELUXE, "Button", CHECK, 0, 246, 117, 120, 10, PRODUCT},
    {STATIC_PLAIN, "Button", FRAME | WS_GROUP, 0, 107, 167, 266, 45, "&Which features do you use the most?"},
    {IDC_FEATURE_GREETING_CARDS, "Button", CHECK | WS_TABSTOP, 0, 114, 177, 79, 10, "Greeting Cards"},
    {IDC_FEATURE_BANNERS, "Button", CHECK, 0, 114, 187, 79, 10, "Banners"},
    {IDC_FEATURE_BROCHURES, "Button", CHECK, 0, 114, 197, 79, 10, "Brochures"},
    {IDC_FEATURE_EMAIL_GREETINGS, "Button", CHECK, 0, 198, 177, 79, 10, "Email Greetings"},
    {IDC_FEATURE_NEWSLETTERS, "Button", CHECK, 0, 198, 187, 79, 10, "Newsletters"},
    {IDC_FEATURE_WEB_PAGES, "Button", CHECK, 0, 198, 197, 79, 10, "Web Page Creation"},
    {IDC_FEATURE_PHOTO_EDITING, "Button", CHECK, 0, 287, 177, 79, 10, "Photo Editing"},
    {IDC_FEATURE_GRAPHICS, "Button", CHECK, 0, 287, 187, 79, 10, "Graphics"},
    {IDOK, "Button", NEXT, 0, 323, 218, 50, 14, "&Next >>"},
    {ID_BACK, "Button", PUSH, 0, 248, 218, 50, 14, "<< &Back"},
    {IDCANCEL, "Button", PUSH, 0, 114, 218, 60, 14, "&Register Later"},
    {IDC_PANEL, "Static", PANEL, 0, 7, 7, 93, 225, ""},
    {STATIC_PLAIN, "Static", LABEL, 0, 114, 137, 252, 16,
     "All company and/or product names are trademarks and/or registered trademarks of "
     "their respective manufacturers."},
};

const ControlRow Page3Controls[] = {
    {STATIC_PLAIN, "Button", FRAME, 0, 107, 7, 266, 92, "Yan&drel Products"},
    {IDC_INTEREST_GAMES, "Button", CHECK | WS_TABSTOP, 0, 114, 48, 120, 10, "Entertainment/Games"},
    {IDC_INTEREST_PRINTING, "Button", CHECK, 0, 114, 58, 120, 10, "Printing/Publishing"},
    {IDC_INTEREST_GENEALOGY, "Button", CHECK, 0, 114, 68, 120, 10, "Genealogy/Family History"},
    {IDC_INTEREST_CHILDREN, "Button", CHECK, 0, 114, 78, 130, 10, "Children's Education/Entertainment"},
    {IDC_INTEREST_HOME_DESIGN, "Button", CHECK, 0, 246, 48, 120, 10, "Home Improvement/design"},
    {IDC_INTEREST_COOKING, "Button", CHECK, 0, 246, 58, 120, 10, "Cooking/Entertaining at home"},
    {STATIC_PLAIN, "Button", FRAME, 0, 107, 108, 266, 62, "&Other Valuable Products"},
    {IDC_SHARE_YES, "Button", OPTION | WS_GROUP, 0, 196, 152, 55, 10, "Yes"},
    {IDC_SHARE_NO, "Button", OPTION, 0, 256, 152, 55, 10, "No"},
    {IDOK, "Button", NEXT, 0, 323, 218, 50, 14, "&Next >>"},
    {ID_BACK, "Button", PUSH, 0, 248, 218, 50, 14, "<< &Back"},
    {IDCANCEL, "Button", PUSH, 0, 114, 218, 60, 14, "&Register Later"},
    {IDC_PANEL, "Static", PANEL, 0, 7, 7, 93, 225, ""},
    {STATIC_PLAIN, "Static", LABEL, 0, 114, 17, 252, 24,
     "Yandrel produces a variety of software titles that may be of interest to you. Please "
     "indicate below those subjects about which you'd like to receive more product "
     "information:"},
    {STATIC_PLAIN, "Static", LABEL, 0, 114, 118, 252, 24,
     "From time to time we share information about our consumers with companies that we "
     "feel offer products and services that would be of value to you. Would you like to "
     "participate?"},
};

struct PageRow {
    const char* name;
    int id;
    const ControlRow* controls;
    size_t count;
    const Question* questions;
};

const PageRow PageRows[] = {
    {"page 1", IDD_PAGE1, Page1Controls, std::size(Page1Controls), Page1Questions},
    {"page 2", IDD_PAGE2, Page2Controls, std::size(Page2Controls), Page2Questions},
    {"page 3", IDD_PAGE3, Page3Controls, std::size(Page3Controls), Page3Questions},
};

constexpr WORD US_ENGLISH = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr DWORD PAGE_STYLE =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_CENTER | DS_MODALFRAME | DS_SETFONT;

// A dialog template as the DLL stores it: the header and every control record.
struct TemplateItem {
    int id;
    std::string cls;
    DWORD style, exStyle;
    int x, y, cx, cy;
    std::string text;
};

struct DialogTemplate {
    bool found = false;
    bool extended = false;
    DWORD style = 0, exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    bool menu = true, dialogClass = true;
    std::string caption;
    int pointSize = 0, weight = -1, italic = -1, charset = -1;
    std::string face;
    std::vector<TemplateItem> items;
};

// Reads the little-endian words of a template, aligning as the format asks.
struct TemplateReader {
    const BYTE* start;
    const WORD* w;

    WORD Word() { return *w++; }
    DWORD Dword() { DWORD v = w[0] | (static_cast<DWORD>(w[1]) << 16); w += 2; return v; }
    short Short() { return static_cast<short>(*w++); }
    void AlignDword() {
        while ((reinterpret_cast<const BYTE*>(w) - start) % 4) ++w;
    }
    std::string String() {
        const WORD* begin = w;
        while (*w) ++w;
        int length = static_cast<int>(w - begin);
        ++w;
        std::string s(length * 2 + 1, '\0');
        int n = WideCharToMultiByte(1252, 0, reinterpret_cast<const wchar_t*>(begin), length,
                                    &s[0], static_cast<int>(s.size()), nullptr, nullptr);
        s.resize(n);
        return s;
    }
    // A class or title: a string, or 0xFFFF and an ordinal (the predefined classes).
    std::string NameOrOrdinal() {
        if (*w != 0xFFFF) return String();
        ++w;
        switch (Word()) {
            case 0x80: return "Button";
            case 0x82: return "Static";
            case 0x85: return "ComboBox";
            default: return "(ordinal)";
        }
    }
};

DialogTemplate ReadTemplate(HMODULE dll, int id, WORD language) {
    DialogTemplate t;
    HRSRC found = FindResourceExA(dll, RT_DIALOG, MAKEINTRESOURCEA(id), language);
    const BYTE* data = found ? static_cast<const BYTE*>(LockResource(LoadResource(dll, found)))
                             : nullptr;
    if (!data) return t;
    t.found = true;
    TemplateReader r{data, reinterpret_cast<const WORD*>(data)};
    t.extended = r.w[0] == 1 && r.w[1] == 0xFFFF;  // dlgVer 1, signature 0xFFFF
    if (t.extended) {
        r.w += 2;
        r.Dword();  // help id
        t.exStyle = r.Dword();
        t.style = r.Dword();
    } else {
        t.style = r.Dword();
        t.exStyle = r.Dword();
    }
    int count = r.Word();
    t.x = r.Short();
    t.y = r.Short();
    t.cx = r.Short();
    t.cy = r.Short();
    t.menu = r.Word() != 0;         // a menu would follow as a name or an ordinal
    t.dialogClass = r.Word() != 0;  // likewise a private window class
    if (t.menu || t.dialogClass) return t;
    t.caption = r.String();
    if (t.style & DS_SETFONT) {
        t.pointSize = r.Word();
        if (t.extended) {
            t.weight = r.Word();
            WORD italicAndCharset = r.Word();
            t.italic = LOBYTE(italicAndCharset);
            t.charset = HIBYTE(italicAndCharset);
        }
        t.face = r.String();
    }
    for (int i = 0; i < count; ++i) {
        TemplateItem item;
        r.AlignDword();
        if (t.extended) {
            r.Dword();  // help id
            item.exStyle = r.Dword();
            item.style = r.Dword();
        } else {
            item.style = r.Dword();
            item.exStyle = r.Dword();
        }
        item.x = r.Short();
        item.y = r.Short();
        item.cx = r.Short();
        item.cy = r.Short();
        item.id = t.extended ? static_cast<int>(r.Dword()) : r.Word();
        item.cls = r.NameOrOrdinal();
        item.text = r.NameOrOrdinal();
        WORD extra = r.Word();
        r.w += (extra + 1) / 2;
        t.items.push_back(item);
    }
    return t;
}

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR list) {
    reinterpret_cast<std::vector<WORD>*>(list)->push_back(language);
    return TRUE;
}

// Every language a resource exists in.
std::vector<WORD> Languages(HMODULE dll, LPCSTR type, LPCSTR name) {
    std::vector<WORD> found;
    EnumResourceLanguagesA(dll, type, name, AddLanguage, reinterpret_cast<LONG_PTR>(&found));
    return found;
}

class Pages : public ::testing::Test {
protected:
    SurveyLibrary lib;
    void SetUp() override {
        ASSERT_NE(lib.module, nullptr) << "LoadLibrary error " << GetLastError();
    }
};

// Each control twice: as the template stores it (every style bit, the list heights) and
// as the dialog manager built it (class, the bits that survive creation, pixels).
TEST_F(Pages, ControlsMatchTheirTemplatesInOrder) {
    for (const PageRow& page : PageRows) {
        SCOPED_TRACE(page.name);
        DialogTemplate stored = ReadTemplate(lib.module, page.id, US_ENGLISH);
        ASSERT_TRUE(stored.found);
        ASSERT_EQ(stored.items.size(), page.count);
        LivePage live(lib.module, page.id);
        ASSERT_NE(live.dialog, nullptr) << "CreateDialogParam error " << GetLastError();

        std::set<std::string> products;
        HWND child = GetWindow(live.dialog, GW_CHILD);
        for (size_t i = 0; i < page.count; ++i, child = GetWindow(child, GW_HWNDNEXT)) {
            const ControlRow& row = page.controls[i];
            const TemplateItem& item = stored.items[i];
            SCOPED_TRACE("control " + std::to_string(i + 1));
            bool isList = row.text == nullptr;

            EXPECT_EQ(item.id, row.id);
            EXPECT_EQ(_stricmp(item.cls.c_str(), row.cls), 0) << item.cls;
            EXPECT_EQ(item.style, row.style) << std::hex << item.style;
            EXPECT_EQ(item.exStyle, row.exStyle) << std::hex << item.exStyle;
            EXPECT_EQ(Show({item.x, item.y, item.cx, item.cy}),
                      Show({row.x, row.y, row.cx, row.cy}));
            if (row.text == PRODUCT) {
                EXPECT_FALSE(item.text.empty());
                EXPECT_TRUE(products.insert(item.text).second) << "two products named " << item.text;
            } else {
                EXPECT_EQ(item.text, isList ? "" : row.text);
            }

            ASSERT_NE(child, nullptr) << "too few controls";
            EXPECT_EQ(GetDlgCtrlID(child), row.id);
            EXPECT_EQ(ClassOf(child), row.cls);
            DWORD style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
            // A combo box hands its scroll bar on to its drop-down list.
            DWORD expectedStyle = isList ? row.style & ~WS_VSCROLL : row.style;
            EXPECT_EQ(style & STYLE_MASK, expectedStyle) << std::hex << style;
            DWORD exStyle = static_cast<DWORD>(GetWindowLongA(child, GWL_EXSTYLE));
            EXPECT_EQ(exStyle & WS_EX_TRANSPARENT, row.exStyle) << std::hex << exStyle;
            if (!isList) {
                EXPECT_EQ(TextOf(child), item.text);
            }

            RECT expected = ExpectedRect(live.dialog, row.x, row.y, row.cx, row.cy);
            RECT actual = RectInDialog(live.dialog, child);
            // A closed list is one line high; its template height is the dropped list's.
            if (isList) expected.bottom = actual.bottom;
            EXPECT_EQ(Show(actual), Show(expected));
        }
        EXPECT_EQ(child, nullptr) << "more controls than the template lists";
    }
}

TEST_F(Pages, TemplatesShareOneHeaderAndOnlyPage1IsExtended) {
    for (const PageRow& page : PageRows) {
        SCOPED_TRACE(page.name);
        EXPECT_EQ(Languages(lib.module, RT_DIALOG, MAKEINTRESOURCEA(page.id)),
                  std::vector<WORD>{US_ENGLISH});
        DialogTemplate h = ReadTemplate(lib.module, page.id, US_ENGLISH);
        ASSERT_TRUE(h.found);
        EXPECT_EQ(h.extended, page.id == IDD_PAGE1);
        EXPECT_EQ(h.style, PAGE_STYLE) << std::hex << h.style;
        EXPECT_EQ(h.exStyle, 0u);
        EXPECT_EQ(h.x, 19);
        EXPECT_EQ(h.y, -19);
        EXPECT_EQ(h.cx, 380);
        EXPECT_EQ(h.cy, 239);
        ASSERT_FALSE(h.menu);
        ASSERT_FALSE(h.dialogClass);
        EXPECT_EQ(h.caption, "Registration for %1");
        EXPECT_EQ(h.pointSize, 8);
        EXPECT_EQ(h.face, "MS Sans Serif");
        if (h.extended) {
            EXPECT_EQ(h.weight, 0);
            EXPECT_EQ(h.italic, 0);
            EXPECT_EQ(h.charset, 1);
        }

        // The live window keeps the caption as a template for the product title, and the
        // page's frame and centring.
        LivePage live(lib.module, page.id);
        ASSERT_NE(live.dialog, nullptr);
        EXPECT_EQ(TextOf(live.dialog), "Registration for %1");
        DWORD style = static_cast<DWORD>(GetWindowLongA(live.dialog, GWL_STYLE));
        EXPECT_EQ(style & PAGE_STYLE, PAGE_STYLE) << std::hex << style;
        EXPECT_EQ(style & (WS_VISIBLE | WS_CHILD | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u)
            << std::hex << style;
    }
}

// Texts of the string table; nullptr marks a seller's name.
const struct { int id; const char* text; } Strings[] = {
    {IDS_BLANK, " "},
    {IDS_PLACE_PHONE, "Direct from Yandrel\xAE via phone"},
    {IDS_PLACE_INTERNET, "Direct from Yandrel\xAE via Internet"},
    {IDS_PLACE_MAIL, "Direct from Yandrel\xAE via mail"},
    {IDS_SELLER_1, nullptr}, {IDS_SELLER_2, nullptr}, {IDS_SELLER_3, nullptr},
    {IDS_SELLER_4, nullptr}, {IDS_SELLER_5, nullptr}, {IDS_SELLER_6, nullptr},
    {IDS_SELLER_7, nullptr}, {IDS_SELLER_8, nullptr}, {IDS_SELLER_9, nullptr},
    {IDS_SELLER_10, nullptr}, {IDS_SELLER_11, nullptr}, {IDS_SELLER_12, nullptr},
    {IDS_SELLER_13, nullptr}, {IDS_SELLER_14, nullptr}, {IDS_SELLER_15, nullptr},
    {IDS_SELLER_16, nullptr},
    {IDS_PLACE_CATALOG, "Catalog"},
    {IDS_PLACE_OTHER, "Other"},
    {IDS_USE_BUSINESS, "Business"},
    {IDS_USE_COMMUNITY, "Community"},
    {IDS_USE_HOME, "Home/Personal"},
    {IDS_USE_HOME_OFFICE, "Home Office"},
    {IDS_USE_SCHOOL, "School"},
    {IDS_USE_OTHER, "Other"},
    {IDS_USE_HOME_AND_BUSINESS, "Home/Personal and Business"},
    {IDS_KIDS_YES, "Yes"},
    {IDS_KIDS_NO, "No"},
};

TEST_F(Pages, StringTableHoldsTheListEntries) {
    std::set<std::string> seen;
    for (size_t i = 0; i < std::size(Strings); ++i) {
        SCOPED_TRACE("string " + std::to_string(Strings[i].id));
        EXPECT_EQ(Strings[i].id, static_cast<int>(i + 1)) << "strings 1 to 31, in order";
        char text[128];
        memset(text, '#', sizeof text);
        int n = LoadStringA(lib.module, Strings[i].id, text, sizeof text);
        if (Strings[i].text) {
            EXPECT_STREQ(text, Strings[i].text);
        } else {
            EXPECT_GT(n, 0);
            EXPECT_TRUE(seen.insert(text).second) << "two sellers named " << text;
        }
        EXPECT_EQ(n, static_cast<int>(strlen(text)));
    }
    // The registered sign reaches a list as the one ANSI byte, not as a UTF-8 pair or "?".
    char text[128] = "";
    LoadStringA(lib.module, IDS_PLACE_PHONE, text, sizeof text);
    EXPECT_NE(strchr(text, '\xAE'), nullptr);
    EXPECT_EQ(strlen(text), strlen("Direct from Yandrel via phone") + 1);

    EXPECT_EQ(LoadStringA(lib.module, IDS_KIDS_NO + 1, text, sizeof text), 0) << "nothing past 31";
    // Strings 1-15 and 16-31 live in two blocks; both are US English only.
    for (int block : {1, 2}) {
        EXPECT_EQ(Languages(lib.module, RT_STRING, MAKEINTRESOURCEA(block)),
                  std::vector<WORD>{US_ENGLISH}) << "block " << block;
    }
}

// The question tables and the templates must agree: a table row naming a missing control
// loses its answer, and a box no row names is never saved.
TEST_F(Pages, QuestionTablesNameTheirPagesControls) {
    for (const PageRow& page : PageRows) {
        SCOPED_TRACE(page.name);
        LivePage live(lib.module, page.id);
        ASSERT_NE(live.dialog, nullptr);
        std::set<int> named;
        for (const Question* q = page.questions; !IsEndOfQuestions(*q); ++q) {
            SCOPED_TRACE(q->key);
            ASSERT_NE(q->choices, nullptr);
            if (q->kind == KIND_DROPLIST) {
                HWND list = GetDlgItem(live.dialog, q->choices[0].control);
                ASSERT_NE(list, nullptr) << "list " << q->choices[0].control;
                EXPECT_EQ(ClassOf(list), "ComboBox");
                EXPECT_EQ(GetWindowLongA(list, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
                named.insert(q->choices[0].control);
                for (const Choice* c = q->choices + 1; !IsEndOfChoices(*c); ++c) {
                    char text[128] = "";
                    EXPECT_GT(LoadStringA(lib.module, c->control, text, sizeof text), 0)
                        << "entry string " << c->control;
                }
                continue;
            }
            // A check-box or option question's kind is its buttons' style.
            for (const Choice* c = q->choices; !IsEndOfChoices(*c); ++c) {
                HWND button = GetDlgItem(live.dialog, c->control);
                ASSERT_NE(button, nullptr) << "control " << c->control;
                EXPECT_EQ(ClassOf(button), "Button");
                EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(button, GWL_STYLE)) & BS_TYPEMASK,
                          q->kind) << "control " << c->control;
                named.insert(c->control);
            }
        }
        for (HWND child = GetWindow(live.dialog, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            DWORD type = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE)) & BS_TYPEMASK;
            bool answers = ClassOf(child) == "ComboBox" ||
                           (ClassOf(child) == "Button" &&
                            (type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON));
            if (answers) {
                EXPECT_EQ(named.count(GetDlgCtrlID(child)), 1u)
                    << "control " << GetDlgCtrlID(child) << " belongs to no question";
            }
        }
    }
}

}  // namespace
