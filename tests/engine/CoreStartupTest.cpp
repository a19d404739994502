// Starting the core and the rule that finds the data files.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "astro/Ephemeris.h"
#include "astro/Positions.h"
#include "engine/CoreStartup.h"
#include "tests/EngineTestSupport.h"

namespace {

namespace fs = std::filesystem;

class CoreStartupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = ::testing::TempDir() + "zodarc-startXXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        strRoot = pattern;
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(strRoot, ec);
        ASSERT_TRUE(LoadTestDataFiles());
    }
    // Copies the file name of the build folder into folder, creating the folder.
    static void CopyDataFile(const std::string& name, const std::string& folder) {
        fs::create_directories(folder);
        fs::copy_file(TestDataFolder() + name, folder + "/" + name);
    }
    std::string strRoot;
};

TEST_F(CoreStartupTest, TheDataFolderIsBesideTheProgramElseTheInstalledOne) {
    const std::string bin = strRoot + "/bin";
    const std::string share = strRoot + "/bin/../share/zodarc";
    fs::create_directories(bin);
    EXPECT_EQ(ZDR::DataFolder(bin), bin) << "neither: beside the program";
    CopyDataFile("zdr.dat", strRoot + "/share/zodarc");
    EXPECT_EQ(ZDR::DataFolder(bin), share);
    CopyDataFile("zdr.dat", bin);
    EXPECT_EQ(ZDR::DataFolder(bin), bin);
    EXPECT_NE(ZDR::ExecutableFolder(), ".");
}

TEST_F(CoreStartupTest, EphemerisFilesAreTheDataFoldersOwnElseTheSystems) {
    const std::string system = ZDR::EphemerisFolder(strRoot);
    EXPECT_NE(system, strRoot) << "no ephemeris file: the system's folder";
    EXPECT_TRUE(fs::is_regular_file(system + "/sepl_18.se1")) << system;
    // Any entry named like an ephemeris file makes the folder the program's own, damaged
    // or not, so that its damage is reported rather than passed over.
    for (const char* name : {"semo_18.se1", "sepl_00.se1/"}) {
        const std::string folder = strRoot + "/" + name;
        fs::create_directories(fs::path(folder).parent_path());
        if (folder.back() == '/')
            fs::create_directories(folder);
        else
            std::ofstream(folder).put('x');
        EXPECT_EQ(ZDR::EphemerisFolder(strRoot), strRoot) << name;
        fs::remove_all(fs::path(strRoot + "/" + name).lexically_normal());
    }
}

TEST_F(CoreStartupTest, AnInstalledProgramComputesWithTheSystemsEphemerisFiles) {
    const std::string share = strRoot + "/share/zodarc";
    CopyDataFile("zdr.dat", share);
    CopyDataFile("pluto.slx", share);
    fs::create_directories(strRoot + "/bin");
    ASSERT_EQ(ZDR::StartCore(ZDR::DataFolder(strRoot + "/bin")).intOutcome, ZDR::intStartupDone);
    EXPECT_NEAR(ZDR::BodyLongitude(1, 2451545.0), Rad(280.368919), 1e-8);  // the Sun
    EXPECT_FALSE(orbitlib::AnalyticEphemerisUsed());
}

TEST_F(CoreStartupTest, EndsAtTheFirstMissingFileWithItsMessage) {
    ZDR::CoreStartup core = ZDR::StartCore(strRoot);
    EXPECT_EQ(core.intOutcome, ZDR::intStartupNoProgramText);
    ASSERT_EQ(core.udtMessages.size(), 1u);
    EXPECT_EQ(core.udtMessages[0].strText,
              "Cannot open file containing program text.\n" + strRoot + "/zdr.dat");

    CopyDataFile("zdr.dat", strRoot);
    core = ZDR::StartCore(strRoot);
    EXPECT_EQ(core.intOutcome, ZDR::intStartupNoPlutoTable);
    ASSERT_EQ(core.udtMessages.size(), 1u);
    EXPECT_EQ(core.udtMessages[0].strTitle, "Read Pluto Data");
    EXPECT_EQ(ZDR::strDataFolder, strRoot + "/");

    CopyDataFile("pluto.slx", strRoot);
    core = ZDR::StartCore(strRoot + "/");
    EXPECT_EQ(core.intOutcome, ZDR::intStartupDone);
    EXPECT_EQ(ZDR::strDataFolder, strRoot + "/");
    EXPECT_EQ(ZDR::strPlutoLine.size(), static_cast<std::size_t>(ZDR::lngPlutoTableLines));
}

}  // namespace
