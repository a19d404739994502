#pragma once
// The course of one personal transit sampled from the ephemeris: the exact point the
// transiting body must reach, and the body's signed distance from it at even steps of time.
// Longitudes and distances are in radians; a JD is in UT.

#include <cstdint>
#include <vector>

namespace ZDR {

// Returns the exact point P (radians) the transiting body must reach for aspect k (1..7)
// to natal longitude lambdaNatal: lambdaNatal for a conjunction, plus half a turn for an
// opposition, otherwise lambdaNatal + or - the aspect's angle, whichever lies nearer to the
// transiting body's longitude lambdaTransit now; a tie takes lambdaNatal - angle.
double TransitExactPoint(double lambdaNatal, double lambdaTransit, int16_t k);

// Returns the exact point of aspect k from natal body b1 at its natal JD to transiting body
// b2 at the world JD, in the sidereal zodiac or the tropical one; a negative code when a
// longitude is missing. A natalLongitude of 0 or more (radians, a natal angle) stands in for
// b1's position.
double TransitExactPointIn(int16_t b1, double natalJD, int16_t b2, double worldJD, int16_t k,
                           bool blnSiderealZodiac, double natalLongitude = -1);

// The signed distance (radians) of the transiting body from the exact point at each sample,
// or a value beyond the orb where the body has no position.
struct TransitCurve {
    std::vector<double> dblDistance;
};

// Returns the curve of transiting body b2 with exact point P (radians): intSteps + 1
// samples from the JD t0 (UT) in steps of step days, in the given zodiac; orb bounds the
// points that count.
TransitCurve ComputeTransitCurve(int16_t b2, double P, double t0, double step, int16_t intSteps,
                                 double orb, bool blnSiderealZodiac);

}  // namespace ZDR
