#include "search/RunUntil.h"

#include "astro/CatalogueCounts.h"
#include "astro/Positions.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "engine/Patterns.h"
#include "engine/Report.h"
#include "text/Language.h"
#include "text/NumberWords.h"
#include "text/StrProc.h"

namespace ZDR {

namespace {

constexpr int16_t kFirstCountToFind = 2;

bool IsPattern(int16_t p) {
    return p >= 0 && p < intNumPatternKinds;
}

// The pattern name after a number in English: in lower case but for the capital of the
// T-square, with "s" or, for the grand cross, "es".
std::string EnglishPlural(int16_t p) {
    const std::string name =
        p == patternTSquare ? strPatternName[p] : StrProc::LowerCase(strPatternName[p]);
    return name + (p == patternGrandCross ? "es" : "s");
}

}  // namespace

bool PatternFound(const RunUntilSettings& settings, const int16_t (&intCount)[intCataloguePatterns],
                  int16_t& intFound) {
    intFound = 0;
    const int16_t p = settings.intAspectPatternToFind;
    if (!IsPattern(p))
        return false;
    intFound = intCount[p];
    if (settings.blnTwoOrMore)
        return intFound >= settings.intNumToFindIndex + kFirstCountToFind;
    return intFound > 0;
}

std::string PatternFoundMessage(const RunUntilSettings& settings, int16_t intFound) {
    const int16_t p = settings.intAspectPatternToFind;
    if (!IsPattern(p))
        return "";
    const std::string found = Language::Text(7) + ".";
    if (!settings.blnTwoOrMore)
        return strPatternName[p] + " " + found;
    const bool blnGerman = Language::intLanguage == Language::intGerman;
    const std::string name = blnGerman ? GermanPlural(strPatternName[p]) : EnglishPlural(p);
    return StrProc::NumberWord(intFound, blnGerman) + " " + name + " " + found;
}

std::string PatternFoundTitle() {
    return Language::Text(122);
}

bool PatternCountsAt(double jd, const ChartOptions& options,
                     int16_t (&intCount)[intCataloguePatterns]) {
    ChartPositions chart;
    chart.intNumBodies = NumChartABodies(intModeWorldTransits, true);
    bool blnAll = true;
    for (int16_t b = 1; b <= chart.intNumBodies; ++b) {
        chart.dblPos[b][0] = BodyLongitudeIn(b, jd, options.udtConfig.blnSidereal);
        blnAll = blnAll && !PositionFailed(chart.dblPos[b][0]);
    }
    CountAllPatterns(chart, options, intCount);
    return blnAll;
}

}  // namespace ZDR
