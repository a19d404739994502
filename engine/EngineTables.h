#pragma once
// The aspect engine's result tables, overwritten whole by each computation and read by
// the report, the patterns, the midpoints, the aspect timing and the graphics.

#include <cstdint>

#include "astro/CatalogueCounts.h"

namespace ZDR {

// Julian Day (UT) of the world date (0), the 1st birthdate (1) and the 2nd birthdate
// (2); a negative value is the date error code of the last conversion.
extern double dblChartAJD[3];

// Longitude in radians of body 1..10 in chart A (0) and chart B (1); index 0 unused. A
// negative value means the body has no position.
extern double dblPos[intBodySlots][2];

// Whether body 1..10 is retrograde at the date of chart A (0) or chart B (1).
extern bool blnRetro[intBodySlots][2];

// Orb in radians of aspect 1..7 for orb set 0..2; 0 switches the aspect off for that set.
// Row 0 stays 0.
extern double dblOrb[intAspectSlots][intNumOrbSets];

// Number of aspects of each type 1..7 found by the last computation.
extern int16_t intNumAspectsOfType[intAspectSlots];

// Number of chart-A bodies taking part: all of them, or all but the Moon in personal
// transits without the transiting Moon.
extern int16_t intNumBodies;

// Number of patterns found per pattern index 0..13 (13 midpoints).
extern int16_t intNumPatternsOfType[intCataloguePatterns];

}  // namespace ZDR
