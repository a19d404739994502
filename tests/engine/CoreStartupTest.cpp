// Starting the core and the rule that finds the data files.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

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
