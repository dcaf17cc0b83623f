// Reading the host's block: each field is read up to its NUL or its own end, never past it,
// with the block exactly as long as the host made it (the address sanitizer catches a read
// past its end).
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "survey/host_block.h"

namespace {

// A host block of exactly `size` bytes on the heap, filled with '#' (the host's own bytes).
struct Block {
    std::unique_ptr<char[]> bytes;
    size_t size;
    explicit Block(size_t n) : bytes(new char[n]), size(n) { std::memset(bytes.get(), '#', n); }
    const HostBlock* host() const { return reinterpret_cast<const HostBlock*>(bytes.get()); }
    // Writes text at the field's offset, with its NUL when it leaves room for one.
    void Put(HostField field, const std::string& text, bool terminate = true) {
        std::memcpy(bytes.get() + field, text.data(), text.size());
        if (terminate) bytes[field + text.size()] = '\0';
    }
};

const HostField kFields[] = {HOST_PANEL_SETTINGS_PATH, HOST_ANSWERS_PATH, HOST_PRODUCT_TITLE,
                             HOST_ANSWERS_SECTION};

// Each field filled to its last byte with a letter of its own, no NUL anywhere.
std::string Filled(HostField field) {
    return std::string(HostFieldSize(field), static_cast<char>('a' + (field % 23)));
}

TEST(HostBlock, EachFieldIsReadUpToItsNulOrItsEnd) {
    const struct {
        const char* name;
        int unterminated;  // index into kFields; -1 none, 4 all
    } rows[] = {
        {"all terminated", -1},
        {"panel settings path fills its 260 bytes", 0},
        {"answers path fills its 1044 bytes", 1},
        {"product title fills its 912 bytes", 2},
        {"answers section fills its 260 bytes, the block's last", 3},
        {"all four fill their fields", 4},
    };
    const std::string terminated[] = {"C:\\host\\panel.ini", "C:\\host\\answers.ini", "Atlas",
                                      "Survey"};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Block block(sizeof(SURVEY_HOST_BLOCK));
        std::string expected[4];
        for (int i = 0; i < 4; ++i) {
            bool fill = row.unterminated == i || row.unterminated == 4;
            expected[i] = fill ? Filled(kFields[i]) : terminated[i];
            block.Put(kFields[i], expected[i], !fill);
        }
        HostStrings read;
        std::memset(&read, 'x', sizeof read);  // a copy that writes nothing shows
        ReadHostStrings(block.host(), &read);
        EXPECT_EQ(read.panelSettingsPath.text, expected[0]);
        EXPECT_EQ(read.answersPath.text, expected[1]);
        EXPECT_EQ(read.productTitle.text, expected[2]);
        EXPECT_EQ(read.answersSection.text, expected[3]);
    }
}

// A host may allocate only as far as the last string's NUL: nothing after it is read.
TEST(HostBlock, BlockEndingAtTheLastNul) {
    Block block(HOST_ANSWERS_SECTION + sizeof "Survey");
    block.Put(HOST_PANEL_SETTINGS_PATH, "");
    block.Put(HOST_ANSWERS_PATH, "C:\\a.ini");
    block.Put(HOST_PRODUCT_TITLE, "");
    block.Put(HOST_ANSWERS_SECTION, "Survey");
    HostStrings read;
    ReadHostStrings(block.host(), &read);
    EXPECT_STREQ(read.panelSettingsPath.text, "");
    EXPECT_STREQ(read.answersPath.text, "C:\\a.ini");
    EXPECT_STREQ(read.productTitle.text, "");
    EXPECT_STREQ(read.answersSection.text, "Survey");
}

TEST(HostBlock, NoBlockOrASmallCopyStaysTerminated) {
    HostString<HOST_PRODUCT_TITLE> title;
    std::memset(title.text, 'x', sizeof title.text);
    ReadHostField(nullptr, &title);
    EXPECT_STREQ(title.text, "");

    Block block(sizeof(SURVEY_HOST_BLOCK));
    block.Put(HOST_PRODUCT_TITLE, Filled(HOST_PRODUCT_TITLE), false);
    char small[8];
    CopyHostField(block.host(), HOST_PRODUCT_TITLE, small, sizeof small);
    EXPECT_EQ(std::string(small), Filled(HOST_PRODUCT_TITLE).substr(0, 7));
}

// Paths past the platform's 259-character limit are treated as naming no file.
TEST(HostBlock, ProfilePathLimit) {
    const struct {
        size_t length;
        bool fits;
    } rows[] = {{0, true}, {1, true}, {259, true}, {260, false}, {1043, false}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.length);
        std::string path(r.length, 'a');
        EXPECT_EQ(ProfilePathFits(path.c_str()), r.fits);
    }
    EXPECT_FALSE(ProfilePathFits(nullptr));
}

}  // namespace
