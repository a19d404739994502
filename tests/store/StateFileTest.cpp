// Writing and reading the state file, in a temporary folder.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "store/StateFile.h"

namespace {

namespace fs = std::filesystem;

class StateFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zdr-state-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        path = (folder / "test.zdr").string();
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(folder, ec);
    }

    // A state with a distinct value in every line: natal aspects of the 2nd birthdate, the
    // sidereal zodiac, a proportion of the orb.
    static ZDR::StateFileData Sample() {
        ZDR::StateFileData data;
        data.dateSets[0] = {"2024", 3, 15, 25, 26};
        data.dateSets[1] = {"1961", 8, 4, 40, 1};
        data.dateSets[2] = {"", 0, 0, 0, -1};
        data.blnModeOption = {false, false, true, false, false, false};
        data.intStepSizeIndex = 3;
        ZDR::ConfigOptions& o = data.options;
        o.intOrbListIndex = {10, 9, 6, 7, 5, 4, 5, 1};
        o.blnUseColor = false;
        o.blnUseBoldface = true;
        o.intBoldfaceFactorIndex = 5;
        o.bln1DegOfOrb = false;
        o.blnSidereal = true;
        o.intProportionIndex = {3, 0};
        o.dblAspectColor = {0, 255, 65280, 16711680, 8421504, 65535, 16777215, 12632256};
        o.blnWaxingWaningAspects = true;
        o.blnKeepZodiac = false;
        o.intMidpointOrbIndex = 6;
        o.blnIncludeTransitingMoon = false;
        data.intOrbIndex = {8, 8, 6, 6, 4, 3, 2, 12};
        return data;
    }

    std::string Contents() const {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(Contents());
        for (std::string line; std::getline(in, line);)
            lines.push_back(line.substr(0, line.size() - 1));  // without the CR
        return lines;
    }

    void WriteLines(const std::vector<std::string>& lines) const {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        for (const std::string& line : lines)
            out << line << "\r\n";
    }

    // Writes the sample, then line number n (from 1) replaced by text.
    void WriteSampleWithLine(int n, const std::string& text) {
        ASSERT_EQ(ZDR::WriteStateFile(path, Sample()), "");
        std::vector<std::string> lines = Lines();
        lines.at(n - 1) = text;
        WriteLines(lines);
    }

    fs::path folder;
    std::string path;
};

TEST_F(StateFileTest, WritesEveryLineInItsForm) {
    ASSERT_EQ(ZDR::WriteStateFile(path, Sample()), "");
    EXPECT_EQ(Contents(),
              " 3 \r\n 15 \r\n2024\r\n 25 \r\n 26 \r\n"
              " 8 \r\n 4 \r\n1961\r\n 40 \r\n 1 \r\n"
              " 0 \r\n 0 \r\n\r\n 0 \r\n-1 \r\n"
              "#FALSE#\r\n#FALSE#\r\n#TRUE#\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n"
              " 3 \r\n 10 \r\n 9 \r\n 0 \r\n 1 \r\n 5 \r\n"
              "#FALSE#\r\n#TRUE#\r\n#TRUE#\r\n#FALSE#\r\n 3 \r\n"
              "8\r\n8\r\n6\r\n6\r\n4\r\n3\r\n2\r\n12\r\n"
              "255\r\n65280\r\n16711680\r\n8421504\r\n65535\r\n16777215\r\n12632256\r\n"
              " 1 \r\n 0 \r\n 6 \r\n 0 \r\n 0 \r\n");
    EXPECT_EQ(fs::directory_iterator(folder)->path(), fs::path(path));  // no temporary left
}

TEST_F(StateFileTest, ReadingRestoresWhatWasWritten) {
    const ZDR::StateFileData written = Sample();
    ASSERT_EQ(ZDR::WriteStateFile(path, written), "");
    ZDR::StateFileData read;
    read.options.blnSuppressInnerPlanetAspects = true;  // not in the file: stays
    ASSERT_EQ(ZDR::ReadStateFile(path, read), "");

    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(read.dateSets[i].strYearText, written.dateSets[i].strYearText);
        EXPECT_EQ(read.dateSets[i].intMonthIndex, written.dateSets[i].intMonthIndex);
        EXPECT_EQ(read.dateSets[i].intDayIndex, written.dateSets[i].intDayIndex);
        EXPECT_EQ(read.dateSets[i].intHourIndex, written.dateSets[i].intHourIndex);
    }
    EXPECT_EQ(read.dateSets[0].intTimezoneIndex, 26);
    EXPECT_EQ(read.dateSets[1].intTimezoneIndex, 1);
    EXPECT_EQ(read.dateSets[2].intTimezoneIndex, 0);  // -1 is outside the list
    EXPECT_EQ(read.blnModeOption, written.blnModeOption);
    EXPECT_EQ(ZDR::SelectedModeOption(read), 2);
    EXPECT_EQ(read.intStepSizeIndex, 3);

    const ZDR::ConfigOptions& o = read.options;
    // The orb boxes end with the applied orb table of lines 33 to 40.
    EXPECT_EQ(read.intOrbIndex, written.intOrbIndex);
    EXPECT_EQ(o.intOrbListIndex, written.intOrbIndex);
    EXPECT_EQ(o.dblAspectColor, written.options.dblAspectColor);
    EXPECT_FALSE(o.blnUseColor);
    EXPECT_TRUE(o.blnUseBoldface);
    EXPECT_EQ(o.intBoldfaceFactorIndex, 5);
    EXPECT_FALSE(o.bln1DegOfOrb);
    EXPECT_TRUE(o.blnSidereal);
    EXPECT_TRUE(o.blnWaxingWaningAspects);
    EXPECT_FALSE(o.blnKeepZodiac);
    EXPECT_EQ(o.intMidpointOrbIndex, 6);
    EXPECT_FALSE(o.blnIncludeTransitingMoon);
    EXPECT_TRUE(o.blnSuppressInnerPlanetAspects);
    // The file ends after line 52: the synastry proportion follows the personal one.
    EXPECT_EQ(o.intProportionIndex[0], 3);
    EXPECT_EQ(o.intProportionIndex[1], 3);
}

TEST_F(StateFileTest, A53rdLineGivesTheSynastryProportion) {
    ASSERT_EQ(ZDR::WriteStateFile(path, Sample()), "");
    std::vector<std::string> lines = Lines();
    for (const auto& [line, expected] : {std::pair<const char*, int>{" 4 ", 4}, {"-1 ", 1}}) {
        lines.resize(52);
        lines.push_back(line);
        WriteLines(lines);
        ZDR::StateFileData read;
        ASSERT_EQ(ZDR::ReadStateFile(path, read), "");
        EXPECT_EQ(read.options.intProportionIndex[1], expected) << line;
        EXPECT_EQ(read.options.intProportionIndex[0], 3);
    }
    lines.back() = "5";
    WriteLines(lines);
    ZDR::StateFileData read;
    EXPECT_NE(ZDR::ReadStateFile(path, read).find("line 53"), std::string::npos);
}

TEST_F(StateFileTest, AFileEndingEarlyFailsAndKeepsWhatWasRead) {
    ASSERT_EQ(ZDR::WriteStateFile(path, Sample()), "");
    std::vector<std::string> lines = Lines();
    lines.resize(30);
    WriteLines(lines);
    ZDR::StateFileData read;
    const std::string error = ZDR::ReadStateFile(path, read);
    EXPECT_EQ(error, "Unexpected end of file in line 31 of " + path);
    EXPECT_EQ(read.dateSets[1].strYearText, "1961");
    EXPECT_EQ(ZDR::SelectedModeOption(read), 2);
    EXPECT_EQ(read.options.intOrbListIndex[0], 10);  // line 23
    EXPECT_TRUE(read.options.blnSidereal);           // line 30
    EXPECT_EQ(read.options.intProportionIndex[0], 0);
    EXPECT_EQ(read.intOrbIndex[0], 0);
}

TEST_F(StateFileTest, ValueRulesOfTheReader) {
    // A timezone beyond the list selects the empty entry.
    WriteSampleWithLine(5, " 48 ");
    ZDR::StateFileData read;
    ASSERT_EQ(ZDR::ReadStateFile(path, read), "");
    EXPECT_EQ(read.dateSets[0].intTimezoneIndex, 0);

    // A colour of 0 keeps the aspect's colour.
    WriteSampleWithLine(41, "0");
    read.options.dblAspectColor[1] = 4242;
    ASSERT_EQ(ZDR::ReadStateFile(path, read), "");
    EXPECT_EQ(read.options.dblAspectColor[1], 4242);
    EXPECT_EQ(read.options.dblAspectColor[2], 65280);

    // Negative entries of the boldface factor, the personal proportion and the midpoint orb.
    WriteSampleWithLine(27, "-1");
    std::vector<std::string> lines = Lines();
    lines[31] = "-7 ";
    lines[49] = "-1";
    WriteLines(lines);
    ASSERT_EQ(ZDR::ReadStateFile(path, read), "");
    EXPECT_EQ(read.options.intBoldfaceFactorIndex, 2);
    EXPECT_EQ(read.options.intProportionIndex[0], 1);
    EXPECT_EQ(read.options.intMidpointOrbIndex, 3);
}

TEST_F(StateFileTest, ReadsBothFormsAndSkipsBlanks) {
    ASSERT_EQ(ZDR::WriteStateFile(path, Sample()), "");
    std::vector<std::string> lines = Lines();
    lines[0] = "3";             // month, write form
    lines[2] = "  1990 , 12 ";  // the year ends at the comma
    lines[15] = " True";        // optPlanetary, print form
    lines[17] = "#false#";      // optNatal(1)
    lines[32] = "\t 11  ";      // orb 1, print form
    WriteLines(lines);
    ZDR::StateFileData read;
    ASSERT_EQ(ZDR::ReadStateFile(path, read), "");
    EXPECT_EQ(read.dateSets[0].intMonthIndex, 3);
    EXPECT_EQ(read.dateSets[0].strYearText, "1990");
    EXPECT_EQ(ZDR::SelectedModeOption(read), 0);
    EXPECT_EQ(read.options.intOrbListIndex[0], 11);
}

TEST_F(StateFileTest, FileWithUnixLineEndsAndWithoutTheLastLineEnd) {
    ASSERT_EQ(ZDR::WriteStateFile(path, Sample()), "");
    std::string text = Contents();
    std::string lfText;
    for (char c : text) {
        if (c != '\r')
            lfText += c;
    }
    lfText.pop_back();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << lfText;
    ZDR::StateFileData read;
    ASSERT_EQ(ZDR::ReadStateFile(path, read), "");
    EXPECT_FALSE(read.options.blnIncludeTransitingMoon);
}

TEST_F(StateFileTest, BadValuesFailWithTheirLine) {
    const struct {
        int line;
        std::string text;
        const char* error;
    } cases[] = {
        {1, " 13 ", "Invalid list index in line 1"},
        {2, "-1", "Invalid list index in line 2"},
        {4, " 49 ", "Invalid list index in line 4"},
        {5, "4000000000", "Number out of range in line 5"},
        {6, "99999999999999999999999999999999", "Number out of range in line 6"},
        {7, "seven", "Not a number in line 7"},
        {7, "", "Not a number in line 7"},
        {7, "3.5", "Not a number in line 7"},
        {16, "yes", "Not a truth value in line 16"},
        {22, " 5 ", "Invalid list index in line 22"},
        {23, " 16 ", "Invalid list index in line 23"},
        {25, " 2 ", "Invalid check box state in line 25"},
        {27, " 9 ", "Invalid list index in line 27"},
        {32, " 5 ", "Invalid list index in line 32"},
        {40, "-1", "Invalid list index in line 40"},
        {41, "16777216", "Invalid colour in line 41"},
        {42, "-2147483643", "Invalid colour in line 42"},
        {50, " 8 ", "Invalid list index in line 50"},
        {3, std::string(256, '7'), "Year text too long in line 3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        WriteSampleWithLine(c.line, c.text);
        ZDR::StateFileData read;
        const std::string error = ZDR::ReadStateFile(path, read);
        EXPECT_EQ(error.rfind(std::string(c.error) + " of " + path, 0), 0u) << error;
    }
    // A year of fifty digits is only text: the date check rejects it later.
    WriteSampleWithLine(3, std::string(50, '9'));
    ZDR::StateFileData read;
    EXPECT_EQ(ZDR::ReadStateFile(path, read), "");
    EXPECT_EQ(read.dateSets[0].strYearText, std::string(50, '9'));
}

TEST_F(StateFileTest, FilesThatAreNoStateFiles) {
    ZDR::StateFileData read;
    EXPECT_EQ(ZDR::ReadStateFile(path, read), "File not found: " + path);
    EXPECT_EQ(ZDR::ReadStateFile(folder.string(), read), "Not a state file: " + folder.string());

    const std::string binary("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    std::ofstream(path, std::ios::binary) << binary;
    EXPECT_EQ(ZDR::ReadStateFile(path, read), "Not a text file: " + path);

    std::ofstream(path, std::ios::binary | std::ios::trunc) << " 1 \r\n 2 \r\n19\xE4"
                                                               "0\r\n";
    EXPECT_EQ(ZDR::ReadStateFile(path, read), "Not a text file: " + path);

    std::ofstream(path, std::ios::binary | std::ios::trunc)
        << std::string(ZDR::intMaxStateFileSize + 1, '\n');
    EXPECT_EQ(ZDR::ReadStateFile(path, read), "Not a state file (larger than 64 KiB): " + path);

    std::ofstream(path, std::ios::binary | std::ios::trunc);
    EXPECT_EQ(ZDR::ReadStateFile(path, read), "Unexpected end of file in line 1 of " + path);

    // Nothing was taken from any of them.
    EXPECT_EQ(read.dateSets[0].strYearText, "");
    EXPECT_EQ(read.dateSets[0].intMonthIndex, 0);
}

TEST_F(StateFileTest, AYearTextWithLineBreaksKeepsTheLayout) {
    ZDR::StateFileData data = Sample();
    data.dateSets[0].strYearText = "19\r\n90";
    data.dateSets[1].strYearText = std::string(300, '1');
    ASSERT_EQ(ZDR::WriteStateFile(path, data), "");
    ZDR::StateFileData read;
    ASSERT_EQ(ZDR::ReadStateFile(path, read), "");
    EXPECT_EQ(read.dateSets[0].strYearText, "1990");
    EXPECT_EQ(read.dateSets[1].strYearText, std::string(ZDR::intMaxYearTextLength, '1'));
    EXPECT_EQ(read.dateSets[0].intHourIndex, 25);
}

TEST_F(StateFileTest, AFailedWriteLeavesThePreviousFile) {
    // The target is a folder: the new file cannot take its place.
    const fs::path target = folder / "taken.zdr";
    fs::create_directory(target);
    std::ofstream(target / "inside") << "kept";
    const std::string error = ZDR::WriteStateFile(target.string(), Sample());
    EXPECT_EQ(error.rfind("Cannot replace " + target.string() + ": ", 0), 0u) << error;
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_TRUE(fs::exists(target / "inside"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    // A write cut short (here by the largest file size a process may write) keeps the file
    // that was there.
    ASSERT_EQ(ZDR::WriteStateFile(path, Sample()), "");
    const std::string before = Contents();
    ZDR::StateFileData other = Sample();
    other.dateSets[0].strYearText = "1800";
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit saved = limit;
    limit.rlim_cur = 100;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const std::string cut = ZDR::WriteStateFile(path, other);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(cut.rfind("Cannot write " + path + ": ", 0), 0u) << cut;
    EXPECT_EQ(Contents(), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);

    const std::string nowhere = (folder / "missing" / "x.zdr").string();
    EXPECT_EQ(ZDR::WriteStateFile(nowhere, Sample()).rfind("Cannot create " + nowhere, 0), 0u);
}

TEST_F(StateFileTest, ASaveRemovesTheLeftoversOfEarlierSavesOfTheSameFile) {
    // A process that has ended: its saves were cut short and left their temporary files.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        _exit(0);
    ASSERT_EQ(waitpid(child, nullptr, 0), child);
    const std::string dead = std::to_string(child);
    const std::string running = std::to_string(getppid());
    struct Row {
        std::string name;
        bool blnRemoved;
    };
    const Row rows[] = {
        {"test.zdr." + dead + ".tmp", true},      // a cut save of this file
        {"test.zdr." + running + ".tmp", false},  // a save under way in another process
        {"other.zdr." + dead + ".tmp", false},    // a cut save of another file
        {"test.zdr.x" + dead + ".tmp", false},    // not a process id
        {"test.zdr.7." + dead + ".tmp", false},   // a save of "test.zdr.7"
        {"test.zdr." + dead, false},
    };
    for (const Row& row : rows)
        std::ofstream(folder / row.name) << "part of a state";
    ASSERT_EQ(ZDR::WriteStateFile(path, Sample()), "");
    for (const Row& row : rows)
        EXPECT_EQ(fs::exists(folder / row.name), !row.blnRemoved) << row.name;
    EXPECT_TRUE(fs::exists(path));
}

TEST_F(StateFileTest, UserStateFileInTheMakersFolder) {
    const fs::path data = folder / "share";
    EXPECT_EQ(ZDR::UserStateFilePath(data.string()), (data / "Quillfen" / "zdr.usr").string());
    EXPECT_TRUE(fs::is_directory(data / "Quillfen"));
    EXPECT_EQ(ZDR::UserStateFilePath(data.string()), (data / "Quillfen" / "zdr.usr").string());
}

TEST(StateCleanFlag, LastsFiveTicks) {
    ZDR::StateCleanFlag flag;
    EXPECT_FALSE(flag.IsSet());
    flag.Tick();
    flag.Set();
    for (int tick = 1; tick <= 5; ++tick) {
        flag.Tick();
        EXPECT_TRUE(flag.IsSet()) << tick;
    }
    flag.Set();  // a new save starts the count again
    for (int tick = 1; tick <= 5; ++tick)
        flag.Tick();
    EXPECT_TRUE(flag.IsSet());
    flag.Tick();
    EXPECT_FALSE(flag.IsSet());
}

}  // namespace

namespace {

Places::DatePlace UlmAt(int16_t minute, int16_t dst) {
    Places::DatePlace p;
    p.blnSet = true;
    p.strName = "Ulm, Baden-Württemberg, Germany";
    p.dblLatitude = 48.39841;
    p.dblLongitude = 9.99155;
    p.strZone = "Europe/Berlin";
    p.intMinute = minute;
    p.intDst = dst;
    return p;
}

}  // namespace

TEST_F(StateFileTest, PlacesFollowTheFiftyTwoLines) {
    struct Case {
        int intSet;
        Places::DatePlace udtPlace;
        const char* strLine;
    };
    Places::DatePlace south = UlmAt(150, Places::intDstNo);
    south.dblLatitude = -33.86785;
    south.dblLongitude = -151.20732;
    south.strName = "Name; with a semicolon";
    const Case cases[] = {
        {1, UlmAt(14 * 60 + 7, Places::intDstAsk),
         "Place1: 14:07; -; 48.39841; 9.99155; Europe/Berlin; Ulm, Baden-Württemberg, Germany"},
        {2, UlmAt(0, Places::intDstYes),
         "Place2: 00:00; summer; 48.39841; 9.99155; Europe/Berlin; Ulm, Baden-Württemberg, Germany"},
        {0, south,
         "Place0: 02:30; standard; -33.86785; -151.20732; Europe/Berlin; Name; with a semicolon"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.strLine);
        ZDR::StateFileData written = Sample();
        written.udtPlaces[c.intSet] = c.udtPlace;
        ASSERT_EQ(ZDR::WriteStateFile(path, written), "");
        const std::vector<std::string> lines = Lines();
        ASSERT_EQ(lines.size(), 54u);
        EXPECT_EQ(lines[50], " 0 ");  // line 51, the synastry proportion
        EXPECT_EQ(lines[52], lines[50]);
        EXPECT_EQ(lines[53], c.strLine);

        ZDR::StateFileData read;
        read.udtPlaces[0] = UlmAt(1, 1);  // replaced by what the file says
        ASSERT_EQ(ZDR::ReadStateFile(path, read), "");
        for (int s = 0; s < 3; ++s)
            EXPECT_TRUE(read.udtPlaces[s] == written.udtPlaces[s]) << s;

        // A reader of the 52 lines stops after the 53rd, which repeats the 51st: every value
        // it reads is the one written.
        std::vector<std::string> first53(lines.begin(), lines.begin() + 53);
        WriteLines(first53);
        ZDR::StateFileData older;
        ASSERT_EQ(ZDR::ReadStateFile(path, older), "");
        EXPECT_EQ(older.options.intProportionIndex, written.options.intProportionIndex);
        EXPECT_EQ(older.intOrbIndex, read.intOrbIndex);
        EXPECT_EQ(older.blnModeOption, read.blnModeOption);
        EXPECT_EQ(older.options.dblAspectColor, read.options.dblAspectColor);
        for (int s = 0; s < 3; ++s) {
            EXPECT_EQ(older.dateSets[s].strYearText, read.dateSets[s].strYearText);
            EXPECT_EQ(older.dateSets[s].intHourIndex, read.dateSets[s].intHourIndex);
            EXPECT_EQ(older.dateSets[s].intTimezoneIndex, read.dateSets[s].intTimezoneIndex);
        }
    }
    // Without a place the file is the 52 lines of old (WritesEveryLineInItsForm).
    ASSERT_EQ(ZDR::WriteStateFile(path, Sample()), "");
    EXPECT_EQ(Lines().size(), 52u);
}

TEST_F(StateFileTest, PlaceLinesThatCannotBeRead) {
    const char* const bad[] = {
        "Place1: 24:00; -; 48.4; 10.0; Europe/Berlin; Ulm",
        "Place1: 14:07; maybe; 48.4; 10.0; Europe/Berlin; Ulm",
        "Place1: 14:07; -; 91; 10.0; Europe/Berlin; Ulm",
        "Place1: 14:07; -; 48,4; 10.0; Europe/Berlin; Ulm",
        "Place1: 14:07; -; 48.4; 10.0; Europe/Berlin",
        "Place7: 14:07; -; 48.4; 10.0; Europe/Berlin; Ulm",
    };
    ZDR::StateFileData written = Sample();
    written.udtPlaces[1] = UlmAt(847, 0);
    ASSERT_EQ(ZDR::WriteStateFile(path, written), "");
    std::vector<std::string> lines = Lines();
    for (const char* line : bad) {
        lines[53] = line;
        WriteLines(lines);
        ZDR::StateFileData read;
        EXPECT_NE(ZDR::ReadStateFile(path, read).find("Invalid place in line 54"), std::string::npos)
            << line;
    }
    // A line of another kind is passed over.
    lines[53] = "Something: new";
    WriteLines(lines);
    ZDR::StateFileData read;
    EXPECT_EQ(ZDR::ReadStateFile(path, read), "");
    EXPECT_FALSE(read.udtPlaces[1].blnSet);
}
