// zodarc-cli positions, run as the built program: date-set options, text and JSON output in
// both languages, invalid date sets and usage errors.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/cli/CliRunner.h"

namespace {

using CliRunner::BeginsWith;
using CliRunner::BuildDir;
using CliRunner::CliRun;
using CliRunner::EndsWith;
using CliRunner::Holds;
using CliRunner::RunProgram;

CliRun Positions(const std::string& args) {
    return CliRunner::Cli("positions " + args);
}

// The number after "longitude": of the named body in JSON output; -1000 when absent.
double JsonLongitude(const std::string& json, const std::string& name) {
    const std::size_t at = json.find("{\"name\": \"" + name + "\", \"longitude\": ");
    if (at == std::string::npos)
        return -1000;
    const char* start = json.c_str() + json.find(": ", at + name.size() + 12) + 2;
    char* end = nullptr;
    const double value = std::strtod(start, &end);
    return end == start ? -1000 : value;
}

TEST(PositionsCli, TextOutputListsTheTenBodies) {
    const CliRun run = Positions("--date 2000-01-01 --time 12:00");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    std::istringstream lines(run.strOut);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "JD 2451545.000000 (UT), tropical zodiac");
    const char* const names[] = {"Sun",    "Mercury", "Venus",   "Mars",  "Jupiter",
                                 "Saturn", "Uranus",  "Neptune", "Pluto", "Moon"};
    for (const char* name : names) {
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_EQ(line.compare(0, std::string(name).size(), name), 0) << line;
    }
    EXPECT_FALSE(std::getline(lines, line));
    EXPECT_TRUE(Holds(run.strOut, "Sun       280.368919  10 Cap 22  direct\n"));
    EXPECT_TRUE(Holds(run.strOut, "Saturn     40.395663  10 Tau 24  retrograde\n"));
}

TEST(PositionsCli, ZoneAndTimeFormsMeetTheSameMoment) {
    for (const char* args : {"--date 2000-01-01 --time 13:00 --zone +01:00",
                             "--date=2000-01-01 --time=13:00 --zone=GMT+1:00",
                             "--date 2000-01-01 --time 13:00 --zone 60",
                             "--date 2000-01-01 --time 02:30 --zone -9:30", "--jd 2451545"}) {
        const CliRun run = Positions(args);
        ASSERT_EQ(run.intExit, 0) << args << ": " << run.strErr;
        EXPECT_TRUE(BeginsWith(run.strOut, "JD 2451545.000000 (U")) << args;
    }
    // Without --time the date set stands at 12:00; without --zone at GMT.
    EXPECT_TRUE(BeginsWith(Positions("--date 2000-01-01").strOut, "JD 2451545.000000"));
    EXPECT_TRUE(BeginsWith(Positions("--date 2000-01-01 --time 0:30").strOut, "JD 2451544.520833"));
}

TEST(PositionsCli, JsonCarriesCodesForBodiesWithoutPosition) {
    CliRun run = Positions("--jd 2451545 --json");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_TRUE(BeginsWith(run.strOut, "{\"jd\": 2451545.000000, \"sidereal\": false, \"bodies\""));
    EXPECT_NEAR(JsonLongitude(run.strOut, "Sun"), 280.368919, 1e-9);
    EXPECT_TRUE(Holds(run.strOut,
                      "{\"name\": \"Saturn\", \"longitude\": 40.395663, \"sign\": \"10 Tau "
                      "24\", \"retrograde\": true}"));
    EXPECT_LT(run.strOut.find("\"Venus\""), run.strOut.find("\"Mars\""));
    EXPECT_LT(run.strOut.find("\"Pluto\""), run.strOut.find("\"Moon\""));
    EXPECT_TRUE(EndsWith(run.strOut, "]}\n"));

    // 1 January 1600, 00:00 at GMT+1 is still 1599 in UT.
    run = Positions("--date 1600-01-01 --time 00:00 --zone +01:00 --json");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_TRUE(Holds(run.strOut,
                      "{\"name\": \"Pluto\", \"longitude\": null, \"sign\": null, "
                      "\"retrograde\": false, \"error\": -99}"));
    EXPECT_TRUE(Holds(run.strOut, "{\"name\": \"Moon\", \"longitude\": null"));
    EXPECT_GT(JsonLongitude(run.strOut, "Mars"), 0);
    run = Positions("--jd 2488069.5 --json");
    EXPECT_TRUE(Holds(run.strOut, "\"retrograde\": false, \"error\": -100}]}"));
    run = Positions("--jd 2488069.5");
    EXPECT_TRUE(Holds(run.strOut, "Moon               >  no position after 31 December 2099"));
}

TEST(PositionsCli, SiderealSubtractsTheAyanamsa) {
    const double tropical = JsonLongitude(Positions("--jd 2451545 --json").strOut, "Sun");
    const CliRun run = Positions("--jd 2451545 --json --sidereal");
    EXPECT_TRUE(Holds(run.strOut, "\"sidereal\": true"));
    EXPECT_NEAR(tropical - JsonLongitude(run.strOut, "Sun"), 0.416314 / 6.28318530717959 * 360,
                2e-6);
}

TEST(PositionsCli, GermanTextKeepsItsColumnsAndJsonStaysEnglish) {
    CliRun run = Positions("--date 2000-01-01 --language de");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_TRUE(BeginsWith(run.strOut, "JD 2451545.000000 (UT), tropischer Tierkreis\n"));
    EXPECT_TRUE(Holds(run.strOut, "Sonne     280.368919  10 Ste 22  direkt\n"));
    EXPECT_TRUE(Holds(run.strOut, "Saturn     40.395663  10 Sti 24  rückläufig\n"));
    EXPECT_TRUE(Holds(run.strOut, "\nMond      223.323751"));
    EXPECT_EQ(run.strOut.find("Sun"), std::string::npos);
    // A sign abbreviation with an umlaut is padded by characters, not bytes.
    run = Positions("--date 2000-08-01 --language de");
    EXPECT_TRUE(Holds(run.strOut, "\nSonne     129.531070  9 Löw 32   direkt\n"));
    run = Positions("--jd 2488069.5 --language de");
    EXPECT_TRUE(
        Holds(run.strOut, "Mond               >  keine Position nach dem 31. Dezember 2099"));

    EXPECT_EQ(Positions("--jd 2451545 --json --language de").strOut,
              Positions("--jd 2451545 --json").strOut);
    EXPECT_EQ(Positions("--jd 2451545 --language=en").strOut, Positions("--jd 2451545").strOut);
}

TEST(PositionsCli, InvalidDateSetsGiveTheirReason) {
    const struct {
        const char* args;
        const char* reason;
    } cases[] = {
        {"", "incomplete"},
        {"--time 12:00 --zone +1:00", "incomplete"},
        {"--date 2024-05", "incomplete"},
        {"--date 1900-02-29", "no such date"},
        {"--date 2000-13-01", "no such date"},
        {"--date 2021-04-31", "no such date"},
        {"--date 0-01-01", "too early"},
        {"--date -5-01-01", "too early"},
        {"--date 2800-01-01", "too late"},
        // A Julian Day keeps to the dates' range.
        {"--jd -0.5", "too early"},
        {"--jd 0", "too early"},
        {"--jd 1048576", "too early"},
        {"--jd 1721425.4", "too early"},
        {"--jd 2743738.5", "too late"},
        {"--jd 5e6", "too late"},
    };
    for (const auto& c : cases) {
        const CliRun run = Positions(c.args);
        EXPECT_EQ(run.intExit, 1) << c.args;
        EXPECT_TRUE(Holds(run.strErr, c.reason)) << c.args;
        EXPECT_EQ(run.strOut, "") << c.args;
    }
    EXPECT_EQ(Positions("--date 2000-02-29").intExit, 0);
    EXPECT_EQ(Positions("--date 2799-12-31 --time 23:30").intExit, 0);
    EXPECT_EQ(Positions("--jd 1721425.5").intExit, 0);
    EXPECT_EQ(Positions("--jd 2743738.4").intExit, 0);
}

TEST(PositionsCli, MalformedOptionsAreUsageErrors) {
    for (const char* args :
         {"--date 2000-01-01 --time 10:15", "--date 2000-01-01 --time 24:00",
          "--date 2000-01-01 --zone +12:00", "--date 2000-01-01 --zone +1:15",
          "--date 2000-01-01 --zone 45", "--date 2000-00-01", "--date 2000-01-01-01",
          "--date 20x0-01-01", "--date", "--jd 2451545 --date 2000-01-01", "--jd 24x", "--jd nan",
          "--frobnicate", "--jd 2451545 --language fr", "--jd 2451545 --language",
          "--jd 2451545 --german", "--jd 2451545 --mode world", "--jd 2451545 --radians",
          "--birth1-date 2000-01-01"}) {
        const CliRun run = Positions(args);
        EXPECT_EQ(run.intExit, 2) << args;
        EXPECT_TRUE(Holds(run.strErr, "zodarc-cli positions: ")) << args;
    }
}

TEST(PositionsCli, HelpAndUnknownCommands) {
    CliRun run = Positions("--help");
    EXPECT_EQ(run.intExit, 0);
    EXPECT_TRUE(Holds(run.strOut, "--jd JD"));
    EXPECT_TRUE(Holds(run.strOut, "--sidereal"));
    run = RunProgram(BuildDir() + "zodarc-cli", "--help");
    EXPECT_EQ(run.intExit, 0);
    EXPECT_TRUE(Holds(run.strOut, "positions"));
    EXPECT_EQ(RunProgram(BuildDir() + "zodarc-cli", "frobnicate").intExit, 2);
    EXPECT_EQ(RunProgram(BuildDir() + "zodarc-cli", "").intExit, 2);
}

TEST(PositionsCli, MissingPlutoTableEndsWithTheMessage) {
    std::string folder = ::testing::TempDir() + "zodarc-cliXXXXXX";
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    const std::string copy = folder + "/zodarc-cli";
    {
        std::ifstream in(BuildDir() + "zodarc-cli", std::ios::binary);
        std::ofstream out(copy, std::ios::binary);
        out << in.rdbuf();
    }
    ASSERT_EQ(std::system(("chmod +x '" + copy + "'").c_str()), 0);
    // Without any data file the program text is the first thing missing.
    CliRun run = RunProgram(copy, "positions --jd 2451545");
    EXPECT_EQ(run.intExit, 1);
    EXPECT_TRUE(Holds(run.strErr, folder + "/zdr.dat")) << run.strErr;

    const std::string text = folder + "/zdr.dat";
    {
        std::ifstream in(BuildDir() + "zdr.dat", std::ios::binary);
        std::ofstream out(text, std::ios::binary);
        out << in.rdbuf();
    }
    run = RunProgram(copy, "positions --jd 2451545");
    EXPECT_EQ(run.intExit, 1);
    EXPECT_TRUE(Holds(run.strErr, folder + "/pluto.slx"));
    EXPECT_TRUE(Holds(run.strErr, "\nError when reading geocentric Pluto data."));
    EXPECT_EQ(run.strOut, "");
    std::remove(copy.c_str());
    std::remove(text.c_str());
    std::remove(folder.c_str());
}

}  // namespace
