// zodarc-cli table and report with --state: a state file stands for the date sets, the mode
// and the configuration that the options would give.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "config/Options.h"
#include "store/StateFile.h"
#include "text/Language.h"

namespace {

struct CliRun {
    int intExit = -1;
    std::string strOut;
    std::string strErr;
};

// Runs zodarc-cli with the arguments (a shell word list) and collects its output.
CliRun Cli(const std::string& args) {
    const char* dir = std::getenv("ZODARC_BUILD_DIR");
    std::string errFile = ::testing::TempDir() + "zodarc-state-cli-stderrXXXXXX";
    const int fd = mkstemp(errFile.data());
    if (fd < 0)
        return CliRun();
    close(fd);
    const std::string command =
        "'" + std::string(dir ? dir : ".") + "/zodarc-cli' " + args + " 2>'" + errFile + "'";
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

class StateCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = ::testing::TempDir() + "zodarc-state-cli-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        strFolder = pattern;
        strPath = strFolder + "/chart.zdr";
    }
    void TearDown() override {
        std::remove(strPath.c_str());
        rmdir(strFolder.c_str());
    }

    // Natal aspects of the 1st birthdate, 4 August 1961 19:30 at GMT-11:30, with orbs of
    // their own, boldface below an eighth of the orb and the sidereal zodiac.
    static ZDR::StateFileData NatalState() {
        ZDR::StateFileData state;
        state.options = ZDR::DefaultOptions(Language::intEnglish, {});
        state.dateSets[0] = {"2024", 3, 15, 25, 26};
        state.dateSets[1] = {" 1961", 8, 4, 40, 1};
        state.blnModeOption = {false, true, false, false, false, false};
        state.intOrbIndex = {8, 8, 6, 6, 4, 3, 2, 1};
        state.options.intBoldfaceFactorIndex = 5;
        state.options.bln1DegOfOrb = false;
        state.options.blnSidereal = true;
        state.options.blnWaxingWaningAspects = true;
        return state;
    }

    std::string strFolder;
    std::string strPath;
};

TEST_F(StateCliTest, TheStateStandsForItsOptions) {
    ASSERT_EQ(ZDR::WriteStateFile(strPath, NatalState()), "");
    const CliRun fromState = Cli("table --json --state '" + strPath + "'");
    ASSERT_EQ(fromState.intExit, 0) << fromState.strErr;
    const CliRun fromOptions =
        Cli("table --json --mode natal1 --birth1-date 1961-08-04 --birth1-time 19:30 "
            "--birth1-zone -11:30 --orbs 8,8,6,6,4,3,2 --bold-fraction 8 --sidereal");
    ASSERT_EQ(fromOptions.intExit, 0) << fromOptions.strErr;
    EXPECT_EQ(fromState.strOut, fromOptions.strOut);
}

TEST_F(StateCliTest, TheReportTakesTheStateAndLaterOptions) {
    // With the default orbs, which are all the report's options can give.
    ZDR::StateFileData state = NatalState();
    state.intOrbIndex = state.options.intOrbListIndex;
    ASSERT_EQ(ZDR::WriteStateFile(strPath, state), "");
    const CliRun fromState = Cli("report --state='" + strPath + "' --mode world");
    ASSERT_EQ(fromState.intExit, 0) << fromState.strErr;
    const CliRun fromOptions =
        Cli("report --date 2024-03-15 --time 12:00 --zone +01:00 --sidereal --waxing-waning");
    ASSERT_EQ(fromOptions.intExit, 0) << fromOptions.strErr;
    EXPECT_EQ(fromState.strOut, fromOptions.strOut);
    EXPECT_EQ(fromState.strOut.compare(0, 14, "World transits"), 0) << fromState.strOut;
}

TEST_F(StateCliTest, AnUnreadableStateIsAUsageError) {
    CliRun run = Cli("table --state '" + strPath + "'");
    EXPECT_EQ(run.intExit, 2);
    EXPECT_EQ(run.strErr, "zodarc-cli table: File not found: " + strPath + "\n");
    run = Cli("report --state");
    EXPECT_EQ(run.intExit, 2);
    EXPECT_EQ(run.strErr, "zodarc-cli report: --state needs a value\n");
}

}  // namespace
