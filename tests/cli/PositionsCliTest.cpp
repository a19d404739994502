// zodarc-cli positions, run as the built program: date-set options, text and JSON output,
// invalid date sets and usage errors.
#include <gtest/gtest.h>
#include <unistd.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string BuildDir() {
    const char* dir = std::getenv("ZODARC_BUILD_DIR");
    return std::string(dir ? dir : ".") + "/";
}

struct CliRun {
    int intExit = -1;
    std::string strOut;
    std::string strErr;
};

// Runs program with the arguments (a shell word list) and collects its output.
CliRun RunProgram(const std::string& program, const std::string& args) {
    // One file per run: ctest runs the tests of this binary in parallel processes.
    std::string errFile = ::testing::TempDir() + "zodarc-cli-stderrXXXXXX";
    const int fd = mkstemp(errFile.data());
    if (fd < 0)
        return CliRun();
    close(fd);
    const std::string command = "'" + program + "' " + args + " 2>'" + errFile + "'";
    CliRun run;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.strOut.append(buffer, n);
    const int status = pclose(pipe);
    run.intExit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile);
    std::stringstream text;
    text << err.rdbuf();
    run.strErr = text.str();
    std::remove(errFile.c_str());
    return run;
}

CliRun Positions(const std::string& args) {
    return RunProgram(BuildDir() + "zodarc-cli", "positions " + args);
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
    EXPECT_NE(run.strOut.find("Sun       280.368919  10 Cap 22  direct\n"), std::string::npos)
        << run.strOut;
    EXPECT_NE(run.strOut.find("Saturn     40.395663  10 Tau 24  retrograde\n"), std::string::npos)
        << run.strOut;
}

TEST(PositionsCli, ZoneAndTimeFormsMeetTheSameMoment) {
    for (const char* args : {"--date 2000-01-01 --time 13:00 --zone +01:00",
                             "--date=2000-01-01 --time=13:00 --zone=GMT+1:00",
                             "--date 2000-01-01 --time 13:00 --zone 60",
                             "--date 2000-01-01 --time 02:30 --zone -9:30", "--jd 2451545"}) {
        const CliRun run = Positions(args);
        ASSERT_EQ(run.intExit, 0) << args << ": " << run.strErr;
        EXPECT_EQ(run.strOut.compare(0, 20, "JD 2451545.000000 (U"), 0) << args;
    }
    // Without --time the date set stands at 12:00; without --zone at GMT.
    EXPECT_EQ(Positions("--date 2000-01-01").strOut.compare(0, 17, "JD 2451545.000000"), 0);
    EXPECT_EQ(Positions("--date 2000-01-01 --time 0:30").strOut.compare(0, 17, "JD 2451544.520833"),
              0);
}

TEST(PositionsCli, JsonCarriesCodesForBodiesWithoutPosition) {
    CliRun run = Positions("--jd 2451545 --json");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_EQ(run.strOut.compare(0, 50, "{\"jd\": 2451545.000000, \"sidereal\": false, \"bodies\""),
              0)
        << run.strOut;
    EXPECT_NEAR(JsonLongitude(run.strOut, "Sun"), 280.368919, 1e-9);
    EXPECT_NE(run.strOut.find("{\"name\": \"Saturn\", \"longitude\": 40.395663, \"sign\": \"10 Tau "
                              "24\", \"retrograde\": true}"),
              std::string::npos);
    EXPECT_LT(run.strOut.find("\"Venus\""), run.strOut.find("\"Mars\""));
    EXPECT_LT(run.strOut.find("\"Pluto\""), run.strOut.find("\"Moon\""));
    EXPECT_EQ(run.strOut.substr(run.strOut.size() - 3), "]}\n");

    // 1 January 1600, 00:00 at GMT+1 is still 1599 in UT.
    run = Positions("--date 1600-01-01 --time 00:00 --zone +01:00 --json");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_NE(run.strOut.find("{\"name\": \"Pluto\", \"longitude\": null, \"sign\": null, "
                              "\"retrograde\": false, \"error\": -99}"),
              std::string::npos)
        << run.strOut;
    EXPECT_NE(run.strOut.find("{\"name\": \"Moon\", \"longitude\": null"), std::string::npos);
    EXPECT_GT(JsonLongitude(run.strOut, "Mars"), 0);
    run = Positions("--jd 2488069.5 --json");
    EXPECT_NE(run.strOut.find("\"retrograde\": false, \"error\": -100}]}"), std::string::npos)
        << run.strOut;
    run = Positions("--jd 2488069.5");
    EXPECT_NE(run.strOut.find("Moon               >  no position after 31 December 2099"),
              std::string::npos)
        << run.strOut;
}

TEST(PositionsCli, SiderealSubtractsTheAyanamsa) {
    const double tropical = JsonLongitude(Positions("--jd 2451545 --json").strOut, "Sun");
    const CliRun run = Positions("--jd 2451545 --json --sidereal");
    EXPECT_NE(run.strOut.find("\"sidereal\": true"), std::string::npos);
    EXPECT_NEAR(tropical - JsonLongitude(run.strOut, "Sun"), 0.416314 / 6.28318530717959 * 360,
                2e-6);
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
    };
    for (const auto& c : cases) {
        const CliRun run = Positions(c.args);
        EXPECT_EQ(run.intExit, 1) << c.args;
        EXPECT_NE(run.strErr.find(c.reason), std::string::npos) << c.args << ": " << run.strErr;
        EXPECT_EQ(run.strOut, "") << c.args;
    }
    EXPECT_EQ(Positions("--date 2000-02-29").intExit, 0);
    EXPECT_EQ(Positions("--date 2799-12-31 --time 23:30").intExit, 0);
}

TEST(PositionsCli, MalformedOptionsAreUsageErrors) {
    for (const char* args :
         {"--date 2000-01-01 --time 10:15", "--date 2000-01-01 --time 24:00",
          "--date 2000-01-01 --zone +12:00", "--date 2000-01-01 --zone +1:15",
          "--date 2000-01-01 --zone 45", "--date 2000-00-01", "--date 2000-01-01-01",
          "--date 20x0-01-01", "--date", "--jd 2451545 --date 2000-01-01", "--jd 24x", "--jd nan",
          "--frobnicate"}) {
        const CliRun run = Positions(args);
        EXPECT_EQ(run.intExit, 2) << args;
        EXPECT_NE(run.strErr.find("zodarc-cli positions: "), std::string::npos) << args;
    }
}

TEST(PositionsCli, HelpAndUnknownCommands) {
    CliRun run = Positions("--help");
    EXPECT_EQ(run.intExit, 0);
    EXPECT_NE(run.strOut.find("--jd JD"), std::string::npos);
    EXPECT_NE(run.strOut.find("--sidereal"), std::string::npos);
    run = RunProgram(BuildDir() + "zodarc-cli", "--help");
    EXPECT_EQ(run.intExit, 0);
    EXPECT_NE(run.strOut.find("positions"), std::string::npos);
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
    const CliRun run = RunProgram(copy, "positions --jd 2451545");
    EXPECT_EQ(run.intExit, 1);
    EXPECT_NE(run.strErr.find(folder + "/pluto.slx"), std::string::npos) << run.strErr;
    EXPECT_NE(run.strErr.find("\nError when reading geocentric Pluto data."), std::string::npos)
        << run.strErr;
    EXPECT_EQ(run.strOut, "");
    std::remove(copy.c_str());
    std::remove(folder.c_str());
}

}  // namespace
