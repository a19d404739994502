#include "engine/Report.h"

#include <cmath>

#include "astro/Turn.h"
#include "engine/Angles.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "engine/Patterns.h"
#include "text/Language.h"
#include "text/StrProc.h"

namespace ZDR {

namespace {

const char* const kCrLf = "\r\n";

bool IsGerman() {
    return Language::intLanguage == Language::intGerman;
}

// The motion of a body from lon to lonLater, radians in (-dblPi, dblPi]: positive along
// the zodiac, negative when retrograde, also across 0°.
double Motion(double lon, double lonLater) {
    double m = NormalizeAngle(lonLater - lon);
    if (m > dblPi)
        m -= dblTurn;
    return m;
}

// Whether two angles agree in millionths of a radian, as the lead of two bodies is
// compared elsewhere.
bool SameToSixPlaces(double a, double b) {
    return RoundHalfEven(a * 1e6) == RoundHalfEven(b * 1e6);
}

// A count with its sign blank: " 3", "-3".
std::string SignBlank(int n) {
    return (n < 0 ? "" : " ") + std::to_string(n);
}

// A count and name for each aspect type found ("3 squares"), each followed by separator;
// total gets the number of aspects.
std::string AspectCounts(const ComputeResult& chart, const char* separator, int& total) {
    std::string text;
    total = 0;
    for (int16_t k = 1; k <= intCatalogueAspects; ++k) {
        const int n = chart.intNumAspectsOfType[k];
        if (n <= 0)
            continue;
        text += std::to_string(n) + " " + CountedAspectName(k, n) + separator;
        total += n;
    }
    return text;
}

// Program text #127 with every capital N replaced by the total.
std::string TotalText(int total) {
    return StrProc::ReplaceAll(Language::Text(127), "N", std::to_string(total));
}

// The waxing, waning and other counts of a total of at least two aspects.
std::string WaxingWaningBlock(const ComputeResult& chart, int total) {
    int waxing = 0;
    int waning = 0;
    for (int k = 1; k <= intCatalogueAspects; ++k) {
        waxing += chart.intNumWaxingOfType[k];
        waning += chart.intNumWaningOfType[k];
    }
    const bool german = IsGerman();
    std::string text = kCrLf;
    text += (german ? "Wachsende Aspekte:" : "Waxing aspects:") + SignBlank(waxing) + kCrLf;
    text += (german ? "Abnehmender Aspekte:" : "Waning aspects:") + SignBlank(waning);
    const int other = total - waxing - waning;
    if (other > 0) {
        text += kCrLf;
        text += (german ? "Weitere Aspekte:" : "Other aspects:") + SignBlank(other);
    }
    return text;
}

}  // namespace

std::string CountedAspectName(int16_t k, int n) {
    if (IsGerman())
        return udtAspect[k].strName;
    std::string name = StrProc::LowerCase(udtAspect[k].strName);
    if (n != 1)
        name += k == 7 ? "es" : "s";
    return name;
}

// An aspect waxes while the faster of the two bodies, by its motion over the next half
// hour, has moved ahead of the slower one by less than 180°: on its way from the
// conjunction to the opposition. On the way back from the opposition it wanes. Two bodies
// moving alike (both natal in synastry) or standing exactly 0° or 180° apart are neither.
int16_t AspectPhase(double lonP, double lonQ, double lonPLater, double lonQLater) {
    if (!(lonP >= 0 && lonQ >= 0 && lonPLater >= 0 && lonQLater >= 0))
        return 0;
    const double motionP = Motion(lonP, lonPLater);
    const double motionQ = Motion(lonQ, lonQLater);
    // Below a millionth of the slowest planet's half-hour motion, two motions are alike.
    if (!(std::fabs(motionP - motionQ) > 1e-12))
        return 0;
    const double lead =
        motionP > motionQ ? NormalizeAngle(lonP - lonQ) : NormalizeAngle(lonQ - lonP);
    if (SameToSixPlaces(lead, 0.0) || SameToSixPlaces(lead, dblTurn) ||
        SameToSixPlaces(lead, dblPi))
        return 0;
    return lead < dblPi ? 1 : -1;
}

std::string SetModeTitle(int16_t intMode, bool blnChartShown, const ChartOptions& options) {
    int n = 0;
    switch (intMode) {
        case intModeWorldTransits:
            n = blnChartShown ? 26 : 23;
            break;
        case intModeNatal1:
            n = blnChartShown ? 27 : 24;
            break;
        case intModeNatal2:
            n = blnChartShown ? 28 : 25;
            break;
        case intModePersonal1:
            n = 29;
            break;
        case intModePersonal2:
            n = 30;
            break;
        case intModeSynastry:
            n = 31;
            break;
        default:
            return "";
    }
    std::string caption = Language::Text(n);
    if (n == 26)
        caption = StrProc::ReplaceAll(caption, IsGerman() ? " Grad" : " degrees", "°");
    return AddOrbToTitle(caption, IsTwoChartMode(intMode), true, intMode, options);
}

std::string AddOrbToTitle(const std::string& strTitle, bool blnPersonal, bool blnAddPeriod,
                          int16_t intMode, const ChartOptions& options) {
    const int set = !blnPersonal ? 0 : (intMode == intModeSynastry ? 2 : 1);
    const std::string maxOrb = FormatDegMin(options.dblMaxOrb[set], true);
    // All non-zero orbs of the personal and synastry sets are those of set 0 scaled by one
    // factor, so set 0 tells whether they are equal.
    if (options.blnOrbsEqual) {
        std::string text = strTitle + "  " + Language::Text(33) + " " + maxOrb;
        if (blnAddPeriod)
            text += ".";
        return text;
    }
    return strTitle + "  " + Language::Text(34) + ": " +
           FormatDegMin(options.dblMinOrb[set], true) + " " + Language::Text(35) + " " + maxOrb;
}

std::string BuildSingleChartReport(ComputeResult& chart, const ChartOptions& options,
                                   bool blnRadiansDisplay) {
    int total = 0;
    std::string text = AspectCounts(chart, kCrLf, total);
    if (total == 0)
        text += Language::Text(126) + kCrLf;
    if (total >= 2) {
        if (options.udtConfig.blnWaxingWaningAspects)
            text += WaxingWaningBlock(chart, total);
        text += kCrLf + TotalText(total) + kCrLf;
    }
    text += kCrLf;
    text += PatternSection(chart, options, chart.intNumPatternsOfType);
    if (chart.intNumRetro > 0 && !blnRadiansDisplay)
        text += std::to_string(chart.intNumRetro) + " " + Language::Text(389) + ": " +
                chart.strRetroList;
    return text;
}

std::string BuildTwoChartReport(const ComputeResult& chart, int16_t intMode, bool blnChartShown,
                                bool blnGraphicShown) {
    int total = 0;
    std::string text = AspectCounts(chart, ", ", total);
    if (total == 0)
        return Language::Text(126);
    while (!text.empty() && (text.back() == ',' || text.back() == ' '))
        text.pop_back();
    if (total >= 2) {
        text += ". " + TotalText(total);
        if (!blnChartShown && !blnGraphicShown && intMode != intModeSynastry)
            text += "  Double-click on an aspect for the transit graphic.";
    }
    return text;
}

std::string ComputationReport(ComputeResult& chart, const ChartOptions& options,
                              bool blnRadiansDisplay, bool blnChartShown, bool blnGraphicShown) {
    if (IsTwoChartMode(chart.intModeCode))
        return BuildTwoChartReport(chart, chart.intModeCode, blnChartShown, blnGraphicShown);
    return BuildSingleChartReport(chart, options, blnRadiansDisplay);
}

std::string NoAspectReportMessage(int16_t intMode) {
    return Language::Text(IsPersonalTransitMode(intMode) ? 382 : 383);
}

std::string GermanPlural(const std::string& text) {
    std::string plural = StrProc::ReplaceAll(text, "es ", "e ");
    if (plural.size() >= 2 && plural.compare(plural.size() - 2, 2, "es") == 0)
        plural.replace(plural.size() - 2, 2, "e");
    return plural;
}

}  // namespace ZDR
