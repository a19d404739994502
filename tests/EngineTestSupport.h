#pragma once
// Set-up shared by the tests of the engine and of its callers: the data files of the build
// folder, the chart and options that tests put together by hand and pass to the engine,
// clearing the orbs, and all of it kept and given back around a test.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>

#include "astro/Ephemeris.h"
#include "astro/Positions.h"
#include "astro/Turn.h"
#include "config/OptionsInForce.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "engine/CoreStartup.h"
#include "text/Language.h"

// Returns an angle in degrees as radians.
inline double Rad(double degrees) {
    return degrees / 360.0 * ZDR::dblTurn;
}

// Returns the build folder with zdr.dat, pluto.slx and the ephemeris files, ending in "/":
// ZODARC_BUILD_DIR, or the folder the tests run in when it is not set.
inline std::string TestDataFolder() {
    const char* build = std::getenv("ZODARC_BUILD_DIR");
    return std::string(build ? build : ".") + "/";
}

// Loads the program text zdr.dat of the build folder; a failure carries the loader's message.
inline ::testing::AssertionResult LoadTestProgramText() {
    std::string message;
    if (Language::LoadProgramText(TestDataFolder(), "zdr.dat", message) > 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << message;
}

// Starts the core from the build folder (ZDR::StartCore: program text, date module,
// catalogue, positions, Pluto table); a failure carries the start-up's messages.
inline ::testing::AssertionResult LoadTestDataFiles() {
    const ZDR::CoreStartup core = ZDR::StartCore(TestDataFolder());
    if (core.intOutcome == ZDR::intStartupDone)
        return ::testing::AssertionSuccess();
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    for (const ZDR::StartupMessage& message : core.udtMessages)
        failure << message.strText << "\n";
    return failure;
}

// Points the positions at the build folder again, and starts the core from there unless a
// whole Pluto table is in place already; a failure carries the start-up's messages.
inline ::testing::AssertionResult LoadTestPlutoTable() {
    ZDR::strDataFolder = TestDataFolder();
    orbitlib::set_datafiles_folder(ZDR::strDataFolder.c_str());
    if (static_cast<int32_t>(ZDR::strPlutoLine.size()) >= ZDR::lngPlutoTableLines)
        return ::testing::AssertionSuccess();
    return LoadTestDataFiles();
}

// The chart and the options the tests build by hand and hand to the engine.
inline ZDR::ComputeResult udtTestChart;
inline ZDR::ChartOptions udtTestOptions;

// Sets every orb of every set of the test options to 0 and derives the orb limits again: no
// aspect is found.
inline void ClearOrbs() {
    for (auto& row : udtTestOptions.dblOrb) {
        for (double& o : row)
            o = 0.0;
    }
    ZDR::DeriveOrbLimits(udtTestOptions);
}

// Keeps the test chart, the test options and the language while it lives, and gives them
// back, with the catalogue names in that language, at its end.
class SavedEngineTables {
  public:
    SavedEngineTables()
        : udtSavedChart(udtTestChart),
          udtSavedOptions(udtTestOptions),
          intSavedLanguage(Language::intLanguage) {}
    ~SavedEngineTables() {
        udtTestChart = udtSavedChart;
        udtTestOptions = udtSavedOptions;
        Language::intLanguage = intSavedLanguage;
        ZDR::BuildCatalogueNames();
    }
    SavedEngineTables(const SavedEngineTables&) = delete;
    SavedEngineTables& operator=(const SavedEngineTables&) = delete;

  private:
    ZDR::ComputeResult udtSavedChart;
    ZDR::ChartOptions udtSavedOptions;
    int16_t intSavedLanguage;
};

// A fixture for charts put together by hand: English names, no body with a position until
// Place puts it there, and the engine tables as they were once the test is over.
class ConstructedChartTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
        for (auto& pos : udtTestChart.dblPos)
            pos[0] = -99;
    }
    // Puts bodies of chart A at longitudes in degrees.
    static void Place(std::initializer_list<std::pair<int, double>> bodies) {
        for (const auto& [body, degrees] : bodies)
            udtTestChart.dblPos[body][0] = Rad(degrees);
    }

  private:
    SavedEngineTables udtSavedTables;
};

// The options a computation in a test is given: the test orbs and zodiac with the other
// values of config.
inline ZDR::ChartOptions TestOptions(const ZDR::ConfigOptions& config) {
    ZDR::ChartOptions options = udtTestOptions;
    options.udtConfig = config;
    options.udtConfig.blnSidereal = udtTestOptions.udtConfig.blnSidereal;
    return options;
}

// The zodiac of the test options.
inline bool TestSidereal() {
    return udtTestOptions.udtConfig.blnSidereal;
}

// Puts config in force (ZDR::UseSettings) and takes its orbs as the test orbs.
inline void UseTestSettings(const ZDR::ConfigOptions& config) {
    ZDR::UseSettings(config);
    udtTestOptions = ZDR::ChartOptionsInForce();
}

// The test options with the midpoint orb dblMidpointOrb (radians).
inline ZDR::ChartOptions MidpointOptions(double dblMidpointOrb) {
    ZDR::ChartOptions options = udtTestOptions;
    options.dblMidpointOrb = dblMidpointOrb;
    return options;
}

// The test orbs with every value of config, its zodiac too: the options a picture or an
// export is given.
inline ZDR::ChartOptions OrbsWith(const ZDR::ConfigOptions& config) {
    ZDR::ChartOptions options = udtTestOptions;
    options.udtConfig = config;
    return options;
}
