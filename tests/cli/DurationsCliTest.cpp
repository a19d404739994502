// zodarc-cli durations, run as the built program: the list and its sort orders, JSON with
// the exact moments, the chart description of the natal modes, and usage errors.
#include <gtest/gtest.h>

#include <string>

#include "tests/cli/CliRunner.h"

namespace {

using CliRunner::BeginsWith;
using CliRunner::Cli;
using CliRunner::CliRun;
using CliRunner::Holds;

const std::string kWorld = "durations --date 2024-03-10 --time 22:00 --zone +1:00";

TEST(DurationsCli, ListSortedByDeviation) {
    const CliRun run = Cli(kWorld);
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_TRUE(BeginsWith(run.strOut,
                           "World transits on March 10, 2024, 22:00 (GMT+1:00), tropical zodiac\n\n"
                           "Mercury sextile (0°6')        Pluto   from March 8, 2024,      to "
                           "March 13, 2024     (6 days)\n"));
    EXPECT_TRUE(Holds(run.strOut,
                      "Mars    square (0°41')        Uranus  from March 1, 2024,      "
                      "to March 18, 2024     (18 days)\n"));
    EXPECT_TRUE(Holds(run.strOut,
                      "Neptune conjunct (0°47')      Moon    (a Moon aspect lasts "
                      "about 40 hours)\n"));
}

TEST(DurationsCli, SortOrdersAndNoDuration) {
    CliRun run = Cli(kWorld + " --sort begin --no-duration");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    // Sorted by the beginning, the Moon's aspects are left out; the earliest comes first.
    EXPECT_FALSE(Holds(run.strOut, "Moon"));
    EXPECT_TRUE(Holds(run.strOut, "\n\nNeptune sextile (4°21')       Pluto\nJupiter sextile"));
    run = Cli(kWorld + " --sort=second");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_TRUE(Holds(run.strOut, "\n\nMercury semisextile (2°38')   Venus   from"));
    run = Cli(kWorld + " --sort later");
    EXPECT_EQ(run.intExit, 2);
    EXPECT_TRUE(Holds(run.strErr, "'later' after --sort: expected first, aspect"));
    EXPECT_EQ(Cli(kWorld + " --sort").intExit, 2);
}

TEST(DurationsCli, JsonWithExactMoments) {
    const CliRun run = Cli(kWorld + " --json --exact --language de");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_TRUE(BeginsWith(run.strOut,
                           "[{\"first\": \"Mercury\", \"second\": \"Pluto\", "
                           "\"aspect\": \"Sextile\", \"deviation\": 0.1066, \"begin\": "
                           "\"2024-03-08\", \"end\": \"2024-03-13\", \"days\": 6, "
                           "\"exact\": [\"2024-03-10T23:22\"]}"));
    EXPECT_TRUE(Holds(run.strOut,
                      "{\"first\": \"Mars\", \"second\": \"Uranus\", \"aspect\": "
                      "\"Square\", \"deviation\": 0.6822, \"begin\": \"2024-03-01\", "
                      "\"end\": \"2024-03-18\", \"days\": 18, \"exact\": "
                      "[\"2024-03-09T23:55\"]}"));
    EXPECT_TRUE(Holds(run.strOut,
                      "\"second\": \"Moon\", \"aspect\": \"Conjunction\", "
                      "\"deviation\": 0.7862, \"begin\": null, \"end\": null, "
                      "\"days\": null, \"exact\": null}"));
    // A retrograde transit exact three times.
    EXPECT_TRUE(Holds(run.strOut, "\"exact\": [\"2026-07-24T22:21\", \"2026-09-16T09:20\", "));
}

TEST(DurationsCli, PersonalTransitsInGerman) {
    const CliRun run =
        Cli("durations --mode personal1 --birth1-date 1970-05-17 --birth1-time 14:00 "
            "--date 2024-03-10 --language de --exact");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_TRUE(BeginsWith(run.strOut,
                           "Persönliche Transite für das 1. Geburtsdatum, 17.Mai 1970, 14:00 "
                           "(GMT): Transite vom 10.März 2024, 12:00 (GMT), tropischer Tierkreis\n\n"
                           "tr.Venus   Trigon (0°14')        r.Jupiter vom 8.März 2024         bis "
                           "12.März 2024       (5 Tage)\n    exact: 2024-03-10T07:28\n"));
    EXPECT_TRUE(Holds(run.strOut,
                      "tr.Mond    Quadrat (1°46')       r.Venus   (ein Mondaspekt "
                      "dauert etwa 8 Stunden)\n"));
}

TEST(DurationsCli, NatalChartDescribed) {
    const CliRun run = Cli("durations --mode natal1 --birth1-date 1970-05-17 --birth1-time 14:00");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_TRUE(BeginsWith(run.strOut,
                           "Natal chart of May 17, 1970, 14:00 (GMT), tropical zodiac\n\n"
                           "There are fifteen aspects in this natal chart.\n\n"
                           "Mercury (14° in Taurus) conjunct Saturn (14° in Taurus), 0°1' from "
                           "exact.\nThe next closest is Venus (24° in Gemini) square Pluto (25° "
                           "in Virgo), 0°49' from exact.\n"));
    EXPECT_TRUE(Holds(run.strOut,
                      "\nThere are three conjunctions, one opposition, two squares, "
                      "two trines, one sextile, three semisextiles and three "
                      "quincunxes.\n\nThere are two midpoints:\n"));
    const CliRun json =
        Cli("durations --mode natal1 --birth1-date 1970-05-17 --birth1-time 14:00 --json --exact");
    ASSERT_EQ(json.intExit, 0) << json.strErr;
    EXPECT_TRUE(BeginsWith(json.strOut,
                           "[{\"first\": \"Mercury\", \"second\": \"Saturn\", "
                           "\"aspect\": \"Conjunction\", \"deviation\": 0.0139, "
                           "\"begin\": null, \"end\": null, \"days\": null, "
                           "\"exact\": null}"));
}

}  // namespace

namespace {

// The angles of a birthdate with a place take part with --angles, and only with a place.
TEST(DurationsCli, AnglesOfABirthplace) {
    const std::string birth =
        " --mode personal1 --date 2026-12-08 --birth1-date 1990-05-15 --birth1-time 14:30 "
        "--birth1-lat 52.52 --birth1-lon 13.405 --birth1-tz Europe/Berlin";
    CliRun run = Cli("durations" + birth);
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_FALSE(Holds(run.strOut, "Midheaven"));
    run = Cli("durations" + birth + " --angles");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_TRUE(Holds(run.strOut, "tr.Sun       opposite (1°15')      n.Midheaven from December "
                                  "4, 2026,   to December 10, 2026  (7 days)\n"));
    for (const char* command : {"table --date 2026-12-08", "durations --mode natal1 "
                                                           "--birth1-date 1990-05-15"}) {
        run = Cli(std::string(command) + " --angles");
        EXPECT_EQ(run.intExit, 2) << command;
        EXPECT_TRUE(Holds(run.strErr, "--angles: no birthdate of the mode has a place")) << command;
    }
}

}  // namespace
