// The transit calendar: a known conjunction, triple passes of a made-up retrograde motion
// with moments known in closed form, the end of the Moon and Pluto data, every passage of
// real periods against a brute-force scan every ten minutes, and the text forms.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "astro/Positions.h"
#include "calendar/CalendarExport.h"
#include "calendar/TransitCalendar.h"
#include "config/Options.h"
#include "engine/Catalogue.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kMinute = 1.0 / 1440.0;

class TransitCalendarTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadTestDataFiles()); }
    void SetUp() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
        options = ZDR::DefaultOptions(Language::intEnglish, ZDR::ConfigOptions{});
        udtTestOptions = ZDR::MakeChartOptions(options);
    }
    void TearDown() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
    }
    ZDR::CalendarRequest Request(bool personal, double natal, double from, double to) const {
        return ZDR::CalendarRequestOf(personal, natal, from, to, 0, false, OrbsWith(options));
    }
    ZDR::ConfigOptions options;
};

const ZDR::Passage* Find(const std::vector<ZDR::Passage>& list, int first, int second, int aspect) {
    for (const ZDR::Passage& p : list) {
        if (p.intFirst == first && p.intSecond == second && p.intAspect == aspect)
            return &p;
    }
    return nullptr;
}

TEST_F(TransitCalendarTest, GreatConjunctionOf2020) {
    // Jupiter and Saturn met on 21 December 2020 at about 18:20 UT (0° 29' Aquarius).
    const double from = 2459184.5;  // 2020-12-01 0h UT
    const std::vector<ZDR::Passage> list = ZDR::TransitCalendar(Request(false, 0, from, from + 31));
    const ZDR::Passage* p = Find(list, 5, 6, 1);
    ASSERT_NE(p, nullptr);
    ASSERT_EQ(p->dblExact.size(), 1u);
    EXPECT_NEAR(p->dblExact[0], 2459204.5 + (18 * 60 + 20) * kMinute, 5 * kMinute);
    EXPECT_EQ(ZDR::CalendarMinuteText(p->dblExact[0], 60).substr(0, 15), "2020-12-21 19:2");
    // The passage keeps its real beginning and end, months outside the period.
    EXPECT_LT(p->dblBegin, from - 60);
    EXPECT_GT(p->dblEnd, from + 31 + 30);
}

// A made-up sky: every natal body at 100°, every transiting body but Saturn 45° beyond it
// (no aspect), and Saturn swinging over the natal places as N + c u (u² - w²), u = t - t0,
// so that it is exact at t0 - w, t0 and t0 + w (at most 2.6° away in between, 3.3° at
// 1.4 w); positions only from 1.5 w before t0 (or the data start) to the data end.
constexpr double kNatalJD = 2440000.5;
constexpr double kT0 = 2451545.0;
double gW = 100;
double gDataStart = -1e9;
double gDataEnd = 1e9;
constexpr double kNatal = 100.0 * kPi / 180.0;

double Cubic(double t) {
    const double u = t - kT0;
    const double c = (1.0 * kPi / 180.0) * 3.0 * std::sqrt(3.0) / (2.0 * gW * gW * gW);
    return c * u * (u * u - gW * gW);
}

double MadeUpSky(int16_t body, double jd, bool) {
    if (jd == kNatalJD)
        return kNatal;
    if (jd > gDataEnd || jd < gDataStart)
        return -100;
    if (body == 6)
        return ZDR::NormalizeAngle(kNatal + Cubic(jd));
    return kNatal + 45.0 * kPi / 180.0;
}

// The moment (JD) in [a, b] at which the cubic reaches level, by halving.
double CubicAt(double level, double a, double b) {
    const bool rising = Cubic(b) > Cubic(a);
    for (int n = 0; n < 200; ++n) {
        const double m = (a + b) / 2;
        ((Cubic(m) < level) == rising ? a : b) = m;
    }
    return (a + b) / 2;
}

TEST_F(TransitCalendarTest, RetrogradeTriplePassOverNatalPlaces) {
    struct Case {
        const char* what;
        double w;
        double from, to;           // in w from t0
        double dataStart, dataEnd;  // in w from t0
        std::size_t exact;
        bool begin, end;
    };
    const Case kCases[] = {
        {"whole passage inside the period", 100, -1.45, 1.45, -1.5, 1.5, 3, true, true},
        {"period starts in the passage", 100, 0.005, 0.3, -1.5, 1.5, 3, true, true},
        {"period ends in the passage", 120, -1.45, -1.2, -1.5, 1.5, 3, true, true},
        {"data end inside the passage", 100, -1.45, 1.45, -1.5, 0.5, 2, true, false},
        {"data start inside the passage", 100, -1.45, 1.45, -1.2, 1.5, 3, false, true},
        {"narrow swing", 40, -1.45, 1.45, -1.5, 1.5, 3, true, true},
    };
    const double orb = udtTestOptions.dblOrb[1][1];
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        gW = c.w;
        gDataStart = kT0 + c.dataStart * c.w;
        gDataEnd = kT0 + c.dataEnd * c.w;
        const std::vector<ZDR::Passage> list = ZDR::TransitCalendar(
            Request(true, kNatalJD, kT0 + c.from * c.w, kT0 + c.to * c.w), &MadeUpSky);
        ASSERT_EQ(list.size(), 10u);  // Saturn over each of the ten natal places
        for (const ZDR::Passage& p : list) {
            EXPECT_EQ(p.intFirst, 6);
            EXPECT_EQ(p.intAspect, 1);
            ASSERT_EQ(p.dblExact.size(), c.exact);
            const double expected[3] = {kT0 - c.w, kT0, kT0 + c.w};
            for (std::size_t e = 0; e < c.exact; ++e)
                EXPECT_NEAR(p.dblExact[e], expected[e], 0.5 * kMinute);
            const double begin = c.begin ? CubicAt(-orb, kT0 - 10 * c.w, kT0 - c.w) : -1;
            const double end = c.end ? CubicAt(orb, kT0 + c.w, kT0 + 10 * c.w) : -1;
            EXPECT_NEAR(p.dblBegin, begin, 0.5 * kMinute);
            EXPECT_NEAR(p.dblEnd, end, 0.5 * kMinute);
        }
    }
    gW = 100;
    gDataStart = -1e9;
    gDataEnd = 1e9;
}

TEST_F(TransitCalendarTest, PassageCutByTheEndOfTheMoonAndPlutoData) {
    // Pluto has no positions after 2099: its passages open then have no end; those of the
    // other planets end in 2100 as they do.
    const double from = 2488069.5 - 90;
    const std::vector<ZDR::Passage> list = ZDR::TransitCalendar(Request(false, 0, from, 2488070.5));
    int plutoOpen = 0, otherAfter = 0;
    for (const ZDR::Passage& p : list) {
        const bool pluto = p.intFirst == 9 || p.intSecond == 9;
        if (pluto && p.dblEnd < 0)
            ++plutoOpen;
        EXPECT_FALSE(!pluto && p.dblEnd < 0);
        if (!pluto && p.dblEnd > 2488070.5)
            ++otherAfter;
    }
    EXPECT_GT(plutoOpen, 0);
    EXPECT_GT(otherAfter, 0);
    const std::string json = ZDR::CalendarJson(list, 0);
    EXPECT_NE(json.find("\"end\": null"), std::string::npos);
}

// ---------------------------------------------------------------- brute force
// Every ten minutes over a stretch, per pair and aspect: the signed distance from the exact
// angle (separation less angle; for the conjunction and the opposition the signed
// difference of longitudes about 0° or 180°), its changes of sign within the orb, and the
// moments the unsigned distance crosses the orb, each placed by linear interpolation.
std::vector<ZDR::Passage> BruteForce(const ZDR::CalendarRequest& r, double from, double to) {
    const double step = 10 * kMinute;
    const int n = static_cast<int>((to - from) / step);
    std::vector<std::vector<double>> lon(11);
    for (int b = 1; b <= 9; ++b) {
        for (int s = 0; s <= n; ++s)
            lon[b].push_back(ZDR::BodyLongitudeIn(b, from + s * step, false));
    }
    std::vector<ZDR::Passage> out;
    for (int i = 1; i <= 9; ++i) {
        for (int j = r.blnPersonal ? 1 : i + 1; j <= (r.blnPersonal ? 12 : 9); ++j) {
            // Natal points 11 and 12 are the angles, when the request has them.
            const double natal = !r.blnPersonal ? 0
                                 : j > 10      ? r.dblNatalAngle[j - 11]
                                               : ZDR::BodyLongitudeIn(j, r.dblNatalJD, false);
            if (r.blnPersonal && natal < 0)
                continue;
            for (int k = 1; k <= 7; ++k) {
                const double a = ZDR::dblAspectAngle[k], orb = r.dblOrb[k];
                auto values = [&](int s, double& dev, double& g) {
                    const double x = std::remainder(lon[i][s] - (r.blnPersonal ? natal : lon[j][s]),
                                                    2 * kPi);
                    dev = std::fabs(std::fabs(x) - a);
                    g = k == 1 ? x : (k == 2 ? std::remainder(x - kPi, 2 * kPi) : std::fabs(x) - a);
                };
                double dev0, g0;
                values(0, dev0, g0);
                bool inside = dev0 < orb;
                ZDR::Passage p;
                p.intFirst = i, p.intSecond = j, p.intAspect = k;
                for (int s = 1; s <= n; ++s) {
                    double dev, g;
                    values(s, dev, g);
                    const double t0 = from + (s - 1) * step;
                    if (inside && (g0 < 0) != (g < 0) && std::fabs(g - g0) < orb)
                        p.dblExact.push_back(t0 + step * g0 / (g0 - g));
                    if ((dev < orb) != inside) {
                        const double t = t0 + step * (dev0 - orb) / (dev0 - dev);
                        if (!inside) {
                            p.dblBegin = t;
                            p.dblExact.clear();
                        } else if (p.dblBegin > 0) {
                            p.dblEnd = t;
                            out.push_back(p);
                        }
                        inside = !inside;
                        p.dblBegin = inside ? t : -1;
                    }
                    dev0 = dev, g0 = g;
                }
            }
        }
    }
    return out;
}

TEST_F(TransitCalendarTest, EveryPassageAgreesWithABruteForceScan) {
    struct Case {
        const char* what;
        bool personal;
        double natal, from, days;
        double ascendant, midheaven;  // degrees of natal angles in personal transits; -1 none
    };
    const Case kCases[] = {
        {"World transits, second half of 2020", false, 0, 2459001.5, 183, -1, -1},
        {"Personal transits of 1970-05-17 through 2024", true, 2440724.0, 2460310.5, 366, -1, -1},
        {"Personal transits to natal angles, 2025", true, 2440724.0, 2460676.5, 365, 168.78, 75.15},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        ZDR::CalendarRequest r = Request(c.personal, c.natal, c.from, c.from + c.days);
        r.dblNatalAngle[0] = c.ascendant < 0 ? -1 : c.ascendant * kPi / 180;
        r.dblNatalAngle[1] = c.midheaven < 0 ? -1 : c.midheaven * kPi / 180;
        const std::vector<ZDR::Passage> walk = ZDR::TransitCalendar(r);
        const std::vector<ZDR::Passage> brute = BruteForce(r, c.from, c.from + c.days);
        ASSERT_GT(brute.size(), 50u);
        std::size_t matched = 0, triples = 0, angles = 0;
        for (const ZDR::Passage& b : brute) {
            const ZDR::Passage* w = nullptr;
            for (const ZDR::Passage& p : walk) {
                if (p.intFirst == b.intFirst && p.intSecond == b.intSecond &&
                    p.intAspect == b.intAspect && std::fabs(p.dblBegin - b.dblBegin) < 2 * kMinute)
                    w = &p;
            }
            ASSERT_NE(w, nullptr) << b.intFirst << " " << b.intAspect << " " << b.intSecond
                                  << " from JD " << b.dblBegin;
            EXPECT_NEAR(w->dblEnd, b.dblEnd, 2 * kMinute);
            ASSERT_EQ(w->dblExact.size(), b.dblExact.size()) << b.intFirst << "-" << b.intSecond;
            for (std::size_t e = 0; e < b.dblExact.size(); ++e)
                EXPECT_NEAR(w->dblExact[e], b.dblExact[e], 1 * kMinute);
            triples += b.dblExact.size() >= 2;
            angles += b.intSecond > 10;
            ++matched;
        }
        // And every passage of the walk that lies within the stretch was found by the scan.
        std::size_t inside = 0;
        for (const ZDR::Passage& p : walk)
            inside += p.dblBegin > c.from + 0.1 && p.dblEnd > 0 && p.dblEnd < c.from + c.days - 0.1;
        EXPECT_EQ(inside, matched);
        if (c.personal) {
            EXPECT_GT(triples, 0u);  // a slow planet passes a natal place more than once
        }
        EXPECT_EQ(angles > 0, c.ascendant >= 0);
    }
}

// ---------------------------------------------------------------- text forms

TEST_F(TransitCalendarTest, SummariesInBothLanguages) {
    ZDR::Passage p;
    p.intFirst = 6, p.intSecond = 1, p.intAspect = 3;
    struct Case {
        int16_t language;
        bool personal;
        const char* expected;
    };
    const Case kCases[] = {
        {Language::intEnglish, true, "Saturn square natal Sun"},
        {Language::intEnglish, false, "Saturn square Sun"},
        {Language::intGerman, true, "Saturn Quadrat Radix-Sonne"},
    };
    for (const Case& c : kCases) {
        Language::intLanguage = c.language;
        ZDR::BuildCatalogueNames();
        EXPECT_EQ(ZDR::PassageSummary(p, c.personal), c.expected);
    }
}

TEST_F(TransitCalendarTest, ICalendarLinesAreFoldedEscapedAndEndInCrLf) {
    std::vector<ZDR::Passage> list(1);
    list[0].intFirst = 6, list[0].intSecond = 1, list[0].intAspect = 3;
    list[0].dblBegin = 2459000.2;
    list[0].dblEnd = 2459300.7;
    list[0].dblExact = {2459050.1, 2459150.3, 2459250.9};  // a long description
    ZDR::ICalendarInput in;
    in.blnPersonal = true;
    in.dblNatalJD = 2440724.0;
    in.dblStampJD = 2461383.0;
    in.zoneMinutes = 60;
    Language::intLanguage = Language::intGerman;
    ZDR::BuildCatalogueNames();
    const std::string ics = ZDR::CalendarICalendar(list, in);
    std::string unfolded;
    std::size_t start = 0;
    while (start < ics.size()) {
        const std::size_t end = ics.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        EXPECT_LE(end - start, 75u);
        const std::string line = ics.substr(start, end - start);
        unfolded += line[0] == ' ' ? line.substr(1) : "\n" + line;
        start = end + 2;
    }
    EXPECT_NE(unfolded.find("\nSUMMARY:Saturn Quadrat Radix-Sonne\n"), std::string::npos);
    EXPECT_NE(unfolded.find("\nDESCRIPTION:Exakt: 2020-07-19 15:24\\, 2020-10-27 20:12\\, "
                            "2021-02-05 10:36 (UTC+01:00)\\nIm Orbis: 2020-05-30 17:48 – "
                            "2021-03-27 05:48 (UTC+01:00)\n"),
              std::string::npos)
        << unfolded;
    EXPECT_NE(unfolded.find("\nDTSTART;VALUE=DATE:20200530\nDTEND;VALUE=DATE:20210328\n"),
              std::string::npos);
    EXPECT_NE(unfolded.find("\nDTSTAMP:20261208T120000Z\n"), std::string::npos);
    EXPECT_NE(unfolded.find("\nUID:p3514642560-6-1-3-20200719@zodarc.quillfen.com\n"),
              std::string::npos);
}

}  // namespace
