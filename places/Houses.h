#pragma once
// Houses and angles of a birthdate with a place: the Ascendant, the Midheaven and the
// twelve house cusps from the ephemeris library's house routine, in the zodiac in force,
// and the house of a longitude.

#include <cstdint>
#include <string>

namespace Places {

// The house systems, by index; intPlacidus is the default.
constexpr int16_t intPlacidus = 0;
constexpr int16_t intKoch = 1;
constexpr int16_t intPorphyry = 2;
constexpr int16_t intRegiomontanus = 3;
constexpr int16_t intCampanus = 4;
constexpr int16_t intEqual = 5;  // equal houses from the Ascendant
constexpr int16_t intWholeSign = 6;
constexpr int16_t intAlcabitius = 7;
constexpr int16_t intTopocentric = 8;
constexpr int16_t intNumHouseSystems = 9;

// The command-line and settings name of each system: "placidus", .., "whole-sign", ..
extern const char* const strHouseSystemName[intNumHouseSystems];

// Returns the index of a system's name (any case), -1 for none.
int16_t HouseSystemIndex(const std::string& name);

// The houses of one chart. Longitudes in radians [0, 2 pi) in the zodiac asked for.
struct Houses {
    int16_t intSystem = intPlacidus;      // the system asked for
    int16_t intSystemUsed = intPlacidus;  // the one used: intPorphyry where it is undefined
    double dblAscendant = 0;
    double dblMidheaven = 0;
    double dblCusp[13] = {};  // cusps of houses 1..12; [0] unused

    // Whether the system asked for is undefined at the place, so another was used.
    bool FellBack() const { return intSystemUsed != intSystem; }
};

// Computes the houses of system at jd (UT) for the place at latitude and longitude
// (degrees, north and east positive), sidereal (less the program's ayanamsa) when
// blnSidereal. Placidus and Koch beyond the polar circles fall back to Porphyry, said by
// intSystemUsed.
Houses ComputeHouses(double jd, double latitude, double longitude, int16_t system,
                     bool blnSidereal);

// Returns the house 1..12 in which longitude L (radians, in the zodiac of houses) lies:
// from a cusp up to the next; 0 for a negative L (no position).
int16_t HouseOf(const Houses& houses, double L);

}  // namespace Places
