#include "engine/TransitCurve.h"

#include "astro/Positions.h"
#include "astro/Turn.h"
#include "engine/Angles.h"
#include "engine/Catalogue.h"

namespace ZDR {

double TransitExactPoint(double lambdaNatal, double lambdaTransit, int16_t k) {
    if (k == 1)
        return NormalizeAngle(lambdaNatal);
    if (k == 2)
        return NormalizeAngle(lambdaNatal + dblPi);
    const double plus = NormalizeAngle(lambdaNatal + dblAspectAngle[k]);
    const double minus = NormalizeAngle(lambdaNatal - dblAspectAngle[k]);
    int16_t direction = 0;
    const double toPlus = Separation(lambdaTransit, plus, direction);
    const double toMinus = Separation(lambdaTransit, minus, direction);
    return toPlus >= toMinus ? minus : plus;
}

double TransitExactPointIn(int16_t b1, double natalJD, int16_t b2, double worldJD, int16_t k,
                           bool blnSiderealZodiac, double natalLongitude) {
    const double natal =
        natalLongitude >= 0 ? natalLongitude : BodyLongitudeIn(b1, natalJD, blnSiderealZodiac);
    if (natal < 0)
        return natal;
    if (k <= 2)
        return TransitExactPoint(natal, 0.0, k);
    const double transit = BodyLongitudeIn(b2, worldJD, blnSiderealZodiac);
    if (transit < 0)
        return transit;
    return TransitExactPoint(natal, transit, k);
}

TransitCurve ComputeTransitCurve(int16_t b2, double P, double t0, double step, int16_t intSteps,
                                 double orb, bool blnSiderealZodiac) {
    TransitCurve curve;
    curve.dblDistance.assign(intSteps + 1, 2.0 * orb + 1.0);
    double t = t0;
    for (int16_t n = 0; n <= intSteps; ++n, t += step) {
        const double lambda = BodyLongitudeIn(b2, t, blnSiderealZodiac);
        if (lambda >= 0 && P >= 0)
            curve.dblDistance[n] = SignedSeparation(lambda, P);
    }
    return curve;
}

}  // namespace ZDR
