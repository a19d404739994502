// zodarc-cli calendar, run as the built program: the text and JSON lists, the files it
// writes, and bad input, which gets a clear message and leaves no file behind.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "tests/cli/CliRunner.h"

namespace {

using CliRunner::Cli;
using CliRunner::CliRun;
using CliRunner::Holds;

bool Exists(const std::string& path) {
    return std::ifstream(path).good();
}

TEST(CalendarCli, TextAndJsonOfTheGreatConjunction) {
    const std::string period = "calendar --from 2020-12-15 --to 2020-12-28 --zone +1:00";
    CliRun run = Cli(period);
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_TRUE(Holds(run.strOut, "Jupiter conjunct Saturn: from 2020-"));
    EXPECT_TRUE(Holds(run.strOut, ", exact 2020-12-21 19:2"));
    run = Cli(period + " --json");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_TRUE(Holds(run.strOut, "{\"first\": \"Jupiter\", \"second\": \"Saturn\", \"aspect\": "
                                  "\"Conjunction\", \"begin\": \"2020-"));
    EXPECT_TRUE(Holds(run.strOut, "\"exact\": [\"2020-12-21T19:2"));
    run = Cli(period + " --language de");
    EXPECT_TRUE(Holds(run.strOut, "Jupiter Konjunktion Saturn: ab 2020-"));
}

TEST(CalendarCli, PersonalTransitsNameTheNatalBody) {
    const CliRun run = Cli("calendar --from 2024-01-01 --to 2024-03-31 --mode personal1 "
                           "--birth1-date 1970-05-17 --json");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_TRUE(Holds(run.strOut, "{\"first\": \"Sun\", \"second\": "));
    const CliRun text = Cli("calendar --from 2024-01-01 --to 2024-03-31 --mode personal1 "
                            "--birth1-date 1970-05-17");
    EXPECT_TRUE(Holds(text.strOut, " natal "));
}

TEST(CalendarCli, BadInputGetsAClearMessageAndLeavesNoFile) {
    const std::string file = ::testing::TempDir() + "zodarc-calendar-bad.ics";
    std::remove(file.c_str());
    struct Case {
        const char* args;
        int exit;
        const char* message;
    };
    const Case kCases[] = {
        {"--from 2021-01-01 --to 2020-12-31", 2, "--to 2020-12-31 lies before --from 2021-01-01"},
        {"--from 1900-01-01 --to 2000-01-02", 2, "is longer than 100 years"},
        {"--from 2000-01-01 --to 2100-01-02", 2, "is longer than 100 years"},
        {"--from 2020-02-30 --to 2020-03-01", 2, "'2020-02-30' after --from: expected a date"},
        {"--from 2020-13-01 --to 2021-03-01", 2, "'2020-13-01' after --from"},
        {"--from tomorrow --to 2021-03-01", 2, "'tomorrow' after --from"},
        {"--from 2020-01-01 --to 99999-01-01", 2, "'99999-01-01' after --to"},
        {"--from 2020-01-1- --to 2020-02-01", 2, "'2020-01-1-' after --from"},
        {"--from 2020-01-01 --to 2020-02--", 2, "'2020-02--' after --to"},
        {"--from 2020-01-01", 2, "the period needs --from and --to"},
        {"--from 2020-01-01 --to 2020-02-01 --mode natal1 --birth1-date 1970-05-17", 2,
         "takes world, personal1"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.args);
        std::remove(file.c_str());
        const CliRun run = Cli(std::string("calendar ") + c.args + " --ics '" + file + "'");
        EXPECT_EQ(run.intExit, c.exit);
        EXPECT_TRUE(Holds(run.strErr, c.message));
        EXPECT_FALSE(Exists(file));
    }
    // A period at the end of the dates, where a hundred years on lies beyond them.
    EXPECT_EQ(Cli("calendar --from 2799-12-01 --to 2799-12-31").intExit, 0);
    const CliRun run =
        Cli("calendar --from 2020-01-01 --to 2020-02-01 --csv /nonexistent-folder/x.csv");
    EXPECT_EQ(run.intExit, 1);
    EXPECT_TRUE(Holds(run.strErr, "Cannot create /nonexistent-folder/x.csv"));
    EXPECT_EQ(run.strOut, "");
}

TEST(CalendarCli, TheFirstAndLastYearsAndFourDigitYears) {
    CliRun run = Cli("calendar --from 2799-12-01 --to 2799-12-31 --json");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_TRUE(Holds(run.strOut, "\"2800-01-"));  // a passage that ends after the period
    run = Cli("calendar --from 0001-01-01 --to 0001-01-31 --json");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_TRUE(Holds(run.strOut, "\"begin\": \"0000-12-"));
}

TEST(CalendarCli, CsvFileIsWrittenWhole) {
    const std::string file = ::testing::TempDir() + "zodarc-calendar.csv";
    std::remove(file.c_str());
    const CliRun run = Cli("calendar --from 2020-12-15 --to 2020-12-28 --csv '" + file + "'");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    std::ifstream in(file, std::ios::binary);
    const std::string csv((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(Holds(csv, "first,second,aspect,begin,end,exact\r\n"));
    EXPECT_TRUE(Holds(csv, "\r\nJupiter,Saturn,Conjunction,2020-"));
    std::remove(file.c_str());
}

}  // namespace
