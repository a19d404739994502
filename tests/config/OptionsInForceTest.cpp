// The options in force and their one writer: what UseSettings and a state file put in
// force, and what a computation then reads.
#include <gtest/gtest.h>

#include "astro/Positions.h"
#include "config/Options.h"
#include "config/OptionsInForce.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"

namespace {

ZDR::ConfigOptions Defaults() {
    return ZDR::DefaultOptions(Language::intEnglish, ZDR::ConfigOptions{});
}

// Options that differ from the defaults in every value.
ZDR::ConfigOptions Changed() {
    ZDR::ConfigOptions o = Defaults();
    o.intOrbListIndex = {8, 2, 6, 6, 4, 3, 0, 5};
    o.intProportionIndex = {1, 4};
    o.blnUseBoldface = false;
    o.bln1DegOfOrb = false;
    o.intBoldfaceFactorIndex = 7;
    o.blnSuppressInnerPlanetAspects = true;
    o.blnIncludeTransitingMoon = false;
    o.blnDisplayNATZ = false;
    o.blnWaxingWaningAspects = true;
    o.blnUseColor = false;
    o.blnSidereal = true;
    o.blnKeepZodiac = false;
    o.intMidpointOrbIndex = 6;
    o.dblAspectColor[3] = 0.0;
    o.dblAspectColor[5] = ZDR::RGB(128, 64, 0);
    return o;
}

// Every value of two option sets, for comparing them field by field.
void ExpectSame(const ZDR::ConfigOptions& a, const ZDR::ConfigOptions& b) {
    EXPECT_EQ(a.intOrbListIndex, b.intOrbListIndex);
    EXPECT_EQ(a.intProportionIndex, b.intProportionIndex);
    EXPECT_EQ(a.blnUseBoldface, b.blnUseBoldface);
    EXPECT_EQ(a.bln1DegOfOrb, b.bln1DegOfOrb);
    EXPECT_EQ(a.intBoldfaceFactorIndex, b.intBoldfaceFactorIndex);
    EXPECT_EQ(a.blnSuppressInnerPlanetAspects, b.blnSuppressInnerPlanetAspects);
    EXPECT_EQ(a.blnIncludeTransitingMoon, b.blnIncludeTransitingMoon);
    EXPECT_EQ(a.blnDisplayNATZ, b.blnDisplayNATZ);
    EXPECT_EQ(a.blnWaxingWaningAspects, b.blnWaxingWaningAspects);
    EXPECT_EQ(a.blnUseColor, b.blnUseColor);
    EXPECT_EQ(a.blnSidereal, b.blnSidereal);
    EXPECT_EQ(a.blnKeepZodiac, b.blnKeepZodiac);
    EXPECT_EQ(a.intMidpointOrbIndex, b.intMidpointOrbIndex);
    EXPECT_EQ(a.dblAspectColor, b.dblAspectColor);
}

class OptionsInForceTest : public ::testing::Test {
  protected:
    void TearDown() override {
        UseTestSettings(Defaults());
        ClearOrbs();
        udtTestOptions.udtConfig.blnSidereal = false;
    }
};

TEST_F(OptionsInForceTest, UseSettingsKeepsEveryOptionAndBuildsTheOrbTableAndZodiac) {
    UseTestSettings(Changed());
    ExpectSame(ZDR::OptionsInForce(), Changed());
    // Opposition 2°, personal transits by 2, synastry by 5; the quincunx at 0° is off.
    EXPECT_DOUBLE_EQ(ZDR::ChartOptionsInForce().dblOrb[2][0], Rad(2));
    EXPECT_DOUBLE_EQ(ZDR::ChartOptionsInForce().dblOrb[2][1], Rad(1));
    EXPECT_DOUBLE_EQ(ZDR::ChartOptionsInForce().dblOrb[2][2], Rad(0.4));
    EXPECT_EQ(ZDR::ChartOptionsInForce().dblOrb[7][0], 0.0);
    EXPECT_DOUBLE_EQ(ZDR::ChartOptionsInForce().dblMinOrb[0], Rad(2));
    EXPECT_DOUBLE_EQ(ZDR::ChartOptionsInForce().dblMaxOrb[0], Rad(8));
    EXPECT_TRUE(ZDR::ChartOptionsInForce().udtConfig.blnSidereal);

    UseTestSettings(Defaults());
    ExpectSame(ZDR::OptionsInForce(), Defaults());
    EXPECT_DOUBLE_EQ(ZDR::ChartOptionsInForce().dblOrb[2][0], Rad(9));
    EXPECT_DOUBLE_EQ(ZDR::ChartOptionsInForce().dblOrb[2][1], Rad(3));
    EXPECT_FALSE(ZDR::ChartOptionsInForce().udtConfig.blnSidereal);
}

TEST_F(OptionsInForceTest, AStateFileKeepsTheTwoOptionsItDoesNotCarry) {
    ZDR::ConfigOptions before = Defaults();
    before.blnSuppressInnerPlanetAspects = true;
    before.blnDisplayNATZ = false;
    UseTestSettings(before);

    ZDR::ConfigOptions file = Changed();
    file.blnSuppressInnerPlanetAspects = false;
    file.blnDisplayNATZ = true;
    ZDR::UseStateFileSettings(file);

    ZDR::ConfigOptions expected = file;
    expected.blnSuppressInnerPlanetAspects = true;
    expected.blnDisplayNATZ = false;
    ExpectSame(ZDR::OptionsInForce(), expected);
    EXPECT_DOUBLE_EQ(ZDR::ChartOptionsInForce().dblOrb[1][0], Rad(8));
    EXPECT_TRUE(ZDR::ChartOptionsInForce().udtConfig.blnSidereal);
}

// A computation reads the options it is given; the orbs come from the orb table that
// UseSettings built from the same options.
TEST_F(OptionsInForceTest, AComputationReadsTheOptionsInForce) {
    ASSERT_TRUE(LoadTestDataFiles());
    Language::intLanguage = Language::intEnglish;
    ZDR::BuildCatalogueNames();
    // 21 December 2020, 18:00 UT: Jupiter and Saturn a tenth of a degree apart.
    const double jd[3] = {2459205.25, 0.0, 0.0};
    ZDR::ComputeResult result;

    UseTestSettings(Defaults());
    ASSERT_EQ(ZDR::ComputeAtJD(ZDR::intModeWorldTransits, jd, false,
                               TestOptions(ZDR::OptionsInForce()), result),
              ZDR::intComputeDone);
    const ZDR::TableCell& jupiterSaturn = result.udtTable.udtCell[6 * 10 + 5];
    ASSERT_EQ(jupiterSaturn.strText.rfind("Con\n0°", 0), 0u) << jupiterSaturn.strText;
    EXPECT_EQ(jupiterSaturn.dblForeColor, ZDR::RGB(255, 255, 0));
    EXPECT_TRUE(jupiterSaturn.blnBold);

    ZDR::ConfigOptions changed = Defaults();
    changed.intOrbListIndex[0] = 0;  // conjunctions off
    UseTestSettings(changed);
    ZDR::ComputeAtJD(ZDR::intModeWorldTransits, jd, false, TestOptions(ZDR::OptionsInForce()),
                     result);
    EXPECT_TRUE(result.udtTable.udtCell[6 * 10 + 5].strText.empty());
    EXPECT_EQ(result.intNumAspectsOfType[1], 0);

    changed = Defaults();
    changed.blnUseBoldface = false;
    changed.dblAspectColor[1] = ZDR::RGB(0, 0, 255);
    UseTestSettings(changed);
    ZDR::ComputeAtJD(ZDR::intModeWorldTransits, jd, false, TestOptions(ZDR::OptionsInForce()),
                     result);
    EXPECT_EQ(jupiterSaturn.dblForeColor, ZDR::RGB(0, 0, 255));
    EXPECT_FALSE(jupiterSaturn.blnBold);
}

}  // namespace
