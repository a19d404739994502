#pragma once
// The planetary and the lunar library: geocentric apparent ecliptic longitudes, referred to
// the true equinox of date, of the Sun, the planets and the Moon for a Julian Day in UT.
// The library converts UT to dynamical time itself (its own Delta T). When its ephemeris
// files cannot be found it computes from its built-in analytic theory, which it says once
// on standard error.

#include <cstdint>

namespace orbitlib {

// Library planet numbers: 1 Mercury, 2 Venus, 3 Sun, 4 Mars .. 8 Neptune, 9 Pluto.
constexpr int32_t lngLibraryPluto = 9;

// Tells the library the folder of its ephemeris files (with or without a trailing
// separator; doubled separators are accepted).
void set_datafiles_folder(const char* folder);

// Returns the geocentric longitude of library planet 1..9 at jd (UT) in radians [0, 2 pi),
// or -1 when the library cannot give it (unknown planet, moment outside its range). year
// is the year of jd; *rv receives the distance in AU (0 on failure).
double gc_app_long_rv_planet(int32_t planet, double jd, int32_t year, double* rv);

// Returns the JD (UT) of the moment whose dynamical time (TT) is jdTT, by the library's
// Delta T.
double UniversalFromDynamicalTime(double jdTT);

// true once a position has come from the analytic theory because the ephemeris files were
// missing.
bool AnalyticEphemerisUsed();

}  // namespace orbitlib

namespace lunarlib {

// Returns the Moon's geocentric longitude in radians [0, 2 pi) at days since J2000.0, i.e.
// JD (UT) - 2451545, or -1 when the library cannot give it. *latitude receives the ecliptic
// latitude (radians) and *distance the distance (AU), both 0 on failure.
double moonpos(double daysSinceJ2000, double* latitude, double* distance);

}  // namespace lunarlib
