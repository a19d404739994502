#include "engine/Midpoints.h"

#include <algorithm>

#include "astro/CatalogueCounts.h"
#include "engine/Angles.h"
#include "engine/Catalogue.h"

namespace ZDR {

namespace {

constexpr char kCrLf[] = "\r\n";

// Whether longitude p stands within dblOrb of the midpoint of longitudes q and r, or of
// the point opposite it.
bool IsAtMidpoint(double p, double q, double r, double dblOrb) {
    const double m = (q + r) / 2;
    if (dblOrb > AngularDistance(m, p))
        return true;
    return dblOrb > AngularDistance(NormalizeAngle(m + dblPi), p);
}

// Whether bodies a, b, c (1..10) all have positions, three different longitudes.
bool HavePositions(const ChartPositions& chart, int16_t a, int16_t b, int16_t c) {
    const auto& dblPos = chart.dblPos;
    for (const int16_t body : {a, b, c}) {
        if (body < bodySun || body > intCatalogueBodies || dblPos[body][0] < 0)
            return false;
    }
    const double pa = dblPos[a][0];
    const double pb = dblPos[b][0];
    const double pc = dblPos[c][0];
    return pa != pb && pa != pc && pb != pc;
}

// Returns the first of the bodies a, b, c (1..10, tested in that order) that stands at the
// midpoint of the other two; 0 when none does, when a body has no position, when two
// longitudes are equal, or for an index outside 1..10.
int16_t MidpointBody(const ChartPositions& chart, int16_t a, int16_t b, int16_t c, double dblOrb) {
    if (!HavePositions(chart, a, b, c))
        return 0;
    const auto& dblPos = chart.dblPos;
    const double pa = dblPos[a][0];
    const double pb = dblPos[b][0];
    const double pc = dblPos[c][0];
    if (IsAtMidpoint(pa, pb, pc, dblOrb))
        return a;
    if (IsAtMidpoint(pb, pa, pc, dblOrb))
        return b;
    if (IsAtMidpoint(pc, pa, pb, dblOrb))
        return c;
    return 0;
}

// Calls found(a, b, c, m) once for every set of three of the Sun to Pluto that forms a
// midpoint configuration, in the order first met: a, b, c are the bodies in the order
// MidpointBody is asked about them, m the one at the midpoint. Pairs in conjunction take
// no part, nor does a third body conjunct either of them.
template <typename Found>
void ForEachMidpointConfiguration(const ChartPositions& chart, const ChartOptions& options,
                                  Found found) {
    const auto& dblPos = chart.dblPos;
    const double dblOrb = options.dblMidpointOrb;
    // Which of the Sun to Pluto are conjunct within orb set 0, each pair tested once.
    constexpr int16_t n = intLastPlanet;
    constexpr int16_t slots = n + 1;
    bool blnConjunct[slots][slots] = {};
    for (int16_t i = 1; i < n; ++i) {
        for (int16_t j = i + 1; j <= n; ++j) {
            double deviation;
            blnConjunct[i][j] = blnConjunct[j][i] =
                IsAspect(chart, options, i, j, aspectConjunction, deviation);
        }
    }
    // Whether body p stands at the midpoint of q and r, each asked once: a set of three is
    // met from several pairs. -1 not asked yet.
    int8_t intAtMidpoint[slots][slots][slots];
    std::fill(&intAtMidpoint[0][0][0], &intAtMidpoint[0][0][0] + slots * slots * slots, int8_t{-1});
    auto atMidpoint = [&](int16_t p, int16_t q, int16_t r) {
        int8_t& known = intAtMidpoint[p][std::min(q, r)][std::max(q, r)];
        if (known < 0)
            known = IsAtMidpoint(dblPos[p][0], dblPos[q][0], dblPos[r][0], dblOrb) ? 1 : 0;
        return known == 1;
    };
    // Each set of three bodies is listed once. It is reached from up to three pairs, and
    // when all three stand at midpoints of the others (a near-exact grand trine) each pair
    // would name another body in the middle.
    bool blnListed[slots][slots][slots] = {};
    for (int16_t i = 1; i < n; ++i) {
        for (int16_t j = i + 1; j <= n; ++j) {
            if (blnConjunct[i][j])
                continue;
            for (int16_t x = 1; x <= n; ++x) {
                if (x == i || x == j || blnConjunct[x][j] || blnConjunct[x][i])
                    continue;
                const int16_t low = std::min(x, i);
                const int16_t high = std::max(x, j);
                const int16_t middle = static_cast<int16_t>(i + j + x - low - high);
                if (blnListed[low][middle][high] || !HavePositions(chart, i, x, j))
                    continue;
                // The first of i, x, j at the midpoint of the other two, as MidpointBody.
                const int16_t m = atMidpoint(i, x, j)   ? i
                                  : atMidpoint(x, i, j) ? x
                                  : atMidpoint(j, i, x) ? j
                                                        : 0;
                if (m == 0)
                    continue;
                blnListed[low][middle][high] = true;
                found(i, x, j, m);
            }
        }
    }
}

// Returns "X-M-Y" for the bodies a, b, c of which m stands at the midpoint: X and Y the
// other two by ascending index, as full names or abbreviations.
std::string TripleText(int16_t a, int16_t b, int16_t c, int16_t m, bool blnFullNames) {
    const int16_t x = m == a ? b : a;
    const int16_t y = m == c ? b : c;
    const int16_t lower = std::min(x, y);
    const int16_t upper = std::max(x, y);
    const std::string* names = blnFullNames ? strBodyName : strBodyAbbr;
    return names[lower] + "-" + names[m] + "-" + names[upper];
}

}  // namespace

std::string MidpointTriple(const ChartPositions& chart, int16_t a, int16_t b, int16_t c,
                           bool blnFullNames, double dblOrb) {
    const int16_t m = MidpointBody(chart, a, b, c, dblOrb);
    return m == 0 ? "" : TripleText(a, b, c, m, blnFullNames);
}

std::string CheckForMidpoint(const ChartPositions& chart, const ChartOptions& options,
                             bool blnNatalReport, int16_t& intNum) {
    intNum = 0;
    std::string text;
    ForEachMidpointConfiguration(chart, options, [&](int16_t a, int16_t b, int16_t c, int16_t m) {
        ++intNum;
        const std::string s = TripleText(a, b, c, m, blnNatalReport);
        text += blnNatalReport ? s : strPatternName[patternMidpoint] + ": " + s;
        text += kCrLf;
    });
    return text;
}

int16_t CountMidpoints(const ChartPositions& chart, const ChartOptions& options) {
    int16_t intNum = 0;
    ForEachMidpointConfiguration(chart, options,
                                 [&](int16_t, int16_t, int16_t, int16_t) { ++intNum; });
    return intNum;
}

}  // namespace ZDR
