#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "astro/Ephemeris.h"
#include "astro/Positions.h"
#include "astro/Turn.h"
#include "tests/EngineTestSupport.h"

namespace {

constexpr double kArcsecond = ZDR::dblTurn / 360 / 3600;  // radians
constexpr double kFirstMidnight = 2305447.5;              // 1600-01-01 0h UT

// Difference a - b of two longitudes (radians), reduced into [-pi, pi).
double AngleDiff(double a, double b) {
    return ZDR::NormalizeAngle(a - b + ZDR::dblPi) - ZDR::dblPi;
}

double Degrees(double deg, double min, double sec) {
    return (deg + min / 60 + sec / 3600) / 360 * ZDR::dblTurn;
}

// Table line i holding degrees:minutes, written the way pluto.slx is encoded.
std::string Entry(int32_t i, int degrees, int minutes) {
    const int step = degrees / 60;
    std::string line(3, ' ');
    line[0] = static_cast<char>(58 + step + i % 55);
    line[1] = static_cast<char>(59 + degrees - 60 * step);
    line[2] = static_cast<char>(60 + minutes);
    return line;
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class Positions : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(LoadTestPlutoTable());
        savedTable_ = ZDR::strPlutoLine;
    }
    void TearDown() override {
        ZDR::strPlutoLine.swap(savedTable_);
        ZDR::strDataFolder = TestDataFolder();
    }
    // A temporary folder of this test, ending in "/".
    std::string TempFolder() {
        std::string pattern = ::testing::TempDir() + "zodarc-posXXXXXX";
        const char* made = mkdtemp(pattern.data());
        EXPECT_NE(made, nullptr);
        return pattern + "/";
    }

  private:
    std::vector<std::string> savedTable_;
};

TEST_F(Positions, MoonAndPlutoRangeLimits) {
    EXPECT_EQ(ZDR::PlutoLongitude(kFirstMidnight), ZDR::PlutoTableEntry(0) / 360 * ZDR::dblTurn);
    EXPECT_EQ(ZDR::PlutoLongitude(2305447.4), -99);
    EXPECT_GE(ZDR::PlutoLongitude(2488069.4), 0);
    EXPECT_EQ(ZDR::PlutoLongitude(2488069.5), -100);
    EXPECT_EQ(ZDR::MoonLongitude(2305447.4), -99);
    EXPECT_GE(ZDR::MoonLongitude(kFirstMidnight), 0);
    EXPECT_GE(ZDR::MoonLongitude(2488069.4), 0);
    EXPECT_EQ(ZDR::MoonLongitude(2488069.5), -100);
    EXPECT_LT(ZDR::PlutoLongitude(std::nan("")), 0);
    EXPECT_LT(ZDR::MoonLongitude(std::nan("")), 0);
    // The codes pass unchanged through the sidereal zodiac.
    EXPECT_EQ(ZDR::BodyLongitudeIn(9, 2305447.4, true), -99);
    EXPECT_EQ(ZDR::BodyLongitudeIn(10, 2488069.5, true), -100);
    EXPECT_EQ(ZDR::BodyLongitudeIn(0, 2451545.0, true), -1);
    EXPECT_EQ(ZDR::BodyLongitudeIn(11, 2451545.0, true), -1);
}

TEST_F(Positions, PlutoInterpolatesThroughZeroAries) {
    ZDR::strPlutoLine = {Entry(0, 359, 50), Entry(1, 0, 5), Entry(2, 359, 50)};
    EXPECT_NEAR(ZDR::PlutoTableEntry(0), 359 + 50 / 60.0, 1e-12);
    EXPECT_NEAR(ZDR::PlutoTableEntry(1), 5 / 60.0, 1e-12);
    // Forward through 360 degrees: 359°50' + 0.8 * 15' = 0°2'.
    EXPECT_NEAR(ZDR::PlutoLongitude(kFirstMidnight + 0.8), Degrees(0, 2, 0), 1e-9);
    EXPECT_NEAR(ZDR::PlutoLongitude(kFirstMidnight + 0.4), Degrees(359, 56, 0), 1e-9);
    // Backward through 360 degrees: 0°5' - 0.6 * 15' = 359°56'.
    EXPECT_NEAR(ZDR::PlutoLongitude(kFirstMidnight + 1.6), Degrees(359, 56, 0), 1e-9);
    for (double f = 0; f < 2; f += 0.01) {
        const double L = ZDR::PlutoLongitude(kFirstMidnight + f);
        EXPECT_LT(std::fabs(AngleDiff(L, 0)), Degrees(0, 11, 0)) << f;
        EXPECT_LT(L, ZDR::dblTurn);
    }
}

TEST_F(Positions, ShortOrDamagedTableIsNeverReadPastItsEnd) {
    ZDR::strPlutoLine = {Entry(0, 10, 0), Entry(1, 9, 59)};
    EXPECT_EQ(ZDR::PlutoTableEntry(-1), -1);
    EXPECT_EQ(ZDR::PlutoTableEntry(2), -1);
    EXPECT_GE(ZDR::PlutoLongitude(kFirstMidnight + 0.99), 0);
    EXPECT_EQ(ZDR::PlutoLongitude(kFirstMidnight + 1.0), -1);  // needs line 2
    EXPECT_EQ(ZDR::PlutoLongitude(2488069.0), -1);
    // Half an hour later Pluto has no position: no retrograde motion can be told.
    const double jd = kFirstMidnight + 0.99;
    EXPECT_FALSE(ZDR::IsRetrograde(9, ZDR::PlutoLongitude(jd), jd, false));
    EXPECT_TRUE(ZDR::IsRetrograde(9, ZDR::PlutoLongitude(jd - 0.1), jd - 0.1, false));
    ZDR::strPlutoLine = {"", "!!!", "abcd"};
    EXPECT_EQ(ZDR::PlutoTableEntry(0), -1);
    EXPECT_EQ(ZDR::PlutoTableEntry(1), -1);
    EXPECT_EQ(ZDR::PlutoLongitude(kFirstMidnight), -1);
    ZDR::strPlutoLine.clear();
    EXPECT_EQ(ZDR::BodyLongitude(9, 2451545.0), -1);
}

TEST_F(Positions, SiderealZodiacSubtractsTheAyanamsaOfTheYear) {
    const double jd2000 = 2451700.5;  // 2000-06-04
    const double jd1900 = 2415200.5;  // 1900-05-29
    for (int16_t body = 1; body <= 10; ++body) {
        const double t2000 = ZDR::BodyLongitude(body, jd2000);
        const double t1900 = ZDR::BodyLongitude(body, jd1900);
        const double s2000 = ZDR::BodyLongitudeIn(body, jd2000, true);
        const double s1900 = ZDR::BodyLongitudeIn(body, jd1900, true);
        EXPECT_NEAR(AngleDiff(t2000, s2000), 0.416314, 1e-12) << body;
        EXPECT_NEAR(AngleDiff(t1900, s1900), 0.391934, 1e-12) << body;
        EXPECT_GE(s2000, 0);
        EXPECT_LT(s2000, ZDR::dblTurn);
    }
}

TEST_F(Positions, RetrogradeMotion) {
    // The Sun and the Moon are never retrograde, whatever the longitude passed.
    for (double jd = 2451545.0; jd < 2451910.0; jd += 0.37) {
        EXPECT_FALSE(ZDR::IsRetrograde(1, ZDR::BodyLongitude(1, jd), jd, false));
        EXPECT_FALSE(ZDR::IsRetrograde(10, ZDR::BodyLongitude(10, jd) + 0.01, jd, false));
    }
    // Mercury stood retrograde from 17 February to 10 March 2020.
    const double mar1 = 2458909.5;
    const double apr1 = 2458940.5;
    EXPECT_TRUE(ZDR::IsRetrograde(2, ZDR::BodyLongitude(2, mar1), mar1, false));
    EXPECT_FALSE(ZDR::IsRetrograde(2, ZDR::BodyLongitude(2, apr1), apr1, false));
    EXPECT_FALSE(ZDR::IsRetrograde(2, -99, mar1, false));
    // Pluto held at 0°3' (0.00087 rad) and at 358°5' (6.2497 rad): the shorter way round
    // from the longitude half an hour earlier decides, also across 0° Aries.
    ZDR::strPlutoLine = {Entry(0, 0, 3), Entry(1, 0, 3), Entry(2, 0, 3)};
    EXPECT_TRUE(ZDR::IsRetrograde(9, 0.0009, kFirstMidnight, false));
    EXPECT_FALSE(ZDR::IsRetrograde(9, 0.0008, kFirstMidnight, false));
    EXPECT_FALSE(ZDR::IsRetrograde(9, 6.25, kFirstMidnight, false));  // on across 0°
    ZDR::strPlutoLine = {Entry(0, 358, 5), Entry(1, 358, 5), Entry(2, 358, 5)};
    EXPECT_TRUE(ZDR::IsRetrograde(9, 0.05, kFirstMidnight, false));  // back across 0°
    EXPECT_FALSE(ZDR::IsRetrograde(9, 6.20, kFirstMidnight, false));
    EXPECT_TRUE(ZDR::IsRetrograde(9, 6.26, kFirstMidnight, false));
    EXPECT_FALSE(ZDR::IsRetrograde(9, 3.2, kFirstMidnight, false));  // 3.05 rad ahead
    EXPECT_TRUE(ZDR::IsRetrograde(9, 3.0, kFirstMidnight, false));   // 3.03 rad behind
}

// Published positions, computed independently of this program's ephemeris (J. Meeus,
// Astronomical Algorithms, 2nd ed.). Dynamical time is turned into UT by the library's
// Delta T.
TEST_F(Positions, AgreeWithPublishedPositions) {
    // The folder may be given with doubled separators.
    std::string doubled;
    for (char c : TestDataFolder())
        doubled += c == '/' ? std::string("//") : std::string(1, c);
    orbitlib::set_datafiles_folder(doubled.c_str());
    // Example 25.b, Sun, 1992 October 13.0 TD: apparent longitude from the complete
    // VSOP87, 199°54'21.56".
    double jd = orbitlib::UniversalFromDynamicalTime(2448908.5);
    EXPECT_NEAR(AngleDiff(ZDR::BodyLongitude(1, jd), Degrees(199, 54, 21.56)), 0, kArcsecond);
    // Example 33.a, Venus, 1992 December 20.0 TD: 313.08102° after light-time, then
    // aberration -0.00413°, FK5 -0.00003° and nutation +16.749": apparent 313.08151°.
    jd = orbitlib::UniversalFromDynamicalTime(2448976.5);
    EXPECT_NEAR(AngleDiff(ZDR::BodyLongitude(3, jd), Degrees(313.08151, 0, 0)), 0, kArcsecond);
    // Example 47.a, Moon, 1992 April 12.0 TD: apparent longitude 133.167265°.
    jd = orbitlib::UniversalFromDynamicalTime(2448724.5);
    EXPECT_NEAR(AngleDiff(ZDR::BodyLongitude(10, jd), Degrees(133.167265, 0, 0)), 0,
                10 * kArcsecond);
    EXPECT_FALSE(orbitlib::AnalyticEphemerisUsed());
}

TEST_F(Positions, PlutoTableFollowsTheEphemeris) {
    std::mt19937 random(20240601u);
    const double tolerance = 31 * kArcsecond;  // rounding to the arcminute, interpolation
    for (int n = 0; n < 400; ++n) {
        const double jd = kFirstMidnight + random() % 182622 + (random() % 1000) / 1000.0;
        double distance = 0;
        const double expected =
            orbitlib::gc_app_long_rv_planet(orbitlib::lngLibraryPluto, jd, 2000, &distance);
        EXPECT_NEAR(AngleDiff(ZDR::PlutoLongitude(jd), expected), 0, tolerance) << jd;
    }
    EXPECT_FALSE(orbitlib::AnalyticEphemerisUsed());
}

TEST_F(Positions, GeneratedTableFileIsWellFormed) {
    const std::string content = ReadFile(TestDataFolder() + "pluto.slx");
    ASSERT_EQ(content.size(), 5u * ZDR::lngPlutoTableLines);
    for (std::size_t k = 0; k < content.size(); k += 5) {
        for (std::size_t c = k; c < k + 3; ++c) {
            ASSERT_GT(content[c], ' ') << k / 5;
            ASSERT_LE(content[c], '~') << k / 5;
        }
        ASSERT_EQ(content.compare(k + 3, 2, "\r\n"), 0) << k / 5;
    }
    EXPECT_EQ(ZDR::strPlutoLine.size(), static_cast<std::size_t>(ZDR::lngPlutoTableLines));
    EXPECT_GE(ZDR::PlutoTableEntry(ZDR::lngPlutoTableLines - 1), 0);
}

TEST_F(Positions, ReadPlutoDataTrimsAndChecksItsLines) {
    const std::string folder = TempFolder();
    ZDR::strDataFolder = folder;
    // Blanks around a line, empty lines and LF line ends are accepted.
    std::string table = "\n";
    for (int32_t i = 0; i < ZDR::lngPlutoTableLines; ++i) {
        table += (i % 1000 == 0 ? "  " + Entry(i, 100, 7) + " \t\n\n" : Entry(i, 100, 7) + "\n");
    }
    WriteFile(folder + "good.slx", table);
    std::string error;
    ASSERT_TRUE(ZDR::ReadPlutoData("good.slx", error)) << error;
    EXPECT_EQ(ZDR::strPlutoLine.size(), static_cast<std::size_t>(ZDR::lngPlutoTableLines));
    EXPECT_NEAR(ZDR::PlutoTableEntry(1000), 100 + 7 / 60.0, 1e-12);
    const std::vector<std::string> good = ZDR::strPlutoLine;

    // Each failure leaves the table as it was and says what went wrong.
    struct Case {
        const char* name;
        std::string content;
        const char* expected;
    };
    const Case cases[] = {
        {"short.slx", Entry(0, 1, 0) + "\r\n" + Entry(1, 1, 1) + "\r\n", "182623 days"},
        {"long.slx", Entry(0, 1, 0) + "\r\n" + Entry(1, 1, 1) + "x\r\n", "Line 2 "},
        {"range.slx", "\r\n" + Entry(0, 1, 0) + "\r\n" + Entry(0, 1, 0) + "\r\n", "Line 3 "},
        {"minute.slx", Entry(0, 1, 0).substr(0, 2) + "z\r\n", "Line 1 "},
    };
    for (const Case& c : cases) {
        WriteFile(folder + c.name, c.content);
        error.clear();
        EXPECT_FALSE(ZDR::ReadPlutoData(c.name, error)) << c.name;
        EXPECT_NE(error.find(c.expected), std::string::npos) << error;
        EXPECT_EQ(ZDR::strPlutoLine, good) << c.name;
    }
    error.clear();
    EXPECT_FALSE(ZDR::ReadPlutoData("missing.slx", error));
    EXPECT_NE(error.find(folder + "missing.slx"), std::string::npos) << error;
    EXPECT_EQ(ZDR::PlutoDataErrorMessage("No such file."),
              "No such file.\nError when reading geocentric Pluto data.");
    EXPECT_EQ(ZDR::PlutoDataErrorTitle(), "Read Pluto Data");
    for (const Case& c : cases)
        std::remove((folder + c.name).c_str());
    std::remove((folder + "good.slx").c_str());
    std::remove(folder.c_str());
}

// Pluto moves a few arcminutes a day: a table that moves it farther from one day to the
// next is damaged, also when every line is in range and the table has its full length.
TEST_F(Positions, ReadPlutoDataRejectsATableThatMovesPlutoTooFar) {
    const std::string folder = TempFolder();
    ZDR::strDataFolder = folder;
    const std::string real = ReadFile(TestDataFolder() + "pluto.slx");
    ASSERT_EQ(real.size(), 5u * ZDR::lngPlutoTableLines);
    // Line k of the generated table starts at byte 5 k; 1970-05-15 is line 135274, the 29th
    // line of its block of 55.
    const std::size_t k = 2440722 - 2305448;
    ASSERT_LT(k % 55 + 10, 55u);
    const auto line = [&real](std::size_t i) { return real.substr(5 * i, 5); };
    // A table of minutes m(i) for every day, in the file's encoding.
    const auto table = [](auto minutes) {
        std::string text;
        for (int32_t i = 0; i < ZDR::lngPlutoTableLines; ++i) {
            const int32_t m = ((minutes(i) % 21600) + 21600) % 21600;
            text += Entry(i, m / 60, m % 60) + "\r\n";
        }
        return text;
    };
    std::string shifted = real;  // line k deleted, line k + 10 doubled: all later lines stay
    shifted.erase(5 * k, 5);
    shifted.insert(5 * (k + 9), line(k + 10));
    std::string degree = real;  // one degree more on line k
    ++degree[5 * k + 1];
    std::string minutes = real;  // ten arcminutes more on line k
    minutes[5 * k + 2] =
        static_cast<char>(minutes[5 * k + 2] + (minutes[5 * k + 2] < 100 ? 10 : -10));
    struct Case {
        const char* name;
        std::string content;
        int32_t intBadLine;  // 0: the table is read
    };
    const Case cases[] = {
        {"real.slx", real, 0},
        {"shifted.slx", shifted, static_cast<int32_t>(k) + 1},
        {"degree.slx", degree, static_cast<int32_t>(k) + 1},
        {"minutes.slx", minutes, static_cast<int32_t>(k) + 1},
        // Forward and backward across 0 degrees Aries, 1' a day.
        {"forward.slx", table([](int32_t i) { return 21597 + std::min(i, 10); }), 0},
        {"backward.slx", table([](int32_t i) { return 3 - std::min(i, 10); }), 0},
        // 359°50' to 0°10' is 20' in a day.
        {"leap.slx", table([](int32_t i) { return i == 0 ? 21590 : 10; }), 2},
    };
    for (const Case& c : cases) {
        WriteFile(folder + c.name, c.content);
        std::string error;
        EXPECT_EQ(ZDR::ReadPlutoData(c.name, error), c.intBadLine == 0) << c.name << ": " << error;
        if (c.intBadLine != 0) {
            EXPECT_EQ(
                error.rfind("Line " + std::to_string(c.intBadLine) + " of " + folder + c.name, 0),
                0u)
                << error;
            EXPECT_NE(error.find("farther from the day before than Pluto moves in a day"),
                      std::string::npos)
                << error;
        }
        std::remove((folder + c.name).c_str());
    }
    std::remove(folder.c_str());
}

}  // namespace
