#include "engine/Midpoints.h"

#include <algorithm>

#include "engine/Angles.h"
#include "engine/Catalogue.h"
#include "engine/EngineTables.h"

namespace ZDR {

namespace {

constexpr char kCrLf[] = "\r\n";
constexpr int16_t kConjunction = 1;

// Whether longitude p stands within dblOrb of the midpoint of longitudes q and r, or of
// the point opposite it.
bool IsAtMidpoint(double p, double q, double r, double dblOrb) {
    int16_t direction = 0;
    const double m = (q + r) / 2;
    if (dblOrb > Separation(m, p, direction))
        return true;
    return dblOrb > Separation(NormalizeAngle(m + dblPi), p, direction);
}

}  // namespace

std::string MidpointTriple(int16_t a, int16_t b, int16_t c, bool blnFullNames, double dblOrb) {
    for (const int16_t body : {a, b, c}) {
        if (body < 1 || body > 10)
            return "";
    }
    const double pa = dblPos[a][0];
    const double pb = dblPos[b][0];
    const double pc = dblPos[c][0];
    if (pa < 0 || pb < 0 || pc < 0 || pa == pb || pa == pc || pb == pc)
        return "";

    // The first body found at the midpoint of the other two, and those two.
    int16_t m = 0;
    if (IsAtMidpoint(pa, pb, pc, dblOrb))
        m = a;
    else if (IsAtMidpoint(pb, pa, pc, dblOrb))
        m = b;
    else if (IsAtMidpoint(pc, pa, pb, dblOrb))
        m = c;
    else
        return "";
    const int16_t x = m == a ? b : a;
    const int16_t y = m == c ? b : c;
    const int16_t lower = std::min(x, y);
    const int16_t upper = std::max(x, y);
    const std::string* names = blnFullNames ? strBodyName : strBodyAbbr;
    return names[lower] + "-" + names[m] + "-" + names[upper];
}

std::string CheckForMidpoint(bool blnNatalReport, double dblOrb, int16_t& intNum) {
    intNum = 0;
    std::string text;
    // Which of the Sun to Pluto are conjunct within orb set 0, each pair tested once.
    bool blnConjunct[10][10] = {};
    for (int16_t i = 1; i <= 8; ++i) {
        for (int16_t j = i + 1; j <= 9; ++j) {
            double deviation;
            blnConjunct[i][j] = blnConjunct[j][i] = IsAspect(i, j, kConjunction, deviation);
        }
    }
    // Each set of three bodies is listed once. It is reached from up to three pairs, and
    // when all three stand at midpoints of the others (a near-exact grand trine) each pair
    // would name another body in the middle.
    bool blnListed[10][10][10] = {};
    for (int16_t i = 1; i <= 8; ++i) {
        for (int16_t j = i + 1; j <= 9; ++j) {
            if (blnConjunct[i][j])
                continue;
            for (int16_t x = 1; x <= 9; ++x) {
                if (x == i || x == j || blnConjunct[x][j] || blnConjunct[x][i])
                    continue;
                const int16_t low = std::min(x, i);
                const int16_t high = std::max(x, j);
                const int16_t middle = static_cast<int16_t>(i + j + x - low - high);
                if (blnListed[low][middle][high])
                    continue;
                const std::string s = MidpointTriple(i, x, j, blnNatalReport, dblOrb);
                if (s.empty())
                    continue;
                blnListed[low][middle][high] = true;
                ++intNum;
                text += blnNatalReport ? s : strPatternName[13] + ": " + s;
                text += kCrLf;
            }
        }
    }
    return text;
}

}  // namespace ZDR
