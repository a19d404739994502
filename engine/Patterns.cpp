#include "engine/Patterns.h"

#include <cstddef>
#include <initializer_list>

#include "engine/Angles.h"
#include "engine/Catalogue.h"
#include "engine/EngineTables.h"
#include "engine/Midpoints.h"
#include "text/Language.h"

namespace ZDR {

namespace {

constexpr char kCrLf[] = "\r\n";

// Aspect indices of the catalogue.
constexpr int16_t kConjunction = 1;
constexpr int16_t kOpposition = 2;
constexpr int16_t kSquare = 3;
constexpr int16_t kTrine = 4;
constexpr int16_t kSextile = 5;
constexpr int16_t kSemisextile = 6;
constexpr int16_t kQuincunx = 7;

// Pattern indices of the catalogue.
constexpr int16_t kGrandTrine = 0;
constexpr int16_t kKite = 1;
constexpr int16_t kRectangle = 2;
constexpr int16_t kTSquare = 3;
constexpr int16_t kGrandCross = 4;
constexpr int16_t kYod = 5;
constexpr int16_t kYodKite = 6;
constexpr int16_t kTrapezium = 7;
constexpr int16_t kStellium6 = 8;
constexpr int16_t kStellium3 = 11;
constexpr int16_t kGrandSextile = 12;
constexpr int16_t kMidpoint = 13;

// The highest body index taking part, held to the bodies that exist.
int16_t LastBody() {
    if (intNumBodies < 0)
        return 0;
    return intNumBodies > 10 ? 10 : intNumBodies;
}

// Returns one pattern line: the full names of the intNumBodiesInLine bodies joined by "-",
// or pattern p's name, ": ", their abbreviations and, when intNumDeviations > 0, the mean
// of dblDeviationSum.
std::string PatternLine(int16_t p, const int16_t* bodies, size_t intNumBodiesInLine,
                        bool blnFullNames, double dblDeviationSum, int intNumDeviations) {
    std::string line = blnFullNames ? "" : strPatternName[p] + ": ";
    const std::string* names = blnFullNames ? strBodyName : strBodyAbbr;
    for (size_t n = 0; n < intNumBodiesInLine; ++n) {
        if (n > 0)
            line += "-";
        line += names[bodies[n]];
    }
    if (!blnFullNames && intNumDeviations > 0) {
        line += " (" + Language::Text(154) + " " +
                FormatDegMin(dblDeviationSum / intNumDeviations) + ")";
    }
    return line + kCrLf;
}

std::string PatternLine(int16_t p, std::initializer_list<int16_t> bodies, bool blnFullNames,
                        double dblDeviationSum, int intNumDeviations) {
    return PatternLine(p, bodies.begin(), bodies.size(), blnFullNames, dblDeviationSum,
                       intNumDeviations);
}

// Calls found(I, A, B, sum of the three trine deviations) for every grand trine
// I < A < B with I >= intFirst.
template <typename Found>
void ForEachGrandTrine(int16_t intFirst, Found found) {
    const int16_t n = LastBody();
    double d1, d2, d3;
    for (int16_t i = intFirst; i <= n; ++i) {
        for (int16_t a = i + 1; a <= n; ++a) {
            if (!IsAspect(i, a, kTrine, d1))
                continue;
            for (int16_t b = a + 1; b <= n; ++b) {
                if (IsAspect(i, b, kTrine, d2) && IsAspect(a, b, kTrine, d3))
                    found(i, a, b, d1 + d2 + d3);
            }
        }
    }
}

// Calls found(I, J, K, sum of the three deviations) for every opposition I < J and every
// other body K in aspect kTowardsI to I and kTowardsJ to J.
template <typename Found>
void ForEachOppositionBridge(int16_t kTowardsI, int16_t kTowardsJ, Found found) {
    const int16_t n = LastBody();
    double dOpp, dI, dJ;
    for (int16_t i = 1; i <= n; ++i) {
        for (int16_t j = i + 1; j <= n; ++j) {
            if (!IsAspect(i, j, kOpposition, dOpp))
                continue;
            for (int16_t k = 1; k <= n; ++k) {
                if (k != i && k != j && IsAspect(k, i, kTowardsI, dI) &&
                    IsAspect(k, j, kTowardsJ, dJ))
                    found(i, j, k, dOpp + dI + dJ);
            }
        }
    }
}

// Calls found(I, J, K, sum of the three deviations) for every yod: I < J sextile, K
// quincunx both.
template <typename Found>
void ForEachYod(Found found) {
    const int16_t n = LastBody();
    double dSxt, dI, dJ;
    for (int16_t i = 1; i <= n; ++i) {
        for (int16_t j = i + 1; j <= n; ++j) {
            if (!IsAspect(i, j, kSextile, dSxt))
                continue;
            for (int16_t k = 1; k <= n; ++k) {
                if (k != i && k != j && IsAspect(i, k, kQuincunx, dI) &&
                    IsAspect(j, k, kQuincunx, dJ))
                    found(i, j, k, dSxt + dI + dJ);
            }
        }
    }
}

// Lists the kite of a grand trine whose corner opposed is opposite body x, x sextile
// the corners first and second.
void TestKiteCorner(int16_t x, int16_t opposed, int16_t first, int16_t second, double dblTrineSum,
                    bool blnFullNames, int16_t& intPatternCount, std::string& text) {
    double dFirst, dOpp, dSecond;
    if (IsAspect(x, first, kSextile, dFirst) && IsAspect(x, opposed, kOpposition, dOpp) &&
        IsAspect(x, second, kSextile, dSecond)) {
        ++intPatternCount;
        text += PatternLine(kKite, {opposed, first, second, x}, blnFullNames,
                            dblTrineSum + dOpp + dFirst + dSecond, 6);
    }
}

// Adds to chosen[0..depth) every further body from intFrom on that is conjunct all of
// them, until intSize bodies are chosen; lists each complete stellium.
void ExtendStellium(int16_t intSize, int16_t (&chosen)[6], int16_t depth, int16_t intFrom,
                    double dblSum, bool blnFullNames, int16_t& intPatternCount, std::string& text) {
    if (depth == intSize) {
        ++intPatternCount;
        text += PatternLine(kStellium6 + (6 - intSize), chosen, intSize, blnFullNames, dblSum,
                            intSize * (intSize - 1) / 2);
        return;
    }
    const int16_t n = LastBody();
    for (int16_t b = intFrom; b <= n; ++b) {
        double dblAdded = 0;
        bool blnConjunct = true;
        for (int16_t c = 0; c < depth && blnConjunct; ++c) {
            double d;
            blnConjunct = IsAspect(chosen[c], b, kConjunction, d);
            dblAdded += d;
        }
        if (!blnConjunct)
            continue;
        chosen[depth] = b;
        ExtendStellium(intSize, chosen, depth + 1, b + 1, dblSum + dblAdded, blnFullNames,
                       intPatternCount, text);
    }
}

// Lists every set of intSize (3..6) bodies pairwise in conjunction.
std::string FindStellium(int16_t intSize, bool blnFullNames, int16_t& intPatternCount) {
    std::string text;
    int16_t chosen[6] = {};
    ExtendStellium(intSize, chosen, 0, 1, 0.0, blnFullNames, intPatternCount, text);
    return text;
}

}  // namespace

std::string FindGrandTrine(bool blnFullNames, int16_t& intPatternCount) {
    std::string text;
    ForEachGrandTrine(1, [&](int16_t i, int16_t a, int16_t b, double sum) {
        ++intPatternCount;
        text += PatternLine(kGrandTrine, {i, a, b}, blnFullNames, sum, 3);
    });
    return text;
}

std::string FindKite(bool blnFullNames, int16_t& intPatternCount) {
    std::string text;
    const int16_t n = LastBody();
    ForEachGrandTrine(1, [&](int16_t t1, int16_t t2, int16_t t3, double sum) {
        for (int16_t x = 1; x <= n; ++x) {
            if (x == t1 || x == t2 || x == t3)
                continue;
            TestKiteCorner(x, t1, t2, t3, sum, blnFullNames, intPatternCount, text);
            TestKiteCorner(x, t2, t3, t1, sum, blnFullNames, intPatternCount, text);
            TestKiteCorner(x, t3, t1, t2, sum, blnFullNames, intPatternCount, text);
        }
    });
    return text;
}

std::string FindRectangle(bool blnFullNames, int16_t& intPatternCount) {
    std::string text;
    const int16_t n = LastBody();
    // Each rectangle is met once from each of its oppositions; the bodies of the listed
    // ones, as bit sets, keep it to one line.
    std::vector<uint16_t> listed;
    // K sextile J and trine I.
    ForEachOppositionBridge(kTrine, kSextile, [&](int16_t i, int16_t j, int16_t k, double sum) {
        double dOpp, dSxt, dTri;
        for (int16_t b = i + 1; b <= n; ++b) {
            if (b == j || b == k || !IsAspect(b, k, kOpposition, dOpp) ||
                !IsAspect(b, i, kSextile, dSxt) || !IsAspect(b, j, kTrine, dTri))
                continue;
            const uint16_t bodies = (1u << i) | (1u << j) | (1u << k) | (1u << b);
            bool blnListed = false;
            for (const uint16_t other : listed)
                blnListed = blnListed || other == bodies;
            if (blnListed)
                continue;
            listed.push_back(bodies);
            ++intPatternCount;
            text +=
                PatternLine(kRectangle, {i, j, k, b}, blnFullNames, sum + dOpp + dSxt + dTri, 6);
        }
    });
    return text;
}

std::string FindTSquare(bool blnFullNames, int16_t& intPatternCount) {
    std::string text;
    ForEachOppositionBridge(kSquare, kSquare, [&](int16_t i, int16_t j, int16_t k, double sum) {
        ++intPatternCount;
        text += PatternLine(kTSquare, {i, k, j}, blnFullNames, sum, 3);
    });
    return text;
}

std::string FindGrandCross(bool blnFullNames, int16_t& intPatternCount) {
    std::string text;
    const int16_t n = LastBody();
    double dIA, dIB, dIJ, dAB, dAJ, dJB;
    for (int16_t i = 1; i <= n; ++i) {
        for (int16_t a = i + 1; a <= n; ++a) {
            if (!IsAspect(i, a, kSquare, dIA))
                continue;
            for (int16_t b = a + 1; b <= n; ++b) {
                if (!IsAspect(i, b, kSquare, dIB) || !IsAspect(a, b, kOpposition, dAB))
                    continue;
                for (int16_t j = i + 1; j <= n; ++j) {
                    if (j == a || j == b || !IsAspect(i, j, kOpposition, dIJ) ||
                        !IsAspect(a, j, kSquare, dAJ) || !IsAspect(j, b, kSquare, dJB))
                        continue;
                    ++intPatternCount;
                    text += PatternLine(kGrandCross, {i, a, j, b}, blnFullNames,
                                        dIA + dIB + dIJ + dAB + dAJ + dJB, 6);
                }
            }
        }
    }
    return text;
}

std::string FindYod(bool blnFullNames, int16_t& intPatternCount) {
    std::string text;
    ForEachYod([&](int16_t i, int16_t j, int16_t k, double sum) {
        ++intPatternCount;
        text += PatternLine(kYod, {i, k, j}, blnFullNames, sum, 3);
    });
    return text;
}

std::string FindYodKite(bool blnFullNames, int16_t& intPatternCount) {
    std::string text;
    const int16_t n = LastBody();
    ForEachYod([&](int16_t i, int16_t j, int16_t k, double sum) {
        double dOpp, dJ, dI;
        for (int16_t l = 1; l <= n; ++l) {
            if (l == i || l == j || l == k || !IsAspect(k, l, kOpposition, dOpp) ||
                !IsAspect(l, j, kSemisextile, dJ) || !IsAspect(l, i, kSemisextile, dI))
                continue;
            ++intPatternCount;
            text += PatternLine(kYodKite, {i, k, j, l}, blnFullNames, sum + dOpp + dJ + dI, 6);
        }
    });
    return text;
}

std::string FindTrapezium(bool blnFullNames, int16_t& intPatternCount) {
    std::string text;
    const int16_t n = LastBody();
    // K trine I and sextile J.
    ForEachOppositionBridge(kTrine, kSextile, [&](int16_t i, int16_t j, int16_t k, double sum) {
        double dIL, dKL, dJL;
        for (int16_t l = 1; l <= n; ++l) {
            if (l == i || l == j || l == k || !IsAspect(i, l, kSextile, dIL) ||
                !IsAspect(k, l, kSextile, dKL) || !IsAspect(j, l, kTrine, dJL))
                continue;
            ++intPatternCount;
            text += PatternLine(kTrapezium, {i, j, k, l}, blnFullNames, sum + dIL + dKL + dJL, 6);
        }
    });
    return text;
}

std::string FindStellium6(bool blnFullNames, int16_t& intPatternCount) {
    return FindStellium(6, blnFullNames, intPatternCount);
}

std::string FindStellium5(bool blnFullNames, int16_t& intPatternCount) {
    return FindStellium(5, blnFullNames, intPatternCount);
}

std::string FindStellium4(bool blnFullNames, int16_t& intPatternCount) {
    return FindStellium(4, blnFullNames, intPatternCount);
}

std::string FindStellium3(bool blnFullNames, int16_t& intPatternCount) {
    return FindStellium(3, blnFullNames, intPatternCount);
}

std::string FindGrandSextile(bool blnFullNames, int16_t& intPatternCount) {
    std::string text;
    ForEachGrandTrine(1, [&](int16_t i, int16_t a, int16_t b, double) {
        ForEachGrandTrine(i + 1, [&](int16_t j, int16_t c, int16_t d, double) {
            if (j == a || j == b || c == a || c == b || d == a || d == b)
                return;
            int intSextiles = 0;
            for (const int16_t x : {i, a, b}) {
                for (const int16_t y : {j, c, d}) {
                    double dev;
                    intSextiles += IsAspect(x, y, kSextile, dev) ? 1 : 0;
                }
            }
            if (intSextiles != 6)
                return;
            intPatternCount = 1;
            text += PatternLine(kGrandSextile, {i, a, b, j, c, d}, blnFullNames, 0.0, 0);
        });
    });
    return text;
}

std::vector<PatternGroup> FindAllPatterns(bool blnFullNames, double dblMidpointOrb) {
    std::vector<PatternGroup> groups;
    // Runs one finder with its count at 0; keeps its group when it listed anything.
    auto run = [&](int16_t p, std::string (*finder)(bool, int16_t&)) {
        PatternGroup group;
        group.intPattern = p;
        group.strText = finder(blnFullNames, group.intCount);
        if (group.strText.empty())
            return false;
        groups.push_back(std::move(group));
        return true;
    };
    run(kGrandTrine, FindGrandTrine);
    run(kKite, FindKite);
    run(kRectangle, FindRectangle);
    run(kTSquare, FindTSquare);
    run(kGrandCross, FindGrandCross);
    run(kYod, FindYod);
    run(kYodKite, FindYodKite);
    run(kTrapezium, FindTrapezium);
    // Only the largest stellium size found is listed: its parts qualify as well.
    run(kStellium6, FindStellium6) || run(kStellium6 + 1, FindStellium5) ||
        run(kStellium6 + 2, FindStellium4) || run(kStellium3, FindStellium3);
    run(kGrandSextile, FindGrandSextile);

    PatternGroup midpoints;
    midpoints.intPattern = kMidpoint;
    midpoints.strText = CheckForMidpoint(blnFullNames, dblMidpointOrb, midpoints.intCount);
    if (!midpoints.strText.empty())
        groups.push_back(std::move(midpoints));
    return groups;
}

std::string PatternSection(double dblMidpointOrb) {
    std::string text;
    for (const PatternGroup& group : FindAllPatterns(false, dblMidpointOrb)) {
        text += group.strText + kCrLf;
        intNumPatternsOfType[group.intPattern] = group.intCount;
        if (group.intPattern >= kStellium6 && group.intPattern <= kStellium3) {
            for (int16_t p = group.intPattern + 1; p <= kStellium3; ++p)
                intNumPatternsOfType[p] = 0;
        }
    }
    return text;
}

}  // namespace ZDR
