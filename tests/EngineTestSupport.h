#pragma once
// Set-up shared by the tests of the engine and of its callers: the data files of the build
// folder, clearing the orbs, and the engine tables kept and given back around a test.

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
#include "engine/Catalogue.h"
#include "engine/CoreStartup.h"
#include "engine/EngineTables.h"
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

// Sets every orb of every set to 0 and derives the orb limits again: no aspect is found.
inline void ClearOrbs() {
    for (auto& row : ZDR::dblOrb) {
        for (double& o : row)
            o = 0.0;
    }
    ZDR::DeriveOrbLimits();
}

// Keeps the orbs, the positions, the pattern counts, the number of bodies and the language
// while it lives, and gives them back, with the catalogue names in that language, at its end.
class SavedEngineTables {
  public:
    SavedEngineTables() {
        std::memcpy(dblSavedOrb, ZDR::dblOrb, sizeof ZDR::dblOrb);
        std::memcpy(dblSavedPos, ZDR::dblPos, sizeof ZDR::dblPos);
        std::memcpy(intSavedPatterns, ZDR::intNumPatternsOfType, sizeof ZDR::intNumPatternsOfType);
        intSavedBodies = ZDR::intNumBodies;
        intSavedLanguage = Language::intLanguage;
    }
    ~SavedEngineTables() {
        std::memcpy(ZDR::dblOrb, dblSavedOrb, sizeof ZDR::dblOrb);
        std::memcpy(ZDR::dblPos, dblSavedPos, sizeof ZDR::dblPos);
        std::memcpy(ZDR::intNumPatternsOfType, intSavedPatterns, sizeof ZDR::intNumPatternsOfType);
        ZDR::intNumBodies = intSavedBodies;
        Language::intLanguage = intSavedLanguage;
        ZDR::BuildCatalogueNames();
    }
    SavedEngineTables(const SavedEngineTables&) = delete;
    SavedEngineTables& operator=(const SavedEngineTables&) = delete;

  private:
    double dblSavedOrb[8][3];
    double dblSavedPos[11][2];
    int16_t intSavedPatterns[14];
    int16_t intSavedBodies;
    int16_t intSavedLanguage;
};

// A fixture for charts put together by hand: English names, no body with a position until
// Place puts it there, and the engine tables as they were once the test is over.
class ConstructedChartTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
        for (auto& pos : ZDR::dblPos)
            pos[0] = -99;
    }
    // Puts bodies of chart A at longitudes in degrees.
    static void Place(std::initializer_list<std::pair<int, double>> bodies) {
        for (const auto& [body, degrees] : bodies)
            ZDR::dblPos[body][0] = Rad(degrees);
    }

  private:
    SavedEngineTables udtSavedTables;
};
