// Beginnings, ends and exact moments of real transits, each checked against a brute-force
// scan of every local midnight of the years around the world date, and the explanation of
// a double-clicked aspect on real dates in both languages.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "astro/DatePr2.h"
#include "astro/Positions.h"
#include "config/Options.h"
#include "engine/AspectTiming.h"
#include "engine/Catalogue.h"
#include "engine/CellExplanation.h"
#include "engine/Compute.h"
#include "engine/Durations.h"
#include "places/Houses.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;

// A computation on real dates: the mode, the world date set and a birth date set.
struct RealChart {
    const char* strWhat;
    int16_t intMode;
    const char* strWorldYear;
    int intWorldMonth, intWorldDay, intWorldHalfHour, intWorldZone;
    const char* strBirthYear;
    int intBirthMonth, intBirthDay, intBirthHalfHour, intBirthZone;
};

const RealChart kCharts[] = {
    {"World transits, evening in GMT+1", ZDR::intModeWorldTransits, "2024", 3, 10, 45, 60, "", 0, 0,
     0, 0},
    {"World transits at midnight in GMT-11:30", ZDR::intModeWorldTransits, "1850", 7, 1, 1, -690,
     "", 0, 0, 0, 0},
    {"World transits at 23:30 in GMT+11:30", ZDR::intModeWorldTransits, "1777", 9, 14, 48, 690, "",
     0, 0, 0, 0},
    {"Personal transits to the 1st birthdate", ZDR::intModePersonal1, "2024", 3, 10, 25, 0, "1970",
     5, 17, 29, 0},
    {"Personal transits to the 2nd birthdate", ZDR::intModePersonal2, "2001", 9, 11, 18, -300,
     "1955", 2, 24, 39, -480},
};

class RealDateTimingTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadTestDataFiles()); }
    void SetUp() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
        udtTestOptions.udtConfig.blnSidereal = false;
        options = ZDR::DefaultOptions(Language::intEnglish, ZDR::ConfigOptions{});
        udtTestOptions = ZDR::MakeChartOptions(options);
    }
    void TearDown() override {
        ZDR::BuildCatalogueNames();
        ClearOrbs();
    }
    // Computes a chart and returns the context of its timing.
    ZDR::TimingContext Compute(const RealChart& c) {
        double jd[3] = {-1, -1, -1};
        jd[0] = DatePr2::DateSetToJD(c.strWorldYear, c.intWorldMonth, c.intWorldDay,
                                     c.intWorldHalfHour, c.intWorldZone);
        const int birthSet = c.intMode == ZDR::intModePersonal2 ? 2 : 1;
        if (c.strBirthYear[0] != '\0') {
            jd[birthSet] = DatePr2::DateSetToJD(c.strBirthYear, c.intBirthMonth, c.intBirthDay,
                                                c.intBirthHalfHour, c.intBirthZone);
        }
        // A birth in Mexico City: its Ascendant and Midheaven take part as natal points 11, 12.
        ZDR::SetAngles angles;
        if (c.strBirthYear[0] != '\0') {
            const Places::Houses houses =
                Places::ComputeHouses(jd[birthSet], 19.43, -99.13, Places::intPlacidus, false);
            angles.dblAngle[birthSet][0] = houses.dblAscendant;
            angles.dblAngle[birthSet][1] = houses.dblMidheaven;
        }
        ZDR::ConfigOptions withAngles = options;
        withAngles.blnAnglesInAspects = true;
        ZDR::ComputeAtJD(c.intMode, jd, false, TestOptions(withAngles), result, angles);
        ZDR::TimingContext context;
        context.udtOptions = udtTestOptions;
        context.intModeCode = c.intMode;
        for (int s = 0; s < 3; ++s)
            context.dblChartAJD[s] = jd[s];
        context.intTimeZone = static_cast<int16_t>(c.intWorldZone);
        context.lngWorldDay = static_cast<int32_t>(
            DatePr2::DateSetToLocalDay(c.strWorldYear, c.intWorldMonth, c.intWorldDay, 1));
        ZDR::TakeNatalAngles(context, result);
        return context;
    }

    ZDR::ConfigOptions options;
    ZDR::ComputeResult result;
    SavedEngineTables udtSaved;
};

// Positions at the local midnights of the world timezone, computed by day on demand.
class MidnightSky {
  public:
    MidnightSky(int32_t worldDay, int zone) : m_worldDay(worldDay), m_zone(zone) {}
    double At(int16_t body, int n) {
        const auto key = std::make_pair(body, n);
        auto found = m_cache.find(key);
        if (found != m_cache.end())
            return found->second;
        const double jd = (m_worldDay + n) - m_zone / 1440.0 - 0.5;
        return m_cache[key] = ZDR::BodyLongitude(body, jd);
    }

  private:
    int32_t m_worldDay;
    int m_zone;
    std::map<std::pair<int16_t, int>, double> m_cache;
};

// The brute force: at midnight n, is the aspect within its orb? The deviation comes from
// the remainder of the difference of the longitudes, not from the engine's separation.
bool InOrbAt(MidnightSky& sky, const ZDR::AspectRecordFields& f, double natal, int orbSet, int n) {
    const double a = natal >= 0 ? natal : sky.At(f.intFirst, n);
    const double b = sky.At(f.intSecond, n);
    const double separation = std::fabs(std::remainder(a - b, kTwoPi));
    return std::fabs(separation - ZDR::dblAspectAngle[f.intAspect]) <
           udtTestOptions.dblOrb[f.intAspect][orbSet];
}

// The distance from exactness with a sign that changes at each exact moment: the signed
// difference for the conjunction and the opposition, the separation less the angle for
// the others.
double SignedDistance(double a, double b, int16_t k) {
    if (k == 1)
        return std::remainder(a - b, kTwoPi);
    if (k == 2)
        return std::remainder(a - b - kTwoPi / 2, kTwoPi);
    return std::fabs(std::remainder(a - b, kTwoPi)) - ZDR::dblAspectAngle[k];
}

TEST_F(RealDateTimingTest, BeginningsAndEndsAgreeWithADailyScan) {
    for (const RealChart& c : kCharts) {
        const ZDR::TimingContext context = Compute(c);
        ZDR::WalkPositions shared(context.lngWorldDay, context.intTimeZone, udtTestOptions);
        const std::vector<std::string> records =
            ZDR::GetDurations(result.udtTable, context, result.dblPos, shared);
        ASSERT_GT(records.size(), 5u) << c.strWhat;
        int anglesChecked = 0;
        MidnightSky sky(context.lngWorldDay, context.intTimeZone);
        int checked = 0;
        for (const std::string& record : records) {
            ZDR::AspectRecordFields f;
            ASSERT_TRUE(ZDR::ParseAspectRecord(record, f));
            if (f.intTiming != ZDR::RecordTiming::Days)
                continue;
            const ZDR::AspectWalk walk =
                ZDR::WalkOfAspect(context, f.intFirst, f.intSecond, f.intAspect);
            // Every walk alone gives what the walks sharing their positions gave.
            ZDR::WalkPositions own(context.lngWorldDay, context.intTimeZone, udtTestOptions);
            EXPECT_EQ(ZDR::BeginningOfAspect(walk, own), f.dblBegin) << record;
            EXPECT_EQ(ZDR::EndOfAspect(walk, own), f.dblEnd) << record;

            // A natal angle is the number the houses gave, a natal body its birth position.
            const double natal = !walk.blnNatalFixed ? -1
                                 : f.intFirst > ZDR::intCatalogueBodies
                                     ? result.dblPos[f.intFirst][1]
                                     : ZDR::BodyLongitude(f.intFirst, walk.dblNatalJD);
            anglesChecked += f.intFirst > ZDR::intCatalogueBodies;
            int before = 0;
            while (InOrbAt(sky, f, natal, walk.intPersonal, before) && before > -5000)
                --before;
            int after = 1;
            while (InOrbAt(sky, f, natal, walk.intPersonal, after) && after < 5000)
                ++after;
            const double begin = context.lngWorldDay + before;
            const double end = context.lngWorldDay + after - 1;
            if (f.intFirst <= 6 || f.intSecond <= 6) {
                EXPECT_EQ(f.dblBegin, begin) << c.strWhat << ": " << record;
                EXPECT_EQ(f.dblEnd, end) << c.strWhat << ": " << record;
            } else {
                // Slow pairs step up to 11 days: the walk stops on a day out of orb.
                EXPECT_GE(begin - f.dblBegin, 0) << c.strWhat << ": " << record;
                EXPECT_LE(begin - f.dblBegin, 10) << c.strWhat << ": " << record;
                EXPECT_GE(f.dblEnd - end, 0) << c.strWhat << ": " << record;
                EXPECT_LE(f.dblEnd - end, 10) << c.strWhat << ": " << record;
            }
            ++checked;

            // Exact moments: one for each change of sign between two midnights of the span.
            if (f.dblBegin < 0 || f.dblEnd < 0)
                continue;
            const int first = static_cast<int>(f.dblBegin - context.lngWorldDay);
            const int last = static_cast<int>(f.dblEnd + 1 - context.lngWorldDay);
            int changes = 0;
            auto distance = [&](int n) {
                return SignedDistance(natal >= 0 ? natal : sky.At(f.intFirst, n),
                                      sky.At(f.intSecond, n), f.intAspect);
            };
            for (int n = first + 1; n <= last; ++n)
                changes += (distance(n - 1) < 0) != (distance(n) < 0) ? 1 : 0;
            const std::vector<double> moments =
                ZDR::ExactMoments(walk, shared, f.dblBegin, f.dblEnd);
            EXPECT_EQ(static_cast<int>(moments.size()), changes) << c.strWhat << ": " << record;
            for (double jd : moments) {
                const double a = natal >= 0 ? natal : ZDR::BodyLongitude(f.intFirst, jd);
                const double d =
                    SignedDistance(a, ZDR::BodyLongitude(f.intSecond, jd), f.intAspect);
                EXPECT_LT(std::fabs(d), 2e-5) << c.strWhat << ": " << record;
            }
        }
        EXPECT_GT(checked, 5) << c.strWhat;
        EXPECT_EQ(anglesChecked > 0, ZDR::IsPersonalTransitMode(c.intMode)) << c.strWhat;
    }
}

TEST_F(RealDateTimingTest, KnownTransitsOfMarch2024) {
    // Checked by the daily scan above: World transits of 10 March 2024, 22:00 GMT+1.
    const ZDR::TimingContext context = Compute(kCharts[0]);
    const std::vector<std::string> records =
        ZDR::GetDurations(result.udtTable, context, udtTestChart.dblPos);
    struct Known {
        int16_t intFirst, intSecond, intAspect;
        const char* strBegin;
        const char* strEnd;
    } known[] = {
        {4, 7, 3, "March 1, 2024", "March 18, 2024"},      // Mars square Uranus
        {5, 6, 5, "December 8, 2023", "April 12, 2024"},   // Jupiter sextile Saturn
        {1, 6, 1, "February 17, 2024", "March 11, 2024"},  // Sun conjunct Saturn
        {2, 9, 5, "March 8, 2024", "March 13, 2024"},      // Mercury sextile Pluto
    };
    for (const Known& k : known) {
        bool found = false;
        for (const std::string& record : records) {
            ZDR::AspectRecordFields f;
            ASSERT_TRUE(ZDR::ParseAspectRecord(record, f));
            if (f.intFirst != k.intFirst || f.intSecond != k.intSecond ||
                f.intAspect != k.intAspect)
                continue;
            found = true;
            EXPECT_EQ(DatePr2::JDNToLongDateText(static_cast<int32_t>(f.dblBegin), false, 0),
                      k.strBegin);
            EXPECT_EQ(DatePr2::JDNToLongDateText(static_cast<int32_t>(f.dblEnd), false, 0),
                      k.strEnd);
        }
        EXPECT_TRUE(found) << k.intFirst << " " << k.intSecond;
    }
}

TEST_F(RealDateTimingTest, DoubleClickExplanationsInBothLanguages) {
    ZDR::TimingContext world = Compute(kCharts[0]);
    // Mars (row 5) square Uranus (column 6).
    ZDR::CellExplanation e = ZDR::ExplainCell(result.udtTable, 56, world, options);
    EXPECT_EQ(e.intOutcome, ZDR::CellClick::Timed);
    EXPECT_EQ(e.strTitle, "Mars square to Uranus");
    EXPECT_EQ(e.strMessage,
              "With an orb of 6° this square begins on March 1, 2024 and ends on "
              "March 18, 2024.");
    EXPECT_EQ(e.strQuestion, e.strMessage +
                                 "\n\nWould you like to see the durations of all current aspects "
                                 "in World transits?");
    EXPECT_EQ(e.udtTiming.intFirst, 4);
    EXPECT_EQ(e.udtTiming.intSecond, 7);
    // Mars, the faster, runs behind Uranus: the closing square wanes.
    ZDR::ConfigOptions waxingWaning = options;
    waxingWaning.blnWaxingWaningAspects = true;
    e = ZDR::ExplainCell(result.udtTable, 56, world, waxingWaning);
    EXPECT_EQ(e.strMessage.rfind("With an orb of 6° this waning square begins on March 1", 0), 0u)
        << e.strMessage;

    // The Sun (row 2) conjunct the Moon (column 9): four hours a degree of the orb.
    e = ZDR::ExplainCell(result.udtTable, 29, world, options);
    EXPECT_EQ(e.intOutcome, ZDR::CellClick::MoonAspect);
    EXPECT_EQ(e.strTitle, "Sun conjunct Moon");
    EXPECT_NE(e.strMessage.find("about 40 hours"), std::string::npos) << e.strMessage;

    // A position cell, and an aspect whose colour is switched off.
    EXPECT_EQ(ZDR::ExplainCell(result.udtTable, 3, world, options).intOutcome,
              ZDR::CellClick::NoAspect);
    ZDR::ConfigOptions squareOff = options;
    squareOff.dblAspectColor[3] = 0;
    EXPECT_EQ(ZDR::ExplainCell(result.udtTable, 56, world, squareOff).intOutcome,
              ZDR::CellClick::HiddenAspect);

    // The table is written again in German: its cells hold the German abbreviations.
    Language::intLanguage = Language::intGerman;
    ZDR::BuildCatalogueNames();
    world = Compute(kCharts[0]);
    e = ZDR::ExplainCell(result.udtTable, 56, world, waxingWaning);
    EXPECT_EQ(e.strTitle, "Mars Quadrat Uranus");
    EXPECT_EQ(e.strMessage,
              "Bei einem Orbis von 6° – Beginn dieses Aspekts: 1.März 2024, Ende: 18.März 2024.");
    EXPECT_EQ(e.strQuestion, e.strMessage +
                                 "\n\nMöchten Sie die Dauer aller aktuellen Aspekte im Modus "
                                 "Welttransite sehen?");
}

TEST_F(RealDateTimingTest, UnknownEndAtTheEdgeOfThePositionData) {
    const RealChart late = {"", ZDR::intModeWorldTransits, "2099", 12, 28, 25, 0, "", 0, 0, 0, 0};
    const ZDR::TimingContext context = Compute(late);
    // Mars (row 5) conjunct Pluto (column 8): Pluto's table ends with 2099.
    ZDR::CellExplanation e = ZDR::ExplainCell(result.udtTable, 58, context, options);
    EXPECT_EQ(e.strMessage,
              "With an orb of 10° this conjunction begins on December 11, 2099 and "
              "ends on an unknown date.");
    EXPECT_EQ(e.udtTiming.dblEnd, -1);
    Language::intLanguage = Language::intGerman;
    ZDR::BuildCatalogueNames();
    Compute(late);
    e = ZDR::ExplainCell(result.udtTable, 58, context, options);
    EXPECT_EQ(
        e.strMessage,
        "Bei einem Orbis von 10° – Beginn dieses Aspekts: 11.Dezember 2099, Ende: unbekannt.");
}

TEST_F(RealDateTimingTest, PersonalTransitTitlesAndNoTimingInNatalModes) {
    ZDR::TimingContext personal = Compute(kCharts[3]);
    // Natal Jupiter (row 6) trine transiting Venus (column 4).
    ZDR::CellExplanation e = ZDR::ExplainCell(result.udtTable, 76, personal, options);
    EXPECT_EQ(e.intOutcome, ZDR::CellClick::Timed);
    EXPECT_EQ(e.strTitle, "Transiting Venus trine to natal Jupiter");
    EXPECT_EQ(e.strMessage,
              "With an orb of 2°20' this trine begins on March 8, 2024 and ends on "
              "March 12, 2024.");
    EXPECT_EQ(e.strQuestion.substr(e.strMessage.size()),
              "\n\nWould you like to see the durations of all current aspects in Personal "
              "transits?");
    ZDR::CellTiming timing;
    ASSERT_TRUE(ZDR::TimingOfCell(result.udtTable, 76, personal, timing));
    EXPECT_EQ(timing.intFirst, 5);
    EXPECT_EQ(timing.intSecond, 3);
    EXPECT_EQ(timing.dblEnd - timing.dblBegin, 4);
    Language::intLanguage = Language::intGerman;
    ZDR::BuildCatalogueNames();
    Compute(kCharts[3]);
    EXPECT_EQ(ZDR::ExplainCell(result.udtTable, 76, personal, options).strTitle,
              "Transit Venus Trigon Radixjupiter");

    personal.intModeCode = ZDR::intModeNatal1;
    EXPECT_EQ(ZDR::ExplainCell(result.udtTable, 76, personal, options).intOutcome,
              ZDR::CellClick::NoTiming);
    EXPECT_FALSE(ZDR::TimingOfCell(result.udtTable, 76, personal, timing));
}

}  // namespace
