// zodarc-cli chart, run as the built program: the picture's size in both forms, the glyphs
// at the longitudes that positions gives, a picture replaced whole, and the usage errors.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/cli/CliRunner.h"

namespace {

using CliRunner::Cli;
using CliRunner::CliRun;
using CliRunner::Holds;

class WheelCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = ::testing::TempDir() + "zodarc-chart-cli-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        strFolder = pattern;
        strPng = strFolder + "/wheel.png";
    }
    void TearDown() override {
        std::remove(strPng.c_str());
        rmdir(strFolder.c_str());
    }
    // The width and height a PNG file's header gives; 0, 0 for no PNG.
    static std::pair<int, int> PngSize(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        unsigned char header[24] = {};
        file.read(reinterpret_cast<char*>(header), sizeof header);
        if (!file || header[1] != 'P' || header[2] != 'N' || header[3] != 'G')
            return {0, 0};
        const auto number = [&header](int at) {
            return (header[at] << 24) | (header[at + 1] << 16) | (header[at + 2] << 8) |
                   header[at + 3];
        };
        return {number(16), number(20)};
    }
    // The bytes of the file at path; "" for none.
    static std::string Contents(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        std::stringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }
    // The number after "key": in text from position from on.
    static double NumberAfter(const std::string& text, const std::string& key, std::size_t from) {
        const std::size_t at = text.find("\"" + key + "\": ", from);
        return at == std::string::npos ? -1 : std::atof(text.c_str() + at + key.size() + 4);
    }

    std::string strFolder;
    std::string strPng;
};

TEST_F(WheelCliTest, OneRingOrTwoInThePicturesOwnSize) {
    const CliRun single = Cli("chart --png '" + strPng + "' --date 2024-03-10 --json");
    ASSERT_EQ(single.intExit, 0) << single.strErr;
    EXPECT_EQ(PngSize(strPng), std::make_pair(400, 400));
    EXPECT_TRUE(Holds(single.strOut, "\"width\": 400, \"height\": 400, \"noRoom\": false"));

    const CliRun two = Cli("chart --png '" + strPng +
                           "' --mode personal1 --date 2024-03-10 --birth1-date 1970-05-17 "
                           "--no-transiting-moon --json");
    ASSERT_EQ(two.intExit, 0) << two.strErr;
    EXPECT_EQ(PngSize(strPng), std::make_pair(660, 440));
    // Nine transiting bodies without the Moon, ten natal ones.
    std::size_t glyphs = 0;
    for (std::size_t at = two.strOut.find("{\"body\""); at != std::string::npos;
         at = two.strOut.find("{\"body\"", at + 1))
        ++glyphs;
    EXPECT_EQ(glyphs, 19u);
    EXPECT_FALSE(Holds(two.strOut, "{\"body\": 10, \"set\": 0"));
}

TEST_F(WheelCliTest, GlyphsStandAtTheLongitudesOfTheirBodies) {
    // Seven bodies in Aquarius, most of them in the first house of a birth in Delhi: without
    // a place 0° Aries lies on the right; with it the wheel turns the Ascendant to the left,
    // unless --aries-right.
    const std::string date = "--date 1962-02-04 --time 06:00";
    const std::string place = " --lat 28.6 --lon 77.2 --tz Asia/Kolkata";
    const std::string birth = " --mode natal1 --birth1-date 1962-02-04 --birth1-time 06:00 "
                              "--birth1-lat 28.6 --birth1-lon 77.2 --birth1-tz Asia/Kolkata";
    const CliRun houses = Cli("houses --json " + date + place);
    ASSERT_EQ(houses.intExit, 0) << houses.strErr;
    const double ascendant = NumberAfter(houses.strOut, "ascendant", 0);
    const struct {
        std::string strChart, strPositions;
        double dblTurn;  // degrees
    } kCases[] = {{date, date, 0},
                  {birth, date + place, 180 - ascendant},
                  {birth + " --aries-right", date + place, 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.strChart);
        const CliRun chart = Cli("chart --png '" + strPng + "' --json " + c.strChart);
        const CliRun positions = Cli("positions --json " + c.strPositions);
        ASSERT_EQ(chart.intExit, 0) << chart.strErr;
        ASSERT_EQ(positions.intExit, 0) << positions.strErr;
        const char* const names[] = {"Sun",    "Mercury", "Venus",   "Mars",  "Jupiter",
                                     "Saturn", "Uranus",  "Neptune", "Pluto", "Moon"};
        for (int b = 1; b <= 10; ++b) {
            const std::size_t glyph = chart.strOut.find("{\"body\": " + std::to_string(b) + ", ");
            ASSERT_NE(glyph, std::string::npos) << b;
            // The glyph's box reaches 150 twips left of and above its point.
            const double x = NumberAfter(chart.strOut, "left", glyph) + 150 - 3000;
            const double y = 3000 - (NumberAfter(chart.strOut, "top", glyph) + 150);
            const double longitude = NumberAfter(
                positions.strOut, "longitude",
                positions.strOut.find("\"name\": \"" + std::string(names[b - 1]) + "\""));
            const double angle = std::atan2(y, x) * 180 / 3.14159265358979;
            // A point rounded to whole twips lies within 0.05° at the radii a glyph may take.
            EXPECT_NEAR(std::remainder(angle - longitude - c.dblTurn, 360), 0, 0.05)
                << names[b - 1];
            EXPECT_LT(std::hypot(x, y), 2900);
        }
    }
}

TEST_F(WheelCliTest, APictureIsReplacedWholeOrNotAtAll) {
    {
        std::ofstream old(strPng);
        old << "an older file";
    }
    ASSERT_EQ(Cli("chart --png '" + strPng + "' --date 2024-03-10").intExit, 0);
    EXPECT_EQ(PngSize(strPng), std::make_pair(400, 400));

    const std::string missing = strFolder + "/no such folder/wheel.png";
    const CliRun failed = Cli("chart --png '" + missing + "' --date 2024-03-10");
    EXPECT_EQ(failed.intExit, 1);
    EXPECT_TRUE(Holds(failed.strErr, missing));
    EXPECT_EQ(PngSize(missing), std::make_pair(0, 0));
}

TEST_F(WheelCliTest, AFailedChartLeavesTheFileAsItWas) {
    const std::string old = strFolder + "/old.png";
    ASSERT_EQ(Cli("chart --png '" + old + "' --date 2024-03-10").intExit, 0);
    const std::string before = Contents(old);
    const std::string folder = strFolder + "/folder.png";
    const std::string fifo = strFolder + "/fifo.png";
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::string args;
        std::string target;
        const char* reason;
    } rows[] = {
        // A date beyond the data: no position, no picture.
        {"--jd 0", old, "too early"},
        {"--date 2024-03-10", folder, "not a regular file"},
        {"--date 2024-03-10", fifo, "not a regular file"},
        // A write cut short by the largest file size the process may write (8 KiB of a
        // picture of some 15 KB), as on a full disk.
        {"--date 2024-03-11", old, "File too large"},
    };
    for (const auto& row : rows) {
        const std::string chart = "chart --png '" + row.target + "' " + row.args;
        const CliRun run =
            row.reason == std::string("File too large")
                ? CliRunner::RunProgram("sh", "-c \"trap '' XFSZ; ulimit -f 16; exec '" +
                                                  CliRunner::BuildDir() + "zodarc-cli' " + chart +
                                                  "\"")
                : Cli(chart);
        EXPECT_EQ(run.intExit, 1) << row.args;
        EXPECT_TRUE(Holds(run.strErr, row.reason)) << row.args;
    }
    EXPECT_EQ(Contents(old), before);
    struct stat status {};
    ASSERT_EQ(stat(fifo.c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    ASSERT_EQ(stat(folder.c_str(), &status), 0);
    EXPECT_TRUE(S_ISDIR(status.st_mode));
    std::remove(old.c_str());
    std::remove(fifo.c_str());
    rmdir(folder.c_str());
}

TEST_F(WheelCliTest, UsageErrors) {
    struct Case {
        const char* args;
        const char* message;
    };
    const Case cases[] = {
        {"chart --date 2024-03-10", "--png, --svg, --pdf or --sheet FILE is needed"},
        {"chart --date 2024-03-10 --png", "--png needs a value"},
        {"chart --png x.png --waxing-waning", "unknown option '--waxing-waning'"},
        {"chart --png x.png --mode circle", "'circle' after --mode"},
        {"chart --png \"$(printf '\\377.png')\" --date 2024-03-10",
         "expected a file name in UTF-8"},
        {"chart --png x.png --scale 5", "'5' after --scale: expected a factor 1..4"},
        {"chart --png x.png --scale 0", "'0' after --scale: expected a factor 1..4"},
        {"chart --sheet x.pdf --paper a3", "'a3' after --paper: expected a4 or letter"},
        {"chart --sheet x.pdf --mode personal1 --date 2024-03-10 --birth1-date 1970-05-17 "
         "--transit neptune,sextile,sun",
         "--sheet holds the chart wheel"},
    };
    for (const Case& c : cases) {
        const CliRun run = Cli(c.args);
        EXPECT_EQ(run.intExit, 2) << c.args;
        EXPECT_TRUE(Holds(run.strErr, c.message)) << c.args;
    }
    const CliRun help = Cli("chart --help");
    EXPECT_EQ(help.intExit, 0);
    EXPECT_TRUE(Holds(help.strOut, "--png FILE"));
    EXPECT_TRUE(Holds(help.strOut, "--sheet FILE"));
}

// Every file asked for, named in the JSON; the PNG enlarged; the SVG, the PDF and the
// sheet as their own readers take them. A file that cannot be written leaves nothing.
TEST_F(WheelCliTest, SvgPdfSheetAndTheEnlargedPng) {
    const std::string svg = strFolder + "/wheel.svg";
    const std::string pdf = strFolder + "/wheel.pdf";
    const std::string sheet = strFolder + "/sheet.pdf";
    const CliRun run =
        Cli("chart --png '" + strPng + "' --scale 3 --svg '" + svg + "' --pdf '" + pdf +
            "' --sheet '" + sheet + "' --paper letter --date 2024-03-10 --json");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_TRUE(Holds(run.strOut, "\"png\": \"" + strPng + "\", \"scale\": 3, \"svg\": \"" + svg +
                                      "\", \"pdf\": \"" + pdf + "\", \"sheet\": \"" + sheet +
                                      "\", \"width\": 400, \"height\": 400"));
    EXPECT_EQ(PngSize(strPng), std::make_pair(1200, 1200));
    const std::string rendered = strFolder + "/rendered.png";
    EXPECT_EQ(CliRunner::RunProgram("rsvg-convert", "-o '" + rendered + "' '" + svg + "'").intExit,
              0);
    EXPECT_EQ(PngSize(rendered).first, 400);
    const CliRun page = CliRunner::RunProgram("pdfinfo", "'" + pdf + "'");
    EXPECT_TRUE(Holds(page.strOut, "Page size:       300 x 300 pts"));
    const CliRun sheetInfo = CliRunner::RunProgram("pdfinfo", "'" + sheet + "'");
    EXPECT_TRUE(Holds(sheetInfo.strOut, "Pages:           1"));
    EXPECT_TRUE(Holds(sheetInfo.strOut, "Page size:       612 x 792 pts (letter)"));
    const CliRun text = CliRunner::RunProgram("pdftotext", "'" + sheet + "' -");
    for (const char* part : {"World transits", "World date: 2024-03-10", "Tropical zodiac",
                             "aspects in total", "Drawn with Zodarc"})
        EXPECT_TRUE(Holds(text.strOut, part)) << part;
    for (const std::string& path : {svg, pdf, sheet, rendered})
        std::remove(path.c_str());

    // Nothing half-written: no folder there, or a folder in the file's place.
    const std::string missing = strFolder + "/no such folder/wheel.svg";
    const CliRun failed = Cli("chart --svg '" + missing + "' --date 2024-03-10");
    EXPECT_EQ(failed.intExit, 1);
    EXPECT_TRUE(Holds(failed.strErr, missing));
    EXPECT_EQ(CliRunner::RunProgram("test", "-e '" + missing + "'").intExit, 1);
    ASSERT_EQ(mkdir(pdf.c_str(), 0700), 0);
    const CliRun onFolder = Cli("chart --pdf '" + pdf + "' --date 2024-03-10");
    EXPECT_EQ(onFolder.intExit, 1);
    EXPECT_EQ(CliRunner::RunProgram("test", "-d '" + pdf + "'").intExit, 0);
    rmdir(pdf.c_str());
}

// Transiting Neptune sextile the Sun of 17 May 1970, 14:00 GMT+1, at 10 March 2024.
const std::string kNeptuneSextile =
    "--mode personal1 --date 2024-03-10 --zone +1:00 --birth1-date 1970-05-17 --birth1-time "
    "14:00 --birth1-zone +1:00 ";

TEST_F(WheelCliTest, TheTransitGraphicOfAPersonalTransit) {
    const CliRun run = Cli("chart --png '" + strPng + "' " + kNeptuneSextile +
                           "--transit Neptune,sextile,SUN --json");
    ASSERT_EQ(run.intExit, 0) << run.strErr;
    EXPECT_EQ(PngSize(strPng), std::make_pair(730, 440));
    // The days the durations list gives for the same aspect.
    const CliRun durations = Cli("durations " + kNeptuneSextile);
    ASSERT_EQ(durations.intExit, 0);
    EXPECT_TRUE(Holds(durations.strOut, "from February 28, 2023,"));
    EXPECT_TRUE(Holds(durations.strOut, "to March 31, 2024"));
    EXPECT_TRUE(Holds(run.strOut, "\"begin\": \"2023-02-28\", \"end\": \"2024-03-31\""));

    struct Case {
        const char* args;
        int exit;
        const char* message;
    };
    const Case cases[] = {
        {"--transit pluto,square,sun", 1, "transiting Pluto square to natal Sun: not in orb"},
        {"--transit moon,trine,sun", 1, "not in orb"},
        {"--transit neptune,sextile", 2, "expected TRANSITING,ASPECT,NATAL"},
        {"--transit neptune,sextil,sun", 2, "expected TRANSITING,ASPECT,NATAL"},
    };
    for (const Case& c : cases) {
        const CliRun failed = Cli("chart --png '" + strPng + "' " + kNeptuneSextile + c.args);
        EXPECT_EQ(failed.intExit, c.exit) << c.args;
        EXPECT_TRUE(Holds(failed.strErr, c.message)) << c.args;
    }
    const CliRun world =
        Cli("chart --png '" + strPng + "' --date 2024-03-10 --transit sun,trine,sun");
    EXPECT_EQ(world.intExit, 1);
    EXPECT_TRUE(Holds(world.strErr, "--mode personal1 or personal2"));
}

}  // namespace
