// zodarc-cli search, run as the built program: its finds compared with a separate
// brute-force walk over Julian Days that computes the whole table and report at every
// step, the listing of a span, both languages, JSON, the end of the range and usage errors.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "astro/DatePr2.h"
#include "config/Options.h"
#include "config/OptionsInForce.h"
#include "engine/Compute.h"
#include "engine/EngineTables.h"
#include "engine/Report.h"
#include "tests/EngineTestSupport.h"
#include "tests/cli/CliRunner.h"

namespace {

using CliRunner::CliRun;
using CliRunner::Holds;

CliRun Search(const std::string& args) {
    return CliRunner::Cli("search " + args);
}

// A moment of the walk as the command prints it: "2024-01-28 12:00" in the zone given.
std::string MomentText(double jd, int zoneMinutes) {
    const double local = jd + 0.5 + zoneMinutes / 1440.0;
    datekit::EuroDateRecord rec;
    rec.JDN = static_cast<int32_t>(std::floor(local + 1e-9));
    DatePr2::JDNToDate(rec);
    const int minutes = static_cast<int>(std::lround((local - rec.JDN) * 1440));
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", static_cast<int>(rec.Year),
                  static_cast<int>(rec.Month), static_cast<int>(rec.Day), minutes / 60,
                  minutes % 60);
    return text;
}

// The count of pattern p that the report of World transits at jd lists, default options.
int16_t ReportCount(double jd, int16_t p) {
    const ZDR::ConfigOptions options = ZDR::DefaultOptions(Language::intEnglish, {});
    const double dates[3] = {jd, 0, 0};
    ZDR::ComputeResult result;
    ZDR::ComputeAtJD(ZDR::intModeWorldTransits, dates, false, options, result);
    for (int16_t& n : ZDR::intNumPatternsOfType)
        n = 0;
    ZDR::BuildSingleChartReport(false, ZDR::MidpointOrb(options.intMidpointOrbIndex),
                                result.intNumRetro, result.strRetroList, false);
    return ZDR::intNumPatternsOfType[p];
}

// The moments after start (JD, UT), span days apart, up to last, at which the report
// lists at least atLeast of pattern p.
std::vector<std::string> Walk(double start, double span, double last, int16_t p, int atLeast,
                              int zoneMinutes, bool blnFirstOnly) {
    std::vector<std::string> found;
    for (int n = 1;; ++n) {
        const double jd = start + n * span;
        if (span > 0 ? jd > last : jd < last)
            break;
        if (ReportCount(jd, p) >= atLeast) {
            found.push_back(MomentText(jd, zoneMinutes));
            if (blnFirstOnly)
                break;
        }
    }
    return found;
}

class SearchCli : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(LoadTestDataFiles());
        ZDR::UseSettings(ZDR::DefaultOptions(Language::intEnglish, {}));
    }
    SavedEngineTables udtSaved;
};

struct FirstFind {
    const char* strArgs;
    double dblStartJD;  // UT, as the date arithmetic gives it
    double dblSpan;     // days; negative backwards
    int16_t intPattern;
    int intAtLeast;
    int intZoneMinutes;
};

TEST_F(SearchCli, TheFirstFindIsTheWalksFirstFind) {
    const FirstFind cases[] = {
        {"--date 2024-01-01 --pattern 'grand trine'", DatePr2::DateSetToJD("2024", 1, 1, 25, 0), 1,
         0, 1, 0},
        {"--date 1990-05-17 --time 06:30 --zone +02:00 --pattern t-square --at-least 3",
         DatePr2::DateSetToJD("1990", 5, 17, 14, 120), 1, 3, 3, 120},
        {"--date 2010-06-01 --step week --back --pattern Yod",
         DatePr2::DateSetToJD("2010", 6, 1, 25, 0), -7, 5, 1, 0},
        {"--date 2024-03-10 --time 21:00 --step half-hour --pattern 'Großes Trigon'",
         DatePr2::DateSetToJD("2024", 3, 10, 43, 0), 1.0 / 48, 0, 1, 0},
        {"--date 1975-01-01 --pattern 13 --at-least 4", DatePr2::DateSetToJD("1975", 1, 1, 25, 0),
         1, 13, 4, 0},
    };
    for (const FirstFind& c : cases) {
        const CliRun run = Search(c.strArgs);
        ASSERT_EQ(run.intExit, 0) << c.strArgs << "\n" << run.strErr << run.strOut;
        const double last = c.dblStartJD + (c.dblSpan > 0 ? 3000 : -3000);
        const std::vector<std::string> walk =
            Walk(c.dblStartJD, c.dblSpan, last, c.intPattern, c.intAtLeast, c.intZoneMinutes, true);
        ASSERT_EQ(walk.size(), 1u) << c.strArgs;
        EXPECT_TRUE(CliRunner::BeginsWith(run.strOut, walk[0] + "  ")) << c.strArgs;
    }
}

TEST_F(SearchCli, AllListsEveryStepOfTheSpanWithThePattern) {
    const CliRun run = Search("--date 2023-12-31 --pattern yod --all --until 2024-12-31");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    const std::vector<std::string> walk =
        Walk(DatePr2::DateSetToJD("2023", 12, 31, 25, 0), 1,
             DatePr2::DateSetToJD("2024", 12, 31, 25, 0), 5, 1, 0, false);
    ASSERT_GT(walk.size(), 5u);
    std::string expected;
    for (const std::string& moment : walk)
        expected += moment + "  Yod found.\n";
    EXPECT_EQ(run.strOut, expected);
}

TEST_F(SearchCli, MessagesJsonAndTheEndOfTheSpan) {
    CliRun run = Search("--date 2024-01-01 --pattern 't square' --at-least 2 --language de");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_TRUE(Holds(run.strOut, "  Zwei T-Quadrat gefunden.\n"));

    run = Search("--date 2024-01-01 --pattern grand_trine --json");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_EQ(run.strOut,
              "{\"found\": true, \"date\": \"2024-01-28\", \"time\": \"12:00\", \"count\": 1, "
              "\"message\": \"Grand trine found.\"}\n");

    // The grand sextile is rare: none in the span, and none before the end of the range.
    run = Search("--date 2024-01-01 --pattern 'grand sextile' --until 2024-02-01");
    EXPECT_EQ(run.intExit, 1);
    EXPECT_EQ(run.strOut, "Not found from 2024-01-01 12:00 to 2024-02-01 12:00.\n");
    run = Search("--date 2024-01-01 --pattern 'grand sextile' --all --until 2024-01-03 --json");
    EXPECT_EQ(run.intExit, 1);
    EXPECT_EQ(run.strOut, "[]\n");
    run = Search("--date 2799-12-20 --pattern 12 --json");
    EXPECT_EQ(run.intExit, 1);
    EXPECT_EQ(run.strOut,
              "{\"found\": false, \"date\": \"2799-12-31\", \"time\": \"12:00\", \"count\": 0, "
              "\"message\": \"\"}\n");
    run = Search("--date 0001-01-03 --back --pattern kite");
    EXPECT_EQ(run.intExit, 1);
    EXPECT_EQ(run.strOut, "Not found from 0001-01-03 12:00 to 0001-01-01 12:00.\n");
}

TEST_F(SearchCli, UsageErrors) {
    const char* const wrong[] = {
        "--date 2024-01-01",
        "--date 2024-01-01 --pattern 'grand square'",
        "--date 2024-01-01 --pattern 14",
        "--date 2024-01-01 --pattern kite --step fortnight",
        "--date 2024-01-01 --pattern kite --at-least 0",
        "--date 2024-01-01 --pattern kite --all",
        "--date 2024-01-01 --pattern kite --until 2024-02-30",
        "--date 2023-02-29 --pattern kite",
        "--date 2800-01-01 --pattern kite",
        "--pattern kite",
        "--jd 2451545 --pattern kite",
        "--date 2024-01-01 --pattern kite --mode natal1",
        "--date 2024-01-01 --pattern",
        // Every date option reads its date alike, and strictly.
        "--date 2024-01-01 --pattern yod --until 2024-01--",
        "--date 2024-01-01 --pattern yod --until 2024-01-1-",
        "--date 2024-01-01 --pattern yod --until 2024-01",
        "--date 2024-01-01 --pattern yod --until 2024-01-00",
        "--date 2024-01-01 --pattern yod --until 2024-1-1x",
        "--date 2024-01-01 --pattern yod --until -2024-01-01",
        "--date 2024-01-01 --pattern yod --until 2800-01-01",
        "--date 2024-01-1- --pattern yod",
        "--date 2024-01-01 --pattern yod --until ''",
    };
    for (const char* args : wrong) {
        const CliRun run = Search(args);
        EXPECT_EQ(run.intExit, 2) << args << "\n" << run.strOut;
        EXPECT_TRUE(CliRunner::BeginsWith(run.strErr, "zodarc-cli search: ")) << args;
        EXPECT_EQ(run.strOut, "") << args;
    }
    const CliRun help = Search("--help");
    EXPECT_EQ(help.intExit, 0);
    EXPECT_TRUE(Holds(help.strOut, "--pattern NAME"));
    EXPECT_TRUE(Holds(help.strOut, "Exit codes: 0 found, 1 not found"));
    EXPECT_FALSE(Holds(help.strOut, "--jd"));
}

}  // namespace
