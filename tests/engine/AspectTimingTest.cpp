// The timing walk on motions made up for the test: bodies at fixed longitudes or moving
// uniformly, so that the days on which an aspect enters and leaves its orb are known.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "astro/DatePr2.h"
#include "engine/AspectTiming.h"
#include "tests/EngineTestSupport.h"

namespace {

// World date 2020-01-07 (JDN 2458856).
constexpr int32_t kWorldDay = 2458856;

// The made-up sky: body b stands at dblStart[b] degrees at the midnight (UT) that starts the
// world date and moves dblSpeed[b] degrees a day. Outside dblFirstJD..dblLastJD there is no
// position (-99 before, -100 after).
double dblStart[11];
double dblSpeed[11];
double dblFirstJD;
double dblLastJD;

double MadeUpLongitude(int16_t body, double jd) {
    if (jd < dblFirstJD)
        return -99;
    if (jd > dblLastJD)
        return -100;
    const double degrees = dblStart[body] + dblSpeed[body] * (jd - (kWorldDay - 0.5));
    return ZDR::NormalizeAngle(Rad(degrees));
}

class AspectTimingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int b = 0; b < 11; ++b) {
            dblStart[b] = 0;
            dblSpeed[b] = 0;
        }
        dblFirstJD = 0;
        dblLastJD = 1e9;
        for (int k = 1; k <= 7; ++k) {
            udtTestOptions.dblOrb[k][0] = Rad(10);
            udtTestOptions.dblOrb[k][1] = Rad(2);
        }
    }
    // A walk of aspect k of bodies p1 and p2 in World transits (orb 10 degrees).
    static ZDR::AspectWalk World(int16_t p1, int16_t p2, int16_t k) {
        ZDR::AspectWalk walk;
        walk.intP1 = p1;
        walk.intP2 = p2;
        walk.intAspect = k;
        return walk;
    }
    SavedEngineTables udtSaved;
};

// The days of each walk counted from the world date, in the order the walk asked for them.
std::vector<long> DaysAsked(const std::vector<ZDR::WalkCall>& log, int16_t body,
                            const ZDR::WalkPositions& positions) {
    std::vector<long> days;
    for (const ZDR::WalkCall& call : log) {
        if (call.intBody == body)
            days.push_back(std::lround(call.dblJD - positions.MidnightJD(0)));
    }
    return days;
}

TEST(InOrbStrength, DeviationAgainstTheOrb) {
    SavedEngineTables saved;
    udtTestOptions.dblOrb[1][0] = Rad(8);
    udtTestOptions.dblOrb[3][0] = Rad(8);
    udtTestOptions.dblOrb[3][1] = Rad(2);
    struct Row {
        double lon1, lon2;  // degrees; negative: no position
        int16_t aspect, set;
        bool blnInOrb;
        double dblStrength;  // expected; 99 = left untouched
    } rows[] = {
        {10, 100, 3, 0, true, 1.0},     // exact square
        {10, 104, 3, 0, true, 0.5},     // half the orb
        {0, 8, 1, 0, false, -1.0},      // deviation equal to the orb
        {10, 109, 3, 0, false, -1.0},   // beyond
        {10, 101, 3, 1, true, 0.5},     // the personal orb of 2 degrees
        {350, 80, 3, 0, true, 1.0},     // across 0 degrees
        {-99, 100, 3, 0, false, 99.0},  // no position
        {10, -100, 3, 0, false, 99.0},  // no position
        {10, 10, 8, 0, false, 99.0},    // no aspect 8
        {10, 10, 1, 3, false, 99.0},    // no orb set 3
        {10, 10, 0, 0, false, -1.0},    // aspect 0 has no orb
        {0, 180, 2, 0, false, -1.0},    // an orb of 0 switches the aspect off
    };
    for (const Row& r : rows) {
        double strength = 99.0;
        udtTestOptions.dblOrb[2][0] = 0.0;
        const double lon1 = r.lon1 < 0 ? r.lon1 : Rad(r.lon1);
        const double lon2 = r.lon2 < 0 ? r.lon2 : Rad(r.lon2);
        EXPECT_EQ(ZDR::InOrbStrength(lon1, lon2, r.aspect, r.set, udtTestOptions, strength),
                  r.blnInOrb)
            << r.lon1 << " " << r.lon2;
        EXPECT_NEAR(strength, r.dblStrength, 1e-9) << r.lon1 << " " << r.lon2;
    }
}

TEST(WalkStep, FastBodiesStepOneDaySlowOnesByStrength) {
    struct Row {
        int16_t p1, p2;
        double strength;
        int32_t step;
    } rows[] = {
        {1, 4, 1.0, 1},  {6, 9, 1.0, 1},   {10, 6, 0.99, 1},  {7, 9, 1.0, 11},
        {7, 9, 0.05, 1}, {8, 10, 0.55, 6}, {9, 7, 0.999, 10}, {10, 8, 0.1, 2},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ZDR::WalkStep(r.p1, r.p2, r.strength), r.step) << r.p1 << " " << r.p2;
}

// One row: where body 1 stands relative to body 4 at the first midnight of the world date
// and how fast it moves; the beginning and end expected, counted from the world date.
struct EdgeCase {
    const char* strWhat;
    double dblStart;
    double dblSpeed;
    long lngBegin;
    long lngEnd;
};

TEST_F(AspectTimingTest, EdgesOfTheWalkInEveryTimezone) {
    const EdgeCase cases[] = {
        // -10.5 at the first midnight, -9.5 at the next: came within orb during the day.
        {"enters during the world date", -10.5, 1.0, 0, 20},
        // +9.5 at the first midnight, +10.5 at the last: leaves the orb during the day.
        {"leaves during the world date", 9.5, 1.0, -20, 0},
        // -12 and +13 at the two midnights: in orb only during the world date.
        {"in orb only on the world date", -12.0, 25.0, 0, 0},
        // Half a degree past exact at the first midnight, 1 degree a day.
        {"in orb for three weeks", 0.5, 1.0, -11, 9},
        // Retrograde: the same span seen from the other side.
        {"retrograde", 0.5, -1.0, -10, 10},
    };
    for (int zone = -690; zone <= 690; zone += 30) {
        for (const EdgeCase& c : cases) {
            // The same sky relative to the zone's local midnights.
            ZDR::WalkPositions positions(kWorldDay, static_cast<int16_t>(zone), udtTestOptions,
                                         MadeUpLongitude);
            const double shift = -zone / 1440.0;
            dblStart[4] = 100.0;
            dblStart[1] = 100.0 + c.dblStart - c.dblSpeed * shift;
            dblSpeed[1] = c.dblSpeed;
            const ZDR::AspectWalk walk = World(1, 4, 1);
            const double begin = ZDR::BeginningOfAspect(walk, positions);
            const double end = ZDR::EndOfAspect(walk, positions);
            EXPECT_EQ(begin, kWorldDay + c.lngBegin) << c.strWhat << ", zone " << zone;
            EXPECT_EQ(end, kWorldDay + c.lngEnd) << c.strWhat << ", zone " << zone;
        }
    }
}

TEST_F(AspectTimingTest, StepsOfOneDayForAFastBody) {
    // Sun square Mars, half a degree past exact at the first midnight, the Sun 1 degree a
    // day ahead.
    dblStart[1] = 190.5;
    dblStart[4] = 100.0;
    dblSpeed[1] = 1.0;
    std::vector<ZDR::WalkCall> log;
    ZDR::WalkPositions positions(kWorldDay, 0, udtTestOptions, MadeUpLongitude);
    positions.pudtCallLog = &log;
    const ZDR::AspectWalk walk = World(1, 4, 3);
    EXPECT_EQ(ZDR::BeginningOfAspect(walk, positions), kWorldDay - 11);
    EXPECT_EQ(ZDR::EndOfAspect(walk, positions), kWorldDay + 9);
    std::vector<long> expected;
    for (long n = 0; n >= -11; --n)
        expected.push_back(n);
    for (long n = 1; n <= 10; ++n)
        expected.push_back(n);
    EXPECT_EQ(DaysAsked(log, 1, positions), expected);
    // Mars is asked on the same days; each position once.
    EXPECT_EQ(DaysAsked(log, 4, positions), expected);
    EXPECT_EQ(positions.EphemerisCalls(), 44);
}

TEST_F(AspectTimingTest, StepsBySlowStrengthForTwoSlowBodies) {
    // Uranus trine Pluto, exact at the first midnight, Uranus 0.41 degrees a day ahead:
    // strength 1 steps 11 days, then 6, 4, 2 and 1 as the orb's edge comes near.
    dblStart[7] = 220.0;
    dblStart[9] = 100.0;
    dblSpeed[7] = 0.41;
    std::vector<ZDR::WalkCall> log;
    ZDR::WalkPositions positions(kWorldDay, 0, udtTestOptions, MadeUpLongitude);
    positions.pudtCallLog = &log;
    EXPECT_EQ(ZDR::BeginningOfAspect(World(7, 9, 4), positions), kWorldDay - 25);
    EXPECT_EQ(DaysAsked(log, 7, positions), (std::vector<long>{0, -11, -17, -21, -23, -24, -25}));
}

TEST_F(AspectTimingTest, OutsideThePositionDataGivesMinusOne) {
    // An aspect that stays in orb: both walks run out of the data.
    dblStart[1] = 100.0;
    dblStart[4] = 100.0;
    dblFirstJD = kWorldDay - 30.0;
    dblLastJD = kWorldDay + 30.0;
    ZDR::WalkPositions positions(kWorldDay, 60, udtTestOptions, MadeUpLongitude);
    EXPECT_EQ(ZDR::BeginningOfAspect(World(1, 4, 1), positions), -1);
    EXPECT_EQ(ZDR::EndOfAspect(World(1, 4, 1), positions), -1);
    EXPECT_TRUE(ZDR::ExactMoments(World(1, 4, 1), positions, -1, kWorldDay).empty());
}

TEST_F(AspectTimingTest, TheNatalBodyStaysFixed) {
    // The natal Sun at the birth JD stands at 100 degrees (it moves 1 degree a day in the
    // made-up sky); transiting Pluto creeps over it at 0.2 degrees a day, orb 2 degrees.
    const double natalJD = kWorldDay - 0.5 - 1000.0;
    dblStart[1] = 100.0 + 1000.0;
    dblSpeed[1] = 1.0;
    dblStart[9] = 99.1;
    dblSpeed[9] = 0.2;
    ZDR::AspectWalk walk = World(1, 9, 1);
    walk.intPersonal = 1;
    walk.blnNatalFixed = true;
    walk.dblNatalJD = natalJD;
    std::vector<ZDR::WalkCall> log;
    ZDR::WalkPositions positions(kWorldDay, 0, udtTestOptions, MadeUpLongitude);
    positions.pudtCallLog = &log;
    // -0.9 degrees at the first midnight: in orb from day -5 (-1.9) to day 14 (+1.9).
    EXPECT_EQ(ZDR::BeginningOfAspect(walk, positions), kWorldDay - 6);
    EXPECT_EQ(ZDR::EndOfAspect(walk, positions), kWorldDay + 14);
    int natalCalls = 0;
    for (const ZDR::WalkCall& call : log) {
        if (call.intBody == 1) {
            ++natalCalls;
            EXPECT_EQ(call.dblJD, natalJD);
        }
    }
    EXPECT_EQ(natalCalls, 1);
}

TEST_F(AspectTimingTest, ExactMomentsOfARetrogradeLoop) {
    // Body 7 swings around body 9 (fixed): deviation 3 sin(2 pi t / 40) with t in days
    // from the first midnight, crossing exactness at t = 0, 20, 40.
    struct Loop {
        static double Longitude(int16_t body, double jd) {
            const double t = jd - (kWorldDay - 0.5);
            if (body == 9)
                return Rad(100.0);
            return Rad(100.0 + 0.5 + 3.0 * std::sin(2 * 3.14159265358979 * (t - 0.5) / 40.0));
        }
    };
    ZDR::WalkPositions positions(kWorldDay, 0, udtTestOptions, Loop::Longitude);
    const std::vector<double> moments =
        ZDR::ExactMoments(World(7, 9, 1), positions, kWorldDay - 10, kWorldDay + 50);
    ASSERT_EQ(moments.size(), 3u);
    // The sine is 0.5/3 below its zero crossings' level: solve sin x = -1/6 by hand.
    const double x = std::asin(-1.0 / 6.0);
    const double expected[3] = {x, 3.14159265358979 - x, 2 * 3.14159265358979 + x};
    for (int i = 0; i < 3; ++i) {
        const double t = 0.5 + expected[i] / (2 * 3.14159265358979) * 40.0;
        EXPECT_NEAR(moments[i], kWorldDay - 0.5 + t, 1.0 / 1440) << i;
    }
}

TEST(LocalDayNumber, EveryZoneAndHalfHourGivesTheEnteredDate) {
    // The JD of every entered date set of one day lands on that day, although the
    // arithmetic in floating point may fall a hair below the whole number.
    const int32_t jdn = 2451545;  // 2000-01-01
    for (int zone = -690; zone <= 690; zone += 30) {
        for (int h = 1; h <= 48; ++h) {
            const double jd = DatePr2::DateSetToJD("2000", 1, 1, h, zone);
            EXPECT_EQ(ZDR::LocalDayNumber(jd, zone), jdn) << "zone " << zone << " half hour " << h;
        }
        ZDR::WalkPositions positions(jdn, static_cast<int16_t>(zone), udtTestOptions);
        for (int32_t n = -400; n <= 400; n += 7)
            EXPECT_EQ(ZDR::LocalDayNumber(positions.MidnightJD(n), zone), jdn + n) << zone;
    }
}

}  // namespace
