#pragma once
// The planetary and the lunar library: geocentric apparent ecliptic longitudes, referred to
// the true equinox of date, of the Sun, the planets and the Moon for a Julian Day in UT.
// The library converts UT to dynamical time itself (its own Delta T).
//
// Its data are ten ephemeris files in the data folder, two for each 600-year span: the
// planets' file sepl_NN.se1 and the Moon's file semo_NN.se1 for the years from NN00 on. A
// position needs both files of its span (the Earth is found from the Moon). Where the
// planets' file is missing the library computes every body from its built-in analytic
// theory, where only the Moon's file is missing the Moon; a damaged file gives no position
// in its span. This adapter keeps, for each file, what became of it and the library's own
// words on it.

#include <cstdint>
#include <string>

namespace orbitlib {

// Library planet numbers: 1 Mercury, 2 Venus, 3 Sun, 4 Mars .. 8 Neptune, 9 Pluto.
constexpr int32_t lngLibraryPluto = 9;

// Tells the library the folder of its ephemeris files (with or without a trailing
// separator; doubled separators are accepted). When a folder, FIFO or device stands there
// in place of one of the library's files, the library is given no folder at all (it could
// block reading it) and no position of the Sun, the Moon and the planets can be computed.
void set_datafiles_folder(const char* folder);

// Returns the geocentric longitude of library planet 1..9 at jd (UT) in radians [0, 2 pi),
// or -1 when the library cannot give it (unknown planet, damaged or refused file). year is
// the year of jd; *rv receives the distance in AU (0 on failure).
double gc_app_long_rv_planet(int32_t planet, double jd, int32_t year, double* rv);

// Returns the JD (UT) of the moment whose dynamical time (TT) is jdTT, by the library's
// Delta T.
double UniversalFromDynamicalTime(double jdTT);

// What became of an ephemeris file in this run.
enum class FileTrouble : int8_t {
    None,     // read, or not needed yet
    Missing,  // not in the folder: positions of its span came from the analytic theory
    Damaged,  // the library could not read it: no positions in its span
};

// One ephemeris file and what became of it.
struct EphemerisFile {
    const char* strName;   // e.g. "sepl_18.se1"
    bool blnMoonFile;      // semo_NN.se1, the Moon's file; else the planets' file
    int16_t intFirstYear;  // the first and last year of its span within the program's
    int16_t intLastYear;   // years 1 to 2799
    FileTrouble udtTrouble;
    std::string strLibraryText;  // the library's own words on the trouble; "" for none
    // Damaged because its positions lie this far (degrees) from those of the analytic
    // theory, though the library read them; 0 otherwise.
    double dblDisagreement;
};

// Number of ephemeris files: a planets' and a Moon's file for each of five spans.
constexpr int intNumEphemerisFiles = 10;

// Returns the ephemeris files, oldest span first, the planets' file before the Moon's:
// sepl_00, semo_00, sepl_06 .. semo_24. Each file's trouble is what the positions computed
// since set_datafiles_folder met.
const EphemerisFile* EphemerisFiles();

// Returns the name of the first of the library's files in the folder given to
// set_datafiles_folder in whose place a folder, FIFO or device stands, e.g. "sepl_18.se1";
// "" when there is none. The library is then given no folder: no positions at all.
std::string RefusedLibraryFile();

// Checks each file that the program uses, so that EphemerisFiles() tells afterwards which
// are missing or damaged: at three dates across its span, every body of a planets' file
// (heliocentric) and the Moon of a Moon's file (in the years the program computes it) are
// compared with the library's analytic theory; a file more than 0.05 degrees from it is
// damaged, and its span has no positions. About 300 positions, a few tens of milliseconds.
void ProbeEphemerisFiles();

// true once a position has come from the analytic theory because an ephemeris file was
// missing.
bool AnalyticEphemerisUsed();

// Computes the twelve house cusps of the house system with the library's letter system
// ('P' Placidus, 'K', 'O', 'R', 'C', 'E', 'W', 'B', 'T') for the place at latitude and
// longitude (degrees, north and east positive) at jd (UT), tropical: cusps[1..12], the
// Ascendant and the Midheaven in degrees [0, 360). Returns false when the system is not
// defined there (Placidus and Koch beyond the polar circles): the values are then the
// library's Porphyry cusps.
bool HouseCusps(double jd, double latitude, double longitude, char system, double (&cusps)[13],
                double& ascendant, double& midheaven);

}  // namespace orbitlib

namespace lunarlib {

// Returns the Moon's geocentric longitude in radians [0, 2 pi) at days since J2000.0, i.e.
// JD (UT) - 2451545, or -1 when the library cannot give it. *latitude receives the ecliptic
// latitude (radians) and *distance the distance (AU), both 0 on failure.
double moonpos(double daysSinceJ2000, double* latitude, double* distance);

}  // namespace lunarlib
