#include "engine/AspectTiming.h"

#include <cmath>
#include <limits>

#include "astro/CatalogueCounts.h"
#include "astro/Positions.h"
#include "astro/Turn.h"
#include "engine/Angles.h"
#include "engine/Catalogue.h"

namespace ZDR {

namespace {

constexpr double kNotComputed = std::numeric_limits<double>::quiet_NaN();
constexpr double kMinutesPerDay = 1440.0;
// The exact moments are refined until their bracket is shorter than this (days): under a
// second, so that rounding to the minute is safe.
constexpr double kExactResolution = 1.0 / 86400.0;

// The highest of the fast bodies, Sun to Saturn; Uranus, Neptune, Pluto and the Moon step
// by the aspect's strength.
constexpr int16_t kLastFastBody = bodySaturn;

bool IsBody(int16_t body) {
    return body >= bodySun && body <= intCatalogueBodies;
}

// Longitudes of both bodies on day n of a walk: the natal body fixed, or both moving.
// False when either has no position.
bool WalkLongitudes(const AspectWalk& walk, WalkPositions& positions, int32_t n, double& lon1,
                    double& lon2) {
    lon1 = walk.blnNatalFixed ? NatalPointLongitude(walk, positions)
                              : positions.DayLongitude(walk.intP1, n);
    lon2 = positions.DayLongitude(walk.intP2, n);
    return lon1 >= 0 && lon2 >= 0;
}

// The deviation from exactness with its sign: lon1 - lon2 less the aspect's angle on the
// side given (+1 lon1 ahead, -1 behind), reduced into [-pi, pi). Radians.
double SignedDeviation(double lon1, double lon2, int16_t aspect, int side) {
    return NormalizeAngle(lon1 - lon2 - side * dblAspectAngle[aspect] + dblPi) - dblPi;
}

}  // namespace

bool InOrbStrength(double lon1, double lon2, int16_t aspect, int16_t orbSet,
                   const ChartOptions& options, double& strength) {
    if (lon1 < 0 || lon2 < 0 || aspect < 0 || aspect > intCatalogueAspects || orbSet < 0 ||
        orbSet >= intNumOrbSets)
        return false;
    int16_t direction = 0;
    const double deviation = AspectDeviation(Separation(lon1, lon2, direction), aspect);
    const double orb = options.dblOrb[aspect][orbSet];
    if (deviation < orb) {
        strength = (orb - deviation) / orb;
        return true;
    }
    strength = -1;
    return false;
}

WalkPositions::WalkPositions(int32_t lngWorldDay, int16_t intTimeZone, const ChartOptions& options,
                             LongitudeSource source)
    : m_lngWorldDay(lngWorldDay), m_intTimeZone(intTimeZone), m_options(options), m_source(source) {
    for (int b = 0; b < intBodySlots; ++b) {
        m_dblFixedJD[b] = kNotComputed;
        m_dblFixed[b] = kNotComputed;
    }
}

double WalkPositions::MidnightJD(int32_t n) const {
    return static_cast<double>(m_lngWorldDay) + n - m_intTimeZone / kMinutesPerDay - 0.5;
}

double WalkPositions::Compute(int16_t body, double jd) {
    ++m_lngCalls;
    if (pudtCallLog)
        pudtCallLog->push_back(WalkCall{body, jd});
    return m_source ? m_source(body, jd)
                    : BodyLongitudeIn(body, jd, m_options.udtConfig.blnSidereal);
}

double WalkPositions::DayLongitude(int16_t body, int32_t n) {
    if (!IsBody(body))
        return -1;
    std::vector<double>& days = n >= 0 ? m_dblAhead[body] : m_dblBack[body];
    const std::size_t i = static_cast<std::size_t>(n >= 0 ? n : -(n + 1));
    if (i >= days.size())
        days.resize(i + 1 + days.size() / 2, kNotComputed);
    double& lon = days[i];
    if (std::isnan(lon))
        lon = Compute(body, MidnightJD(n));
    return lon;
}

double NatalPointLongitude(const AspectWalk& walk, WalkPositions& positions) {
    return walk.dblNatalLongitude >= 0 ? walk.dblNatalLongitude
                                       : positions.FixedLongitude(walk.intP1, walk.dblNatalJD);
}

double WalkPositions::FixedLongitude(int16_t body, double jd) {
    if (!IsBody(body))
        return -1;
    if (m_dblFixedJD[body] != jd) {
        m_dblFixed[body] = Compute(body, jd);
        m_dblFixedJD[body] = jd;
    }
    return m_dblFixed[body];
}

double WalkPositions::AtJD(int16_t body, double jd) {
    if (!IsBody(body))
        return -1;
    return Compute(body, jd);
}

int32_t WalkStep(int16_t p1, int16_t p2, double strength) {
    if (p1 <= kLastFastBody || p2 <= kLastFastBody)
        return 1;
    return static_cast<int32_t>(10.0 * strength) + 1;
}

// Day n counts from the world date: the walk back starts at the midnight that begins it
// (n = 0) and ends on the first midnight out of orb, whose day is the beginning.
double BeginningOfAspect(const AspectWalk& walk, WalkPositions& positions) {
    int32_t n = 0;
    for (;;) {
        double lon1, lon2, strength;
        if (!WalkLongitudes(walk, positions, n, lon1, lon2))
            return -1;
        if (!InOrbStrength(lon1, lon2, walk.intAspect, walk.intPersonal, positions.Options(),
                           strength))
            return static_cast<double>(positions.WorldDay() + n);
        n -= WalkStep(walk.intP1, walk.intP2, strength);
    }
}

// The walk forward starts at the midnight that ends the world date (n = 1) and ends on the
// first midnight out of orb; the day that ends there is the last day in orb.
double EndOfAspect(const AspectWalk& walk, WalkPositions& positions) {
    int32_t n = 1;
    for (;;) {
        double lon1, lon2, strength;
        if (!WalkLongitudes(walk, positions, n, lon1, lon2))
            return -1;
        if (!InOrbStrength(lon1, lon2, walk.intAspect, walk.intPersonal, positions.Options(),
                           strength))
            return static_cast<double>(positions.WorldDay() + n - 1);
        n += WalkStep(walk.intP1, walk.intP2, strength);
    }
}

std::vector<double> ExactMoments(const AspectWalk& walk, WalkPositions& positions, double dblBegin,
                                 double dblEnd) {
    std::vector<double> moments;
    if (dblBegin < 0 || dblEnd < 0 || walk.intAspect < 1 || walk.intAspect > intCatalogueAspects)
        return moments;
    const int32_t first = static_cast<int32_t>(dblBegin) - positions.WorldDay();
    const int32_t last = static_cast<int32_t>(dblEnd) + 1 - positions.WorldDay();

    // The side of the aspect (which body leads) holds through one stay in orb.
    double lon1, lon2;
    if (!WalkLongitudes(walk, positions, 0, lon1, lon2))
        return moments;
    const int side = NormalizeAngle(lon1 - lon2) < dblPi ? 1 : -1;
    const int16_t k = walk.intAspect;
    auto deviationAt = [&](double jd, double& d) {
        const double a = walk.blnNatalFixed ? NatalPointLongitude(walk, positions)
                                            : positions.AtJD(walk.intP1, jd);
        const double b = positions.AtJD(walk.intP2, jd);
        if (a < 0 || b < 0)
            return false;
        d = SignedDeviation(a, b, k, side);
        return true;
    };

    double previous = 0;
    if (!WalkLongitudes(walk, positions, first, lon1, lon2))
        return moments;
    previous = SignedDeviation(lon1, lon2, k, side);
    if (previous == 0)
        moments.push_back(positions.MidnightJD(first));
    for (int32_t n = first + 1; n <= last; ++n) {
        if (!WalkLongitudes(walk, positions, n, lon1, lon2))
            break;
        const double current = SignedDeviation(lon1, lon2, k, side);
        if (current == 0) {
            moments.push_back(positions.MidnightJD(n));
        } else if ((previous < 0 && current > 0) || (previous > 0 && current < 0)) {
            // Halve the day that holds the change of sign.
            double lo = positions.MidnightJD(n - 1);
            double hi = positions.MidnightJD(n);
            double dLo = previous;
            while (hi - lo > kExactResolution) {
                const double mid = (lo + hi) / 2;
                double dMid;
                if (!deviationAt(mid, dMid))
                    break;
                if ((dLo < 0) == (dMid < 0)) {
                    lo = mid;
                    dLo = dMid;
                } else {
                    hi = mid;
                }
            }
            moments.push_back((lo + hi) / 2);
        }
        previous = current;
    }
    return moments;
}

int32_t LocalDayNumber(double jd, int zoneMinutes) {
    const long long minutes = std::llround((jd + 0.5) * kMinutesPerDay) + zoneMinutes;
    const long long day = minutes >= 0 ? minutes / 1440 : -((-minutes + 1439) / 1440);
    return static_cast<int32_t>(day);
}

}  // namespace ZDR
