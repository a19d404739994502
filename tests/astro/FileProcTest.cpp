// The one rule of every reader: only a regular file is opened; a folder, FIFO or device
// in its place is refused with the reader's own message instead of blocking it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "astro/FileProc.h"
#include "astro/Positions.h"
#include "store/StateFile.h"
#include "tests/EngineTestSupport.h"
#include "text/ProgramText.h"

namespace {

namespace fs = std::filesystem;

class FileProcTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zdr-files-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern + "/";
        std::ofstream(folder + "regular") << "text";
        fs::create_directory(folder + "folder");
        ASSERT_EQ(mkfifo((folder + "fifo").c_str(), 0600), 0);
        fs::create_symlink(folder + "fifo", folder + "link-to-fifo");
        fs::create_symlink(folder + "regular", folder + "link-to-regular");
    }
    void TearDown() override {
        ZDR::strDataFolder = TestDataFolder();
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    std::string folder;
};

TEST_F(FileProcTest, OnlyARegularFileOrNothingIsNoSpecialFile) {
    const std::pair<std::string, bool> rows[] = {
        {folder + "regular", false}, {folder + "link-to-regular", false},
        {folder + "missing", false}, {folder + "folder", true},
        {folder + "fifo", true},     {folder + "link-to-fifo", true},
        {"/dev/null", true},
    };
    for (const auto& [path, blnSpecial] : rows)
        EXPECT_EQ(FileProc::IsSpecialFile(path), blnSpecial) << path;
}

TEST_F(FileProcTest, EveryReaderRefusesAFifoWithItsOwnMessage) {
    for (const char* name : {"fifo", "link-to-fifo", "folder"}) {
        const std::string path = folder + name;
        EXPECT_EQ(mathaid::LoadProgramText(path), -1) << name;

        ZDR::strDataFolder = folder;
        std::string error;
        EXPECT_FALSE(ZDR::ReadPlutoData(name, error));
        EXPECT_EQ(error, "Cannot open " + path + ": it is not a regular file.");

        ZDR::StateFileData data;
        EXPECT_EQ(ZDR::ReadStateFile(path, data), "Not a state file: " + path);
    }
}

TEST_F(FileProcTest, EveryWriterLeavesWhatIsNoRegularFileAsItIs) {
    for (const char* name : {"fifo", "link-to-fifo", "folder"}) {
        const std::string path = folder + name;
        EXPECT_EQ(FileProc::WriteWholeFile(path, "new text"),
                  "Cannot replace " + path + ": " + FileProc::strNotARegularFile);
        EXPECT_EQ(ZDR::WriteStateFile(path, ZDR::StateFileData()).rfind("Cannot replace ", 0), 0u)
            << name;
    }
    EXPECT_TRUE(fs::is_fifo(folder + "fifo"));
    EXPECT_TRUE(fs::is_symlink(folder + "link-to-fifo"));
    EXPECT_TRUE(fs::is_directory(folder + "folder"));
}

}  // namespace
