#include "engine/Patterns.h"

#include <cstddef>
#include <initializer_list>

#include "astro/CatalogueCounts.h"
#include "engine/Angles.h"
#include "engine/Catalogue.h"
#include "engine/Midpoints.h"
#include "text/Language.h"

namespace ZDR {

namespace {

constexpr char kCrLf[] = "\r\n";

// The distance of every pair of chart-A bodies, worked out once before a search of
// patterns, which asks about each pair many times, with the orbs of set 0.
struct PairDistances {
    int16_t intLast;  // the highest body index taking part
    bool blnHasPosition[intBodySlots];
    double dblDistance[intBodySlots][intBodySlots];
    double dblOrb[intAspectSlots];

    PairDistances(const ChartPositions& chart, const ChartOptions& options)
        : intLast(BodiesTakingPart(chart)) {
        const auto& dblPos = chart.dblPos;
        for (int16_t i = 0; i <= intCatalogueBodies; ++i)
            blnHasPosition[i] = i <= intLast && dblPos[i][0] >= 0;
        for (int16_t i = 1; i <= intLast; ++i) {
            for (int16_t j = 1; j <= intLast; ++j)
                dblDistance[i][j] = AngularDistance(dblPos[i][0], dblPos[j][0]);
        }
        for (int16_t k = 0; k < intAspectSlots; ++k)
            dblOrb[k] = options.dblOrb[k][0];
    }

    // IsAspect of bodies i and j (1..intLast) and aspect k (1..7): whether they stand in
    // aspect k within orb set 0, with the deviation, exactly as IsAspect tells.
    bool Aspect(int16_t i, int16_t j, int16_t k, double& deviation) const {
        if (!blnHasPosition[i] || !blnHasPosition[j])
            return false;
        deviation = AspectDeviation(dblDistance[i][j], k);
        return deviation < dblOrb[k];
    }
};

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

// What a finder does with each pattern it meets: counts it and, unless only the count is
// wanted, lists it as a line.
struct PatternList {
    const PairDistances& pairs;
    bool blnFullNames;
    bool blnCountOnly;
    int16_t& intCount;
    std::string strText;

    void Add(int16_t p, const int16_t* bodies, size_t intNumBodiesInLine, double dblDeviationSum,
             int intNumDeviations) {
        ++intCount;
        if (!blnCountOnly)
            strText += PatternLine(p, bodies, intNumBodiesInLine, blnFullNames, dblDeviationSum,
                                   intNumDeviations);
    }
    void Add(int16_t p, std::initializer_list<int16_t> bodies, double dblDeviationSum,
             int intNumDeviations) {
        Add(p, bodies.begin(), bodies.size(), dblDeviationSum, intNumDeviations);
    }
};

// Calls found(I, A, B, sum of the three trine deviations) for every grand trine
// I < A < B with I >= intFirst.
template <typename Found>
void ForEachGrandTrine(const PairDistances& pairs, int16_t intFirst, Found found) {
    const int16_t n = pairs.intLast;
    double d1, d2, d3;
    for (int16_t i = intFirst; i <= n; ++i) {
        for (int16_t a = i + 1; a <= n; ++a) {
            if (!pairs.Aspect(i, a, aspectTrine, d1))
                continue;
            for (int16_t b = a + 1; b <= n; ++b) {
                if (pairs.Aspect(i, b, aspectTrine, d2) && pairs.Aspect(a, b, aspectTrine, d3))
                    found(i, a, b, d1 + d2 + d3);
            }
        }
    }
}

// Calls found(I, J, K, sum of the three deviations) for every opposition I < J and every
// other body K in aspect kTowardsI to I and kTowardsJ to J.
template <typename Found>
void ForEachOppositionBridge(const PairDistances& pairs, int16_t kTowardsI, int16_t kTowardsJ,
                             Found found) {
    const int16_t n = pairs.intLast;
    double dOpp, dI, dJ;
    for (int16_t i = 1; i <= n; ++i) {
        for (int16_t j = i + 1; j <= n; ++j) {
            if (!pairs.Aspect(i, j, aspectOpposition, dOpp))
                continue;
            for (int16_t k = 1; k <= n; ++k) {
                if (k != i && k != j && pairs.Aspect(k, i, kTowardsI, dI) &&
                    pairs.Aspect(k, j, kTowardsJ, dJ))
                    found(i, j, k, dOpp + dI + dJ);
            }
        }
    }
}

// Calls found(I, J, K, sum of the three deviations) for every yod: I < J sextile, K
// quincunx both.
template <typename Found>
void ForEachYod(const PairDistances& pairs, Found found) {
    const int16_t n = pairs.intLast;
    double dSxt, dI, dJ;
    for (int16_t i = 1; i <= n; ++i) {
        for (int16_t j = i + 1; j <= n; ++j) {
            if (!pairs.Aspect(i, j, aspectSextile, dSxt))
                continue;
            for (int16_t k = 1; k <= n; ++k) {
                if (k != i && k != j && pairs.Aspect(i, k, aspectQuincunx, dI) &&
                    pairs.Aspect(j, k, aspectQuincunx, dJ))
                    found(i, j, k, dSxt + dI + dJ);
            }
        }
    }
}

// Lists the kite of a grand trine whose corner opposed is opposite body x, x sextile
// the corners first and second.
void TestKiteCorner(int16_t x, int16_t opposed, int16_t first, int16_t second, double dblTrineSum,
                    PatternList& list) {
    const PairDistances& pairs = list.pairs;
    double dFirst, dOpp, dSecond;
    if (pairs.Aspect(x, first, aspectSextile, dFirst) &&
        pairs.Aspect(x, opposed, aspectOpposition, dOpp) &&
        pairs.Aspect(x, second, aspectSextile, dSecond))
        list.Add(patternKite, {opposed, first, second, x}, dblTrineSum + dOpp + dFirst + dSecond,
                 6);
}

// Adds to chosen[0..depth) every further body from intFrom on that is conjunct all of
// them, until intSize bodies are chosen; lists each complete stellium.
void ExtendStellium(int16_t intSize, int16_t (&chosen)[6], int16_t depth, int16_t intFrom,
                    double dblSum, PatternList& list) {
    const PairDistances& pairs = list.pairs;
    if (depth == intSize) {
        list.Add(patternStellium6 + (6 - intSize), chosen, intSize, dblSum,
                 intSize * (intSize - 1) / 2);
        return;
    }
    const int16_t n = pairs.intLast;
    for (int16_t b = intFrom; b <= n; ++b) {
        double dblAdded = 0;
        bool blnConjunct = true;
        for (int16_t c = 0; c < depth && blnConjunct; ++c) {
            double d;
            blnConjunct = pairs.Aspect(chosen[c], b, aspectConjunction, d);
            dblAdded += d;
        }
        if (!blnConjunct)
            continue;
        chosen[depth] = b;
        ExtendStellium(intSize, chosen, depth + 1, b + 1, dblSum + dblAdded, list);
    }
}

// The finders' searches: each meets every pattern of its kind once and adds it to list.

void GrandTrines(PatternList& list) {
    const PairDistances& pairs = list.pairs;
    ForEachGrandTrine(pairs, 1, [&](int16_t i, int16_t a, int16_t b, double sum) {
        list.Add(patternGrandTrine, {i, a, b}, sum, 3);
    });
}

void Kites(PatternList& list) {
    const PairDistances& pairs = list.pairs;
    const int16_t n = pairs.intLast;
    ForEachGrandTrine(pairs, 1, [&](int16_t t1, int16_t t2, int16_t t3, double sum) {
        for (int16_t x = 1; x <= n; ++x) {
            if (x == t1 || x == t2 || x == t3)
                continue;
            TestKiteCorner(x, t1, t2, t3, sum, list);
            TestKiteCorner(x, t2, t3, t1, sum, list);
            TestKiteCorner(x, t3, t1, t2, sum, list);
        }
    });
}

void Rectangles(PatternList& list) {
    const PairDistances& pairs = list.pairs;
    const int16_t n = pairs.intLast;
    // Each rectangle is met once from each of its oppositions; the bodies of the listed
    // ones, as bit sets, keep it to one line. There are at most 210 sets of four bodies.
    uint16_t listed[210];
    size_t intNumListed = 0;
    // K sextile J and trine I.
    ForEachOppositionBridge(
        pairs, aspectTrine, aspectSextile, [&](int16_t i, int16_t j, int16_t k, double sum) {
            double dOpp, dSxt, dTri;
            for (int16_t b = i + 1; b <= n; ++b) {
                if (b == j || b == k || !pairs.Aspect(b, k, aspectOpposition, dOpp) ||
                    !pairs.Aspect(b, i, aspectSextile, dSxt) ||
                    !pairs.Aspect(b, j, aspectTrine, dTri))
                    continue;
                const uint16_t bodies = (1u << i) | (1u << j) | (1u << k) | (1u << b);
                bool blnListed = false;
                for (size_t r = 0; r < intNumListed; ++r)
                    blnListed = blnListed || listed[r] == bodies;
                if (blnListed)
                    continue;
                listed[intNumListed++] = bodies;
                list.Add(patternRectangle, {i, j, k, b}, sum + dOpp + dSxt + dTri, 6);
            }
        });
}

void TSquares(PatternList& list) {
    const PairDistances& pairs = list.pairs;
    ForEachOppositionBridge(pairs, aspectSquare, aspectSquare,
                            [&](int16_t i, int16_t j, int16_t k, double sum) {
                                list.Add(patternTSquare, {i, k, j}, sum, 3);
                            });
}

void GrandCrosses(PatternList& list) {
    const PairDistances& pairs = list.pairs;
    const int16_t n = pairs.intLast;
    double dIA, dIB, dIJ, dAB, dAJ, dJB;
    for (int16_t i = 1; i <= n; ++i) {
        for (int16_t a = i + 1; a <= n; ++a) {
            if (!pairs.Aspect(i, a, aspectSquare, dIA))
                continue;
            for (int16_t b = a + 1; b <= n; ++b) {
                if (!pairs.Aspect(i, b, aspectSquare, dIB) ||
                    !pairs.Aspect(a, b, aspectOpposition, dAB))
                    continue;
                for (int16_t j = i + 1; j <= n; ++j) {
                    if (j == a || j == b || !pairs.Aspect(i, j, aspectOpposition, dIJ) ||
                        !pairs.Aspect(a, j, aspectSquare, dAJ) ||
                        !pairs.Aspect(j, b, aspectSquare, dJB))
                        continue;
                    list.Add(patternGrandCross, {i, a, j, b}, dIA + dIB + dIJ + dAB + dAJ + dJB, 6);
                }
            }
        }
    }
}

void Yods(PatternList& list) {
    const PairDistances& pairs = list.pairs;
    ForEachYod(pairs, [&](int16_t i, int16_t j, int16_t k, double sum) {
        list.Add(patternYod, {i, k, j}, sum, 3);
    });
}

void YodKites(PatternList& list) {
    const PairDistances& pairs = list.pairs;
    const int16_t n = pairs.intLast;
    ForEachYod(pairs, [&](int16_t i, int16_t j, int16_t k, double sum) {
        double dOpp, dJ, dI;
        for (int16_t l = 1; l <= n; ++l) {
            if (l == i || l == j || l == k || !pairs.Aspect(k, l, aspectOpposition, dOpp) ||
                !pairs.Aspect(l, j, aspectSemisextile, dJ) ||
                !pairs.Aspect(l, i, aspectSemisextile, dI))
                continue;
            list.Add(patternYodKite, {i, k, j, l}, sum + dOpp + dJ + dI, 6);
        }
    });
}

void Trapeziums(PatternList& list) {
    const PairDistances& pairs = list.pairs;
    const int16_t n = pairs.intLast;
    // K trine I and sextile J.
    ForEachOppositionBridge(
        pairs, aspectTrine, aspectSextile, [&](int16_t i, int16_t j, int16_t k, double sum) {
            double dIL, dKL, dJL;
            for (int16_t l = 1; l <= n; ++l) {
                if (l == i || l == j || l == k || !pairs.Aspect(i, l, aspectSextile, dIL) ||
                    !pairs.Aspect(k, l, aspectSextile, dKL) ||
                    !pairs.Aspect(j, l, aspectTrine, dJL))
                    continue;
                list.Add(patternTrapezium, {i, j, k, l}, sum + dIL + dKL + dJL, 6);
            }
        });
}

// Every set of intSize (3..6) bodies pairwise in conjunction.
template <int16_t intSize>
void Stelliums(PatternList& list) {
    int16_t chosen[6] = {};
    ExtendStellium(intSize, chosen, 0, 1, 0.0, list);
}

// The count of the grand sextiles is 1 whenever there is any, however many are listed.
void GrandSextiles(PatternList& list) {
    const PairDistances& pairs = list.pairs;
    ForEachGrandTrine(pairs, 1, [&](int16_t i, int16_t a, int16_t b, double) {
        ForEachGrandTrine(pairs, i + 1, [&](int16_t j, int16_t c, int16_t d, double) {
            if (j == a || j == b || c == a || c == b || d == a || d == b)
                return;
            int intSextiles = 0;
            for (const int16_t x : {i, a, b}) {
                for (const int16_t y : {j, c, d}) {
                    double dev;
                    intSextiles += pairs.Aspect(x, y, aspectSextile, dev) ? 1 : 0;
                }
            }
            if (intSextiles != 6)
                return;
            list.intCount = 0;
            list.Add(patternGrandSextile, {i, a, b, j, c, d}, 0.0, 0);
        });
    });
}

using Finder = void (*)(PatternList&);

// Runs finder with the caller's count; returns its lines.
std::string ListPatterns(Finder finder, const ChartPositions& chart, const ChartOptions& options,
                         bool blnFullNames, int16_t& intPatternCount) {
    const PairDistances pairs(chart, options);
    PatternList list{pairs, blnFullNames, false, intPatternCount, std::string()};
    finder(list);
    return std::move(list.strText);
}

// Runs every finder in the report's order (grand trine .. trapezium, the largest
// stellium size found, grand sextile) and then the midpoint check; calls found(p, count,
// lines) for each that met anything. With blnCountOnly the lines stay empty.
template <typename Found>
void RunAllFinders(const ChartPositions& chart, const ChartOptions& options, bool blnCountOnly,
                   bool blnFullNames, Found found) {
    const PairDistances pairs(chart, options);
    // Runs one finder with its count at 0; tells whether it met anything.
    auto run = [&](int16_t p, Finder finder) {
        int16_t count = 0;
        PatternList list{pairs, blnFullNames, blnCountOnly, count, std::string()};
        finder(list);
        if (count == 0)
            return false;
        found(p, count, std::move(list.strText));
        return true;
    };
    run(patternGrandTrine, GrandTrines);
    run(patternKite, Kites);
    run(patternRectangle, Rectangles);
    run(patternTSquare, TSquares);
    run(patternGrandCross, GrandCrosses);
    run(patternYod, Yods);
    run(patternYodKite, YodKites);
    run(patternTrapezium, Trapeziums);
    // Only the largest stellium size found is listed: its parts qualify as well.
    run(patternStellium6, Stelliums<6>) || run(patternStellium5, Stelliums<5>) ||
        run(patternStellium4, Stelliums<4>) || run(patternStellium3, Stelliums<3>);
    run(patternGrandSextile, GrandSextiles);

    if (blnCountOnly) {
        const int16_t count = CountMidpoints(chart, options);
        if (count > 0)
            found(patternMidpoint, count, std::string());
        return;
    }
    int16_t count = 0;
    std::string text = CheckForMidpoint(chart, options, blnFullNames, count);
    if (!text.empty())
        found(patternMidpoint, count, std::move(text));
}

}  // namespace

std::string FindGrandTrine(const ChartPositions& chart, const ChartOptions& options,
                           bool blnFullNames, int16_t& intPatternCount) {
    return ListPatterns(GrandTrines, chart, options, blnFullNames, intPatternCount);
}

std::string FindKite(const ChartPositions& chart, const ChartOptions& options, bool blnFullNames,
                     int16_t& intPatternCount) {
    return ListPatterns(Kites, chart, options, blnFullNames, intPatternCount);
}

std::string FindRectangle(const ChartPositions& chart, const ChartOptions& options,
                          bool blnFullNames, int16_t& intPatternCount) {
    return ListPatterns(Rectangles, chart, options, blnFullNames, intPatternCount);
}

std::string FindTSquare(const ChartPositions& chart, const ChartOptions& options, bool blnFullNames,
                        int16_t& intPatternCount) {
    return ListPatterns(TSquares, chart, options, blnFullNames, intPatternCount);
}

std::string FindGrandCross(const ChartPositions& chart, const ChartOptions& options,
                           bool blnFullNames, int16_t& intPatternCount) {
    return ListPatterns(GrandCrosses, chart, options, blnFullNames, intPatternCount);
}

std::string FindYod(const ChartPositions& chart, const ChartOptions& options, bool blnFullNames,
                    int16_t& intPatternCount) {
    return ListPatterns(Yods, chart, options, blnFullNames, intPatternCount);
}

std::string FindYodKite(const ChartPositions& chart, const ChartOptions& options, bool blnFullNames,
                        int16_t& intPatternCount) {
    return ListPatterns(YodKites, chart, options, blnFullNames, intPatternCount);
}

std::string FindTrapezium(const ChartPositions& chart, const ChartOptions& options,
                          bool blnFullNames, int16_t& intPatternCount) {
    return ListPatterns(Trapeziums, chart, options, blnFullNames, intPatternCount);
}

std::string FindStellium6(const ChartPositions& chart, const ChartOptions& options,
                          bool blnFullNames, int16_t& intPatternCount) {
    return ListPatterns(Stelliums<6>, chart, options, blnFullNames, intPatternCount);
}

std::string FindStellium5(const ChartPositions& chart, const ChartOptions& options,
                          bool blnFullNames, int16_t& intPatternCount) {
    return ListPatterns(Stelliums<5>, chart, options, blnFullNames, intPatternCount);
}

std::string FindStellium4(const ChartPositions& chart, const ChartOptions& options,
                          bool blnFullNames, int16_t& intPatternCount) {
    return ListPatterns(Stelliums<4>, chart, options, blnFullNames, intPatternCount);
}

std::string FindStellium3(const ChartPositions& chart, const ChartOptions& options,
                          bool blnFullNames, int16_t& intPatternCount) {
    return ListPatterns(Stelliums<3>, chart, options, blnFullNames, intPatternCount);
}

std::string FindGrandSextile(const ChartPositions& chart, const ChartOptions& options,
                             bool blnFullNames, int16_t& intPatternCount) {
    return ListPatterns(GrandSextiles, chart, options, blnFullNames, intPatternCount);
}

std::vector<PatternGroup> FindAllPatterns(const ChartPositions& chart, const ChartOptions& options,
                                          bool blnFullNames) {
    std::vector<PatternGroup> groups;
    RunAllFinders(chart, options, false, blnFullNames,
                  [&](int16_t p, int16_t count, std::string&& text) {
                      groups.push_back(PatternGroup{p, count, std::move(text)});
                  });
    return groups;
}

void CountAllPatterns(const ChartPositions& chart, const ChartOptions& options,
                      int16_t (&intCount)[intCataloguePatterns]) {
    for (int16_t& count : intCount)
        count = 0;
    RunAllFinders(chart, options, true, false,
                  [&](int16_t p, int16_t count, std::string&&) { intCount[p] = count; });
}

std::string PatternSection(const ChartPositions& chart, const ChartOptions& options,
                           int16_t (&intNumPatternsOfType)[intCataloguePatterns]) {
    std::string text;
    for (const PatternGroup& group : FindAllPatterns(chart, options, false)) {
        text += group.strText + kCrLf;
        intNumPatternsOfType[group.intPattern] = group.intCount;
        if (group.intPattern >= patternStellium6 && group.intPattern <= patternStellium3) {
            for (int16_t p = group.intPattern + 1; p <= patternStellium3; ++p)
                intNumPatternsOfType[p] = 0;
        }
    }
    return text;
}

}  // namespace ZDR
