#include "places/Houses.h"

#include <cmath>

#include "astro/Ephemeris.h"
#include "astro/Positions.h"
#include "astro/Turn.h"
#include "text/StrProc.h"

namespace Places {

const char* const strHouseSystemName[intNumHouseSystems] = {
    "placidus", "koch",       "porphyry",   "regiomontanus", "campanus",
    "equal",    "whole-sign", "alcabitius", "topocentric"};

namespace {

// The ephemeris library's letter of each system.
constexpr char kLetter[intNumHouseSystems] = {'P', 'K', 'O', 'R', 'C', 'E', 'W', 'B', 'T'};

constexpr double kSignRadians = ZDR::dblTurn / 12;

double Radians(double degrees) {
    return ZDR::NormalizeAngle(degrees / 360.0 * ZDR::dblTurn);
}

}  // namespace

int16_t HouseSystemIndex(const std::string& name) {
    const std::string lower = StrProc::LowerCase(name);
    for (int16_t k = 0; k < intNumHouseSystems; ++k) {
        if (lower == strHouseSystemName[k])
            return k;
    }
    return -1;
}

Houses ComputeHouses(double jd, double latitude, double longitude, int16_t system,
                     bool blnSidereal) {
    Houses houses;
    houses.intSystem = system >= 0 && system < intNumHouseSystems ? system : intPlacidus;
    houses.intSystemUsed = houses.intSystem;
    double cusps[13] = {};
    double asc = 0;
    double mc = 0;
    if (!orbitlib::HouseCusps(jd, latitude, longitude, kLetter[houses.intSystem], cusps, asc, mc)) {
        houses.intSystemUsed = intPorphyry;
        orbitlib::HouseCusps(jd, latitude, longitude, kLetter[intPorphyry], cusps, asc, mc);
    }
    const double shift = blnSidereal ? ZDR::Ayanamsa(jd) : 0;
    houses.dblAscendant = ZDR::NormalizeAngle(Radians(asc) - shift);
    houses.dblMidheaven = ZDR::NormalizeAngle(Radians(mc) - shift);
    for (int h = 1; h <= 12; ++h)
        houses.dblCusp[h] = ZDR::NormalizeAngle(Radians(cusps[h]) - shift);
    // Whole signs begin where the signs of the zodiac in force begin.
    if (houses.intSystemUsed == intWholeSign) {
        const double first = std::floor(houses.dblAscendant / kSignRadians) * kSignRadians;
        for (int h = 1; h <= 12; ++h)
            houses.dblCusp[h] = ZDR::NormalizeAngle(first + (h - 1) * kSignRadians);
    }
    return houses;
}

int16_t HouseOf(const Houses& houses, double L) {
    if (L < 0)
        return 0;
    for (int16_t h = 1; h <= 12; ++h) {
        const double start = houses.dblCusp[h];
        const double width = ZDR::NormalizeAngle(houses.dblCusp[h % 12 + 1] - start);
        if (ZDR::NormalizeAngle(L - start) < width)
            return h;
    }
    return 12;  // only for cusps that do not go round the circle
}

}  // namespace Places
