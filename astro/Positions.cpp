#include "astro/Positions.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "astro/CatalogueCounts.h"
#include "astro/DatePr2.h"
#include "astro/Ephemeris.h"
#include "astro/FileProc.h"
#include "astro/Turn.h"

namespace ZDR {

std::string strDataFolder;
std::vector<std::string> strPlutoLine;

namespace {

// A Pluto table is under a megabyte; anything far larger is not one.
constexpr std::size_t kMaxTableBytes = 64u << 20;

// Catalogue index 1..8 -> planet number of the planetary library (the Sun is 3).
constexpr int32_t kLibraryPlanet[bodyNeptune + 1] = {0, 3, 1, 2, 4, 5, 6, 7, 8};

// Ayanamsa of the sidereal zodiac: 0.416314 rad in 2000, growing 243.8 microradians a year.
constexpr double kAyanamsa2000 = 0.416314;
constexpr double kAyanamsaPerYear = 243.8 / 1000000;

// The largest change of Pluto's longitude from one day of the table to the next, in
// arcminutes. Pluto's geocentric motion never reaches 2.5' a day; with both days rounded to
// the arcminute the table shows at most 3'. A line shifted within the table moves Pluto by
// 60 degrees, a changed degree character by 1 degree: far above this.
constexpr int32_t kMaxPlutoDailyMinutes = 6;
constexpr int32_t kMinutesPerTurn = 360 * 60;

// Reads the three characters c of table line i: the 60-degree step (shifted by i mod 55 in
// the first character), the degree within the step and the arcminute. Returns the
// longitude in arcminutes [0, 21600), or -1 when a character lies outside its range.
int32_t PlutoLineMinutes(const char* c, int32_t i, int16_t& degrees, int16_t& minute) {
    const int16_t s = static_cast<int16_t>((static_cast<unsigned char>(c[0]) - 58) - (i % 55));
    const int16_t degree = static_cast<int16_t>(static_cast<unsigned char>(c[1]) - 59);
    minute = static_cast<int16_t>(static_cast<unsigned char>(c[2]) - 60);
    if (s < 0 || s > 5 || degree < 0 || degree > 59 || minute < 0 || minute > 59)
        return -1;
    degrees = static_cast<int16_t>(60 * s + degree);
    return degrees * 60 + minute;
}

// Degrees [0, 360) encoded in the three characters c of table line i, or -1 when a
// character lies outside its range.
double DecodePlutoLine(const char* c, int32_t i) {
    int16_t degrees = 0;
    int16_t minute = 0;
    if (PlutoLineMinutes(c, i, degrees, minute) < 0)
        return -1;
    return degrees + minute / 60.0;
}

// The change in arcminutes from longitude a to longitude b (both in arcminutes), the
// shorter way round: -10800 .. 10799, positive forwards, also across 0 degrees Aries.
int32_t MinutesMoved(int32_t a, int32_t b) {
    int32_t d = b - a;
    if (d >= kMinutesPerTurn / 2)
        d -= kMinutesPerTurn;
    if (d < -kMinutesPerTurn / 2)
        d += kMinutesPerTurn;
    return d;
}

// 0 when the day of jd (UT) lies in the covered range, else dblBeforeRange, dblAfterRange
// or -1 for a jd that is not a number. Sets day to the JDN and fraction to the time since
// 0h UT.
double CoveredDay(double jd, int32_t& day, double& fraction) {
    const double t = jd + 0.5;
    if (std::isnan(t))
        return -1;
    const double whole = std::floor(t);
    if (whole < lngFirstCoveredJDN)
        return dblBeforeRange;
    if (whole > lngLastCoveredJDN)
        return dblAfterRange;
    day = static_cast<int32_t>(whole);
    fraction = t - whole;
    return 0;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

bool ReadPlutoData(const std::string& name, std::string& errorText) {
    const std::string path = strDataFolder + name;
    if (FileProc::IsSpecialFile(path)) {
        errorText = "Cannot open " + path + ": it is not a regular file.";
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        errorText = "Cannot open " + path + ": " + std::strerror(errno) + ".";
        return false;
    }
    std::string content;
    char buffer[1 << 16];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0 &&
           content.size() <= kMaxTableBytes) {
        content.append(buffer, n);
    }
    const bool blnReadError = std::ferror(file) != 0;
    const int readErrno = errno;
    std::fclose(file);
    if (blnReadError) {
        errorText = "Cannot read " + path + ": " + std::strerror(readErrno) + ".";
        return false;
    }
    if (content.size() > kMaxTableBytes) {
        errorText = path + " is too large to be a Pluto table.";
        return false;
    }

    std::vector<std::string> lines;
    lines.reserve(lngPlutoTableLines + 100);
    const char* p = content.data();
    const char* const end = p + content.size();
    int32_t fileLine = 0;
    int32_t previousMinutes = -1;
    while (p < end) {
        const char* eol = static_cast<const char*>(std::memchr(p, '\n', end - p));
        if (!eol)
            eol = end;
        ++fileLine;
        const char* first = p;
        const char* last = eol;
        p = eol + 1;
        while (first < last && IsBlank(*first))
            ++first;
        while (last > first && IsBlank(last[-1]))
            --last;
        if (first == last)
            continue;
        const int32_t i = static_cast<int32_t>(lines.size());
        int16_t degrees = 0;
        int16_t minute = 0;
        const int32_t minutes =
            last - first == 3 ? PlutoLineMinutes(first, i, degrees, minute) : -1;
        if (minutes < 0) {
            errorText = "Line " + std::to_string(fileLine) + " of " + path +
                        " is not a valid Pluto table entry.";
            return false;
        }
        if (previousMinutes >= 0) {
            const int32_t moved = MinutesMoved(previousMinutes, minutes);
            if (moved > kMaxPlutoDailyMinutes || moved < -kMaxPlutoDailyMinutes) {
                errorText = "Line " + std::to_string(fileLine) + " of " + path + " puts Pluto at " +
                            std::to_string(degrees) + "°" + std::to_string(minute) +
                            "', farther from the day before than Pluto moves in a day.";
                return false;
            }
        }
        previousMinutes = minutes;
        lines.emplace_back(first, 3);
    }
    if (static_cast<int32_t>(lines.size()) < lngPlutoTableLines) {
        errorText = path + " holds " + std::to_string(lines.size()) +
                    " days; the Pluto table must reach 1 January 2100 (" +
                    std::to_string(lngPlutoTableLines) + " days).";
        return false;
    }
    strPlutoLine.swap(lines);
    return true;
}

std::string PlutoDataErrorMessage(const std::string& errorText) {
    return errorText + "\nError when reading geocentric Pluto data.";
}

std::string PlutoDataErrorTitle() {
    return "Read Pluto Data";
}

double PlutoTableEntry(int32_t i) {
    if (i < 0 || static_cast<std::size_t>(i) >= strPlutoLine.size())
        return -1;
    const std::string& line = strPlutoLine[i];
    if (line.size() < 3)
        return -1;
    return DecodePlutoLine(line.data(), i);
}

double PlutoLongitude(double jd) {
    int32_t day = 0;
    double fraction = 0;
    const double code = CoveredDay(jd, day, fraction);
    if (code != 0)
        return code;
    const int32_t i = day - lngFirstCoveredJDN;
    double p0 = PlutoTableEntry(i);
    double p1 = PlutoTableEntry(i + 1);
    if (p0 < 0 || p1 < 0)
        return -1;
    if (p1 - p0 > 355) {
        p0 += 360;
    } else if (p0 - p1 > 355) {
        p1 += 360;
    }
    double degrees = p0 + fraction * (p1 - p0);
    if (degrees >= 360)
        degrees -= 360;
    return degrees / 360 * dblTurn;
}

double MoonLongitude(double jd) {
    int32_t day = 0;
    double fraction = 0;
    const double code = CoveredDay(jd, day, fraction);
    if (code != 0)
        return code;
    double latitude = 0;
    double distance = 0;
    return lunarlib::moonpos(jd - 2451545, &latitude, &distance);
}

bool PositionFailed(double L) {
    return L < 0 && L != dblBeforeRange && L != dblAfterRange;
}

double BodyLongitude(int16_t body, double jd) {
    return BodyLongitudeIn(body, jd, false);
}

double BodyLongitudeIn(int16_t body, double jd, bool blnSiderealZodiac) {
    const int16_t year = static_cast<int16_t>(DatePr2::YearOfJD(jd));
    double L;
    if (body == bodyPluto) {
        L = PlutoLongitude(jd);
    } else if (body == bodyMoon) {
        L = MoonLongitude(jd);
    } else if (body >= bodySun && body <= bodyNeptune) {
        double distance = 0;
        L = orbitlib::gc_app_long_rv_planet(kLibraryPlanet[body], jd, year, &distance);
    } else {
        return -1;
    }
    if (L >= 0 && blnSiderealZodiac) {
        L = NormalizeAngle(L - Ayanamsa(jd));
    }
    return L;
}

double Ayanamsa(double jd) {
    const int16_t year = static_cast<int16_t>(DatePr2::YearOfJD(jd));
    return kAyanamsa2000 + (year - 2000) * kAyanamsaPerYear;
}

bool IsRetrograde(int16_t body, double L, double jd, bool blnSiderealZodiac) {
    if (L < 0 || body == bodySun || body == bodyMoon)
        return false;
    const double L2 = BodyLongitudeIn(body, jd + 1.0 / 48, blnSiderealZodiac);
    if (L2 < 0)
        return false;
    // The shorter way round decides: a fall of less than half a turn, or a rise of more
    // than half a turn (a backward step across 0 degrees Aries), is retrograde motion.
    const double d = L2 - L;
    return (d < 0 && d > -dblPi) || d > dblPi;
}

}  // namespace ZDR
