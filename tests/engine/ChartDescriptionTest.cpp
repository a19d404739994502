// The description of a natal chart or a synastry in sentences, with its pattern sections.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/ChartDescription.h"
#include "tests/engine/DurationsTestSupport.h"

namespace {

using ZDR::AspectRecordFields;
using ZDR::RecordTiming;

class ChartDescriptionTest : public DurationsFixture {};

TEST_F(ChartDescriptionTest, DescriptionOfOneTwoAndManyAspects) {
    const ZDR::DurationColumns widths = ZDR::DurationColumnWidths();
    // Sun 0°, Mars 90°, Neptune 125°: the Sun square Mars exactly, trine Neptune 5° wide.
    udtTestChart.dblPos[1][0] = Rad(0);
    udtTestChart.dblPos[4][0] = Rad(90);
    udtTestChart.dblPos[8][0] = Rad(125);
    const std::string square = Untimed(1, 4, 3, 0.0, RecordTiming::NotApplicable);
    const std::string trine = Untimed(1, 8, 4, Rad(5), RecordTiming::NotApplicable);
    const std::string noPatterns = "\r\nThere are no aspect patterns.\r\n";

    EXPECT_EQ(ZDR::ChartDescription({square}, ZDR::intModeNatal1, udtTestChart, MidpointOptions(0),
                                    widths),
              "There is one aspect in this natal chart.\r\n\r\n"
              "Sun (0° in Aries) square Mars (0° in Cancer), exact to the minute.\r\n" +
                  noPatterns);
    EXPECT_EQ(ZDR::ChartDescription({square, trine}, ZDR::intModeNatal1, udtTestChart,
                                    MidpointOptions(0), widths),
              "There are two aspects in this natal chart.\r\n\r\n"
              "Sun (0° in Aries) square Mars (0° in Cancer), exact to the minute.\r\n"
              "The next closest is Sun (0° in Aries) trine Neptune (5° in Leo), 5°0' from "
              "exact.\r\n" +
                  noPatterns);

    // Neptune at 120°: three exact aspects, a count line.
    udtTestChart.dblPos[8][0] = Rad(120);
    const std::vector<std::string> three = {square,
                                            Untimed(1, 8, 4, 0.0, RecordTiming::NotApplicable),
                                            Untimed(4, 8, 6, 0.0, RecordTiming::NotApplicable)};
    EXPECT_EQ(
        ZDR::ChartDescription(three, ZDR::intModeNatal1, udtTestChart, MidpointOptions(0), widths),
        "There are three aspects in this natal chart.\r\n\r\n"
        "Sun (0° in Aries) square Mars (0° in Cancer), exact to the minute.\r\n"
        "Also exact is Sun (0° in Aries) trine Neptune (0° in Leo).\r\n"
        "\r\nThe other aspects, closest first:\r\n"
        "Mars (0° in Cancer) semisextile Neptune (0° in Leo), 0°0' from exact.\r\n"
        "\r\nThere are no conjunctions, no oppositions, one square, one trine, no sextiles, "
        "one semisextile and no quincunxes.\r\n" +
            noPatterns);
}

TEST_F(ChartDescriptionTest, SynastryDescriptionHasNoPatternSection) {
    udtTestChart.dblPos[2][0] = Rad(0);
    udtTestChart.dblPos[7][1] = Rad(180.5);
    const std::string opposition = Untimed(2, 7, 2, Rad(0.5), RecordTiming::NotApplicable);
    const ZDR::DurationColumns widths = ZDR::DurationColumnWidths();
    EXPECT_EQ(ZDR::ChartDescription({opposition}, ZDR::intModeSynastry, udtTestChart,
                                    MidpointOptions(0), widths),
              "There is one aspect in this synastry.\r\n\r\n"
              "Mercury(1) (0° in Aries) opposite Uranus(2) (0° in Libra), 0°30' from exact.\r\n");
    German();
    EXPECT_EQ(ZDR::ChartDescription({opposition, opposition}, ZDR::intModeSynastry, udtTestChart,
                                    MidpointOptions(0), ZDR::DurationColumnWidths())
                  .rfind("In dieser Synastrie gibt es zwei Aspekte.\r\n\r\n", 0),
              0u);
}

TEST_F(ChartDescriptionTest, PatternSectionHeadings) {
    struct Row {
        int16_t intCount, intPattern;
        const char* strExpected;
    } rows[] = {
        {1, 3, "\r\nThere is one T-square: Sun-Mars-Pluto\r\n"},
        {2, 4, "\r\nThere are two grand crosses:\r\nSun-Mars-Pluto\r\n"},
        {3, 13, "\r\nThere are three midpoints:\r\nSun-Mars-Pluto\r\n"},
        {1, 11, "\r\nThere is one 3-stellium: Sun-Mars-Pluto\r\n"},
    };
    for (const Row& r : rows) {
        std::string text;
        int16_t listed = 1;
        ZDR::AppendPatternSection(text, "Sun-Mars-Pluto\r\n", r.intCount, r.intPattern, listed);
        EXPECT_EQ(text, r.strExpected);
        EXPECT_EQ(listed, 1 + r.intCount);
    }
    German();
    std::string text;
    int16_t listed = 0;
    ZDR::AppendPatternSection(text, "Sonne-Mars-Pluto\r\n", 1, 0, listed);
    EXPECT_EQ(text, "\r\nAspektmuster Großes Trigon: Sonne-Mars-Pluto\r\n");
}
}  // namespace
