#include "engine/Angles.h"

#include <cmath>

#include "astro/CatalogueCounts.h"
#include "astro/Positions.h"
#include "engine/Catalogue.h"
#include "text/Language.h"

namespace ZDR {

namespace {

// Half an hour, in days: the step of the closing/opening test.
constexpr double kHalfHour = 1.0 / 48.0;

// Whole degrees and minutes of x, 0 <= x <= dblTurn radians. 60 minutes carry into the
// next degree; unless carryTo360 is set, the result never passes 359 degrees 59 minutes.
void SplitDegMin(double x, bool carryTo360, int& degrees, int& minutes) {
    const double deg = x / dblTurn * 360.0;
    // The 0.00001 absorbs representation error just below a whole degree.
    degrees = static_cast<int>(std::floor(deg + 0.00001));
    minutes = static_cast<int>(RoundHalfEven((deg - degrees) * 60.0));
    if (minutes == 60) {
        if (!carryTo360 && degrees == 359) {
            minutes = 59;
        } else {
            minutes = 0;
            degrees += 1;
        }
    }
    // Without the carry the text stays below 360 degrees, also for the last hundred-
    // thousandth of a degree before the full turn.
    if (!carryTo360 && degrees >= 360) {
        degrees = 359;
        minutes = 59;
    }
}

// Sign of the change from deviation d now to dNext half an hour later.
int16_t Trend(double d, double dNext) {
    if (dNext > d)
        return 1;
    if (dNext < d)
        return -1;
    return 0;
}

}  // namespace

double RoundHalfEven(double x) {
    const double lower = std::floor(x);
    const double fraction = x - lower;
    if (fraction > 0.5)
        return lower + 1.0;
    if (fraction < 0.5)
        return lower;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

double Separation(double a, double b, int16_t& direction) {
    const double s = AngularDistance(a, b);

    // Which one leads, compared in millionths of a radian: the scaled products are
    // rounded once each, so two longitudes that agree to 6 places compare equal.
    if (RoundHalfEven(NormalizeAngle(a + s) * 1e6) == RoundHalfEven(b * 1e6)) {
        direction = -1;
    } else if (RoundHalfEven(NormalizeAngle(b + s) * 1e6) == RoundHalfEven(a * 1e6)) {
        direction = 1;
    }
    return s;
}

double SignedSeparation(double a, double b) {
    int16_t direction = 0;
    const double s = Separation(a, b, direction);
    return s * direction;
}

bool IsAspect(const ChartPositions& chart, const ChartOptions& options, int16_t i, int16_t j,
              int16_t k, double& deviation) {
    if (i < 0 || i > intCatalogueBodies || j < 0 || j > intCatalogueBodies || k < 0 ||
        k > intCatalogueAspects)
        return false;
    const auto& dblPos = chart.dblPos;
    if (dblPos[i][0] < 0 || dblPos[j][0] < 0)
        return false;
    // The pattern finders ask this for every pair: the distance alone, without the
    // comparison of which body leads.
    const double d = AspectDeviation(AngularDistance(dblPos[i][0], dblPos[j][0]), k);
    deviation = d;
    return d < options.dblOrb[k][0];
}

int16_t FirstAspect(double separation, int orbSet, const ChartOptions& options, double& deviation) {
    if (orbSet < 0 || orbSet >= intNumOrbSets)
        return 0;
    for (int16_t k = 1; k <= intCatalogueAspects; ++k) {
        const double d = AspectDeviation(separation, k);
        if (d < options.dblOrb[k][orbSet]) {
            deviation = d;
            return k;
        }
    }
    return 0;
}

int16_t OrbTrend(double jd, int16_t p, int16_t q, int16_t k, double d, bool blnSidereal) {
    if (k < 0 || k > intCatalogueAspects)
        return 0;
    const double t = jd + kHalfHour;
    const double lp = BodyLongitudeIn(p, t, blnSidereal);
    const double lq = BodyLongitudeIn(q, t, blnSidereal);
    if (lp < 0 || lq < 0)
        return 0;
    int16_t direction = 0;
    return Trend(d, AspectDeviation(Separation(lp, lq, direction), k));
}

int16_t TransitOrbTrend(double lambdaFixed, int16_t p, int16_t k, double d, double dblWorldJD,
                        bool blnSidereal) {
    if (k < 0 || k > intCatalogueAspects || lambdaFixed < 0)
        return 0;
    const double lp = BodyLongitudeIn(p, dblWorldJD + kHalfHour, blnSidereal);
    if (lp < 0)
        return 0;
    int16_t direction = 0;
    return Trend(d, AspectDeviation(Separation(lp, lambdaFixed, direction), k));
}

std::string FormatDegMin(double x, bool blnOmitZeroMinutes, bool blnPadMinutes,
                         bool blnAllowNegative, bool blnCarryTo360) {
    if (std::fabs(x) < 1e-6)
        x = 0.0;
    const bool negative = x < 0;
    if (negative) {
        if (!blnAllowNegative)
            return "";
        x = -x;
    }
    if (!(x <= dblTurn))
        return "";  // above one turn, or not a number

    int degrees = 0;
    int minutes = 0;
    SplitDegMin(x, blnCarryTo360, degrees, minutes);

    std::string text = negative ? "-" : "";
    text += std::to_string(degrees) + "°";
    if (blnOmitZeroMinutes && minutes == 0)
        return text;
    if (blnPadMinutes)
        text += " ";
    return text + std::to_string(minutes) + "'";
}

std::string FormatSignPosition(double lon, bool blnInSignName, bool blnSpaced) {
    if (!(lon >= 0) || lon > dblTurn)
        return "";

    int degrees = 0;
    int minutes = 0;
    SplitDegMin(lon, false, degrees, minutes);
    const int sign = degrees / 30;
    int inSign = degrees % 30;

    if (blnInSignName) {
        if (minutes > 30 && inSign != 29)
            inSign += 1;
        return std::to_string(inSign) + "° in " + udtSign[sign].strName;
    }
    const std::string gap = blnSpaced ? " " : "";
    return std::to_string(inSign) + gap + udtSign[sign].strAbbr + gap + std::to_string(minutes);
}

std::string ZodiacLabel(bool blnWithPeriod, bool blnSidereal) {
    std::string text = Language::Text(blnSidereal ? 46 : 47);
    if (blnWithPeriod)
        text += ".";
    return text;
}

std::string ZodiacWord(bool blnSidereal) {
    return Language::Text(blnSidereal ? 44 : 45);
}

}  // namespace ZDR
