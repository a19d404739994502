#pragma once
// The transit calendar: every passage of a pair of bodies through the orb of an aspect
// over a period, with the moment it comes within its orb, the moment it leaves it and
// every moment inside at which it is exact.
//
// The walk samples each body on a grid of its own step and follows, per pair, the
// difference of the two longitudes. Between two samples that difference is monotone
// unless a station of their relative motion lies there; such a station is found and
// taken as a sample of its own whenever a level (the exact angle, either edge of the
// orb) lies within reach of it. On each monotone piece every crossing of a level is
// then a change of sign at its ends, refined on the positions themselves to well under
// a minute. Moments are JD (UT); -1 stands for a beginning or an end beyond the range of
// the positions.

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "astro/CatalogueCounts.h"
#include "engine/Chart.h"

namespace ZDR {

// What a calendar is computed from: the mode, the period, the orbs, the zodiac.
struct CalendarRequest {
    bool blnPersonal = false;  // personal transits: the second body stays at dblNatalJD
    double dblNatalJD = 0;     // JD (UT) of the birth date in personal transits
    double dblFromJD = 0;      // the period, JD (UT), from < to
    double dblToJD = 0;
    double dblOrb[intAspectSlots] = {};  // orb of aspect 1..7, radians; 0 leaves it out
    bool blnSidereal = false;      // longitudes in the sidereal zodiac
    bool blnMoon = false;          // also the aspects of the transiting (World: either) Moon
    int16_t intTimeZone = 0;       // world timezone, minutes east of Greenwich (for texts)
    // Personal transits: the natal Ascendant and Midheaven (radians) that take part as natal
    // points 11 and 12; negative when they take none.
    double dblNatalAngle[intNumAngles] = {-1, -1};
};

// One passage through the orb. In personal transits intFirst is the transiting body and
// intSecond the natal one.
struct Passage {
    int16_t intFirst = 0;   // body 1..10
    int16_t intSecond = 0;  // body 1..10; in personal transits 11, 12 a natal angle
    int16_t intAspect = 0;  // 1..7
    double dblBegin = -1;   // JD (UT) it comes within its orb; -1 beyond the positions
    double dblEnd = -1;     // JD (UT) it leaves the orb; -1 beyond the positions
    std::vector<double> dblExact;  // JD (UT) of each exact moment, in time order
};

// Returns the longitude (radians, or a negative code when there is none) of body 1..10
// at jd (UT) in the sidereal (true) or tropical zodiac.
using CalendarLongitude = double (*)(int16_t body, double jd, bool blnSidereal);

// Returns the JD (UT) by which a list of passages is ordered: the first exact moment, else
// the beginning, else (beginning unknown) -1.
double PassageSortKey(const Passage& p);

// Sorts passages by PassageSortKey, then by the bodies and the aspect.
void SortPassages(std::vector<Passage>& passages);

// Computes a calendar a piece at a time: each Step walks one stretch of the period (or of
// the passages still open at its end) and hands over the passages it has closed. Memory
// grows with the passages, not with the length of the period.
class CalendarWalker {
  public:
    // source: the positions (BodyLongitudeIn when null).
    explicit CalendarWalker(const CalendarRequest& request, CalendarLongitude source = nullptr);
    ~CalendarWalker();
    CalendarWalker(const CalendarWalker&) = delete;
    CalendarWalker& operator=(const CalendarWalker&) = delete;

    // Walks the next stretch of about days days; appends the passages it closed (those that
    // overlap the period) to found. Returns false when the walk is complete.
    bool Step(std::vector<Passage>& found, double days = 32);
    // Returns the part of the period walked so far, 0..1.
    double Progress() const;
    // Returns whether the walk is complete.
    bool Done() const;
    // Number of positions computed from the source so far.
    long EphemerisCalls() const;

    struct Impl;

  private:
    std::unique_ptr<Impl> m_impl;
};

// Returns every passage of the request in one go, sorted (SortPassages).
std::vector<Passage> TransitCalendar(const CalendarRequest& request,
                                     CalendarLongitude source = nullptr);

// Returns the request for a period [dblFromJD, dblToJD] (UT) in World transits or personal
// transits with the options in force: the orbs of the mode's orb set of options, an aspect whose
// colour is switched off left out as the table hides it, the zodiac of options.
CalendarRequest CalendarRequestOf(bool blnPersonal, double dblNatalJD, double dblFromJD,
                                  double dblToJD, int16_t intTimeZone, bool blnMoon,
                                  const ChartOptions& options);

// Returns the JD (UT) of the local midnight that starts the civil date with Julian Day
// Number jdn in a zone zoneMinutes east of Greenwich.
double LocalMidnightJD(int32_t jdn, int zoneMinutes);

}  // namespace ZDR
