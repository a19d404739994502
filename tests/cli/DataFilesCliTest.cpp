// zodarc-cli on a copy of its folder with damaged data files: a position it must print
// that a damaged file withholds ends it with status 1 and the file's message on standard
// error; a missing file is named and its positions come from the analytic theory; a FIFO
// in place of a data file is refused instead of blocking.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/cli/CliRunner.h"

namespace {

namespace fs = std::filesystem;

using CliRunner::CliRun;
using CliRunner::Holds;

class DataFilesCli : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zdr-clidata-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern + "/";
        for (const fs::directory_entry& entry : fs::directory_iterator(CliRunner::BuildDir())) {
            const std::string name = entry.path().filename().string();
            if (entry.path().extension() == ".se1" || name == "zdr.dat" || name == "pluto.slx" ||
                name == "zodarc-cli")
                fs::copy_file(entry.path(), folder + name);
        }
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    CliRun Run(const std::string& args) {
        return CliRunner::RunProgram(folder + "zodarc-cli", args);
    }
    std::string folder;
};

TEST_F(DataFilesCli, APositionThatADamagedFileWithholdsEndsWithTheFilesMessage) {
    fs::resize_file(folder + "sepl_18.se1", 1000);
    const char* const commands[] = {
        "positions --date 2024-03-10",
        "table --date 2024-03-10 --json",
        "report --mode natal1 --birth1-date 1970-05-17",
        "report --mode synastry --birth1-date 1750-01-01 --birth2-date 1985-11-02",
    };
    for (const char* args : commands) {
        const CliRun run = Run(args);
        EXPECT_EQ(run.intExit, 1) << args;
        // Once, however many positions met it.
        const std::string message =
            "The ephemeris file sepl_18.se1 is damaged. The Sun, the Moon and the planets (all "
            "but Pluto) have no positions in the years 1800 to 2399.\n";
        const auto at = run.strErr.find(message);
        EXPECT_NE(at, std::string::npos) << args << ": " << run.strErr;
        EXPECT_EQ(run.strErr.find(message, at + 1), std::string::npos) << run.strErr;
        EXPECT_TRUE(Holds(run.strErr, "Ephemeris file " + folder + "sepl_18.se1 is damaged"));
    }
    EXPECT_TRUE(
        Holds(Run("positions --date 2024-03-10").strOut, "Sun                ?  no position"));
    // Positions of another span are printed; the damaged file is named all the same.
    const CliRun other = Run("positions --date 1750-03-10");
    EXPECT_EQ(other.intExit, 0) << other.strErr;
    EXPECT_TRUE(Holds(other.strOut, "Sun       349.845639")) << other.strOut;
    EXPECT_TRUE(Holds(other.strErr, "The ephemeris file sepl_18.se1 is damaged."));
}

TEST_F(DataFilesCli, AMissingFileIsNamedAndTheTheoryStandsIn) {
    fs::remove(folder + "semo_18.se1");
    CliRun run = Run("positions --date 2024-03-10");
    EXPECT_EQ(run.intExit, 0);
    EXPECT_TRUE(Holds(run.strOut, "Moon      352.18"));
    EXPECT_EQ(run.strErr,
              "The ephemeris file semo_18.se1 is missing. In the years 1800 to 2099 the positions "
              "of the Moon come from the built-in analytic theory and are less precise.\nThe "
              "ephemeris library says: SwissEph file 'semo_18.se1' not found in PATH '" +
                  folder + "' using Moshier eph. for moon;\n");
    run = Run("positions --date 2024-03-10 --language de");
    EXPECT_TRUE(Holds(run.strErr, "Die Ephemeridendatei semo_18.se1 fehlt."));
}

// Flips bits of count bytes of the file at path from offset on.
void Flip(const std::string& path, long offset, std::size_t count) {
    std::FILE* file = std::fopen(path.c_str(), "r+b");
    ASSERT_NE(file, nullptr) << path;
    std::string bytes(count, '\0');
    std::fseek(file, offset, SEEK_SET);
    ASSERT_EQ(std::fread(bytes.data(), 1, count, file), count);
    for (char& c : bytes)
        c = static_cast<char>(c ^ 0x5a);
    std::fseek(file, offset, SEEK_SET);
    std::fwrite(bytes.data(), 1, count, file);
    std::fclose(file);
}

TEST_F(DataFilesCli, AFileThatTheLibraryReadsWronglyIsNamedAsDamaged) {
    // Damage that the library reads without a word (positions 14 degrees off), and damage
    // that makes it call the other file of the span missing.
    const struct {
        const char* name;
        long offset;
        std::size_t count;
        const char* other;
        const char* reason;
    } rows[] = {
        {"sepl_18.se1", 1400, 8, "semo_18.se1",
         "Its positions lie up to 13.99° from those of the built-in analytic theory."},
        {"semo_18.se1", 500, 64, "sepl_18.se1", "The ephemeris library says: "},
    };
    for (const auto& row : rows) {
        const std::string path = folder + row.name;
        fs::copy_file(path, folder + "kept");
        Flip(path, row.offset, row.count);
        const CliRun run = Run("positions --date 2024-03-10");
        EXPECT_EQ(run.intExit, 1) << row.name;
        EXPECT_TRUE(Holds(run.strErr, std::string("The ephemeris file ") + row.name +
                                          " is damaged. The Sun, the Moon and the planets"));
        EXPECT_TRUE(Holds(run.strErr, row.reason)) << row.name;
        EXPECT_FALSE(Holds(run.strErr, row.other)) << row.name;
        EXPECT_TRUE(Holds(run.strOut, "Sun                ?  no position")) << row.name;

        // A search meets no position at its first step: it ends with the reason, not with
        // "not found".
        const CliRun search = Run("search --date 2024-01-01 --pattern yod --until 2024-01-05");
        EXPECT_EQ(search.intExit, 3) << row.name;
        EXPECT_TRUE(Holds(search.strErr, "no positions at 2024-01-02 12:00; the search stops"));
        EXPECT_EQ(search.strOut, "") << row.name;

        // A chart draws nothing and leaves the picture that was there.
        std::ofstream(folder + "old.png") << "an older picture";
        const CliRun chart = Run("chart --date 2024-03-10 --png '" + folder + "old.png'");
        EXPECT_EQ(chart.intExit, 1) << row.name;
        std::ifstream old(folder + "old.png");
        std::string kept;
        std::getline(old, kept);
        EXPECT_EQ(kept, "an older picture") << row.name;
        fs::remove(folder + "old.png");
        fs::remove(path);
        fs::rename(folder + "kept", path);
    }
}

TEST_F(DataFilesCli, AProgramTextFileCutShortIsNotedOnce) {
    std::ifstream whole(folder + "zdr.dat");
    std::string text;
    std::string line;
    int texts = 0;
    int kept = 0;
    std::vector<std::string> lines;
    while (std::getline(whole, line))
        lines.push_back(line + "\n");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool blnText = !lines[i].empty() && lines[i][0] >= '0' && lines[i][0] <= '9';
        texts += blnText;
        if (i < lines.size() / 2) {
            text += lines[i];
            kept += blnText;
        }
    }
    whole.close();
    EXPECT_EQ(Run("positions --date 2024-03-10").strErr, "");
    std::ofstream(folder + "zdr.dat", std::ios::trunc) << text;
    const CliRun run = Run("positions --date 2024-03-10");
    const std::string note = "The program text file " + folder + "zdr.dat holds " +
                             std::to_string(kept) + " of the " + std::to_string(texts) +
                             " texts it should hold";
    EXPECT_TRUE(CliRunner::BeginsWith(run.strErr, note));
    EXPECT_EQ(run.strErr.find(note, 1), std::string::npos) << run.strErr;
}

TEST_F(DataFilesCli, AFifoInPlaceOfADataFileIsRefused) {
    struct Row {
        const char* name;
        const char* message;
    };
    const Row rows[] = {
        {"sepl_18.se1",
         "In place of sepl_18.se1, a file of the ephemeris library, there is a "
         "folder or another special file"},
        {"pluto.slx", "it is not a regular file.\nError when reading geocentric Pluto data."},
        {"zdr.dat", "Cannot open file containing program text."},
    };
    for (const Row& row : rows) {
        fs::rename(folder + row.name, folder + "kept");
        ASSERT_EQ(mkfifo((folder + row.name).c_str(), 0600), 0);
        const CliRun run = Run("positions --date 2024-03-10");
        EXPECT_EQ(run.intExit, 1) << row.name;
        EXPECT_TRUE(Holds(run.strErr, row.message)) << row.name;
        fs::remove(folder + row.name);
        fs::rename(folder + "kept", folder + row.name);
    }
}

}  // namespace
