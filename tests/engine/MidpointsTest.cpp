// Midpoint configurations of constructed charts. Bodies not placed have no position; the
// conjunction orb of set 0 is 9° unless a test says otherwise.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "engine/Catalogue.h"
#include "engine/Midpoints.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"

namespace {

using namespace ZDR;

class MidpointsTest : public ConstructedChartTest {
  protected:
    void SetUp() override {
        ConstructedChartTest::SetUp();
        ClearOrbs();
        udtTestOptions.dblOrb[1][0] = Rad(9);
    }
    // The report form of the check with a half-degree orb, and its count.
    static std::pair<std::string, int16_t> Check(bool blnNatalReport = false,
                                                 double dblOrb = Rad(0.5)) {
        int16_t count = -1;
        std::string text =
            CheckForMidpoint(udtTestChart, MidpointOptions(dblOrb), blnNatalReport, count);
        return {text, count};
    }
};

TEST_F(MidpointsTest, BodyAtTheMidpointIsListedOnce) {
    Place({{1, 10}, {4, 20}, {5, 30}});
    EXPECT_EQ(Check(), std::make_pair(std::string("Midpoint: Su-Ma-Ju\r\n"), int16_t{1}));
    EXPECT_EQ(Check(true).first, "Sun-Mars-Jupiter\r\n");

    // Mars conjunct both: the pairs with Mars are skipped and Mars is no third body.
    udtTestOptions.dblOrb[1][0] = Rad(10.5);
    EXPECT_EQ(Check(), std::make_pair(std::string(), int16_t{0}));
}

TEST_F(MidpointsTest, ThreeBodiesEachAtTheFarMidpointAreOneConfiguration) {
    // A near-exact grand trine: each body stands opposite the midpoint of the other two.
    Place({{2, 0}, {3, 120.1}, {7, 240}});
    EXPECT_EQ(Check(), std::make_pair(std::string("Midpoint: Ve-Me-Ur\r\n"), int16_t{1}));
}

TEST_F(MidpointsTest, EitherArcAndTheZeroPointCount) {
    // The mean of 350° and 10° is 180°; its opposite point is 0°.
    Place({{1, 350}, {5, 10}, {4, 0}});
    udtTestOptions.dblOrb[1][0] = Rad(5);
    EXPECT_EQ(Check().first, "Midpoint: Su-Ma-Ju\r\n");
    // Mars at the midpoint of the long arc.
    Place({{4, 180}});
    EXPECT_EQ(Check().first, "Midpoint: Su-Ma-Ju\r\n");
    // Opposite the midpoint of 0° and 60°.
    Place({{1, 0}, {5, 60}, {4, 210}});
    EXPECT_EQ(Check().first, "Midpoint: Su-Ma-Ju\r\n");
}

TEST_F(MidpointsTest, OrbIsStrict) {
    // Mars 0.25 rad from the mean of 1 and 2 rad; all three values exact in binary.
    udtTestChart.dblPos[1][0] = 1.0;
    udtTestChart.dblPos[5][0] = 2.0;
    udtTestChart.dblPos[4][0] = 1.75;
    EXPECT_EQ(MidpointTriple(udtTestChart, 1, 4, 5, false, 0.25), "");
    EXPECT_EQ(MidpointTriple(udtTestChart, 1, 4, 5, false, 0.2500001), "Su-Ma-Ju");
    EXPECT_EQ(Check(false, 0.25).second, 0);
    EXPECT_EQ(Check(false, 0.2500001).second, 1);
    EXPECT_EQ(Check(false, 0).second, 0);
}

TEST_F(MidpointsTest, MoonNeverTakesPart) {
    Place({{1, 10}, {10, 20}, {5, 30}});
    EXPECT_EQ(Check().second, 0);
    Place({{10, 10}, {4, 20}});
    EXPECT_EQ(Check().first, "Midpoint: Su-Ma-Ju\r\n");
}

TEST_F(MidpointsTest, EqualOrMissingLongitudesGiveNoLine) {
    // Jupiter opposite the common longitude of Sun and Mercury; no conjunction orb, so
    // only the equal longitudes keep the triple out.
    udtTestOptions.dblOrb[1][0] = 0;
    Place({{1, 100}, {2, 100}, {5, 280}});
    EXPECT_EQ(MidpointTriple(udtTestChart, 1, 5, 2, false, Rad(3)), "");
    EXPECT_EQ(Check(false, Rad(3)).second, 0);

    Place({{1, 10}, {4, 20}, {5, 30}});
    udtTestChart.dblPos[5][0] = -100;
    EXPECT_EQ(Check().second, 0);
    EXPECT_EQ(MidpointTriple(udtTestChart, 0, 4, 11, false, Rad(3)), "");
}

TEST_F(MidpointsTest, GermanHeading) {
    Language::intLanguage = Language::intGerman;
    BuildCatalogueNames();
    Place({{1, 10}, {4, 20}, {5, 30}});
    EXPECT_EQ(Check().first, "Halbsumme: So-Ma-Ju\r\n");
    EXPECT_EQ(Check(true).first, "Sonne-Mars-Jupiter\r\n");
}

}  // namespace
