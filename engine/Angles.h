#pragma once
// Angle arithmetic of the aspect engine: separations of longitudes, the aspect test,
// whether an aspect is closing or opening, and angles as degree-and-minute text.
// Angles are radians; NormalizeAngle, dblTurn and dblPi are in astro/Turn.h.

#include <cmath>
#include <cstdint>
#include <string>

#include "astro/Turn.h"
#include "engine/Catalogue.h"
#include "engine/Chart.h"

namespace ZDR {

// Returns x rounded to the nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4),
// whatever the floating-point rounding mode.
double RoundHalfEven(double x);

// Returns the shortest angular distance of longitudes a and b, 0..dblPi radians: the
// distance of Separation without telling which one leads.
inline double AngularDistance(double a, double b) {
    double d1 = a - b;
    if (d1 < 0)
        d1 += dblTurn;
    double d2 = b - a;
    if (d2 < 0)
        d2 += dblTurn;
    return d1 > d2 ? d2 : d1;
}

// Returns the shortest angular distance of longitudes a and b, 0..dblPi radians. Sets
// direction to -1 when b lies that distance ahead of a (in increasing longitude), to +1
// when a lies ahead of b (compared to 6 decimal places); otherwise leaves it unchanged.
double Separation(double a, double b, int16_t& direction);

// Returns Separation(a, b) signed: positive when a leads b, negative when b leads a, 0
// when the direction cannot be told (radians).
double SignedSeparation(double a, double b);

// Returns the deviation of a separation from the exact angle of aspect k = 0..7, radians
// (always >= 0).
inline double AspectDeviation(double separation, int16_t k) {
    return std::fabs(separation - dblAspectAngle[k]);
}

// Returns whether chart-A bodies i and j (0..10) of chart stand in aspect k (0..7) within
// orb set 0 of options, the deviation strictly below the orb. Stores the deviation
// (radians) unless a body has no position, in which case the result is false and
// deviation is untouched.
bool IsAspect(const ChartPositions& chart, const ChartOptions& options, int16_t i, int16_t j,
              int16_t k, double& deviation);

// Returns the aspect 1..7 of a pair at the given separation (radians) for orb set 0..2 of
// options:
// the first in catalogue order whose deviation is strictly below its orb, and stores that
// deviation (radians). Returns 0 and leaves deviation untouched when none matches.
int16_t FirstAspect(double separation, int orbSet, const ChartOptions& options, double& deviation);

// Returns -1 when the aspect k of bodies p and q, now at deviation d (radians) at Julian
// Day jd (UT), is closer half an hour later, +1 when it is wider, 0 when unchanged or
// when a position half an hour later is missing; the positions in the sidereal zodiac
// when blnSidereal is set.
int16_t OrbTrend(double jd, int16_t p, int16_t q, int16_t k, double d, bool blnSidereal);

// As OrbTrend for a personal transit: only body p moves, from the world date dblWorldJD
// (UT); lambdaFixed is the natal longitude (radians).
int16_t TransitOrbTrend(double lambdaFixed, int16_t p, int16_t k, double d, double dblWorldJD,
                        bool blnSidereal);

// Returns angle x (radians) as whole degrees and minutes, "28°39'". Options: "10°" alone
// for 0 minutes; one blank before the minutes ("12° 5'"); negative angles with a "-"
// (otherwise ""); 59.5 minutes and more at 359° carried to "360°0'" (otherwise "359°59'").
// Returns "" above one turn and for a value that is not a number.
std::string FormatDegMin(double x, bool blnOmitZeroMinutes = false, bool blnPadMinutes = false,
                         bool blnAllowNegative = false, bool blnCarryTo360 = false);

// Returns longitude lon (radians) within its sign in the current language: "15° in Aries"
// (minutes above 30 rounded into the degree, except at a sign's last degree), "15 Ari 23"
// spaced, or "15Ari23". Returns "" for a negative longitude, one above a turn or NaN.
std::string FormatSignPosition(double lon, bool blnInSignName, bool blnSpaced);

// Returns the name of the zodiac (program text #46 sidereal, #47 tropical), with a "."
// appended when blnWithPeriod is set.
std::string ZodiacLabel(bool blnWithPeriod, bool blnSidereal);

// Returns the name of the zodiac for the middle of a sentence: program text #44
// ("sidereal zodiac") or #45 ("tropical zodiac").
std::string ZodiacWord(bool blnSidereal);

}  // namespace ZDR
