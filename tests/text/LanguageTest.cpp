// The language of the program: failure messages of the text loader, the start-up
// language, storing the language and the core of the language switch.
#include <gtest/gtest.h>

#include <map>

#include "config/SettingsStore.h"
#include "engine/Catalogue.h"
#include "tests/EngineTestSupport.h"
#include "tests/MemoryStore.h"
#include "text/Language.h"

namespace {

const char* const kLanguageValue = "Software\\Quillfen\\ZDR|Language";

class LanguageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(LoadTestProgramText());
        Language::intLanguage = Language::intEnglish;
    }
    void TearDown() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
    }
};

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

TEST_F(LanguageTest, StoreWritesTheCodeUnderTheApplicationKey) {
    EXPECT_EQ(Language::ApplicationKeyPath(), "Software\\Quillfen\\ZDR");
    MemoryStore store;
    EXPECT_EQ(Language::StoredLanguage(store), "");
    EXPECT_EQ(Language::StoreLanguage(store)[0], '0');
    EXPECT_EQ(store.values.at(kLanguageValue), "EN");
    Language::intLanguage = Language::intGerman;
    Language::StoreLanguage(store);
    EXPECT_EQ(store.values.at(kLanguageValue), "DE");
    EXPECT_EQ(store.values.size(), 1u);

    // What was stored last is the language of the next start.
    Language::intLanguage = Language::intEnglish;
    EXPECT_EQ(Language::StoredLanguage(store), "DE");
    EXPECT_EQ(Language::InitialLanguage(Language::StoredLanguage(store)), Language::intGerman);
}

TEST_F(LanguageTest, SwitchSetsTheLanguageRenamesTheCatalogueAndStores) {
    MemoryStore store;
    const std::string english37 = Language::Text(37);

    Language::SwitchLanguage(Language::intGerman, store);
    EXPECT_EQ(Language::intLanguage, Language::intGerman);
    EXPECT_EQ(ZDR::strBodyName[1], "Sonne");
    EXPECT_EQ(ZDR::udtAspect[3].strAbbr, "Qua");
    EXPECT_EQ(Language::Text(37), "Horoskop zeigen");
    EXPECT_EQ(store.values.at(kLanguageValue), "DE");
    // The key is built from texts that are the same in both languages.
    EXPECT_EQ(Language::ApplicationKeyPath(), "Software\\Quillfen\\ZDR");

    Language::SwitchLanguage(Language::intEnglish, store);
    EXPECT_EQ(Language::intLanguage, Language::intEnglish);
    EXPECT_EQ(ZDR::strBodyName[1], "Sun");
    EXPECT_EQ(Language::Text(37), english37);
    EXPECT_EQ(store.values.at(kLanguageValue), "EN");

    Language::SwitchLanguage(7, store);  // any value but German is English
    EXPECT_EQ(Language::intLanguage, Language::intEnglish);
    EXPECT_EQ(store.values.at(kLanguageValue), "EN");
}

}  // namespace
