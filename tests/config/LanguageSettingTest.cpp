// The language as a setting: storing it, reading it at start-up and the core of the
// language switch.
#include <gtest/gtest.h>

#include <map>

#include "config/LanguageSetting.h"
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
