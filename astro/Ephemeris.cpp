#include "astro/Ephemeris.h"

#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "astro/FileProc.h"
#include "astro/Positions.h"

namespace {

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;
constexpr int32_t kFlags = SEFLG_SWIEPH;  // geocentric, apparent, ecliptic of date

// Library planet number 1..9 -> planet of the ephemeris.
constexpr int32_t kPlanet[10] = {-1,         SE_MERCURY, SE_VENUS,  SE_SUN,     SE_MARS,
                                 SE_JUPITER, SE_SATURN,  SE_URANUS, SE_NEPTUNE, SE_PLUTO};

constexpr int kNumSpans = 5;
// JD at which each span's files begin (the library's own boundaries: 1 January 600 and 1200
// in the Julian calendar, 1800 and 2400 in the Gregorian).
constexpr double kSpanStart[kNumSpans] = {0, 1940207.5, 2159357.5, 2378496.5, 2597641.5};
// The probe: the dates of each file at which its bodies are checked against the library's
// analytic theory, and the disagreement in degrees beyond which a file counts as damaged.
// Over the years 1 to 2799 the theory keeps within 0.02 degrees of sound files.
constexpr int kProbeDates = 3;
constexpr double kMostDisagreement = 0.05;
// The bodies of a planets' file, heliocentric so that the Moon's file plays no part.
constexpr int32_t kFileBodies[] = {SE_MERCURY, SE_VENUS,  SE_EARTH,   SE_MARS, SE_JUPITER,
                                   SE_SATURN,  SE_URANUS, SE_NEPTUNE, SE_PLUTO};
// The first day (JDN) of year 1, and the mean length of a year in days.
constexpr double kYearOneJDN = 1721426;
constexpr double kDaysPerYear = 365.2425;
// 1 January 3300: no file of the data folder reaches it (see ResetLibrary).
constexpr double kBeyondTheFiles = 2926360.5;

// The files besides those of the spans that the library opens in its folder: the planets'
// file of a moment beyond the spans, and its Delta T tables.
const char* const kOtherLibraryFiles[] = {"sepl_30.se1", "swe_deltat.txt", "sedeltat.txt"};

orbitlib::EphemerisFile gFiles[orbitlib::intNumEphemerisFiles] = {
    {"sepl_00.se1", false, 1, 599, {}, {}, 0},     {"semo_00.se1", true, 1, 599, {}, {}, 0},
    {"sepl_06.se1", false, 600, 1199, {}, {}, 0},  {"semo_06.se1", true, 600, 1199, {}, {}, 0},
    {"sepl_12.se1", false, 1200, 1799, {}, {}, 0}, {"semo_12.se1", true, 1200, 1799, {}, {}, 0},
    {"sepl_18.se1", false, 1800, 2399, {}, {}, 0}, {"semo_18.se1", true, 1800, 2399, {}, {}, 0},
    {"sepl_24.se1", false, 2400, 2799, {}, {}, 0}, {"semo_24.se1", true, 2400, 2799, {}, {}, 0},
};

std::string strFolder;       // the folder as given, for ResetLibrary
std::string strRefusedFile;  // a special file in the folder: the library is not used
bool blnAnalytic = false;    // a position came from the analytic theory
// The library keeps its state per thread: whether it was pointed at strFolder on this one.
// A thread that used it closes its files and frees its buffers as it ends.
struct ThreadLibrary {
    bool blnPointed = false;
    ~ThreadLibrary() {
        if (blnPointed)
            swe_close();
    }
};
thread_local ThreadLibrary tlsLibrary;

int SpanOf(double jd) {
    int span = 0;
    while (span + 1 < kNumSpans && jd >= kSpanStart[span + 1])
        ++span;
    return span;
}

// Notes a trouble of a file, keeping the first words of the library on it.
void NoteTrouble(orbitlib::EphemerisFile& file, orbitlib::FileTrouble trouble,
                 const char* libraryText) {
    if (file.udtTrouble != orbitlib::FileTrouble::None)
        return;
    file.udtTrouble = trouble;
    // The library breaks its lines with line feeds and pads them with blanks: one line.
    file.strLibraryText.clear();
    for (const char* c = libraryText; *c != '\0'; ++c) {
        const bool blnSpace = *c == ' ' || *c == '\n' || *c == '\r';
        if (!blnSpace)
            file.strLibraryText += *c;
        else if (!file.strLibraryText.empty() && file.strLibraryText.back() != ' ')
            file.strLibraryText += ' ';
    }
    if (!file.strLibraryText.empty() && file.strLibraryText.back() == ' ')
        file.strLibraryText.pop_back();
}

// Points the library at strFolder again and leaves it with no file open. The position it
// computes when it is given a folder (the Moon of 2000) can leave a damaged file half read,
// after which the next failure names the wrong file and the next span fails as well; and
// after any failure the file of the span read before may be unreadable to it. A position
// beyond all files closes every file again (it fails, which is what it is for).
void ResetLibrary() {
    tlsLibrary.blnPointed = true;
    swe_set_ephe_path(strFolder.c_str());
    double xx[6];
    char serr[AS_MAXCH];
    swe_calc_ut(kBeyondTheFiles, SE_SUN, kFlags, xx, serr);
}

// Returns the path of name in strFolder.
std::string InFolder(const char* name) {
    if (strFolder.empty() || strFolder.back() == '/')
        return strFolder + name;
    return strFolder + "/" + name;
}

// Returns whether a file name stands in strFolder.
bool InFolderExists(const char* name) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::u8path(InFolder(name)), ec);
}

// Returns whether the planets' file of jd's span gives a planet by itself: Mars seen from
// the Sun, which needs no Moon.
bool PlanetsFileReads(double jd) {
    ResetLibrary();
    double xx[6];
    char serr[AS_MAXCH];
    const int32_t ret = swe_calc_ut(jd, SE_MARS, kFlags | SEFLG_HELCTR, xx, serr);
    ResetLibrary();
    return ret >= 0 && (ret & SEFLG_MOSEPH) == 0;
}

// Longitude (radians), latitude (radians) and distance (AU) of an ephemeris planet at jd
// (UT); false when the library cannot compute it. Notes what the library used: where it
// fell back on its analytic theory (its flags say so, and for the Moon also a note in serr,
// since the flags stay as asked when only the Moon's file is missing), and where it failed.
bool Compute(int32_t planet, double jd, double& lon, double& lat, double& dist) {
    if (!strRefusedFile.empty())
        return false;
    if (!tlsLibrary.blnPointed)
        ResetLibrary();
    // A position needs both files of its span; one found damaged gives none.
    const orbitlib::EphemerisFile* span = &gFiles[2 * SpanOf(jd)];
    if (span[0].udtTrouble == orbitlib::FileTrouble::Damaged ||
        span[1].udtTrouble == orbitlib::FileTrouble::Damaged)
        return false;
    double xx[6];
    char serr[AS_MAXCH];
    serr[0] = '\0';
    const int32_t ret = swe_calc_ut(jd, planet, kFlags, xx, serr);
    if (ret < 0) {
        // The library names the file it could not read; else it is the planets' file.
        orbitlib::EphemerisFile* pair = &gFiles[2 * SpanOf(jd)];
        const bool blnMoonFile = std::strstr(serr, pair[1].strName) != nullptr;
        NoteTrouble(pair[blnMoonFile ? 1 : 0], orbitlib::FileTrouble::Damaged, serr);
        ResetLibrary();
        return false;
    }
    if ((ret & SEFLG_MOSEPH) != 0 || (planet == SE_MOON && serr[0] != '\0')) {
        // Without the planets' file every body comes from the theory, and the Moon too.
        const bool blnMoonFile = (ret & SEFLG_MOSEPH) == 0;
        orbitlib::EphemerisFile& file = gFiles[2 * SpanOf(jd) + (blnMoonFile ? 1 : 0)];
        // A file once found missing is not looked for again at every position.
        if (file.udtTrouble != orbitlib::FileTrouble::Missing && InFolderExists(file.strName)) {
            // The library took a file that is there for missing: it read nonsense in one of
            // the span's files, and the planets' file tells by itself whether it is the one.
            NoteTrouble(gFiles[2 * SpanOf(jd) + (PlanetsFileReads(jd) ? 1 : 0)],
                        orbitlib::FileTrouble::Damaged, serr);
            ResetLibrary();
            return false;
        }
        blnAnalytic = true;
        NoteTrouble(file, orbitlib::FileTrouble::Missing, serr);
    }
    lon = xx[0] * kRadiansPerDegree;
    lat = xx[1] * kRadiansPerDegree;
    dist = xx[2];
    return true;
}

// Returns the JD (UT) of 1 January of year, near enough for the probe.
double ProbeYearJD(double year) {
    return kYearOneJDN - 0.5 + (year - 1) * kDaysPerYear;
}

// Returns how far (degrees) the longitude of body at jd from the files lies from that of the
// analytic theory, in the frame of flags; 0 when either gives none. A failure of the files
// is noted as Compute notes it.
double Disagreement(int32_t body, double jd, int32_t flags) {
    double xx[6];
    double theory[6];
    char serr[AS_MAXCH];
    serr[0] = '\0';
    const int32_t ret = swe_calc_ut(jd, body, kFlags | flags, xx, serr);
    if (ret < 0) {
        orbitlib::EphemerisFile* pair = &gFiles[2 * SpanOf(jd)];
        const bool blnMoonFile = std::strstr(serr, pair[1].strName) != nullptr;
        NoteTrouble(pair[blnMoonFile ? 1 : 0], orbitlib::FileTrouble::Damaged, serr);
        ResetLibrary();
        return 0;
    }
    if ((ret & SEFLG_MOSEPH) != 0 || swe_calc_ut(jd, body, SEFLG_MOSEPH | flags, theory, serr) < 0)
        return 0;
    const double d = std::fabs(std::remainder(xx[0] - theory[0], 360.0));
    return std::isfinite(d) ? d : 360.0;
}

// Notes file as damaged when disagreement (degrees) is beyond what the theory explains.
void NoteDisagreement(orbitlib::EphemerisFile& file, double disagreement) {
    if (disagreement <= kMostDisagreement || file.udtTrouble != orbitlib::FileTrouble::None)
        return;
    NoteTrouble(file, orbitlib::FileTrouble::Damaged, "");
    file.dblDisagreement = disagreement;
}

}  // namespace

namespace orbitlib {

void set_datafiles_folder(const char* folder) {
    strFolder = folder ? folder : "";
    strRefusedFile.clear();
    blnAnalytic = false;
    for (EphemerisFile& file : gFiles) {
        file.udtTrouble = FileTrouble::None;
        file.strLibraryText.clear();
        file.dblDisagreement = 0;
        if (strRefusedFile.empty() && FileProc::IsSpecialFile(InFolder(file.strName)))
            strRefusedFile = file.strName;
    }
    for (const char* name : kOtherLibraryFiles) {
        if (strRefusedFile.empty() && FileProc::IsSpecialFile(InFolder(name)))
            strRefusedFile = name;
    }
    // The library reads some of its files as soon as it is given a folder.
    if (strRefusedFile.empty())
        ResetLibrary();
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

const EphemerisFile* EphemerisFiles() {
    return gFiles;
}

std::string RefusedLibraryFile() {
    return strRefusedFile;
}

void ProbeEphemerisFiles() {
    if (!strRefusedFile.empty())
        return;
    double lon, lat, dist;
    for (int span = 0; span < kNumSpans; ++span) {
        EphemerisFile& planets = gFiles[2 * span];
        EphemerisFile& moon = gFiles[2 * span + 1];
        // The Moon is asked only in the years the program computes it.
        const int moonFirst = std::max<int>(moon.intFirstYear, ZDR::intFirstCoveredYear);
        const int moonLast = std::min<int>(moon.intLastYear, ZDR::intLastCoveredYear);
        for (int k = 0; k < kProbeDates; ++k) {
            const double at = (k + 0.5) / kProbeDates;
            const double jd = ProbeYearJD(planets.intFirstYear +
                                          at * (planets.intLastYear + 1 - planets.intFirstYear));
            // As the program asks: this notes a missing or unreadable file.
            Compute(SE_SUN, jd, lon, lat, dist);
            const double moonJD = ProbeYearJD(moonFirst + at * (moonLast + 1 - moonFirst));
            if (moonFirst <= moonLast) {
                Compute(SE_MOON, moonJD, lon, lat, dist);
                if (moon.udtTrouble == FileTrouble::None)
                    NoteDisagreement(moon, Disagreement(SE_MOON, moonJD, 0));
            }
            for (const int32_t body : kFileBodies) {
                // The Earth is found from the Moon: a damaged Moon's file moves it too.
                if (planets.udtTrouble != FileTrouble::None ||
                    (body == SE_EARTH && moon.udtTrouble == FileTrouble::Damaged))
                    continue;
                NoteDisagreement(planets, Disagreement(body, jd, SEFLG_HELCTR));
            }
        }
    }
}

bool HouseCusps(double jd, double latitude, double longitude, char system, double (&cusps)[13],
                double& ascendant, double& midheaven) {
    double ascmc[10];
    const int32_t ret = swe_houses_ex(jd, 0, latitude, longitude, system, cusps, ascmc);
    ascendant = ascmc[SE_ASC];
    midheaven = ascmc[SE_MC];
    return ret == OK;
}

bool AnalyticEphemerisUsed() {
    return blnAnalytic;
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
