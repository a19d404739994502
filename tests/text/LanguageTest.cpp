// The language of the program: failure messages of the text loader and the start-up
// language.
#include <gtest/gtest.h>

#include "text/Language.h"

namespace {

TEST(LanguageMessages, EveryLoaderOutcomeHasItsMessage) {
    using Language::ProgramTextFailureMessage;
    EXPECT_EQ(ProgramTextFailureMessage(0, "p"), "No program text was read.");
    EXPECT_EQ(ProgramTextFailureMessage(-1, "/opt/zodarc/zdr.dat"),
              "Cannot open file containing program text.\n/opt/zodarc/zdr.dat");
    EXPECT_EQ(ProgramTextFailureMessage(-2, "p"), "Particular memory allocation error.");
    EXPECT_EQ(ProgramTextFailureMessage(-3, "p"), "Too much program text.");
    EXPECT_EQ(ProgramTextFailureMessage(-4, "p"), "Text not recovered.");
    EXPECT_EQ(ProgramTextFailureMessage(-5, "p"), "Error -5");
    EXPECT_EQ(ProgramTextFailureMessage(-6, "p"), "File is empty.");
    EXPECT_EQ(ProgramTextFailureMessage(-7, "p"), "Error reading file.");
    EXPECT_EQ(ProgramTextFailureMessage(-8, "p"), "General memory allocation error.");
    EXPECT_EQ(ProgramTextFailureMessage(-9, "p"), "Error -9");
    EXPECT_EQ(ProgramTextFailureMessage(-500, "p"), "Error -500");
    EXPECT_EQ(ProgramTextFailureMessage(-501, "p"), "Missing string at line 1.");
    EXPECT_EQ(ProgramTextFailureMessage(-1000, "p"), "Missing string at line 500.");
    EXPECT_EQ(ProgramTextFailureMessage(-1001, "p"), "String too long at line 1.");
    EXPECT_EQ(ProgramTextFailureMessage(-1200, "p"), "String too long at line 200.");
    EXPECT_EQ(ProgramTextFailureMessage(-1500, "p"), "String too long at line 500.");
    EXPECT_EQ(ProgramTextFailureMessage(-1501, "p"), "Duplicate in program text at line 1.");
    EXPECT_EQ(ProgramTextFailureMessage(-2000, "p"), "Duplicate in program text at line 500.");
    EXPECT_EQ(ProgramTextFailureMessage(219, "p"), "");
}

TEST(LanguagePaths, ProgramTextPathAddsOneSeparator) {
    EXPECT_EQ(Language::ProgramTextPath("/opt/zodarc", "zdr.dat"), "/opt/zodarc/zdr.dat");
    EXPECT_EQ(Language::ProgramTextPath("/opt/zodarc/", "zdr.dat"), "/opt/zodarc/zdr.dat");
    EXPECT_EQ(Language::ProgramTextPath("", "zdr.dat"), "zdr.dat");
}

TEST(LanguageInitial, MatchesTheFirstTwoLettersOfTheCode) {
    using Language::InitialLanguage;
    EXPECT_EQ(InitialLanguage(""), Language::intEnglish);
    EXPECT_EQ(InitialLanguage("EN"), Language::intEnglish);
    EXPECT_EQ(InitialLanguage("DE"), Language::intGerman);
    EXPECT_EQ(InitialLanguage("de"), Language::intGerman);
    EXPECT_EQ(InitialLanguage("DEU"), Language::intGerman);
    EXPECT_EQ(InitialLanguage("D"), Language::intEnglish);
    EXPECT_EQ(InitialLanguage("FR"), Language::intEnglish);
    EXPECT_EQ(InitialLanguage("Ä"), Language::intEnglish);
}

}  // namespace
