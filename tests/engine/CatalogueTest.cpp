#include <gtest/gtest.h>

#include <set>

#include "engine/Catalogue.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"

namespace {

class CatalogueTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
    }
    void TearDown() override {
        ClearOrbs();
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
    }
};

TEST_F(CatalogueTest, LabelsCarryTheAngleAndEnglishStartsInLowerCase) {
    const char* const english[8] = {"",
                                    "conjunction (0°)",
                                    "opposition (180°)",
                                    "square (90°)",
                                    "trine (120°)",
                                    "sextile (60°)",
                                    "semisextile (30°)",
                                    "quincunx (150°)"};
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(ZDR::udtAspect[k].strLabel, english[k]) << k;

    Language::intLanguage = Language::intGerman;
    ZDR::BuildCatalogueNames();
    EXPECT_EQ(ZDR::udtAspect[1].strLabel, "Konjunktion (0°)");
    EXPECT_EQ(ZDR::udtAspect[7].strLabel, "Quinkunx (150°)");
}

TEST_F(CatalogueTest, GermanAndBackAgain) {
    Language::intLanguage = Language::intGerman;
    ZDR::BuildCatalogueNames();
    EXPECT_EQ(ZDR::strBodyName[1], "Sonne");
    EXPECT_EQ(ZDR::strBodyAbbr[1], "So");
    EXPECT_EQ(ZDR::strBodyName[8], "Neptun");
    EXPECT_EQ(ZDR::strBodyName[0], "Earth");
    EXPECT_EQ(ZDR::udtAspect[3].strAbbr, "Qua");
    EXPECT_EQ(ZDR::udtAspect[3].strVerb, "Quadrat");
    EXPECT_EQ(ZDR::udtAspect[4].strAdjective, "Trigon");
    EXPECT_EQ(ZDR::udtSign[4].strAbbr, "Löw");
    EXPECT_EQ(ZDR::udtSign[8].strName, "Schütze");
    EXPECT_EQ(ZDR::strPatternName[0], "Großes Trigon");
    EXPECT_EQ(ZDR::strPatternName[13], "Halbsumme");

    Language::intLanguage = Language::intEnglish;
    ZDR::BuildCatalogueNames();
    EXPECT_EQ(ZDR::strBodyName[1], "Sun");
    EXPECT_EQ(ZDR::strBodyAbbr[1], "Su");
    EXPECT_EQ(ZDR::udtAspect[3].strAbbr, "Sqr");
    EXPECT_EQ(ZDR::udtSign[4].strAbbr, "Leo");
    EXPECT_EQ(ZDR::strPatternName[0], "Grand trine");
    EXPECT_EQ(ZDR::strBodyName[0], "Earth");
}

TEST_F(CatalogueTest, AnyOtherLanguageValueIsEnglish) {
    Language::intLanguage = Language::intGerman;
    ZDR::BuildCatalogueNames();
    Language::intLanguage = 7;
    ZDR::BuildCatalogueNames();
    EXPECT_EQ(ZDR::strBodyName[10], "Moon");
    EXPECT_EQ(ZDR::udtAspect[1].strAbbr, "Con");
}

TEST_F(CatalogueTest, StartUpResetsColoursAndTheMoon) {
    EXPECT_DOUBLE_EQ(ZDR::dblAspectAngle[4], Rad(120));
    EXPECT_DOUBLE_EQ(ZDR::dblAspectAngle[7], Rad(150));
    for (int b = 0; b <= 10; ++b)
        EXPECT_EQ(ZDR::blnInnerPlanet[b], b >= 1 && b <= 4) << b;

    EXPECT_EQ(ZDR::RGB(1, 2, 3), 1.0 + 2.0 * 256 + 3.0 * 65536);
    EXPECT_EQ(ZDR::dblInitialAspectColor[2], ZDR::RGB(255, 0, 255));
    EXPECT_EQ(ZDR::dblInitialAspectColor[6], ZDR::RGB(128, 128, 255));
}

TEST_F(CatalogueTest, OrbLimitsWithAllOrbsOff) {
    ZDR::DeriveOrbLimits(udtTestOptions);
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(udtTestOptions.dblMaxOrb[s], 0.0);
        EXPECT_EQ(udtTestOptions.dblMinOrb[s], 20.0);
    }
    EXPECT_FALSE(udtTestOptions.blnOrbsEqual);
}

TEST_F(CatalogueTest, OrbLimitsWithDefaultOrbs) {
    const double defaults[8] = {0, 10, 9, 6, 7, 5, 4, 5};
    for (int k = 1; k <= 7; ++k) {
        udtTestOptions.dblOrb[k][0] = Rad(defaults[k]);
        udtTestOptions.dblOrb[k][1] = Rad(defaults[k]) / 3.0;
    }
    udtTestOptions.dblOrb[6][2] = Rad(2);  // synastry: one aspect only
    ZDR::DeriveOrbLimits(udtTestOptions);
    EXPECT_EQ(udtTestOptions.dblMaxOrb[0], Rad(10));
    EXPECT_EQ(udtTestOptions.dblMinOrb[0], Rad(4));
    EXPECT_EQ(udtTestOptions.dblMaxOrb[1], Rad(10) / 3.0);
    EXPECT_EQ(udtTestOptions.dblMinOrb[1], Rad(4) / 3.0);
    EXPECT_EQ(udtTestOptions.dblMaxOrb[2], Rad(2));
    EXPECT_EQ(udtTestOptions.dblMinOrb[2], Rad(2));
    EXPECT_FALSE(udtTestOptions.blnOrbsEqual);
}

TEST_F(CatalogueTest, OrbsEqualIgnoresSwitchedOffAspects) {
    for (int k = 1; k <= 5; ++k)
        udtTestOptions.dblOrb[k][0] = Rad(8);
    ZDR::DeriveOrbLimits(udtTestOptions);
    EXPECT_EQ(udtTestOptions.dblMinOrb[0], Rad(8));
    EXPECT_TRUE(udtTestOptions.blnOrbsEqual);

    udtTestOptions.dblOrb[3][0] = Rad(7);
    ZDR::DeriveOrbLimits(udtTestOptions);
    EXPECT_FALSE(udtTestOptions.blnOrbsEqual);
}

TEST_F(CatalogueTest, GlyphSymbols) {
    EXPECT_EQ(ZDR::GlyphSymbol(ZDR::strBodyGlyph[1]), "☉");
    EXPECT_EQ(ZDR::GlyphSymbol(ZDR::strBodyGlyph[9]), "♇");
    EXPECT_EQ(ZDR::GlyphSymbol(ZDR::strBodyGlyph[10]), "☽");
    EXPECT_EQ(ZDR::GlyphSymbol(ZDR::strBodyGlyph[11]), "♁");
    EXPECT_EQ(ZDR::GlyphSymbol("sa"), "☉☽");
    EXPECT_EQ(ZDR::GlyphSymbol("s?"), "☉?");
    EXPECT_EQ(ZDR::GlyphSymbol(""), "");

    // Aries to Pisces are the consecutive code points U+2648 to U+2653.
    for (int z = 0; z < 12; ++z) {
        const int cp = 0x2648 + z;
        const std::string expected = {static_cast<char>(0xE0 | (cp >> 12)),
                                      static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                                      static_cast<char>(0x80 | (cp & 0x3F))};
        EXPECT_EQ(ZDR::GlyphSymbol(ZDR::strSignGlyph[z]), expected) << z;
    }

    std::set<std::string> bodies;
    for (int b = 1; b <= 11; ++b)
        bodies.insert(ZDR::GlyphSymbol(ZDR::strBodyGlyph[b]));
    EXPECT_EQ(bodies.size(), 11u);
}

}  // namespace

// Every index the counts name has its entry in the catalogue, and the last index of each
// kind is the thing its name says: the counts, the enumerations and the tables agree.
TEST_F(CatalogueTest, CountsNameTheLastEntryOfEachKind) {
    struct Kind {
        const char* what;
        int count;
        std::string firstName;
        std::string lastName;
        std::string expectedFirst;
        std::string expectedLast;
    };
    const Kind kinds[] = {
        {"bodies", ZDR::intCatalogueBodies, ZDR::strBodyName[ZDR::bodySun],
         ZDR::strBodyName[ZDR::intCatalogueBodies], "Sun", "Moon"},
        {"planets", ZDR::intLastPlanet, ZDR::strBodyName[ZDR::bodySun],
         ZDR::strBodyName[ZDR::intLastPlanet], "Sun", "Pluto"},
        {"aspects", ZDR::intCatalogueAspects, ZDR::udtAspect[ZDR::aspectConjunction].strName,
         ZDR::udtAspect[ZDR::intCatalogueAspects].strName, "Conjunction", "Quincunx"},
        {"patterns", ZDR::intCataloguePatterns, ZDR::strPatternName[ZDR::patternGrandTrine],
         ZDR::strPatternName[ZDR::intCataloguePatterns - 1], "Grand trine", "Midpoint"},
        {"signs", ZDR::intCatalogueSigns, ZDR::udtSign[0].strName,
         ZDR::udtSign[ZDR::intCatalogueSigns - 1].strName, "Aries", "Pisces"},
    };
    const int expectedCount[] = {10, 9, 7, 14, 12};
    for (size_t i = 0; i < std::size(kinds); ++i) {
        EXPECT_EQ(kinds[i].count, expectedCount[i]) << kinds[i].what;
        EXPECT_EQ(kinds[i].firstName, kinds[i].expectedFirst) << kinds[i].what;
        EXPECT_EQ(kinds[i].lastName, kinds[i].expectedLast) << kinds[i].what;
    }
    // Arrays by index keep slot 0, and the aspects' angles climb to 150 degrees at the last.
    EXPECT_EQ(ZDR::intBodySlots, ZDR::intCatalogueBodies + 1);
    EXPECT_EQ(ZDR::intAspectSlots, ZDR::intCatalogueAspects + 1);
    EXPECT_NEAR(ZDR::dblAspectAngle[ZDR::intCatalogueAspects], Rad(150), 1e-12);
    EXPECT_EQ(ZDR::strBodyName[ZDR::bodyEarth], "Earth");
    EXPECT_EQ(ZDR::strBodyGlyph[ZDR::intBodySlots], "L");
}
