// What the text viewer shows of a file: the cut of a large file with its notices, and the
// messages for an empty or unreadable file.
#include <cerrno>
#include <cstring>
#include <string>

#include "support/ViewText.h"
#include "tests/support/SupportTest.h"
#include "text/StrProc.h"

namespace {

using ViewText::CharacterCount;
using ViewText::ShownText;

constexpr std::size_t kCapacity = ViewText::intTextBoxCapacity;
const std::string kHead = "NOTE: This file is too large to display entirely in this textbox.\n";
const std::string kTail = "\n\nNOTE: Entire contents of file have not been displayed.\n";

// A text of n characters: a repeated character and a line end every 60 characters.
std::string TextOf(std::size_t n, const std::string& character) {
    std::string text;
    for (std::size_t i = 0; i < n; ++i)
        text += (i % 60 == 59) ? std::string("\n") : character;
    return text;
}

TEST(ViewTextTest, AFileJustBelowTheCapacityIsShownWholeOneMoreIsCut) {
    struct Row {
        std::size_t intCharacters;
        std::string strCharacter;
        bool blnCut;
    };
    const Row rows[] = {
        {0, "a", false},
        {1, "a", false},
        {kCapacity - 1, "a", false},
        {kCapacity, "a", true},
        {kCapacity + 1, "a", true},
        {300000, "a", true},
        {kCapacity - 1, "ä", false},
        {kCapacity, "ä", true},
        {kCapacity, "☉", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.intCharacters) + " x " + row.strCharacter);
        const std::string file = TextOf(row.intCharacters, row.strCharacter);
        const std::string shown = ShownText(file);
        if (!row.blnCut) {
            EXPECT_EQ(shown, file);
            continue;
        }
        EXPECT_EQ(shown.rfind(kHead, 0), 0u);
        EXPECT_NE(shown.find("WordPad or some other text editor.\n\n"), std::string::npos);
        ASSERT_GE(shown.size(), kTail.size());
        EXPECT_EQ(shown.substr(shown.size() - kTail.size()), kTail);
        EXPECT_LE(CharacterCount(shown), kCapacity);
        EXPECT_GE(CharacterCount(shown), kCapacity - 1);  // the room is used up
        // The beginning of the file stands between the notices, cut between characters.
        const std::size_t start = shown.find(".\n\n") + 3;
        const std::string part = shown.substr(start, shown.size() - kTail.size() - start);
        EXPECT_EQ(file.rfind(part, 0), 0u);
        EXPECT_NE(StrProc::Utf8CharLength(file, part.size()), 0u);
    }
}

TEST(ViewTextTest, CharactersAreCountedNotBytes) {
    EXPECT_EQ(CharacterCount(""), 0u);
    EXPECT_EQ(CharacterCount("Größe"), 5u);
    EXPECT_EQ(CharacterCount("☉ ♈"), 3u);
    EXPECT_EQ(CharacterCount("a\xFF"
                             "b"),
              3u);  // a stray byte counts as one
}

TEST_F(SupportTest, TheViewerReadsAFileOrSaysWhyNot) {
    const ViewText::FileReading text =
        ViewText::ReadFileForViewing(WriteFile("help.txt", "Line 1\r\nZeile 2 – Größe\n"));
    EXPECT_TRUE(text.blnRead);
    EXPECT_EQ(text.strText, "Line 1\nZeile 2 – Größe\n");

    const ViewText::FileReading empty = ViewText::ReadFileForViewing(WriteFile("empty.txt", ""));
    EXPECT_FALSE(empty.blnRead);
    EXPECT_EQ(empty.strMessage, "File is empty!");
    EXPECT_EQ(empty.strTitle, "Error");

    const ViewText::FileReading missing =
        ViewText::ReadFileForViewing((folder / "missing.txt").string());
    EXPECT_FALSE(missing.blnRead);
    EXPECT_EQ(missing.strMessage, "Error 2.  " + std::string(std::strerror(ENOENT)));
    EXPECT_EQ(missing.strTitle, "Error reading file");

    const ViewText::FileReading directory = ViewText::ReadFileForViewing(folder.string());
    EXPECT_FALSE(directory.blnRead);
    EXPECT_EQ(directory.strMessage, "Error 21.  " + std::string(std::strerror(EISDIR)));
    EXPECT_EQ(directory.strTitle, "Error reading file");
}

TEST_F(SupportTest, AHugeFileIsShownCutLikeAnyLargeOne) {
    const std::string file = TextOf(2'000'000, "x");
    const ViewText::FileReading reading = ViewText::ReadFileForViewing(WriteFile("big.txt", file));
    ASSERT_TRUE(reading.blnRead);
    EXPECT_LT(reading.strText.size(), file.size());  // only what can be shown is read
    EXPECT_EQ(ShownText(reading.strText), ShownText(file));
}

TEST(ViewTextTest, HelpFileOfEachLanguage) {
    EXPECT_EQ(ViewText::HelpFileName(0), "zdr_help.txt");
    EXPECT_EQ(ViewText::HelpFileName(1), "zdr_help_de.txt");
    EXPECT_EQ(ViewText::HelpFileName(7), "zdr_help.txt");
}

}  // namespace
