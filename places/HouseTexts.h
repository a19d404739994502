#pragma once
// The houses and angles in words, in the current language: the system's name, the note on
// a system undefined at the place, and one line for each angle, cusp and body.

#include <string>
#include <vector>

#include "astro/CatalogueCounts.h"
#include "places/Houses.h"

namespace Places {

// Returns the name of house system 0..8 ("Placidus", "Whole sign"; "Ganzzeichen").
std::string HouseSystemText(int16_t system);

// Returns the heading of houses: "Houses: Placidus".
std::string HouseSystemTitle(const Houses& houses);

// Returns the note on a system that is undefined at the place: "Placidus houses are not
// defined at this latitude; Porphyry houses are shown instead."
std::string HouseFallbackText(const Houses& houses);

// Returns the lines of the angles, the cusps and the bodies 1..10 with longitudes L (radians,
// in the zodiac of houses; a body with a negative one is left out): "Ascendant: 10 Cap 22",
// "House 1: 10 Cap 22", .., "Sun: in house 10".
std::vector<std::string> HouseLines(const Houses& houses, const double (&L)[ZDR::intBodySlots]);

// Returns the houses as the report adds them below a natal chart: a line break and a blank
// line, the
// heading, the note on a system undefined at the place, and the lines of HouseLines, each
// line ended by CR LF.
std::string HouseReport(const Houses& houses, const double (&L)[ZDR::intBodySlots]);

}  // namespace Places
