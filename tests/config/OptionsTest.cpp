#include <gtest/gtest.h>

#include "config/Options.h"
#include "engine/Catalogue.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"

namespace {

class OptionsTest : public ::testing::Test {
  protected:
    void TearDown() override { ClearOrbs(); }
};

TEST_F(OptionsTest, SetOrbsDividesByBothProportionsAndDerivesTheLimits) {
    ZDR::ConfigOptions options;
    options.intOrbListIndex = {10, 9, 6, 7, 5, 4, 0, 1};
    options.intProportionIndex = {0, 4};  // "1" and "1/5"
    udtTestOptions = ZDR::MakeChartOptions(options);

    const double expected[8] = {0, 10, 9, 6, 7, 5, 4, 0};
    for (int k = 1; k < 8; ++k) {
        EXPECT_DOUBLE_EQ(udtTestOptions.dblOrb[k][0], Rad(expected[k])) << k;
        EXPECT_DOUBLE_EQ(udtTestOptions.dblOrb[k][1], Rad(expected[k])) << k;
        EXPECT_DOUBLE_EQ(udtTestOptions.dblOrb[k][2], Rad(expected[k]) / 5) << k;
    }
    EXPECT_EQ(udtTestOptions.dblOrb[0][0], 0.0);
    // The quincunx at 0° is off and takes no part in the smallest orb.
    EXPECT_DOUBLE_EQ(udtTestOptions.dblMaxOrb[0], Rad(10));
    EXPECT_DOUBLE_EQ(udtTestOptions.dblMinOrb[0], Rad(4));
    EXPECT_DOUBLE_EQ(udtTestOptions.dblMaxOrb[2], Rad(2));
    EXPECT_DOUBLE_EQ(udtTestOptions.dblMinOrb[2], Rad(0.8));
    EXPECT_FALSE(udtTestOptions.blnOrbsEqual);

    // Equal orbs, with the default third for both proportions.
    options.intOrbListIndex = {6, 6, 0, 6, 6, 6, 6, 1};
    options.intProportionIndex = {2, 2};
    udtTestOptions = ZDR::MakeChartOptions(options);
    EXPECT_DOUBLE_EQ(udtTestOptions.dblOrb[1][1], Rad(2));
    EXPECT_DOUBLE_EQ(udtTestOptions.dblOrb[7][2], Rad(2));
    EXPECT_TRUE(udtTestOptions.blnOrbsEqual);
}

TEST_F(OptionsTest, SetOrbsTakesAnIndexOutsideTheListsSafely) {
    ZDR::ConfigOptions options;
    options.intOrbListIndex = {-1, 16, 15, 1, 1, 1, 1, 1};
    options.intProportionIndex = {-1, 5};  // no selection: the default third
    udtTestOptions = ZDR::MakeChartOptions(options);
    EXPECT_EQ(udtTestOptions.dblOrb[1][0], 0.0);
    EXPECT_EQ(udtTestOptions.dblOrb[2][0], 0.0);
    EXPECT_DOUBLE_EQ(udtTestOptions.dblOrb[3][0], Rad(15));
    EXPECT_DOUBLE_EQ(udtTestOptions.dblOrb[3][1], Rad(5));
    EXPECT_DOUBLE_EQ(udtTestOptions.dblOrb[3][2], Rad(5));
    EXPECT_EQ(ZDR::OrbArcminutes(15), 900);
    EXPECT_EQ(ZDR::OrbArcminutes(16), 0);
}

TEST_F(OptionsTest, DefaultsKeepTheZodiacOnlyWhenAsked) {
    ZDR::ConfigOptions current;
    current.intOrbListIndex = {0, 0, 0, 0, 0, 0, 0, 0};
    current.intProportionIndex = {0, 4};
    current.blnUseBoldface = false;
    current.bln1DegOfOrb = false;
    current.intBoldfaceFactorIndex = 8;
    current.blnSuppressInnerPlanetAspects = true;
    current.blnIncludeTransitingMoon = false;
    current.blnDisplayNATZ = false;
    current.blnWaxingWaningAspects = true;
    current.blnUseColor = false;
    current.blnSidereal = true;
    current.blnKeepZodiac = true;
    current.intMidpointOrbIndex = 7;
    current.dblAspectColor[3] = 0;

    ZDR::ConfigOptions d = ZDR::DefaultOptions(Language::intEnglish, current);
    const std::array<int16_t, 8> orbs = {10, 9, 6, 7, 5, 4, 5, 1};
    EXPECT_EQ(d.intOrbListIndex, orbs);
    EXPECT_EQ(d.intProportionIndex[0], 2);
    EXPECT_EQ(d.intProportionIndex[1], 2);
    EXPECT_TRUE(d.blnUseBoldface);
    EXPECT_TRUE(d.bln1DegOfOrb);
    EXPECT_EQ(d.intBoldfaceFactorIndex, 2);
    EXPECT_FALSE(d.blnSuppressInnerPlanetAspects);
    EXPECT_TRUE(d.blnIncludeTransitingMoon);
    EXPECT_TRUE(d.blnDisplayNATZ);
    EXPECT_FALSE(d.blnWaxingWaningAspects);
    EXPECT_EQ(d.intMidpointOrbIndex, 2);
    for (int k = 1; k < 8; ++k)
        EXPECT_EQ(d.dblAspectColor[k], ZDR::dblInitialAspectColor[k]) << k;
    EXPECT_EQ(d.dblAspectColor[1], ZDR::RGB(255, 255, 0));
    EXPECT_EQ(d.dblAspectColor[6], ZDR::RGB(128, 128, 255));
    EXPECT_EQ(d.dblAspectColor[7], ZDR::RGB(128, 128, 128));
    EXPECT_TRUE(d.blnUseColor);
    // Not among the defaults: they stay as they are.
    EXPECT_TRUE(d.blnSidereal);
    EXPECT_TRUE(d.blnKeepZodiac);

    current.blnKeepZodiac = false;
    d = ZDR::DefaultOptions(Language::intGerman, current);
    EXPECT_FALSE(d.blnSidereal);
    EXPECT_FALSE(d.blnKeepZodiac);
    EXPECT_FALSE(d.blnDisplayNATZ);  // North American timezones only in English
}

TEST_F(OptionsTest, ListTextsAndDivisors) {
    const std::vector<std::string> orbs = ZDR::OrbListTexts();
    ASSERT_EQ(orbs.size(), 16u);
    EXPECT_EQ(orbs[0], "0°");
    EXPECT_EQ(orbs[10], "10°");
    EXPECT_EQ(orbs[15], "15°");
    EXPECT_EQ(ZDR::MidpointOrbListTexts(),
              (std::vector<std::string>{"0° 5'", "0° 15'", "0° 30'", "1° 0'", "1° 30'", "2° 0'",
                                        "2° 30'", "3° 0'"}));
    EXPECT_EQ(ZDR::BoldfaceFactorTexts(),
              (std::vector<std::string>{"1/2", "1/3", "1/4", "1/5", "1/6", "1/8", "1/10", "1/15",
                                        "1/20"}));
    EXPECT_EQ(ZDR::ProportionTexts(), (std::vector<std::string>{"1", "1/2", "1/3", "1/4", "1/5"}));

    const int factors[9] = {2, 3, 4, 5, 6, 8, 10, 15, 20};
    for (int16_t i = 0; i < 9; ++i)
        EXPECT_EQ(ZDR::BoldfaceDivisor(i), factors[i]);
    EXPECT_EQ(ZDR::BoldfaceDivisor(-1), 4);
    EXPECT_EQ(ZDR::BoldfaceDivisor(9), 4);
    for (int16_t i = 0; i < 5; ++i)
        EXPECT_EQ(ZDR::ProportionDivisor(i), i + 1);
    EXPECT_EQ(ZDR::ProportionDivisor(5), 3);

    const double midpoint[8] = {5.0 / 60, 0.25, 0.5, 1, 1.5, 2, 2.5, 3};
    for (int16_t i = 0; i < 8; ++i)
        EXPECT_DOUBLE_EQ(ZDR::MidpointOrb(i), midpoint[i] * 6.28318530717959 / 360) << i;
    EXPECT_DOUBLE_EQ(ZDR::MidpointOrb(8), ZDR::MidpointOrb(2));
}

TEST_F(OptionsTest, SetAllLeavesOrbsAtZeroDegrees) {
    ZDR::ConfigOptions options;
    options.intOrbListIndex = {10, 0, 6, 0, 5, 4, 5, 3};
    ZDR::SetAllNonzeroOrbs(options);
    const std::array<int16_t, 8> expected = {3, 0, 3, 0, 3, 3, 3, 3};
    EXPECT_EQ(options.intOrbListIndex, expected);
}

TEST_F(OptionsTest, ColoursCycleThroughThePaletteAndToggle) {
    double color = ZDR::dblColorPalette[0];
    for (int i = 1; i <= 12; ++i) {
        color = ZDR::NextPaletteColor(color);
        EXPECT_EQ(color, ZDR::dblColorPalette[i % 12]) << i;
    }
    EXPECT_EQ(ZDR::NextPaletteColor(0), 0);                                  // black stays black
    EXPECT_EQ(ZDR::NextPaletteColor(ZDR::RGB(1, 2, 3)), ZDR::RGB(1, 2, 3));  // not in it
    // The initial light blue of the semisextile is the palette's seventh entry.
    EXPECT_EQ(ZDR::NextPaletteColor(ZDR::RGB(128, 128, 255)), ZDR::RGB(0, 0, 255));

    double remembered = 0;
    color = ZDR::RGB(0, 255, 0);
    ZDR::ToggleColor(color, remembered);
    EXPECT_EQ(color, 0);
    ZDR::ToggleColor(color, remembered);
    EXPECT_EQ(color, ZDR::RGB(0, 255, 0));
}

// The dialog's texts, from the program text beside the tests.
class ConfigureTextsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadTestProgramText()); }
    void TearDown() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
    }
    static void Use(int16_t language) {
        Language::intLanguage = language;
        ZDR::BuildCatalogueNames();
    }
    // Every caption of the dialog.
    static std::vector<std::string> All(const ZDR::ConfigureCaptions& c) {
        std::vector<std::string> all = {c.strTitle,
                                        c.strSetAllNonzeroOrbs,
                                        c.strOrbDivisors,
                                        c.strPersonalTransits,
                                        c.strSynastry,
                                        c.strUseBoldface,
                                        c.str1DegOfOrb,
                                        c.strOfOrb,
                                        c.strSuppressInnerPlanets,
                                        c.strIncludeTransitingMoon,
                                        c.strDisplayNATZ,
                                        c.strWaxingWaningAspects,
                                        c.strUseColor,
                                        c.strZodiac,
                                        c.strTropical,
                                        c.strSidereal,
                                        c.strKeepZodiac,
                                        c.strOrbForMidpoints,
                                        c.strReset,
                                        c.strAccept,
                                        c.strCancel,
                                        c.strHide};
        all.insert(all.end(), c.strAspectName.begin(), c.strAspectName.end());
        return all;
    }
};

TEST_F(ConfigureTextsTest, CaptionsInBothLanguages) {
    Use(Language::intEnglish);
    const ZDR::ConfigureCaptions english = ZDR::ConfigureDialogCaptions();
    EXPECT_EQ(english.strTitle, "Configuration");
    EXPECT_EQ(english.strSynastry, "synastry");  // lower case in English
    EXPECT_EQ(english.strPersonalTransits, "Personal transits");
    EXPECT_EQ(english.strZodiac, "Zodiac:");
    EXPECT_EQ(english.strCancel, "Cancel");
    EXPECT_EQ(english.strAccept, "Use settings");
    EXPECT_EQ(english.strAspectName[0], "Conjunction");
    EXPECT_EQ(english.strAspectName[6], "Quincunx");

    Use(Language::intGerman);
    const ZDR::ConfigureCaptions german = ZDR::ConfigureDialogCaptions();
    EXPECT_EQ(german.strSynastry, "Synastrie");  // unchanged in German
    EXPECT_EQ(german.strZodiac, "Tierkreis:");
    EXPECT_EQ(german.strAspectName[2], "Quadrat");

    const std::vector<std::string> en = All(english);
    const std::vector<std::string> de = All(german);
    for (size_t i = 0; i < en.size(); ++i) {
        EXPECT_FALSE(en[i].empty()) << i;
        EXPECT_FALSE(de[i].empty()) << i;
    }
}

TEST_F(ConfigureTextsTest, Messages) {
    Use(Language::intEnglish);
    const ZDR::ConfigureMessage setAll = ZDR::SetAllOrbsQuestion(5);
    EXPECT_NE(setAll.strText.find("5°"), std::string::npos);
    EXPECT_EQ(setAll.strText.find("NEW_ORB"), std::string::npos);
    EXPECT_EQ(setAll.strTitle, Language::Text(390));
    EXPECT_NE(ZDR::SetAllOrbsQuestion(12).strText.find("12°"), std::string::npos);

    const ZDR::ConfigureMessage refusal = ZDR::ZeroSetAllOrbMessage();
    EXPECT_EQ(refusal.strText, "Cannot set all non-zero orbs to zero.");
    EXPECT_EQ(refusal.strTitle, "Set all");

    const ZDR::ConfigureMessage reset = ZDR::ResetQuestion();
    EXPECT_EQ(reset.strText, Language::Text(395) + "\n" + Language::Text(396));
    EXPECT_EQ(reset.strTitle, "Reset to default");

    const ZDR::ConfigureMessage notice = ZDR::CloseNotice();
    EXPECT_EQ(notice.strText,
              Language::Text(392) + "\n" + Language::Text(393) + "\n" + Language::Text(394));
    EXPECT_EQ(notice.strTitle, "X");

    Use(Language::intGerman);
    EXPECT_EQ(ZDR::ResetQuestion().strTitle, "Auf Grundeinstellung zurücksetzen");
    EXPECT_EQ(ZDR::ZeroSetAllOrbMessage().strTitle, "Set all");
}

}  // namespace
