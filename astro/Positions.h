#pragma once
// Geocentric ecliptic longitudes of the ten bodies for a Julian Day in UT: the Sun and
// the planets from the planetary library, the Moon from the lunar library, Pluto from the
// daily table pluto.slx. Also the sidereal correction and the retrograde test.
//
// A longitude is in radians in [0, 2 pi). A negative value means there is no position:
// -99 before and -100 after the covered range of the Moon and Pluto (1600-01-01 to
// 2099-12-31), any other negative value a failure of a library or of the table.

#include <cstdint>
#include <string>
#include <vector>

namespace ZDR {

// First and last day number (JDN) covered by the Moon and Pluto routines.
constexpr int32_t lngFirstCoveredJDN = 2305448;  // 1 January 1600
constexpr int32_t lngLastCoveredJDN = 2488069;   // 31 December 2099
// The first and last year of that range.
constexpr int16_t intFirstCoveredYear = 1600;
constexpr int16_t intLastCoveredYear = 2099;
// Lines the Pluto table must hold: one a day from 1 January 1600 to 1 January 2100.
constexpr int32_t lngPlutoTableLines = 182623;
// Longitude codes of a moment before and after the covered range.
constexpr double dblBeforeRange = -99;
constexpr double dblAfterRange = -100;

// The folder of pluto.slx and of the ephemeris files, ending in the path separator.
extern std::string strDataFolder;
// The Pluto table: line k holds Pluto's longitude at 0h UT of the day JDN 2305448 + k.
extern std::vector<std::string> strPlutoLine;

// Reads strDataFolder + name into strPlutoLine (blanks trimmed, empty lines skipped) and
// checks every line: three characters in their ranges, and no farther from the day before
// than Pluto can move in a day (a few arcminutes, also across 0 degrees Aries). Returns true
// when read; otherwise false with the reason, naming the file's line, in errorText, and
// strPlutoLine stays as it was. Refuses a folder, FIFO or device before opening it.
bool ReadPlutoData(const std::string& name, std::string& errorText);
// The message shown when ReadPlutoData fails: its errorText and the closing sentence.
std::string PlutoDataErrorMessage(const std::string& errorText);
// The title of that message.
std::string PlutoDataErrorTitle();

// Pluto's longitude in degrees [0, 360) at 0h UT of the day JDN 2305448 + i, decoded from
// line i of strPlutoLine; -1 when there is no such line or it is malformed.
double PlutoTableEntry(int32_t i);
// Pluto's longitude (radians) at jd (UT), interpolated linearly between two days of the
// table; -99 / -100 outside the covered range, -1 when the table lacks the lines.
double PlutoLongitude(double jd);
// The Moon's longitude (radians) at jd (UT); -99 / -100 outside the covered range, any
// other negative value a failure of the lunar library.
double MoonLongitude(double jd);

// Returns true when L is the code of a failure (of a library or of the table): negative,
// but neither dblBeforeRange nor dblAfterRange.
bool PositionFailed(double L);

// Longitude (radians) of body 1..10 (1 Sun, 2 Mercury .. 8 Neptune, 9 Pluto, 10 Moon) at
// jd (UT) in the sidereal zodiac when blnSiderealZodiac is set (longitudes less the
// ayanamsa of their year), in the tropical one otherwise; a negative code as above,
// unchanged in either zodiac; -1 for a body outside 1..10.
double BodyLongitudeIn(int16_t body, double jd, bool blnSiderealZodiac);
// Returns the ayanamsa of the sidereal zodiac at jd (UT) in radians: the amount sidereal
// longitudes stand behind tropical ones, taken for the whole year of jd.
double Ayanamsa(double jd);

// As BodyLongitudeIn in the tropical zodiac.
double BodyLongitude(int16_t body, double jd);
// true when body, at longitude L (radians, in the zodiac blnSiderealZodiac says) at jd
// (UT), moves backwards: half an hour later it stands less than half a turn behind L, also
// across 0 degrees Aries. Never for the Sun and the Moon, nor when either longitude is
// unavailable.
bool IsRetrograde(int16_t body, double L, double jd, bool blnSiderealZodiac);

}  // namespace ZDR
