#include "astro/Ephemeris.h"

#include <swephexp.h>

#include <atomic>
#include <cstdio>
#include <string>

namespace {

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;
constexpr int32_t kFlags = SEFLG_SWIEPH;  // geocentric, apparent, ecliptic of date

// Library planet number 1..9 -> planet of the ephemeris.
constexpr int32_t kPlanet[10] = {-1,         SE_MERCURY, SE_VENUS,  SE_SUN,     SE_MARS,
                                 SE_JUPITER, SE_SATURN,  SE_URANUS, SE_NEPTUNE, SE_PLUTO};

std::string strFolder;
std::atomic<bool> blnAnalytic{false};

// Says once on standard error that the ephemeris files were not used.
void ReportAnalytic(const char* libraryText) {
    if (blnAnalytic.exchange(true))
        return;
    std::string strDetail = libraryText;
    for (char& c : strDetail) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    std::fprintf(stderr,
                 "zodarc: ephemeris files not found in '%s' (%s)\n"
                 "zodarc: positions come from the built-in analytic ephemeris, which is less "
                 "precise.\n",
                 strFolder.c_str(), strDetail.c_str());
}

// Longitude (radians), latitude (radians) and distance (AU) of an ephemeris planet at jd
// (UT); false when the library cannot compute it.
bool Compute(int32_t planet, double jd, double& lon, double& lat, double& dist) {
    double xx[6];
    char serr[AS_MAXCH];
    serr[0] = '\0';
    const int32_t ret = swe_calc_ut(jd, planet, kFlags, xx, serr);
    if (ret < 0)
        return false;
    if ((ret & SEFLG_SWIEPH) == 0)
        ReportAnalytic(serr);
    lon = xx[0] * kRadiansPerDegree;
    lat = xx[1] * kRadiansPerDegree;
    dist = xx[2];
    return true;
}

}  // namespace

namespace orbitlib {

void set_datafiles_folder(const char* folder) {
    strFolder = folder ? folder : "";
    swe_set_ephe_path(strFolder.c_str());
}

double gc_app_long_rv_planet(int32_t planet, double jd, int32_t /*year*/, double* rv) {
    double lon, lat, dist;
    if (planet < 1 || planet > 9 || !Compute(kPlanet[planet], jd, lon, lat, dist)) {
        if (rv)
            *rv = 0;
        return -1;
    }
    if (rv)
        *rv = dist;
    return lon;
}

double UniversalFromDynamicalTime(double jdTT) {
    char serr[AS_MAXCH];
    double jdUT = jdTT;
    for (int k = 0; k < 3; ++k)
        jdUT = jdTT - swe_deltat_ex(jdUT, kFlags, serr);
    return jdUT;
}

bool AnalyticEphemerisUsed() {
    return blnAnalytic.load();
}

}  // namespace orbitlib

namespace lunarlib {

double moonpos(double daysSinceJ2000, double* latitude, double* distance) {
    double lon, lat, dist;
    if (!Compute(SE_MOON, daysSinceJ2000 + 2451545.0, lon, lat, dist)) {
        if (latitude)
            *latitude = 0;
        if (distance)
            *distance = 0;
        return -1;
    }
    if (latitude)
        *latitude = lat;
    if (distance)
        *distance = dist;
    return lon;
}

}  // namespace lunarlib
