#pragma once
// Aspect timing: on which local day an aspect of the world date came within its orb and
// on which day it leaves the orb again, and the moments at which it is exact.
//
// A walk starts at the local midnights around the world date and steps a whole number of
// days at a time: one day when a fast body takes part (Sun to Saturn), 1 to 11 days by the
// strength of the aspect when both are slow (Uranus, Neptune, Pluto, the Moon). Every
// instant of a walk is therefore a local midnight, day n after the world date's own. Day
// numbers are the Julian Day Numbers of local civil dates of the world timezone; -1 means
// the walk left the range of the position data.

#include <cstdint>
#include <vector>

#include "astro/CatalogueCounts.h"
#include "engine/Chart.h"

namespace ZDR {

// Returns whether longitudes lon1 and lon2 (radians) stand in aspect 0..7 within the orb
// of orb set 0..2 of options, the deviation strictly below the orb. In orb, strength is set to
// (orb - deviation) / orb, in (0, 1], 1 when exact; otherwise to -1. A negative longitude
// (no position), an aspect or set out of range give false and leave strength untouched.
bool InOrbStrength(double lon1, double lon2, int16_t aspect, int16_t orbSet,
                   const ChartOptions& options, double& strength);

// Returns the longitude (radians, or a negative code) of body 1..10 at a JD (UT). The
// positions' BodyLongitudeIn is the source of every walk; tests put in motions of their own.
using LongitudeSource = double (*)(int16_t body, double jd);

// One position computed for a walk: body 1..10 at a JD (UT).
struct WalkCall {
    int16_t intBody = 0;
    double dblJD = 0;
};

// The positions of walks around one world date, each computed once and kept for every
// later walk of the same world date and timezone (the walks of one durations list share
// most of them).
class WalkPositions {
  public:
    // lngWorldDay: JDN of the world date's local civil date; intTimeZone: its offset in
    // minutes east of Greenwich; options: the zodiac of the positions and the orbs of the
    // walks.
    WalkPositions(int32_t lngWorldDay, int16_t intTimeZone, const ChartOptions& options,
                  LongitudeSource source = nullptr);

    // Returns the longitude (radians, or a negative code) of body 1..10 at the local
    // midnight that starts day lngWorldDay + n.
    double DayLongitude(int16_t body, int32_t n);
    // Returns the longitude of body 1..10 at jd (UT): a natal position, kept per body.
    double FixedLongitude(int16_t body, double jd);
    // Returns the longitude of body 1..10 at any jd (UT), not kept (the moments between
    // two midnights that a search for exactness looks at).
    double AtJD(int16_t body, double jd);
    // Returns the JD (UT) of the local midnight that starts day lngWorldDay + n.
    double MidnightJD(int32_t n) const;

    int32_t WorldDay() const { return m_lngWorldDay; }
    int16_t TimeZone() const { return m_intTimeZone; }
    const ChartOptions& Options() const { return m_options; }
    // Number of positions computed from the source so far.
    long EphemerisCalls() const { return m_lngCalls; }
    // When set, every position computed from the source is appended to it, in order.
    std::vector<WalkCall>* pudtCallLog = nullptr;

  private:
    double Compute(int16_t body, double jd);

    int32_t m_lngWorldDay;
    int16_t m_intTimeZone;
    ChartOptions m_options;
    LongitudeSource m_source;
    long m_lngCalls = 0;
    // Per body: days 0, 1, 2 .. ahead, and days -1, -2 .. back; NaN until computed.
    std::vector<double> m_dblAhead[intBodySlots];
    std::vector<double> m_dblBack[intBodySlots];
    double m_dblFixedJD[intBodySlots];
    double m_dblFixed[intBodySlots];
};

// What a walk needs besides its WalkPositions: the bodies, the aspect and the orb set.
struct AspectWalk {
    int16_t intP1 = 0;           // first body 1..10; the natal body in personal transits
    int16_t intP2 = 0;           // second body 1..10; the transiting body
    int16_t intAspect = 0;       // 1..7
    int16_t intPersonal = 0;     // orb set: 0 world transits, 1 personal transits
    bool blnNatalFixed = false;  // personal transits: intP1 stays at dblNatalJD
    double dblNatalJD = 0;       // JD (UT) of the birth date in personal transits
    // Personal transits to a natal angle (intP1 11 or 12): its longitude, radians; negative
    // for a natal body, whose longitude comes from its birth date.
    double dblNatalLongitude = -1;
};

// Returns the longitude (radians, or a negative code) of the fixed natal point of a walk
// of personal transits: the natal angle's given longitude, or the natal body's at its
// birth date.
double NatalPointLongitude(const AspectWalk& walk, WalkPositions& positions);

// Returns the local day on which the aspect came within its orb: the world date itself
// when it is not in orb at the world date's first midnight; -1 when the walk back leaves
// the position data. positions fixes the world date and timezone and keeps the positions.
double BeginningOfAspect(const AspectWalk& walk, WalkPositions& positions);

// Returns the local day on which the aspect leaves its orb: the world date itself when it
// is out of orb at the midnight that ends the world date; -1 when the walk forward leaves
// the position data.
double EndOfAspect(const AspectWalk& walk, WalkPositions& positions);

// Returns the days a walk steps at strength s (0..1] of the aspect of bodies p1 and p2:
// 1 when either is one of the fast bodies 1..6, otherwise Int(10 s) + 1.
int32_t WalkStep(int16_t p1, int16_t p2, double strength);

// Returns the moments (JD, UT) between the local midnight that starts day dblBegin and the
// one that ends day dblEnd at which the aspect is exact, in time order: each day's change
// of sign of the deviation, refined by halving to under a second. A retrograde transit can
// be exact up to three times. Empty when either day is negative.
std::vector<double> ExactMoments(const AspectWalk& walk, WalkPositions& positions, double dblBegin,
                                 double dblEnd);

// Returns the JDN of the local civil date at jd (UT) in a zone zoneMinutes east of
// Greenwich; the moment is first rounded to the whole minute, so that a midnight computed
// in floating point never lands on the day before.
int32_t LocalDayNumber(double jd, int zoneMinutes);

}  // namespace ZDR
