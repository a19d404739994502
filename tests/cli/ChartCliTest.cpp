// zodarc-cli table and report, run as the built program: the two-chart table as JSON, the
// languages, the shared orb options, invalid date sets and usage errors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/CliRunner.h"

namespace {

using CliRunner::BeginsWith;
using CliRunner::Cli;
using CliRunner::CliRun;
using CliRunner::EndsWith;
using CliRunner::Holds;

// 17 May 1970 14:00 GMT against 17 May 1971 14:00 GMT: the Sun, the Moon and Pluto
// conjunct their own places, on the diagonal of the table.
const std::string kSynastry =
    "--mode synastry --birth1-date 1970-05-17 --birth1-time 14:00 --birth2-date 1971-05-17 "
    "--birth2-time 14:00";

// The JSON object of the visible cell at row, column, from its "text" on; "" when absent.
std::string Cell(const std::string& json, int row, int column) {
    const std::string key =
        "{\"row\": " + std::to_string(row) + ", \"column\": " + std::to_string(column) + ", ";
    const std::size_t at = json.find(key);
    if (at == std::string::npos)
        return "";
    const std::size_t start = at + key.size();
    return json.substr(start, json.find('}', start) - start);
}

// The texts of the aspect cells (row and column 2 and more) of a two-chart table.
std::vector<std::string> AspectTexts(const std::string& json) {
    std::vector<std::string> texts;
    for (int row = 2; row < 12; ++row) {
        for (int column = 2; column < 12; ++column) {
            const std::string cell = Cell(json, row, column);
            if (!cell.empty() && !BeginsWith(cell, "\"text\": \"\""))
                texts.push_back(cell.substr(0, cell.find("\", \"bold\"")));
        }
    }
    return texts;
}

TEST(ChartCli, SynastryTableAsJson) {
    const CliRun run = Cli("table --json " + kSynastry);
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_TRUE(
        BeginsWith(run.strOut, "{\"mode\": \"synastry\", \"title\": \"Synastry  Orbs: 1°20' to "))
        << run.strOut;
    EXPECT_TRUE(Holds(run.strOut,
                      "\"jd\": [null, 2440724.083333, 2441089.083333], \"rows\": 12, "
                      "\"columns\": 12"));
    // The four corners.
    EXPECT_TRUE(BeginsWith(Cell(run.strOut, 0, 0), "\"text\": \"Tropical zodiac\""));
    EXPECT_TRUE(BeginsWith(Cell(run.strOut, 0, 1), "\"text\": \"Planets (1)\""));
    EXPECT_TRUE(BeginsWith(Cell(run.strOut, 1, 0), "\"text\": \"Planets (2)\""));
    EXPECT_TRUE(BeginsWith(Cell(run.strOut, 1, 1), "\"text\": \"Synastry\""));
    // The Sun against itself: an aspect cell on the dark diagonal, in boldface.
    EXPECT_EQ(Cell(run.strOut, 2, 2),
              "\"text\": \"Con\\u000a0°14'\", \"bold\": true, \"color\": [255, 255, 0], "
              "\"background\": [50, 50, 50], \"font\": \"text\"");
    for (int b = 2; b < 12; ++b) {
        EXPECT_TRUE(Holds(Cell(run.strOut, b, b), "\"background\": [50, 50, 50]")) << b;
    }
    // Neither chart moves in synastry: no cell carries a movement mark.
    const std::vector<std::string> texts = AspectTexts(run.strOut);
    ASSERT_GT(texts.size(), 3u);
    for (const std::string& text : texts) {
        EXPECT_NE(text.back(), '+') << text;
        EXPECT_NE(text.back(), '-') << text;
    }
    EXPECT_TRUE(Holds(run.strOut, "\"totalAspects\": " + std::to_string(texts.size()) + ", "));
}

TEST(ChartCli, PersonalTransitsCarryMovementMarks) {
    const CliRun run =
        Cli("table --json --mode personal1 --date 2024-01-01 --birth1-date 1970-05-17");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_TRUE(BeginsWith(Cell(run.strOut, 1, 1), "\"text\": \"Transits to 1st birthdate\""));
    const std::vector<std::string> texts = AspectTexts(run.strOut);
    ASSERT_FALSE(texts.empty());
    for (const std::string& text : texts) {
        const std::string mark = text.substr(text.size() - 2);
        EXPECT_TRUE(mark == " +" || mark == " -") << text;
    }
}

TEST(ChartCli, GermanTableAndReport) {
    CliRun run = Cli("table --json --language de " + kSynastry);
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_TRUE(Holds(run.strOut, "\"title\": \"Synastrie  Orben: 1°20' bis 3°20'\""));
    EXPECT_TRUE(BeginsWith(Cell(run.strOut, 0, 0), "\"text\": \"Tropischer Tierkreis\""));
    EXPECT_TRUE(BeginsWith(Cell(run.strOut, 1, 1), "\"text\": \"Synastrie\""));
    EXPECT_TRUE(BeginsWith(Cell(run.strOut, 2, 2), "\"text\": \"Kon\\u")) << Cell(run.strOut, 2, 2);

    run = Cli("report --mode natal1 --birth1-date 1970-05-17 --language de");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_TRUE(BeginsWith(run.strOut, "Radixaspekte, 1. Geburtsdatum  Orben: 4° bis 10°\n\n3 Kon"))
        << run.strOut;
    EXPECT_TRUE(Holds(run.strOut, "\nInsgesamt 15 Aspekte.\n"));
    EXPECT_TRUE(Holds(run.strOut, "\nHalbsumme: "));
    EXPECT_TRUE(EndsWith(run.strOut, "\n4 rückläufig: Me Ju Ur Ne \n"));
    EXPECT_EQ(run.strOut.find('\r'), std::string::npos);
    // The table's closing lines are the report's words.
    run = Cli("table --mode natal1 --birth1-date 1970-05-17 --language de");
    EXPECT_TRUE(EndsWith(run.strOut, "\nInsgesamt 15 Aspekte.\n4 rückläufig: Me Ju Ur Ne\n"));
    run = Cli("table --mode natal1 --birth1-date 1970-05-17 --orbs 0,0,0,0,0,0,0");
    EXPECT_TRUE(EndsWith(run.strOut, "\nNo aspects found.\n4 retrograde: Me Ju Ur Ne\n"));
}

TEST(ChartCli, TheReportTakesTheTablesOrbOptions) {
    const std::string orbs = " --orbs 3,3,3,3,3,3,3 --personal 1";
    const std::string transits = "--mode personal1 --date 2024-01-01 --birth1-date 1970-05-17";
    const CliRun report = Cli("report --json " + transits + orbs);
    ASSERT_EQ(report.intExit, 0) << report.strErr;
    EXPECT_TRUE(Holds(report.strOut, "\"title\": \"Personal transits, 1st birthdate  Orb 3°.\""));
    const CliRun table = Cli("table --json " + transits + orbs);
    const std::size_t at = table.strOut.find("\"totalAspects\": ");
    ASSERT_NE(at, std::string::npos);
    const std::string total = table.strOut.substr(at + 16, table.strOut.find(',', at) - at - 16);
    EXPECT_TRUE(Holds(report.strOut, " " + total + " aspects in total."));
    EXPECT_NE(report.strOut, Cli("report --json " + transits).strOut);
    // The synastry proportion and the boldface options are taken too.
    EXPECT_TRUE(
        Holds(Cli("report " + kSynastry + " --synastry 1 --bold-fraction 4 --no-bold").strOut,
              "Synastry  Orbs: 4° to 10°"));
}

// A run that fails: its arguments, exit status and whole standard error (nullptr for any
// message of zodarc-cli).
struct Failure {
    const char* args;
    int intExit;
    const char* error;
};

void ExpectFailures(const std::vector<Failure>& failures) {
    for (const Failure& f : failures) {
        const CliRun run = Cli(f.args);
        EXPECT_EQ(run.intExit, f.intExit) << f.args;
        if (f.error) {
            EXPECT_EQ(run.strErr, f.error) << f.args;
        } else {
            EXPECT_TRUE(BeginsWith(run.strErr, "zodarc-cli ")) << f.args;
        }
        EXPECT_EQ(run.strOut, "") << f.args;
    }
}

TEST(ChartCli, InvalidDateSetsOfTheModeEndWithStatusOne) {
    ExpectFailures({
        {"table --mode synastry --birth1-date 1970-05-17 --birth2-date 1999-02-30", 1,
         "zodarc-cli table: 2nd birthdate: no such date\n"},
        {"report --mode synastry --birth1-date 1970-05 --birth2-date 1999-02-30", 1,
         "zodarc-cli report: 1st birthdate: the date is incomplete (year, month and day)\n"},
        {"report --mode personal2 --birth2-date 2000-01-01", 1,
         "zodarc-cli report: world date: the date is incomplete (year, month and day)\n"},
        {"table --mode natal1 --birth1-date 2800-01-01 --language de", 1,
         "zodarc-cli table: 1st birthdate: the date is too late (1 January 2800 or later)\n"},
        {"table --birth1-jd 2451545 --jd -1", 1,
         "zodarc-cli table: world date: the date is too early (before 1 January 1)\n"},
    });
    // A date set that the mode does not read may be anything.
    EXPECT_EQ(Cli("table --date 2000-01-01 --birth2-date 1999-02-30").intExit, 0);
}

TEST(ChartCli, UsageErrorsEndWithStatusTwo) {
    ExpectFailures({
        {"table --german", 2,
         "zodarc-cli table: unknown option '--german' (see zodarc-cli table --help)\n"},
        {"table --mode galaxy", 2,
         "zodarc-cli table: 'galaxy' after --mode: expected world, natal1, natal2, personal1, "
         "personal2 or synastry\n"},
        {"report --orbs=1,2,3", 2,
         "zodarc-cli report: '1,2,3' after --orbs: expected seven whole degrees 0..15, "
         "comma-separated\n"},
        {"report --orbs 1,2,3,4,5,6,16", 2, nullptr},
        {"report --orbs 1,2,3,4,5,,6", 2, nullptr},
        {"table --personal 0", 2,
         "zodarc-cli table: '0' after --personal: expected a divisor 1..5\n"},
        {"report --synastry 6", 2, nullptr},
        {"table --bold-fraction 7", 2, nullptr},
        {"report --language fr", 2,
         "zodarc-cli report: 'fr' after --language: expected en or de\n"},
        {"table --language", 2, "zodarc-cli table: --language needs a value\n"},
        {"table --waxing-waning", 2, nullptr},
        {"report --birth3-date 2000-01-01", 2, nullptr},
        {"report --birth1-time 12:15", 2, nullptr},
        // A usage error comes before the date sets are read.
        {"table --mode natal1 --birth1-date 1999-02-30 --json=yes", 2, nullptr},
    });
}

TEST(ChartCli, HelpNamesTheSharedOptions) {
    for (const char* command : {"table", "report"}) {
        const CliRun run = Cli(std::string(command) + " --help");
        EXPECT_EQ(run.intExit, 0) << command;
        for (const char* option :
             {"--state FILE", "--mode MODE", "--orbs LIST", "--personal N", "--bold-fraction N",
              "--language en|de", "--birth2-jd JD", "--json", "Exit codes:"}) {
            EXPECT_TRUE(Holds(run.strOut, option)) << command << " " << option;
        }
        EXPECT_EQ(run.strOut.find("--german"), std::string::npos);
    }
    EXPECT_TRUE(Holds(Cli("report --help").strOut, "--waxing-waning"));
    EXPECT_TRUE(Holds(Cli("positions --help").strOut, "--language en|de"));
}

}  // namespace
