// The durations of the aspects: the bodies each cell holds in every mode, the lines of
// the durations list, the duration texts and the titles of the durations window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/DurationsTestSupport.h"

namespace {

using ZDR::AspectRecordFields;
using ZDR::RecordTiming;

class DurationsTest : public DurationsFixture {};

const std::string kCrLf = "\r\n";

// A sky without positions: every walk runs out of the data at once.
double NoPosition(int16_t, double) {
    return -100;
}

// One mode: chart A and chart B longitudes (degrees, bodies not named have none) and the
// records expected: first body, second body, aspect, timing.
struct ModeCase {
    int16_t intMode;
    std::vector<std::pair<int, double>> udtChartA;
    std::vector<std::pair<int, double>> udtChartB;
    std::vector<std::array<int, 3>> udtRecords;
    RecordTiming intMoonTiming;  // the timing of records whose second body is the Moon
    RecordTiming intTiming;      // of the others
};

TEST_F(DurationsTest, EachRecordNamesTheBodiesOfItsCell) {
    const ModeCase cases[] = {
        // Mars square Saturn, Mars opposite the Moon, Saturn square the Moon.
        {ZDR::intModeWorldTransits,
         {{4, 10}, {6, 100}, {10, 190}},
         {},
         {{4, 6, 3}, {4, 10, 2}, {6, 10, 3}},
         RecordTiming::Moon,
         RecordTiming::Days},
        {ZDR::intModeNatal1,
         {{4, 10}, {6, 100}, {10, 190}},
         {},
         {{4, 6, 3}, {4, 10, 2}, {6, 10, 3}},
         RecordTiming::NotApplicable,
         RecordTiming::NotApplicable},
        // Natal Venus trine transiting Jupiter and conjunct the transiting Moon; the natal
        // Moon conjunct transiting Jupiter and trine the transiting Moon.
        {ZDR::intModePersonal1,
         {{5, 40}, {10, 160}},
         {{3, 160}, {10, 40}},
         {{3, 5, 4}, {3, 10, 1}, {10, 5, 1}, {10, 10, 4}},
         RecordTiming::Moon,
         RecordTiming::Days},
        // Mercury (1) opposite Uranus (2), the Moon (1) conjunct Uranus (2).
        {ZDR::intModeSynastry,
         {{2, 0}, {10, 180}},
         {{7, 180}},
         {{2, 7, 2}, {10, 7, 1}},
         RecordTiming::NotApplicable,
         RecordTiming::NotApplicable},
    };
    for (const ModeCase& c : cases) {
        for (auto& pos : udtTestChart.dblPos)
            pos[0] = pos[1] = -99;
        for (const auto& [body, degrees] : c.udtChartA)
            udtTestChart.dblPos[body][0] = Rad(degrees);
        for (const auto& [body, degrees] : c.udtChartB)
            udtTestChart.dblPos[body][1] = Rad(degrees);
        udtTestChart.intNumBodies = 10;
        ZDR::ComputeResult& result = udtTestChart;
        ZDR::ComputeFromPositions(
            c.intMode, false,
            TestOptions(ZDR::DefaultOptions(Language::intEnglish, ZDR::ConfigOptions{})), result);
        ZDR::TimingContext context;
        context.udtOptions = udtTestOptions;
        context.intModeCode = c.intMode;
        context.lngWorldDay = 2458856;
        ZDR::WalkPositions positions(context.lngWorldDay, 0, udtTestOptions, NoPosition);
        const std::vector<std::string> records =
            ZDR::GetDurations(result.udtTable, context, udtTestChart.dblPos, positions);
        ASSERT_EQ(records.size(), c.udtRecords.size()) << "mode " << c.intMode;
        for (std::size_t i = 0; i < records.size(); ++i) {
            AspectRecordFields f;
            ASSERT_TRUE(ZDR::ParseAspectRecord(records[i], f)) << records[i];
            EXPECT_EQ(f.intFirst, c.udtRecords[i][0]) << "mode " << c.intMode << ": " << records[i];
            EXPECT_EQ(f.intSecond, c.udtRecords[i][1])
                << "mode " << c.intMode << ": " << records[i];
            EXPECT_EQ(f.intAspect, c.udtRecords[i][2])
                << "mode " << c.intMode << ": " << records[i];
            EXPECT_LT(f.dblDeviation, 1e-6) << records[i];
            EXPECT_EQ(f.intTiming, f.intSecond == 10 ? c.intMoonTiming : c.intTiming) << records[i];
            if (f.intTiming == RecordTiming::Days) {
                EXPECT_EQ(f.dblBegin, -1);
                EXPECT_EQ(f.dblEnd, -1);
            }
        }
    }
}

TEST_F(DurationsTest, CellsWithoutAPairGiveNoBodies) {
    struct Row {
        int16_t intMode, intCols, intIndex;
    } rows[] = {
        {ZDR::intModeWorldTransits, 10, 3},    // a position cell
        {ZDR::intModeWorldTransits, 10, 13},   // a glyph
        {ZDR::intModeWorldTransits, 10, 20},   // the diagonal glyph of the Sun
        {ZDR::intModeWorldTransits, 10, 100},  // the zodiac cell
        {ZDR::intModeNatal2, 10, 107},         // below the diagonal
        {ZDR::intModePersonal1, 12, 13},       // the corner
        {ZDR::intModePersonal1, 12, 25},       // a natal glyph
        {ZDR::intModeSynastry, 12, 36},        // a position of chart B
        {0, 10, 25},                           // no mode
    };
    for (const Row& r : rows) {
        int16_t first = 0, second = 0;
        EXPECT_FALSE(ZDR::CellBodies(r.intMode, r.intCols, r.intIndex, first, second))
            << r.intMode << " " << r.intIndex;
    }
    // The last aspect cells of each layout.
    int16_t first = 0, second = 0;
    ASSERT_TRUE(ZDR::CellBodies(ZDR::intModeWorldTransits, 10, 109, first, second));
    EXPECT_EQ(first, 9);
    EXPECT_EQ(second, 10);
    ASSERT_TRUE(ZDR::CellBodies(ZDR::intModeNatal1, 10, 21, first, second));
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    ASSERT_TRUE(ZDR::CellBodies(ZDR::intModePersonal2, 12, 143, first, second));
    EXPECT_EQ(first, 10);
    EXPECT_EQ(second, 10);
    ASSERT_TRUE(ZDR::CellBodies(ZDR::intModeSynastry, 12, 35, first, second));
    EXPECT_EQ(first, 10);
    EXPECT_EQ(second, 1);
}
TEST_F(DurationsTest, DurationTexts) {
    struct Row {
        int32_t intDays;
        const char* strEnglish;
        const char* strGerman;
    } rows[] = {
        {1, "1 day", "1 Tag"},
        {2, "2 days", "2 Tage"},
        {364, "364 days", "364 Tage"},
        {365, "1 year", "1 Jahr"},
        {366, "1 year, 1 day", "1 Jahr, 1 Tag"},
        {400, "1 year, 35 days", "1 Jahr, 35 Tage"},
        {730, "1 year, 365 days", "1 Jahr, 365 Tage"},
        {731, "2 years, 1 day", "2 Jahre, 1 Tag"},
        {1000, "2 years, 270 days", "2 Jahre, 270 Tage"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ZDR::DurationText(r.intDays), r.strEnglish);
    German();
    for (const Row& r : rows)
        EXPECT_EQ(ZDR::DurationText(r.intDays), r.strGerman);
}

std::string Blanks(int n) {
    return std::string(n, ' ');
}

TEST_F(DurationsTest, LinesOfTheDurationsList) {
    ZDR::DurationListView world;
    world.udtOptions = udtTestOptions;
    world.intModeCode = ZDR::intModeWorldTransits;
    world.intWidth = ZDR::DurationColumnWidths();
    EXPECT_EQ(world.intWidth, (ZDR::DurationColumns{0, 7, 21, 7, 19, 19, 29}));
    AspectRecordFields f;
    // Sun square Mars, 2°13' from exact, from 7 to 31 January 2020.
    ASSERT_TRUE(ZDR::ParseAspectRecord(Timed(1, 4, 3, Rad(2 + 13.0 / 60), 2458856, 2458880), f));
    const std::string bodies = "Sun     square (2°13')" + Blanks(7) + " Mars   ";
    EXPECT_EQ(ZDR::FormatDurationLine(world, f), bodies + " from January 7, 2020," + Blanks(3) +
                                                     " to January 31, 2020" + Blanks(3) +
                                                     "(25 days)");
    world.blnShowDuration = false;
    EXPECT_EQ(ZDR::FormatDurationLine(world, f), "Sun     square (2°13')" + Blanks(7) + " Mars");

    // Personal transits: the transiting body first; an end not found.
    ZDR::DurationListView personal = world;
    personal.intModeCode = ZDR::intModePersonal2;
    personal.blnShowDuration = true;
    ASSERT_TRUE(ZDR::ParseAspectRecord(Timed(3, 5, 4, Rad(0.5), 2458856, -1), f));
    EXPECT_EQ(ZDR::FormatDurationLine(personal, f), "tr.Jupiter trine (0°30')" + Blanks(8) +
                                                        " n.Venus   from January 7, 2020," +
                                                        Blanks(3) + " to (unknown)");

    // The Moon: how long its aspects last, four hours a degree of the orb in force.
    ASSERT_TRUE(ZDR::ParseAspectRecord(Untimed(1, 10, 1, Rad(1), RecordTiming::Moon), f));
    world.blnShowDuration = true;
    EXPECT_EQ(
        ZDR::FormatDurationLine(world, f),
        "Sun     conjunct (1°0')" + Blanks(6) + " Moon    (a Moon aspect lasts about 40 hours)");
    ASSERT_TRUE(ZDR::ParseAspectRecord(Untimed(4, 10, 1, Rad(1), RecordTiming::Moon), f));
    EXPECT_EQ(ZDR::FormatDurationLine(personal, f),
              "tr.Moon    conjunct (1°0')" + Blanks(6) +
                  " n.Mars    (a Moon aspect lasts about 13 hours)");

    German();
    personal.intWidth = ZDR::DurationColumnWidths();
    ASSERT_TRUE(ZDR::ParseAspectRecord(Timed(3, 5, 4, Rad(0.5), 2458856, 2458900), f));
    EXPECT_EQ(ZDR::FormatDurationLine(personal, f),
              "tr.Jupiter Trigon (0°30')" + Blanks(7) + " r.Venus   vom 7.Januar 2020" + Blanks(6) +
                  " bis 20.Februar 2020" + Blanks(4) + "(45 Tage)");
}

TEST_F(DurationsTest, SortedByBeginningTheTransitingMoonIsLeftOut) {
    const std::vector<std::string> records = {Timed(1, 4, 3, 0.01, 2458850, 2458860),
                                              Untimed(2, 10, 1, 0.02, RecordTiming::Moon)};
    for (int16_t mode : {ZDR::intModeWorldTransits, ZDR::intModePersonal1}) {
        ZDR::DurationListView view;
        view.udtOptions = udtTestOptions;
        view.intModeCode = mode;
        view.intWidth = ZDR::DurationColumnWidths();
        struct Row {
            int16_t intSort;
            std::size_t intLines;
        } rows[] = {{ZDR::intSortBeginning, 1},
                    {ZDR::intSortEnd, 1},
                    {ZDR::intSortFirstBody, 2},
                    {ZDR::intSortDuration, 2}};
        for (const Row& r : rows) {
            view.intSortIndex = r.intSort;
            const std::string text = ZDR::DurationListText(records, view);
            std::size_t lines = 0;
            for (std::size_t at = text.find(kCrLf); at != std::string::npos;
                 at = text.find(kCrLf, at + 2))
                ++lines;
            EXPECT_EQ(lines, r.intLines) << "mode " << mode << " sort " << r.intSort;
        }
    }
}

TEST_F(DurationsTest, CaptionsAndTitlesOfEachMode) {
    const std::string dates[3] = {"March 10, 2024, 22:00 (GMT+1:00)", "May 17, 1970, 14:00 (GMT)",
                                  "May 17, 1971, 12:00 (GMT)"};
    struct Row {
        int16_t intMode;
        const char* strCaption;
        const char* strTitle;
    } rows[] = {
        {ZDR::intModeWorldTransits, "Durations of current aspects: World transits",
         "World transits on March 10, 2024, 22:00 (GMT+1:00), tropical zodiac"},
        {ZDR::intModePersonal2, "Durations of current aspects: Personal transits",
         "Personal transits for the 2nd birthdate, May 17, 1971, 12:00 (GMT): transits of March "
         "10, 2024, 22:00 (GMT+1:00), tropical zodiac"},
        {ZDR::intModeNatal1, "Natal aspects of the 1st birthdate",
         "Natal chart of May 17, 1970, 14:00 (GMT), tropical zodiac"},
        {ZDR::intModeSynastry, "Synastry",
         "Synastry of birthdate (1) May 17, 1970, 14:00 (GMT) with birthdate (2) May 17, 1971, "
         "12:00 (GMT), tropical zodiac"},
        {0, "", ""},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(ZDR::DurationsCaption(r.intMode), r.strCaption);
        EXPECT_EQ(ZDR::DurationsTitle(r.intMode, dates, TestSidereal()), r.strTitle);
    }
}
}  // namespace
