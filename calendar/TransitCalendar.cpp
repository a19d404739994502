#include "calendar/TransitCalendar.h"

#include <algorithm>
#include <cmath>

#include "astro/CatalogueCounts.h"
#include "astro/Positions.h"
#include "astro/Turn.h"
#include "engine/Catalogue.h"

namespace ZDR {

namespace {

constexpr double kDegree = dblPi / 180.0;
// A moment is refined until its bracket is shorter than this (days): 30 seconds, so that
// the middle of the bracket is within a quarter of a minute of the moment.
constexpr double kMomentResolution = 30.0 / 86400.0;
// A station of the relative motion is located to this (days); the difference changes by
// far under an arc second over it.
constexpr double kStationResolution = 0.005;
// Two points of a pair closer than this (days) are one.
constexpr double kSamePoint = 1e-6;

// The most a body moves in a day (degrees), with a margin: what no body can outrun.
constexpr double kMaxSpeed[intBodySlots] = {0,    1.05, 2.3,  1.3,  0.82, 0.26,
                                  0.14, 0.075, 0.045, 0.045, 15.6};
// Each body's own sampling step (days): powers of two, so that the grids of all bodies
// meet. Stations of any pair lie many steps apart.
constexpr double kOwnStep[intBodySlots] = {0, 2, 2, 2, 4, 8, 8, 16, 16, 16, 0.5};
// The longest step; a stretch of the walk is a whole number of them.
constexpr double kLongestStep = 16;

// x reduced into [-pi, pi).
double Wrap(double x) {
    return x - dblTurn * std::floor((x + dblPi) / dblTurn);
}

double DefaultLongitude(int16_t body, double jd, bool blnSidereal) {
    return BodyLongitudeIn(body, jd, blnSidereal);
}

// A point of a pair's walk: a moment and the unwrapped difference of the longitudes.
struct Point {
    double t;
    double d;
};

// One aspect line of a pair: the passages through the orb of one exact angle.
struct Track {
    int16_t intAspect = 0;
    double dblTarget = 0;  // the exact difference, radians
    double dblOrb = 0;     // radians
    bool blnActive = true;  // still followed
    bool blnInside = false;
    Passage udtOpen;
};

// The samples of one body on its grid: value n at from + n * step, kept for a stretch.
struct BodySamples {
    double dblStep = 0;
    bool blnUsed = false;
    int64_t lngBase = 0;
    std::deque<double> dblValue;  // NaN until computed
};

struct PairWalk {
    int16_t i = 0;
    int16_t j = 0;
    bool blnFixed = false;
    double dblNatal = 0;
    double dblStep = 0;   // days between the pair's samples
    double dblReach = 0;  // how far the difference can move in one step, radians
    std::vector<Track> tracks;

    int64_t lngNext = 0;  // pair grid index of the next sample
    bool blnStarted = false;
    bool blnStopped = false;
    int64_t lngInvalidIndex = INT64_MIN;  // the last grid index without positions
    Point raw[3] = {};  // the last samples, oldest first
    int intRaw = 0;
    std::vector<Point> pending;  // points not yet walked through, in time order
    Point last = {};             // the last point walked through
    bool blnHasLast = false;
};

}  // namespace

struct CalendarWalker::Impl {
    CalendarRequest req;
    CalendarLongitude source;
    long lngCalls = 0;
    BodySamples body[intBodySlots];
    std::vector<PairWalk> pairs;
    bool blnStarted = false;
    bool blnMainDone = false;
    bool blnDone = false;
    int64_t lngStretchIndex = 0;  // walked up to from + index * kLongestStep
    int64_t lngLastIndex = 0;     // the main walk ends here
    std::vector<Passage>* found = nullptr;

    Impl(const CalendarRequest& r, CalendarLongitude s) : req(r), source(s ? s : &DefaultLongitude) {}

    double Longitude(int16_t b, double jd) {
        ++lngCalls;
        return source(b, jd, req.blnSidereal);
    }

    double Sample(int16_t b, int64_t n) {
        BodySamples& s = body[b];
        if (s.dblValue.empty()) {
            s.lngBase = n;
            s.dblValue.push_back(NAN);
        }
        while (n < s.lngBase) {
            s.dblValue.push_front(NAN);
            --s.lngBase;
        }
        while (n >= s.lngBase + static_cast<int64_t>(s.dblValue.size()))
            s.dblValue.push_back(NAN);
        double& v = s.dblValue[static_cast<std::size_t>(n - s.lngBase)];
        if (std::isnan(v))
            v = Longitude(b, req.dblFromJD + static_cast<double>(n) * s.dblStep);
        return v;
    }

    // Drops the samples before grid time t that no pair needs any more.
    void Trim(double t) {
        for (BodySamples& s : body) {
            if (!s.blnUsed)
                continue;
            const int64_t keep = static_cast<int64_t>(std::floor((t - req.dblFromJD) / s.dblStep)) - 4;
            while (!s.dblValue.empty() && s.lngBase < keep) {
                s.dblValue.pop_front();
                ++s.lngBase;
            }
        }
    }

    double TimeOf(const PairWalk& p, int64_t m) const {
        return req.dblFromJD + static_cast<double>(m) * p.dblStep;
    }

    // The raw difference of the pair's longitudes at grid index m, or a negative code
    // through ok = false.
    double RawAtIndex(PairWalk& p, int64_t m, bool& ok) {
        const double t = static_cast<double>(m) * p.dblStep;
        const double a = Sample(p.i, static_cast<int64_t>(std::llround(t / body[p.i].dblStep)));
        const double b = p.blnFixed
                             ? p.dblNatal
                             : Sample(p.j, static_cast<int64_t>(std::llround(t / body[p.j].dblStep)));
        ok = a >= 0 && b >= 0;
        return a - b;
    }

    double RawAt(PairWalk& p, double t, bool& ok) {
        const double a = Longitude(p.i, t);
        const double b = p.blnFixed ? p.dblNatal : Longitude(p.j, t);
        ok = a >= 0 && b >= 0;
        return a - b;
    }

    // The difference at t, unwrapped next to near.
    double DiffAt(PairWalk& p, double t, double near, bool& ok) {
        const double raw = RawAt(p, t, ok);
        return near + Wrap(raw - near);
    }

    // The moment where the positions begin or end between a moment with positions (valid)
    // and one without (invalid), to the resolution; one with positions.
    double DataEdge(PairWalk& p, double valid, double invalid) {
        while (std::fabs(invalid - valid) > kMomentResolution) {
            const double mid = (valid + invalid) / 2;
            bool ok;
            RawAt(p, mid, ok);
            if (ok)
                valid = mid;
            else
                invalid = mid;
        }
        return valid;
    }

    // Whether a level of an active track lies within reach of the difference d.
    bool LevelNear(const PairWalk& p, double d) const {
        for (const Track& k : p.tracks) {
            if (!k.blnActive)
                continue;
            const double distance = std::fabs(Wrap(d - k.dblTarget));
            if (distance <= k.dblOrb + p.dblReach && distance >= k.dblOrb - p.dblReach)
                return true;
            if (distance <= p.dblReach)
                return true;
        }
        return false;
    }

    // The extremum of the difference between a and c (both samples, b between them a
    // higher (blnMax) or lower one), by golden section.
    Point Station(PairWalk& p, const Point& a, const Point& c, bool blnMax) {
        const double g = 0.381966011250105;
        double lo = a.t, hi = c.t;
        double x1 = lo + g * (hi - lo), x2 = hi - g * (hi - lo);
        bool ok1, ok2;
        double f1 = DiffAt(p, x1, a.d, ok1), f2 = DiffAt(p, x2, a.d, ok2);
        if (!ok1 || !ok2)
            return Point{-1, 0};
        while (hi - lo > kStationResolution) {
            if ((f1 > f2) == blnMax) {
                hi = x2;
                x2 = x1;
                f2 = f1;
                x1 = lo + g * (hi - lo);
                f1 = DiffAt(p, x1, a.d, ok1);
                if (!ok1)
                    return Point{-1, 0};
            } else {
                lo = x1;
                x1 = x2;
                f1 = f2;
                x2 = hi - g * (hi - lo);
                f2 = DiffAt(p, x2, a.d, ok2);
                if (!ok2)
                    return Point{-1, 0};
            }
        }
        return (f1 > f2) == blnMax ? Point{x1, f1} : Point{x2, f2};
    }

    // The moment in [a, b] at which the difference (monotone there) crosses level, by false
    // position with a squeeze of half the resolution after each step.
    double Crossing(PairWalk& p, Point a, Point b, double level) {
        double ta = a.t, tb = b.t;
        double fa = a.d - level, fb = b.d - level;
        const double near = a.d;
        bool ok;
        for (int n = 0; n < 60 && tb - ta > kMomentResolution; ++n) {
            double c = ta - fa * (tb - ta) / (fb - fa);
            const double inset = kMomentResolution / 4;
            if (!(c > ta + inset))
                c = ta + inset;
            if (!(c < tb - inset))
                c = tb - inset;
            double fc = DiffAt(p, c, near, ok) - level;
            if (!ok)
                break;
            const bool blnLowSide = (fc < 0) == (fa < 0);
            if (blnLowSide) {
                ta = c;
                fa = fc;
            } else {
                tb = c;
                fb = fc;
            }
            if (tb - ta <= kMomentResolution)
                break;
            // Step half the resolution beyond c towards the moment.
            const double d = blnLowSide ? c + kMomentResolution / 2 : c - kMomentResolution / 2;
            if (d <= ta || d >= tb)
                continue;
            const double fd = DiffAt(p, d, near, ok) - level;
            if (!ok)
                break;
            if ((fd < 0) == (fa < 0)) {
                ta = d;
                fa = fd;
            } else {
                tb = d;
                fb = fd;
            }
        }
        return (ta + tb) / 2;
    }

    bool Overlaps(const Passage& q) const {
        return (q.dblEnd < 0 || q.dblEnd >= req.dblFromJD) &&
               (q.dblBegin < 0 || q.dblBegin <= req.dblToJD);
    }

    void Close(Track& k, double end) {
        k.blnInside = false;
        k.udtOpen.dblEnd = end;
        if (Overlaps(k.udtOpen) && found)
            found->push_back(k.udtOpen);
        k.udtOpen.dblExact.clear();
    }

    void Open(const PairWalk& p, Track& k, double begin) {
        k.blnInside = true;
        k.udtOpen.intFirst = p.i;
        k.udtOpen.intSecond = p.j;
        k.udtOpen.intAspect = k.intAspect;
        k.udtOpen.dblBegin = begin;
        k.udtOpen.dblEnd = -1;
        k.udtOpen.dblExact.clear();
    }

    // The start of a pair's walk at point s: its tracks in orb there are open, with a
    // beginning unknown when s is the first moment with positions.
    void Begin(PairWalk& p, const Point& s, bool blnDataStart) {
        for (Track& k : p.tracks) {
            k.blnInside = false;
            if (k.blnActive && std::fabs(Wrap(s.d - k.dblTarget)) < k.dblOrb)
                Open(p, k, blnDataStart ? -1 : s.t);
        }
        p.last = s;
        p.blnHasLast = true;
        p.blnStarted = true;
    }

    // Walks the monotone piece from the last point to q: every crossing of a level of an
    // active track, in time order.
    void WalkPiece(PairWalk& p, const Point& q) {
        const Point a = p.last;
        const double lo = std::min(a.d, q.d), hi = std::max(a.d, q.d);
        struct Event {
            double t;
            bool blnExact;
            bool blnEnter;
        };
        for (Track& k : p.tracks) {
            if (!k.blnActive)
                continue;
            Event events[3] = {};
            int n = 0;
            const double levels[3] = {k.dblTarget - k.dblOrb, k.dblTarget, k.dblTarget + k.dblOrb};
            for (int l = 0; l < 3; ++l) {
                const double level =
                    levels[l] + dblTurn * std::floor((hi - levels[l]) / dblTurn);
                if (!(level > lo))
                    continue;
                // Moving up through the lower edge or down through the upper one enters.
                const bool blnEnter = (q.d > a.d) == (l == 0);
                events[n++] = Event{Crossing(p, a, q, level), l == 1, blnEnter};
            }
            // At most three: in time order by insertion.
            for (int e = 1; e < n; ++e) {
                for (int f = e; f > 0 && events[f].t < events[f - 1].t; --f)
                    std::swap(events[f], events[f - 1]);
            }
            for (int e = 0; e < n; ++e) {
                if (events[e].blnExact) {
                    if (k.blnInside)
                        k.udtOpen.dblExact.push_back(events[e].t);
                } else if (k.blnInside && !events[e].blnEnter) {
                    Close(k, events[e].t);
                } else if (!k.blnInside && events[e].blnEnter) {
                    Open(p, k, events[e].t);
                }
            }
        }
        p.last = q;
    }

    // Walks through the pending points up to and including time t.
    void WalkPending(PairWalk& p, double t) {
        std::size_t n = 0;
        while (n < p.pending.size() && p.pending[n].t <= t) {
            if (p.pending[n].t > p.last.t + kSamePoint)
                WalkPiece(p, p.pending[n]);
            ++n;
        }
        p.pending.erase(p.pending.begin(), p.pending.begin() + static_cast<long>(n));
    }

    // Ends a pair's walk at the last moment with positions: its open passages end unknown.
    void StopAtDataEnd(PairWalk& p, double tInvalid) {
        const double edge = DataEdge(p, p.raw[p.intRaw - 1].t, tInvalid);
        bool ok;
        const double d = DiffAt(p, edge, p.raw[p.intRaw - 1].d, ok);
        if (ok)
            p.pending.push_back(Point{edge, d});
        WalkPending(p, edge + 1);
        for (Track& k : p.tracks) {
            if (k.blnActive && k.blnInside)
                Close(k, -1);
            k.blnActive = false;
        }
        p.blnStopped = true;
    }

    // Takes the pair's sample at grid index m into its walk.
    void Push(PairWalk& p, int64_t m) {
        bool ok;
        const double raw = RawAtIndex(p, m, ok);
        const double t = TimeOf(p, m);
        p.lngNext = m + 1;
        if (!ok) {
            if (p.blnStarted)
                StopAtDataEnd(p, t);
            else
                p.lngInvalidIndex = m;
            return;
        }
        if (!p.blnStarted) {
            if (p.lngInvalidIndex != m - 1) {
                Begin(p, Point{t, raw}, false);
                p.raw[0] = Point{t, raw};
                p.intRaw = 1;
                return;
            }
            // The moment before had no positions: the walk starts where they begin.
            const double edge = DataEdge(p, t, TimeOf(p, m - 1));
            const Point s{edge, raw + Wrap(RawAt(p, edge, ok) - raw)};
            Begin(p, s, true);
            p.raw[0] = s;
            p.intRaw = 1;
        }
        const Point& prev = p.raw[p.intRaw - 1];
        if (t <= prev.t + kSamePoint)
            return;
        const Point q{t, prev.d + Wrap(raw - prev.d)};
        if (p.intRaw == 3) {
            p.raw[0] = p.raw[1];
            p.raw[1] = p.raw[2];
            p.intRaw = 2;
        }
        p.raw[p.intRaw++] = q;
        p.pending.push_back(q);
        if (p.intRaw < 3) {
            WalkPending(p, p.raw[0].t);
            return;
        }
        const Point &a = p.raw[0], &b = p.raw[1], &c = p.raw[2];
        const double d1 = b.d - a.d, d2 = c.d - b.d;
        if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && LevelNear(p, b.d)) {
            const Point e = Station(p, a, c, d1 > 0);
            if (e.t > p.last.t + kSamePoint && e.t < c.t - kSamePoint &&
                std::fabs(e.t - b.t) > kSamePoint) {
                auto at = std::lower_bound(p.pending.begin(), p.pending.end(), e.t,
                                           [](const Point& x, double v) { return x.t < v; });
                p.pending.insert(at, e);
            }
        }
        WalkPending(p, b.t);
    }

    // Walks the pair through grid index last.
    void PushThrough(PairWalk& p, int64_t last) {
        while (!p.blnStopped && p.lngNext <= last)
            Push(p, p.lngNext);
    }

    bool InOrb(const Track& k, double d) const {
        return std::fabs(Wrap(d - k.dblTarget)) < k.dblOrb;
    }

    // Finds where a pair's walk starts: at the start of the period, or earlier, at the
    // first sample before it at which none of the tracks in orb at the start is in orb
    // (and one sample more, so that a station in the first step is seen). Only the tracks
    // in orb at the start are followed until then.
    void StartPair(PairWalk& p) {
        bool ok;
        const double raw0 = RawAtIndex(p, 0, ok);
        int64_t m = 0;
        if (ok) {
            for (Track& k : p.tracks)
                k.blnActive = InOrb(k, raw0);
            double d = raw0;
            for (;;) {
                bool blnAnyIn = false;
                for (const Track& k : p.tracks)
                    blnAnyIn = blnAnyIn || (k.blnActive && InOrb(k, d));
                const double r = RawAtIndex(p, m - 1, ok);
                if (!ok)
                    break;
                --m;
                if (!blnAnyIn)
                    break;
                d = r;
            }
            if (!ok)
                p.lngInvalidIndex = m - 1;
        }
        p.lngNext = m;
        PushThrough(p, 0);
        for (Track& k : p.tracks) {
            if (!k.blnActive) {
                k.blnActive = true;
                k.blnInside = false;
            }
        }
    }

    void Start() {
        const bool blnPersonal = req.blnPersonal;
        double natal[intPointSlots] = {};
        if (blnPersonal) {
            for (int16_t b = bodySun; b <= intCatalogueBodies; ++b)
                natal[b] = Longitude(b, req.dblNatalJD);
            for (int16_t a = 0; a < intNumAngles; ++a)
                natal[pointAscendant + a] = req.dblNatalAngle[a];
        }
        const int16_t lastMoving = req.blnMoon ? intCatalogueBodies : intLastPlanet;
        const int16_t lastOther = blnPersonal ? intLastPoint : intCatalogueBodies;
        for (int16_t i = 1; i <= lastMoving; ++i) {
            const int16_t firstOther = blnPersonal ? 1 : static_cast<int16_t>(i + 1);
            for (int16_t j = firstOther; j <= lastOther; ++j) {
                if (!blnPersonal && j == bodyMoon && !req.blnMoon)
                    continue;
                if (blnPersonal && natal[j] < 0)
                    continue;
                PairWalk p;
                p.i = i;
                p.j = j;
                p.blnFixed = blnPersonal;
                p.dblNatal = natal[j];
                for (int16_t k = aspectConjunction; k <= intCatalogueAspects; ++k) {
                    const double orb = req.dblOrb[k];
                    if (!(orb > 0))
                        continue;
                    const double a = dblAspectAngle[k];
                    Track t;
                    t.intAspect = k;
                    t.dblOrb = orb;
                    t.dblTarget = a;
                    p.tracks.push_back(t);
                    if (a > 1e-9 && a < dblPi - 1e-9) {
                        t.dblTarget = -a;
                        p.tracks.push_back(t);
                    }
                }
                if (p.tracks.empty())
                    continue;
                pairs.push_back(p);
            }
        }
        // Steps: a pair samples as often as its quicker body needs; a body's grid is that of
        // its quickest pair, of which each pair reads every sample or every 2nd, 4th ...
        double stepOf[intBodySlots];
        for (int b = 0; b < intBodySlots; ++b)
            stepOf[b] = kLongestStep;
        for (const PairWalk& p : pairs) {
            const double s = p.blnFixed ? kOwnStep[p.i] : std::min(kOwnStep[p.i], kOwnStep[p.j]);
            stepOf[p.i] = std::min(stepOf[p.i], s);
            if (!p.blnFixed)
                stepOf[p.j] = std::min(stepOf[p.j], s);
        }
        for (int16_t b = bodySun; b <= intCatalogueBodies; ++b)
            body[b].dblStep = stepOf[b];
        for (PairWalk& p : pairs) {
            body[p.i].blnUsed = true;
            p.dblStep = p.blnFixed ? kOwnStep[p.i] : std::min(kOwnStep[p.i], kOwnStep[p.j]);
            double speed = kMaxSpeed[p.i];
            if (!p.blnFixed) {
                body[p.j].blnUsed = true;
                speed += kMaxSpeed[p.j];
            }
            p.dblReach = speed * kDegree * p.dblStep;
        }
        // Two stretches beyond the end of the period, so that every pair has walked past it.
        lngLastIndex =
            static_cast<int64_t>(std::ceil((req.dblToJD - req.dblFromJD) / kLongestStep)) + 2;
        for (PairWalk& p : pairs)
            StartPair(p);
        Trim(req.dblFromJD);
        blnStarted = true;
    }

    // Walks every pair to the end of the next stretch of the main walk.
    void MainStretch(int64_t stretches) {
        lngStretchIndex = std::min(lngStretchIndex + stretches, lngLastIndex);
        const double end = req.dblFromJD + static_cast<double>(lngStretchIndex) * kLongestStep;
        for (PairWalk& p : pairs)
            PushThrough(p, static_cast<int64_t>(std::llround((end - req.dblFromJD) / p.dblStep)));
        Trim(end);
        if (lngStretchIndex >= lngLastIndex) {
            blnMainDone = true;
            // From here only the passages open at the end of the period are followed.
            for (PairWalk& p : pairs) {
                for (Track& k : p.tracks) {
                    const bool blnKeep =
                        k.blnInside && (k.udtOpen.dblBegin < 0 || k.udtOpen.dblBegin <= req.dblToJD);
                    if (!blnKeep) {
                        k.blnActive = false;
                        k.blnInside = false;
                    }
                }
            }
        }
    }

    // Walks the pairs with passages still open on by the next stretch.
    void TailStretch(int64_t stretches) {
        bool blnAnyOpen = false;
        const double end = req.dblFromJD +
                           static_cast<double>(lngStretchIndex + stretches) * kLongestStep;
        for (PairWalk& p : pairs) {
            bool blnOpen = false;
            for (const Track& k : p.tracks)
                blnOpen = blnOpen || k.blnActive;
            if (!blnOpen || p.blnStopped)
                continue;
            // Sample by sample until its last passage has closed; a track that has closed is
            // no longer followed.
            const int64_t last =
                static_cast<int64_t>(std::llround((end - req.dblFromJD) / p.dblStep));
            while (blnOpen && !p.blnStopped && p.lngNext <= last) {
                Push(p, p.lngNext);
                blnOpen = false;
                for (Track& k : p.tracks) {
                    if (!k.blnInside)
                        k.blnActive = false;
                    blnOpen = blnOpen || k.blnActive;
                }
            }
            blnAnyOpen = blnAnyOpen || (blnOpen && !p.blnStopped);
        }
        lngStretchIndex += stretches;
        Trim(end);
        if (!blnAnyOpen)
            blnDone = true;
    }
};

CalendarWalker::CalendarWalker(const CalendarRequest& request, CalendarLongitude source)
    : m_impl(new Impl(request, source)) {}

CalendarWalker::~CalendarWalker() = default;

bool CalendarWalker::Step(std::vector<Passage>& found, double days) {
    Impl& w = *m_impl;
    if (w.blnDone)
        return false;
    w.found = &found;
    const int64_t stretches =
        std::max<int64_t>(1, static_cast<int64_t>(std::llround(days / kLongestStep)));
    if (!w.blnStarted) {
        if (!(w.req.dblToJD > w.req.dblFromJD)) {
            w.blnDone = true;
            return false;
        }
        w.Start();
    } else if (!w.blnMainDone) {
        w.MainStretch(stretches);
    } else {
        w.TailStretch(stretches);
    }
    w.found = nullptr;
    return !w.blnDone;
}

double CalendarWalker::Progress() const {
    const Impl& w = *m_impl;
    if (w.blnDone)
        return 1;
    if (w.lngLastIndex <= 0)
        return 0;
    return 0.99 * static_cast<double>(std::min(w.lngStretchIndex, w.lngLastIndex)) /
           static_cast<double>(w.lngLastIndex);
}

bool CalendarWalker::Done() const {
    return m_impl->blnDone;
}

long CalendarWalker::EphemerisCalls() const {
    return m_impl->lngCalls;
}

double PassageSortKey(const Passage& p) {
    if (!p.dblExact.empty())
        return p.dblExact.front();
    return p.dblBegin;
}

void SortPassages(std::vector<Passage>& passages) {
    std::stable_sort(passages.begin(), passages.end(), [](const Passage& a, const Passage& b) {
        const double ka = PassageSortKey(a), kb = PassageSortKey(b);
        if (ka != kb)
            return ka < kb;
        if (a.intFirst != b.intFirst)
            return a.intFirst < b.intFirst;
        if (a.intSecond != b.intSecond)
            return a.intSecond < b.intSecond;
        return a.intAspect < b.intAspect;
    });
}

std::vector<Passage> TransitCalendar(const CalendarRequest& request, CalendarLongitude source) {
    std::vector<Passage> passages;
    CalendarWalker walker(request, source);
    while (walker.Step(passages, 3650)) {
    }
    SortPassages(passages);
    return passages;
}

CalendarRequest CalendarRequestOf(bool blnPersonal, double dblNatalJD, double dblFromJD,
                                  double dblToJD, int16_t intTimeZone, bool blnMoon,
                                  const ChartOptions& chartOptions) {
    const ConfigOptions& options = chartOptions.udtConfig;
    CalendarRequest r;
    r.blnPersonal = blnPersonal;
    r.dblNatalJD = dblNatalJD;
    r.dblFromJD = dblFromJD;
    r.dblToJD = dblToJD;
    r.intTimeZone = intTimeZone;
    r.blnMoon = blnMoon;
    r.blnSidereal = options.blnSidereal;
    const int set = blnPersonal ? 1 : 0;
    for (int16_t k = 1; k <= intCatalogueAspects; ++k)
        r.dblOrb[k] = AspectColorShown(k, options) == 0.0 ? 0.0 : chartOptions.dblOrb[k][set];
    return r;
}

double LocalMidnightJD(int32_t jdn, int zoneMinutes) {
    return static_cast<double>(jdn) - zoneMinutes / 1440.0 - 0.5;
}

}  // namespace ZDR
