// The pattern section of the report on real dates (World transits at 12:00 UT, default
// options, tropical zodiac), each listed pattern confirmed by a brute-force search written
// straight from the pattern definitions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "astro/DateKit.h"
#include "astro/Positions.h"
#include "config/Options.h"
#include "config/OptionsInForce.h"
#include "engine/Angles.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "engine/Patterns.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"

namespace {

// A date at 12:00 UT and its pattern section in English, "\n" standing for CR LF.
struct RealDate {
    const char* strDate;
    const char* strSection;
};

const RealDate kRealDates[] = {
    {"1606-06-30",
     "Rectangle: Su-Sa-Ju-Ne (mean deviation 3°55')\n\n"
     "Yod: Me-Ma-Pl (mean deviation 2°49')\n\n"
     "Yod-kite: Me-Ma-Pl-Ur (mean deviation 2°35')\n\n"
     "Trapezium: Me-Sa-Ju-Pl (mean deviation 4°30')\n\n"},
    {"1664-02-16",
     "Grand trine: Su-Pl-Mo (mean deviation 4°34')\n\n"
     "Kite: Pl-Mo-Su-Sa (mean deviation 3°43')\n\n"
     "Rectangle: Su-Ma-Pl-Sa (mean deviation 2°39')\n\n"
     "3-Stellium: Ve-Ju-Ne (mean deviation 4°57')\n\n"
     "Midpoint: Me-Ur-Ve\n\n"},
    {"1715-02-22",
     "Rectangle: Su-Pl-Ma-Ne (mean deviation 2°1')\n"
     "Rectangle: Me-Pl-Ma-Ne (mean deviation 2°32')\n\n"},
    {"1739-11-09",
     "Grand trine: Ne-Pl-Mo (mean deviation 2°13')\n\n"
     "Kite: Ne-Pl-Mo-Ur (mean deviation 2°29')\n\n"
     "Yod: Ur-Ju-Pl (mean deviation 2°51')\n\n"
     "4-Stellium: Su-Me-Ve-Ma (mean deviation 1°38')\n\n"},
    {"1824-07-18",
     "T-square: Me-Ma-Ur (mean deviation 3°28')\n"
     "T-square: Me-Mo-Ur (mean deviation 2°28')\n"
     "T-square: Ma-Me-Mo (mean deviation 1°35')\n"
     "T-square: Ma-Ur-Mo (mean deviation 3°28')\n\n"
     "Grand cross: Me-Ma-Ur-Mo (mean deviation 2°45')\n\n"
     "4-Stellium: Su-Me-Ve-Ju (mean deviation 4°28')\n\n"
     "Midpoint: Ju-Ma-Ur\n\n"},
    {"1875-10-29",
     "T-square: Su-Ma-Ne (mean deviation 2°46')\n"
     "T-square: Me-Ma-Ne (mean deviation 3°53')\n"
     "T-square: Ve-Sa-Pl (mean deviation 5°17')\n"
     "T-square: Ve-Ur-Pl (mean deviation 5°17')\n"
     "T-square: Sa-Ve-Ur (mean deviation 3°4')\n"
     "T-square: Sa-Pl-Ur (mean deviation 2°22')\n"
     "T-square: Ne-Ma-Mo (mean deviation 4°50')\n\n"
     "Grand cross: Ve-Sa-Pl-Ur (mean deviation 4°0')\n\n"
     "5-Stellium: Su-Me-Ve-Ju-Mo (mean deviation 4°25')\n\n"
     "Midpoint: Su-Ma-Ne\n"
     "Midpoint: Ve-Sa-Pl\n\n"},
    {"1941-05-06", "6-Stellium: Su-Me-Ve-Ju-Sa-Ur (mean deviation 5°22')\n\n"},
    {"1989-12-28",
     "Yod: Ve-Ju-Ma (mean deviation 1°0')\n\n"
     "Yod-kite: Ve-Ju-Ma-Su (mean deviation 0°48')\n"
     "Yod-kite: Ve-Ju-Ma-Ur (mean deviation 0°57')\n\n"
     "5-Stellium: Su-Sa-Ur-Ne-Mo (mean deviation 4°53')\n\n"
     "Midpoint: Ve-Su-Ma\n"
     "Midpoint: Ve-Me-Sa\n\n"},
    {"2024-10-17",
     "Grand trine: Ve-Ma-Ne (mean deviation 4°28')\n\n"
     "Kite: Ve-Ma-Ne-Ur (mean deviation 3°35')\n"
     "Kite: Ma-Ne-Ve-Pl (mean deviation 3°40')\n\n"
     "Rectangle: Ve-Ur-Ma-Pl (mean deviation 3°54')\n\n"
     "T-square: Su-Ma-Mo (mean deviation 1°20')\n"
     "T-square: Su-Pl-Mo (mean deviation 3°22')\n"
     "T-square: Ma-Su-Pl (mean deviation 4°29')\n"
     "T-square: Ma-Mo-Pl (mean deviation 4°29')\n\n"
     "Grand cross: Su-Ma-Mo-Pl (mean deviation 3°25')\n\n"
     "Yod: Ur-Su-Ne (mean deviation 2°8')\n\n"
     "Yod-kite: Ur-Su-Ne-Mo (mean deviation 1°51')\n\n"
     "Trapezium: Ve-Ur-Ne-Pl (mean deviation 1°55')\n"
     "Trapezium: Ma-Pl-Ne-Ur (mean deviation 3°35')\n\n"
     "Midpoint: Ur-Ne-Pl\n\n"},
    {"2047-05-08",
     "Grand trine: Ve-Pl-Mo (mean deviation 4°35')\n"
     "Grand trine: Ju-Sa-Ur (mean deviation 2°26')\n\n"
     "Kite: Mo-Ve-Pl-Ju (mean deviation 4°5')\n"
     "Kite: Ve-Pl-Mo-Sa (mean deviation 3°47')\n"
     "Kite: Pl-Mo-Ve-Ur (mean deviation 3°28')\n"
     "Kite: Sa-Ur-Ju-Ve (mean deviation 2°14')\n"
     "Kite: Ur-Ju-Sa-Pl (mean deviation 2°28')\n"
     "Kite: Ju-Sa-Ur-Mo (mean deviation 3°24')\n\n"
     "Rectangle: Ve-Sa-Pl-Ur (mean deviation 2°35')\n"
     "Rectangle: Ve-Sa-Mo-Ju (mean deviation 3°26')\n"
     "Rectangle: Ju-Mo-Ur-Pl (mean deviation 4°2')\n\n"
     "T-square: Ur-Me-Pl (mean deviation 2°54')\n"
     "T-square: Ur-Ma-Pl (mean deviation 3°50')\n\n"
     "Yod: Sa-Me-Mo (mean deviation 2°55')\n"
     "Yod: Sa-Ma-Mo (mean deviation 2°55')\n\n"
     "Trapezium: Ve-Sa-Pl-Ju (mean deviation 2°35')\n"
     "Trapezium: Ve-Sa-Mo-Ur (mean deviation 2°14')\n"
     "Trapezium: Ju-Mo-Sa-Pl (mean deviation 3°44')\n"
     "Trapezium: Ju-Mo-Ur-Ve (mean deviation 3°7')\n"
     "Trapezium: Ur-Pl-Ju-Ve (mean deviation 2°53')\n"
     "Trapezium: Ur-Pl-Sa-Mo (mean deviation 3°45')\n\n"
     "Grand sextile: Ve-Pl-Mo-Ju-Sa-Ur\n\n"
     "Midpoint: Ju-Sa-Ur\n\n"},
};

// Pattern indices.
enum : int16_t {
    kGrandTrine,
    kKite,
    kRectangle,
    kTSquare,
    kGrandCross,
    kYod,
    kYodKite,
    kTrapezium,
    kStellium6,
    kStellium3 = 11,
    kGrandSextile,
    kMidpoint
};

// Aspect indices and their exact angles in degrees.
enum { kCon = 1, kOpp, kSqr, kTri, kSxt, kSsx, kQcx };
constexpr double kAngleDegrees[8] = {0, 0, 180, 90, 120, 60, 30, 150};

// Aspect k required between the bodies at places a and b of a pattern's line.
struct Need {
    int a, b, k;
};

// A pattern kind: how many bodies its line lists and the aspects among them by place.
struct Shape {
    int16_t intPattern;
    int intSize;
    std::vector<Need> needs;
};

// Every kind but the midpoints, the places numbered in the order of the line.
std::vector<Shape> Shapes() {
    const Need t01{0, 1, kTri}, t02{0, 2, kTri}, t12{1, 2, kTri};
    std::vector<Shape> shapes = {
        // three bodies pairwise trine
        {kGrandTrine, 3, {t01, t02, t12}},
        // a grand trine and a fourth body opposite the first corner, sextile the others
        {kKite, 4, {t01, t02, t12, {3, 0, kOpp}, {3, 1, kSxt}, {3, 2, kSxt}}},
        // 0-1 and 2-3 opposite; 2 sextile 1, trine 0; 3 sextile 0, trine 1
        {kRectangle,
         4,
         {{0, 1, kOpp}, {2, 3, kOpp}, {2, 1, kSxt}, {2, 0, kTri}, {3, 0, kSxt}, {3, 1, kTri}}},
        // 0-2 opposite, 1 square both
        {kTSquare, 3, {{0, 2, kOpp}, {1, 0, kSqr}, {1, 2, kSqr}}},
        // 0-2 and 1-3 opposite, each neighbour on the ring square
        {kGrandCross,
         4,
         {{0, 2, kOpp}, {1, 3, kOpp}, {0, 1, kSqr}, {1, 2, kSqr}, {2, 3, kSqr}, {3, 0, kSqr}}},
        // 0-2 sextile, 1 quincunx both
        {kYod, 3, {{0, 2, kSxt}, {1, 0, kQcx}, {1, 2, kQcx}}},
        // a yod and a fourth body opposite its apex, semisextile the other two
        {kYodKite,
         4,
         {{0, 2, kSxt}, {1, 0, kQcx}, {1, 2, kQcx}, {3, 1, kOpp}, {3, 0, kSsx}, {3, 2, kSsx}}},
        // 0-1 opposite; 2 trine 0, sextile 1; 3 sextile 0 and 2, trine 1
        {kTrapezium,
         4,
         {{0, 1, kOpp}, {2, 0, kTri}, {2, 1, kSxt}, {3, 0, kSxt}, {3, 2, kSxt}, {3, 1, kTri}}},
        // two grand trines (and six sextiles between them, see Fits)
        {kGrandSextile, 6, {t01, t02, t12, {3, 4, kTri}, {3, 5, kTri}, {4, 5, kTri}}},
    };
    // six down to three bodies pairwise conjunct
    for (int n = 6; n >= 3; --n) {
        Shape stellium{static_cast<int16_t>(kStellium6 + 6 - n), n, {}};
        for (int a = 0; a < n; ++a) {
            for (int b = a + 1; b < n; ++b)
                stellium.needs.push_back({a, b, kCon});
        }
        shapes.push_back(stellium);
    }
    return shapes;
}

const std::vector<Shape> kShapes = Shapes();

// Distance (radians, 0..pi) of the longitudes of bodies a and b.
double Distance(int a, int b) {
    return std::fabs(
        std::remainder(udtTestChart.dblPos[a][0] - udtTestChart.dblPos[b][0], ZDR::dblTurn));
}

double Deviation(int a, int b, int k) {
    return std::fabs(Distance(a, b) - kAngleDegrees[k] / 360.0 * ZDR::dblTurn);
}

bool Holds(int a, int b, int k) {
    return Deviation(a, b, k) < udtTestOptions.dblOrb[k][0];
}

// Whether the bodies, in line order, form the shape; mean gets the mean deviation.
bool Fits(const Shape& shape, const std::vector<int>& bodies, double& mean) {
    double sum = 0;
    for (const Need& need : shape.needs) {
        if (!Holds(bodies[need.a], bodies[need.b], need.k))
            return false;
        sum += Deviation(bodies[need.a], bodies[need.b], need.k);
    }
    mean = sum / shape.needs.size();
    if (shape.intPattern != kGrandSextile)
        return true;
    // A hexagram: each corner sextile two corners of the other triangle.
    int sextiles = 0;
    for (int x = 0; x < 3; ++x) {
        for (int y = 3; y < 6; ++y)
            sextiles += Holds(bodies[x], bodies[y], kSxt) ? 1 : 0;
    }
    return sextiles == 6;
}

unsigned BodySet(const std::vector<int>& bodies) {
    unsigned set = 0;
    for (int b : bodies)
        set |= 1u << b;
    return set;
}

// Adds the body set of every ordering of distinct bodies 1..10 that completes bodies to
// the shape, giving up on an ordering as soon as one of its aspects fails.
void Extend(const Shape& shape, std::vector<int>& bodies, std::set<unsigned>& found) {
    const int placed = static_cast<int>(bodies.size());
    for (const Need& need : shape.needs) {
        if (need.a < placed && need.b < placed && !Holds(bodies[need.a], bodies[need.b], need.k))
            return;
    }
    if (placed == shape.intSize) {
        double mean;
        if (Fits(shape, bodies, mean))
            found.insert(BodySet(bodies));
        return;
    }
    for (int b = 1; b <= 10; ++b) {
        if (BodySet(bodies) & (1u << b))
            continue;
        bodies.push_back(b);
        Extend(shape, bodies, found);
        bodies.pop_back();
    }
}

// The body sets of every pattern of the sky, by pattern index; of the stelliums only the
// largest size, which the report lists alone.
std::map<int16_t, std::set<unsigned>> BruteForcePatterns() {
    std::map<int16_t, std::set<unsigned>> found;
    for (const Shape& shape : kShapes) {
        std::vector<int> bodies;
        std::set<unsigned> sets;
        Extend(shape, bodies, sets);
        if (!sets.empty())
            found[shape.intPattern] = sets;
    }
    for (int16_t p = kStellium6; p <= kStellium3; ++p) {
        if (found.count(p)) {
            for (int16_t q = p + 1; q <= kStellium3; ++q)
                found.erase(q);
            break;
        }
    }
    return found;
}

// Whether body m stands within orb of either point halfway between bodies x and y.
bool AtMidpoint(int m, int x, int y, double orb) {
    const double half =
        std::remainder(udtTestChart.dblPos[y][0] - udtTestChart.dblPos[x][0], ZDR::dblTurn) / 2;
    const double d = std::fabs(std::remainder(
        udtTestChart.dblPos[m][0] - (udtTestChart.dblPos[x][0] + half), ZDR::dblTurn));
    return d < orb || ZDR::dblPi - d < orb;
}

// The sets of three of the Sun to Pluto, no two conjunct, one at the others' midpoint.
std::set<unsigned> BruteForceMidpoints(double orb) {
    std::set<unsigned> found;
    for (int a = 1; a <= 9; ++a) {
        for (int b = a + 1; b <= 9; ++b) {
            for (int c = b + 1; c <= 9; ++c) {
                if (Holds(a, b, kCon) || Holds(a, c, kCon) || Holds(b, c, kCon))
                    continue;
                if (AtMidpoint(a, b, c, orb) || AtMidpoint(b, a, c, orb) ||
                    AtMidpoint(c, a, b, orb))
                    found.insert(BodySet({a, b, c}));
            }
        }
    }
    return found;
}

// One line of the section: pattern index, bodies in line order, deviation text ("2°15').
struct Line {
    int16_t intPattern = -1;
    std::vector<int> bodies;
    std::string strMean;
};

Line ParseLine(const std::string& text) {
    Line line;
    const std::size_t colon = text.find(": ");
    for (int16_t p = 0; p <= kMidpoint; ++p) {
        if (text.compare(0, colon, ZDR::strPatternName[p]) == 0)
            line.intPattern = p;
    }
    const std::size_t open = text.find(" (", colon);
    const std::string names =
        text.substr(colon + 2, open == std::string::npos ? std::string::npos : open - colon - 2);
    for (std::size_t at = 0; at < names.size(); at += 3) {
        for (int b = 1; b <= 10; ++b) {
            if (names.compare(at, 2, ZDR::strBodyAbbr[b]) == 0)
                line.bodies.push_back(b);
        }
    }
    if (open != std::string::npos)
        line.strMean = text.substr(text.rfind(' ') + 1, text.size() - text.rfind(' ') - 2);
    return line;
}

std::string WithCrLf(const char* text) {
    std::string out;
    for (const char* c = text; *c; ++c)
        out += *c == '\n' ? std::string("\r\n") : std::string(1, *c);
    return out;
}

// Checks the section against the positions and orbs of the last computation: every line
// holds by the definitions with the mean deviation it shows, the lines name exactly the
// patterns the brute force finds, each once, and the pattern counts agree with them.
void ExpectPatternsHold(const std::string& section, double dblMidpointOrb) {
    std::map<int16_t, std::set<unsigned>> listed;
    std::set<std::pair<int16_t, unsigned>> seen;
    int lines[kMidpoint + 1] = {};
    for (std::size_t at = 0, end; (end = section.find("\r\n", at)) != std::string::npos;
         at = end + 2) {
        if (end == at)
            continue;
        const std::string text = section.substr(at, end - at);
        const Line line = ParseLine(text);
        ASSERT_GE(line.intPattern, 0) << text;
        ++lines[line.intPattern];
        listed[line.intPattern].insert(BodySet(line.bodies));
        unsigned key = BodySet(line.bodies);
        if (line.intPattern == kMidpoint) {
            ASSERT_EQ(line.bodies.size(), 3u) << text;
            EXPECT_TRUE(AtMidpoint(line.bodies[1], line.bodies[0], line.bodies[2], dblMidpointOrb))
                << text;
            // Three bodies at the corners of a grand trine each stand at a midpoint of the
            // other two; such a set may appear once for each body named in the middle.
            key |= 1u << (16 + line.bodies[1]);
        }
        EXPECT_TRUE(seen.insert({line.intPattern, key}).second) << "listed twice: " << text;
        for (const Shape& shape : kShapes) {
            if (shape.intPattern != line.intPattern)
                continue;
            ASSERT_EQ(static_cast<int>(line.bodies.size()), shape.intSize) << text;
            double mean = 0;
            EXPECT_TRUE(Fits(shape, line.bodies, mean)) << "does not hold: " << text;
            if (line.intPattern != kGrandSextile) {
                EXPECT_EQ(line.strMean, ZDR::FormatDegMin(mean)) << text;
            }
        }
    }
    std::map<int16_t, std::set<unsigned>> expected = BruteForcePatterns();
    const std::set<unsigned> midpoints = BruteForceMidpoints(dblMidpointOrb);
    if (!midpoints.empty())
        expected[kMidpoint] = midpoints;
    EXPECT_EQ(listed, expected);
    for (int16_t p = 0; p <= kMidpoint; ++p) {
        const int count = p == kGrandSextile ? std::min(lines[p], 1) : lines[p];
        EXPECT_EQ(udtTestChart.intNumPatternsOfType[p], count) << "pattern " << p;
    }
}

class RealDatePatternsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadTestDataFiles()); }

    void SetUp() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
        UseTestSettings(options);
    }

    void TearDown() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
        ClearOrbs();
    }

    // Computes World transits on date ("YYYY-MM-DD") at 12:00 UT and returns the pattern
    // section, the pattern counts zeroed first.
    std::string Section(const char* date) {
        datekit::EuroDateRecord rec;
        std::sscanf(date, "%d-%d-%d", &rec.Year, &rec.Month, &rec.Day);
        const double jd[3] = {static_cast<double>(datekit::euro_date_to_jdn(&rec)), 0, 0};
        EXPECT_EQ(ZDR::ComputeAtJD(ZDR::intModeWorldTransits, jd, false, TestOptions(options),
                                   udtTestChart),
                  ZDR::intComputeDone);
        for (int16_t& count : udtTestChart.intNumPatternsOfType)
            count = 0;
        udtTestOptions.dblMidpointOrb = ZDR::MidpointOrb(options.intMidpointOrbIndex);
        return ZDR::PatternSection(udtTestChart, udtTestOptions, udtTestChart.intNumPatternsOfType);
    }

    const ZDR::ConfigOptions options =
        ZDR::DefaultOptions(Language::intEnglish, ZDR::ConfigOptions{});
    ZDR::ComputeResult result;
};

TEST_F(RealDatePatternsTest, SectionIsAsRecordedAndEveryPatternHolds) {
    for (const RealDate& date : kRealDates) {
        SCOPED_TRACE(date.strDate);
        const std::string section = Section(date.strDate);
        EXPECT_EQ(section, WithCrLf(date.strSection));
        ExpectPatternsHold(section, ZDR::MidpointOrb(options.intMidpointOrbIndex));
    }
}

TEST_F(RealDatePatternsTest, GermanSection) {
    Language::intLanguage = Language::intGerman;
    ZDR::BuildCatalogueNames();
    EXPECT_EQ(Section("2024-10-17"),
              WithCrLf("Großes Trigon: Ve-Ma-Ne (mittlere Abweichung 4°28')\n\n"
                       "Drachen: Ve-Ma-Ne-Ur (mittlere Abweichung 3°35')\n"
                       "Drachen: Ma-Ne-Ve-Pl (mittlere Abweichung 3°40')\n\n"
                       "Rechteck: Ve-Ur-Ma-Pl (mittlere Abweichung 3°54')\n\n"
                       "T-Quadrat: So-Ma-Mo (mittlere Abweichung 1°20')\n"
                       "T-Quadrat: So-Pl-Mo (mittlere Abweichung 3°22')\n"
                       "T-Quadrat: Ma-So-Pl (mittlere Abweichung 4°29')\n"
                       "T-Quadrat: Ma-Mo-Pl (mittlere Abweichung 4°29')\n\n"
                       "Großes Kreuz: So-Ma-Mo-Pl (mittlere Abweichung 3°25')\n\n"
                       "Yod: Ur-So-Ne (mittlere Abweichung 2°8')\n\n"
                       "Yod-Drachen: Ur-So-Ne-Mo (mittlere Abweichung 1°51')\n\n"
                       "Trapez: Ve-Ur-Ne-Pl (mittlere Abweichung 1°55')\n"
                       "Trapez: Ma-Pl-Ne-Ur (mittlere Abweichung 3°35')\n\n"
                       "Halbsumme: Ur-Ne-Pl\n\n"));
}

}  // namespace
