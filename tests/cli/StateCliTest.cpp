// zodarc-cli table and report with --state: a state file stands for the date sets, the mode
// and the configuration that the options would give.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "config/Options.h"
#include "engine/Catalogue.h"
#include "store/StateFile.h"
#include "tests/cli/CliRunner.h"
#include "text/Language.h"

namespace {

using CliRunner::BeginsWith;
using CliRunner::Cli;
using CliRunner::CliRun;
using CliRunner::Holds;

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

    // Runs zodarc-cli with the arguments that read the state and with the options that
    // stand for it; expects both to succeed with the same output, and returns it.
    static std::string SameOutput(const std::string& withState, const std::string& withOptions) {
        const CliRun fromState = Cli(withState);
        const CliRun fromOptions = Cli(withOptions);
        EXPECT_EQ(fromState.intExit, 0) << withState << ": " << fromState.strErr;
        EXPECT_EQ(fromOptions.intExit, 0) << withOptions << ": " << fromOptions.strErr;
        EXPECT_EQ(fromState.strOut, fromOptions.strOut) << withState;
        return fromState.strOut;
    }

    std::string strFolder;
    std::string strPath;
};

TEST_F(StateCliTest, TheStateStandsForItsOptions) {
    ASSERT_EQ(ZDR::WriteStateFile(strPath, NatalState()), "");
    const std::string file = " '" + strPath + "' ";
    SameOutput("table --json --state" + file,
               "table --json --mode natal1 --birth1-date 1961-08-04 --birth1-time 19:30 "
               "--birth1-zone -11:30 --orbs 8,8,6,6,4,3,2 --bold-fraction 8 --sidereal");
    // Later options change what the state gave, earlier ones are replaced by it.
    const std::string report =
        SameOutput("report --orbs 1,1,1,1,1,1,1 --mode natal2 --state='" + strPath +
                       "' --mode world --language de",
                   "report --date 2024-03-15 --time 12:00 --zone +01:00 --orbs 8,8,6,6,4,3,2 "
                   "--sidereal --waxing-waning --language de");
    EXPECT_TRUE(BeginsWith(report, "Welttransite "));
}

TEST_F(StateCliTest, SwitchesHoldWhereverTheyStand) {
    ZDR::StateFileData state = NatalState();
    state.options.blnSidereal = false;
    state.options.blnIncludeTransitingMoon = true;
    ASSERT_EQ(ZDR::WriteStateFile(strPath, state), "");
    const std::string file = " '" + strPath + "' ";
    const CliRun tropical = Cli("table --json --state" + file);
    EXPECT_TRUE(Holds(tropical.strOut, "\"text\": \"Tropical zodiac\""));
    const CliRun sidereal = Cli("table --json --sidereal --state" + file);
    EXPECT_TRUE(Holds(sidereal.strOut, "\"text\": \"Sidereal zodiac\""));
    EXPECT_EQ(Cli("table --json --state" + file + "--sidereal").strOut, sidereal.strOut);
    // The transiting Moon leaves personal transits: its column keeps no glyph.
    const CliRun withMoon = Cli("table --json --state" + file + "--mode personal1");
    const CliRun withoutMoon =
        Cli("table --json --no-transiting-moon --state" + file + "--mode personal1");
    const std::string moonGlyph = "{\"row\": 1, \"column\": 11, \"text\": \"a\"";
    EXPECT_TRUE(Holds(withMoon.strOut, moonGlyph));
    EXPECT_FALSE(Holds(withoutMoon.strOut, moonGlyph));
    EXPECT_TRUE(Holds(withMoon.strOut, "\"bold\": true"));
    EXPECT_FALSE(Holds(Cli("table --json --no-bold --state" + file + "--mode personal1").strOut,
                       "\"bold\": true"));
}

TEST_F(StateCliTest, AnUnreadableStateIsAUsageError) {
    CliRun run = Cli("table --state '" + strPath + "'");
    EXPECT_EQ(run.intExit, 2);
    EXPECT_EQ(run.strErr, "zodarc-cli table: File not found: " + strPath + "\n");
    run = Cli("report --state");
    EXPECT_EQ(run.intExit, 2);
    EXPECT_EQ(run.strErr, "zodarc-cli report: --state needs a value\n");
}

// The whole configuration of the file applies: the aspect colours too, and "Use color".
TEST_F(StateCliTest, TheStatesColoursApply) {
    ZDR::StateFileData state = NatalState();
    state.options.dblAspectColor[1] = ZDR::RGB(0, 0, 255);
    state.options.dblAspectColor[4] = ZDR::RGB(255, 192, 0);
    state.options.dblAspectColor[7] = ZDR::RGB(128, 64, 0);
    ASSERT_EQ(ZDR::WriteStateFile(strPath, state), "");
    // Each aspect cell of the JSON table: its abbreviation and its colour.
    const std::regex cell(
        "\"text\": \"([A-Z][a-z][a-z])\\\\u000a[^\"]*\", \"bold\": [a-z]+, \"color\": "
        "\\[([0-9]+), ([0-9]+), ([0-9]+)\\]");
    auto colours = [&cell](const std::string& json) {
        std::map<std::string, std::set<std::string>> shown;
        for (std::sregex_iterator m(json.begin(), json.end(), cell), end; m != end; ++m)
            shown[(*m)[1]].insert((*m)[2].str() + "," + (*m)[3].str() + "," + (*m)[4].str());
        return shown;
    };
    const CliRun coloured = Cli("table --json --state '" + strPath + "'");
    ASSERT_EQ(coloured.intExit, 0) << coloured.strErr;
    const std::map<std::string, std::set<std::string>> expected = {
        {"Con", {"0,0,255"}},   {"Opp", {"255,0,255"}}, {"Sqr", {"255,0,0"}},
        {"Tri", {"255,192,0"}}, {"Sxt", {"0,255,255"}}, {"Ssx", {"128,128,255"}},
        {"Qui", {"128,64,0"}}};
    EXPECT_EQ(colours(coloured.strOut), expected);

    state.options.blnUseColor = false;
    ASSERT_EQ(ZDR::WriteStateFile(strPath, state), "");
    const CliRun grey = Cli("table --json --state '" + strPath + "'");
    for (const auto& [abbr, shown] : colours(grey.strOut))
        EXPECT_EQ(shown, std::set<std::string>{"192,192,192"}) << abbr;
    EXPECT_EQ(colours(grey.strOut).size(), expected.size());
}

}  // namespace
