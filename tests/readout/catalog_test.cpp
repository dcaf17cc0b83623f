// What the readout knows of the pages, read from the page script the build compiled: the
// question texts and labels, and that damaged or incomplete resources are refused rather
// than read past.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "content/resource.h"
#include "readout/catalog.h"

extern const unsigned char PageResources[];
extern const size_t PageResourcesSize;

namespace {

CompiledResources PageScript() {
    CompiledResources resources;
    std::string error;
    EXPECT_TRUE(ReadCompiledResources(PageResources, PageResourcesSize, &resources, &error)) << error;
    return resources;
}

TEST(Catalog, QuestionsReadAsThePagesPutThem) {
    const struct {
        const char* key;
        int page;
        const char* text;
        size_t choices;
        size_t sample;            // a choice worth a look ...
        const char* sampleLabel;  // ... and how it reads
    } rows[] = {
        // List entries keep "&": a list shows its entries as they are.
        {"q_557-1132-746", 1, "Where did you purchase this product?", 22, 11, "Thistlecombe Books & Software"},
        {"q_557-1132-746", 1, "Where did you purchase this product?", 22, 0, "blank"},
        {"q_557-1132-746", 1, "Where did you purchase this product?", 22, 1, "Direct from Yandrel\xC2\xAE via phone"},
        {"q_557-1132-749", 1, "What is your primary use for this product?", 8, 4, "Home/Personal and Business"},
        {"q_557-1132-751", 1, "Do you purchase software for kids?", 3, 2, "No"},
        {"q_557-1132-752", 1, "Which of the following peripherals do you use with your computer?", 14, 13, "I don't know"},
        {"q_557-1132-747", 2, "Home Publishing Software Products (please check all that you own).", 19, 18, "Ribbonmark Signs Deluxe"},
        {"q_557-1132-750", 2, "Which features do you use the most?", 8, 5, "Web Page Creation"},
        {"q_557-1132-416", 3, "Yandrel Products", 6, 5, "Entertainment/Games"},
        {"q_557-1132-422", 3, "Other Valuable Products", 2, 0, "Yes"},
    };
    Catalog catalog;
    std::string error;
    ASSERT_TRUE(LoadSurveyCatalog(&catalog, &error)) << error;
    ASSERT_EQ(catalog.questions.size(), 8u);
    for (const auto& row : rows) {
        const QuestionText* q = FindQuestion(catalog, row.key);
        ASSERT_NE(q, nullptr) << row.key;
        EXPECT_EQ(q->page, row.page) << row.key;
        EXPECT_EQ(q->text, row.text) << row.key;
        ASSERT_EQ(q->choices.size(), row.choices) << row.key;
        EXPECT_EQ(q->choices[row.sample].label, row.sampleLabel) << row.key;
    }
    // Page 3's frames carry their question in a text above the buttons; page 2's notice
    // below its boxes is no part of a question.
    EXPECT_EQ(FindQuestion(catalog, "q_557-1132-416")->prompt.rfind("Yandrel produces", 0), 0u);
    EXPECT_NE(FindQuestion(catalog, "q_557-1132-422")->prompt.find("Would you like to participate?"), std::string::npos);
    EXPECT_EQ(FindQuestion(catalog, "q_557-1132-747")->prompt, "");
    // Keys are found as the profile services find them.
    EXPECT_EQ(FindQuestion(catalog, "Q_557-1132-746"), FindQuestion(catalog, "q_557-1132-746"));
    EXPECT_EQ(FindQuestion(catalog, "q_557-1132-74"), nullptr);
}

TEST(Catalog, MissingPagePartsAreNamed) {
    const struct {
        const char* what;
        void (*damage)(CompiledResources&);
        const char* error;
    } rows[] = {
        {"no page 3", [](CompiledResources& r) { r.dialogs.pop_back(); }, "no dialog template 632"},
        {"no Catalog entry", [](CompiledResources& r) { r.strings.erase(IDS_PLACE_CATALOG); }, "no string 21"},
        {"no deluxe box",
         [](CompiledResources& r) {
             auto& controls = r.dialogs[1].controls;
             controls.erase(std::remove_if(controls.begin(), controls.end(),
                                           [](const TemplateControl& c) { return c.id == IDC_PRODUCT_SIGNS_DELUXE; }),
                            controls.end());
         },
         "no control 477"},
        {"no frame round the features",
         [](CompiledResources& r) {
             for (auto& c : r.dialogs[1].controls) {
                 if (c.text == "&Which features do you use the most?") c.className = "Static";
             }
         },
         "no text for it"},
    };
    for (const auto& row : rows) {
        CompiledResources resources = PageScript();
        ASSERT_EQ(resources.dialogs.size(), 3u);
        row.damage(resources);
        Catalog catalog;
        std::string error;
        EXPECT_FALSE(BuildCatalog(resources, &catalog, &error)) << row.what;
        EXPECT_NE(error.find(row.error), std::string::npos) << row.what << ": " << error;
    }
}

// Every cut of the script, each in a block of exactly its size, is read without a byte
// past the block (the sanitizer checks), and only whole entries count.
TEST(CompiledResources, CutScriptsAreReadWithinTheirBytes) {
    size_t whole = PageScript().dialogs.size();
    for (size_t size = 0; size < PageResourcesSize; ++size) {
        std::vector<unsigned char> cut(PageResources, PageResources + size);
        CompiledResources resources;
        std::string error;
        bool ok = ReadCompiledResources(cut.data(), cut.size(), &resources, &error);
        ASSERT_LE(resources.dialogs.size(), whole) << size;
        if (!ok) {
            EXPECT_FALSE(error.empty()) << size;
        }
    }
}

std::vector<unsigned char> Entry(uint32_t dataSize, uint32_t headerSize, int type, int name, std::vector<unsigned char> data) {
    auto dword = [](std::vector<unsigned char>& v, uint32_t x) {
        for (int i = 0; i < 4; ++i) v.push_back(static_cast<unsigned char>(x >> (8 * i)));
    };
    std::vector<unsigned char> e;
    dword(e, dataSize);
    dword(e, headerSize);
    dword(e, 0xFFFFu | static_cast<uint32_t>(type) << 16);
    dword(e, 0xFFFFu | static_cast<uint32_t>(name) << 16);
    while (e.size() < 32) e.push_back(0);  // version, flags, language, characteristics
    e.insert(e.end(), data.begin(), data.end());
    return e;
}

TEST(CompiledResources, DamagedEntriesAreRefused) {
    // A plain dialog template that promises two controls and holds none.
    std::vector<unsigned char> noControls = {0, 0, 0, 0x80, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                             0, 0, 0, 0, 0, 0};
    // A string block whose first text claims 50 characters.
    std::vector<unsigned char> longString = {50, 0, 'A', 0};
    const struct {
        const char* what;
        std::vector<unsigned char> bytes;
    } rows[] = {
        {"data past the end", Entry(100, 32, 5, 630, {})},
        {"header past the end", Entry(0, 64, 5, 630, {})},
        {"header smaller than itself", Entry(0, 4, 5, 630, {})},
        {"dialog without its controls", Entry(static_cast<uint32_t>(noControls.size()), 32, 5, 630, noControls)},
        {"string cut short", Entry(static_cast<uint32_t>(longString.size()), 32, 6, 2, longString)},
    };
    for (const auto& row : rows) {
        std::vector<unsigned char> bytes = row.bytes;  // exactly sized for the sanitizer
        CompiledResources resources;
        std::string error;
        EXPECT_FALSE(ReadCompiledResources(bytes.data(), bytes.size(), &resources, &error)) << row.what;
        EXPECT_FALSE(error.empty()) << row.what;
    }
}

}  // namespace
