#pragma once
// The values a computation passes around: the options in force, and the positions of a
// chart. The options are built once from the configuration (config/Options.h
// MakeChartOptions; the program's own in config/OptionsInForce.h) and passed to every
// computation, which reads nothing else to learn its orbs, colours, boldface rule or zodiac.
// A computation's whole result (engine/Compute.h ComputeResult) is a ChartPositions too, so
// that the patterns, midpoints and pictures take either.

#include <cstdint>

#include "astro/CatalogueCounts.h"
#include "engine/ConfigOptions.h"

namespace ZDR {

struct ChartOptions {
    // The configuration's values: the aspects' colours, the boldface rule, the zodiac
    // (blnSidereal), the transiting Moon, waxing and waning, the inner-planet rule.
    ConfigOptions udtConfig;
    // Orb in radians of aspect 1..7 for orb set 0..2, the divisors of personal transits
    // and synastry applied; 0 switches the aspect off for that set. Row 0 stays 0.
    double dblOrb[intAspectSlots][intNumOrbSets] = {};
    // Per orb set: the largest orb over aspects 1..7 (0 when all are 0) and the smallest
    // non-zero one (20.0 when all are 0), radians.
    double dblMaxOrb[intNumOrbSets] = {};
    double dblMinOrb[intNumOrbSets] = {};
    // True when every non-zero orb of set 0 is the same.
    bool blnOrbsEqual = false;
    // The orb of the midpoint check, radians.
    double dblMidpointOrb = 0;
};

// The positions of one computation: chart A (0, the columns) and chart B (1, the rows of
// the two-chart modes).
struct ChartPositions {
    // Longitude in radians of body 1..10 in chart A (0) and chart B (1), and of its angles
    // 11 and 12 where they take part in aspects; index 0 unused. A negative value means the
    // body has no position (the angles have none unless they are set).
    double dblPos[intPointSlots][2] = {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0},  {0, 0},  {0, 0},
                                       {0, 0}, {0, 0}, {0, 0}, {0, 0}, {-1, -1}, {-1, -1}};
    // Whether body 1..10 is retrograde at the date of chart A (0) or chart B (1).
    bool blnRetro[intBodySlots][2] = {};
    // Number of chart-A bodies taking part: all of them, or all but the Moon in personal
    // transits without the transiting Moon.
    int16_t intNumBodies = intCatalogueBodies;
};

// Returns whether chart side 0 (A) or 1 (B) of positions has angles taking part in aspects.
bool HasAngles(const ChartPositions& positions, int side);

// Returns the number of chart-A bodies of positions taking part, held within the
// catalogue's bodies.
int16_t BodiesTakingPart(const ChartPositions& positions);

// Recomputes dblMaxOrb, dblMinOrb and blnOrbsEqual of options from its orb table.
void DeriveOrbLimits(ChartOptions& options);

}  // namespace ZDR
