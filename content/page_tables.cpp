// The question tables of the three survey pages: which control or list entry stands for
// which answer code. The codes are what the answers file holds, so they stay exactly as
// they are even where they do not follow the layout.
#include "page_tables.h"

#include "content/resource.h"

namespace {

// Page 1. A list's row 0 names the list; each following row is one entry, in display
// order, by the string that labels it. String 1 is the blank "no answer" entry.
const Choice PurchasePlaceChoices[] = {
    {IDC_PURCHASE_PLACE, ""},
    {IDS_BLANK, ""},
    {IDS_PLACE_PHONE, "0"},
    {IDS_PLACE_INTERNET, "1"},
    {IDS_PLACE_MAIL, "2"},
    {IDS_SELLER_1, "3"},
    {IDS_SELLER_2, "4"},
    {IDS_SELLER_3, "5"},
    {IDS_SELLER_4, "6"},
    {IDS_SELLER_5, "7"},
    {IDS_SELLER_6, "8"},
    {IDS_SELLER_7, "9"},
    {IDS_SELLER_8, "10"},
    {IDS_SELLER_9, "11"},
    {IDS_SELLER_10, "12"},
    {IDS_SELLER_11, "13"},
    {IDS_SELLER_12, "14"},
    {IDS_SELLER_13, "15"},
    {IDS_SELLER_14, "16"},
    {IDS_SELLER_15, "17"},
    {IDS_SELLER_16, "18"},
    {IDS_PLACE_CATALOG, "19"},
    {IDS_PLACE_OTHER, "20"},
    {0, ""},
};

// "Home/Personal and Business" is listed next to "Home/Personal" but answers "6", after
// all the others.
const Choice PrimaryUseChoices[] = {
    {IDC_PRIMARY_USE, ""},
    {IDS_BLANK, ""},
    {IDS_USE_BUSINESS, "0"},
    {IDS_USE_COMMUNITY, "1"},
    {IDS_USE_HOME, "2"},
    {IDS_USE_HOME_AND_BUSINESS, "6"},
    {IDS_USE_HOME_OFFICE, "3"},
    {IDS_USE_SCHOOL, "4"},
    {IDS_USE_OTHER, "5"},
    {0, ""},
};

const Choice KidsSoftwareChoices[] = {
    {IDC_KIDS_SOFTWARE, ""},
    {IDS_BLANK, ""},
    {IDS_KIDS_YES, "0"},
    {IDS_KIDS_NO, "1"},
    {0, ""},
};

const Choice PeripheralChoices[] = {
    {IDC_PERIPH_3D_ACCEL, "0"},
    {IDC_PERIPH_EXT_STORAGE, "7"},
    {IDC_PERIPH_BW_LASER, "2"},
    {IDC_PERIPH_BW_INKJET, "1"},
    {IDC_PERIPH_COLOR_LASER, "4"},
    {IDC_PERIPH_COLOR_INKJET, "3"},
    {IDC_PERIPH_JOYSTICK, "9"},
    {IDC_PERIPH_VIDEO_CAMERA, "11"},
    {IDC_PERIPH_DIGITAL_CAMERA, "5"},
    {IDC_PERIPH_DVD, "6"},
    {IDC_PERIPH_ISDN, "8"},
    {IDC_PERIPH_PEN_TABLET, "10"},
    {IDC_PERIPH_SCANNER, "12"},
    {IDC_PERIPH_DONT_KNOW, "13"},
    {0, ""},
};

// Page 2. Both sign-maker editions answer "13"; no box answers "16".
const Choice ProductChoices[] = {
    {IDC_PRODUCT_PRINT_STUDIO, "0"},
    {IDC_PRODUCT_CARD_DESIGNER, "1"},
    {IDC_PRODUCT_HOME_PUBLISHER, "6"},
    {IDC_PRODUCT_BANNERS, "11"},
    {IDC_PRODUCT_BROCHURE_KIT, "18"},
    {IDC_PRODUCT_HOME_PRESS, "2"},
    {IDC_PRODUCT_NEWSLETTERS, "4"},
    {IDC_PRODUCT_LABELS, "7"},
    {IDC_PRODUCT_CRAFTS, "9"},
    {IDC_PRODUCT_SCRAPBOOK, "12"},
    {IDC_PRODUCT_PHOTO_PRINT, "14"},
    {IDC_PRODUCT_INVITATIONS, "3"},
    {IDC_PRODUCT_POSTERS, "5"},
    {IDC_PRODUCT_CALENDARS, "8"},
    {IDC_PRODUCT_STATIONERY, "10"},
    {IDC_PRODUCT_SIGNS, "13"},
    {IDC_PRODUCT_FAMILY_ALBUM, "15"},
    {IDC_PRODUCT_CARD_SHOP, "17"},
    {IDC_PRODUCT_SIGNS_DELUXE, "13"},
    {0, ""},
};

const Choice FeatureChoices[] = {
    {IDC_FEATURE_GREETING_CARDS, "0"},
    {IDC_FEATURE_BANNERS, "1"},
    {IDC_FEATURE_BROCHURES, "2"},
    {IDC_FEATURE_EMAIL_GREETINGS, "3"},
    {IDC_FEATURE_NEWSLETTERS, "4"},
    {IDC_FEATURE_WEB_PAGES, "6"},
    {IDC_FEATURE_PHOTO_EDITING, "5"},
    {IDC_FEATURE_GRAPHICS, "7"},
    {0, ""},
};

// Page 3.
const Choice InterestChoices[] = {
    {IDC_INTEREST_PRINTING, "0"},
    {IDC_INTEREST_GENEALOGY, "1"},
    {IDC_INTEREST_CHILDREN, "2"},
    {IDC_INTEREST_HOME_DESIGN, "3"},
    {IDC_INTEREST_COOKING, "4"},
    {IDC_INTEREST_GAMES, "5"},
    {0, ""},
};

const Choice ShareChoices[] = {
    {IDC_SHARE_YES, "0"},
    {IDC_SHARE_NO, "1"},
    {0, ""},
};

}  // namespace

Question Page1Questions[PAGE1_QUESTION_COUNT + 1] = {
    {"", "q_557-1132-746", KIND_DROPLIST, PurchasePlaceChoices},
    {"", "q_557-1132-749", KIND_DROPLIST, PrimaryUseChoices},
    {"", "q_557-1132-751", KIND_DROPLIST, KidsSoftwareChoices},
    {"", "q_557-1132-752", KIND_CHECKBOXES, PeripheralChoices},
    {"", "", 0, nullptr},
};

Question Page2Questions[PAGE2_QUESTION_COUNT + 1] = {
    {"", "q_557-1132-747", KIND_CHECKBOXES, ProductChoices},
    {"", "q_557-1132-750", KIND_CHECKBOXES, FeatureChoices},
    {"", "", 0, nullptr},
};

// Sharing starts as "Yes" until the user or the answers file says otherwise.
Question Page3Questions[PAGE3_QUESTION_COUNT + 1] = {
    {"", "q_557-1132-416", KIND_CHECKBOXES, InterestChoices},
    {"0", "q_557-1132-422", KIND_RADIOS, ShareChoices},
    {"", "", 0, nullptr},
};

const SurveyPage SurveyPages[PAGE_COUNT] = {
    {IDD_PAGE1, Page1Questions},
    {IDD_PAGE2, Page2Questions},
    {IDD_PAGE3, Page3Questions},
};
