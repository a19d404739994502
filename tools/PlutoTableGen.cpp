// zodarc-plutogen OUTPUT EPHEMERIS_FOLDER
// Writes the Pluto table: Pluto's geocentric apparent longitude of date at 0h UT of every
// day from 1 January 1600 to 1 January 2100, one line a day, rounded to the arcminute and
// encoded in three characters (CR LF line ends). The file is written beside OUTPUT and
// renamed into place; it fails rather than write positions of the analytic ephemeris.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "astro/DateKit.h"
#include "astro/Ephemeris.h"

namespace {

constexpr int32_t kFirstJDN = 2305448;  // 1 January 1600
constexpr int32_t kLines = 182623;      // through 1 January 2100
constexpr double kDegreesPerRadian = 180.0 / 3.14159265358979323846;

// The three characters of line i for a longitude of m arcminutes (0 .. 21599); false when a
// character would not be printable, non-blank ASCII.
bool EncodeLine(int32_t i, int32_t m, char out[3]) {
    const int32_t g = m / 60;  // whole degrees 0..359
    const int32_t s = g / 60;  // 60-degree step 0..5
    const int32_t codes[3] = {58 + s + i % 55, 59 + (g - 60 * s), 60 + m % 60};
    for (int k = 0; k < 3; ++k) {
        if (codes[k] <= ' ' || codes[k] > '~')
            return false;
        out[k] = static_cast<char>(codes[k]);
    }
    return true;
}

int Fail(const std::string& temp, const char* what) {
    std::fprintf(stderr, "zodarc-plutogen: %s\n", what);
    std::remove(temp.c_str());
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: zodarc-plutogen OUTPUT EPHEMERIS_FOLDER\n");
        return 2;
    }
    const std::string target = argv[1];
    const std::string temp = target + ".tmp";
    orbitlib::set_datafiles_folder(argv[2]);

    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file) {
        std::perror(temp.c_str());
        return 1;
    }
    for (int32_t i = 0; i < kLines; ++i) {
        const double jd = kFirstJDN + i - 0.5;
        int32_t year = 0;
        datekit::juldat(jd, "A", &year, nullptr, nullptr, nullptr);
        double distance = 0;
        const double L =
            orbitlib::gc_app_long_rv_planet(orbitlib::lngLibraryPluto, jd, year, &distance);
        if (L < 0) {
            std::fclose(file);
            return Fail(temp, "the ephemeris gives no position of Pluto");
        }
        int32_t m = static_cast<int32_t>(std::lround(L * kDegreesPerRadian * 60));
        if (m >= 360 * 60)
            m -= 360 * 60;  // 359°59.5' and above round to 0°0'
        char line[5] = {0, 0, 0, '\r', '\n'};
        if (!EncodeLine(i, m, line)) {
            std::fclose(file);
            return Fail(temp, "a table line would not be printable");
        }
        std::fwrite(line, 1, sizeof line, file);
    }
    const bool blnWritten = std::fflush(file) == 0 && !std::ferror(file);
    if (std::fclose(file) != 0 || !blnWritten)
        return Fail(temp, "cannot write the table");
    if (orbitlib::AnalyticEphemerisUsed()) {
        return Fail(temp, "the ephemeris files were not found; no table written");
    }
    if (std::rename(temp.c_str(), target.c_str()) != 0) {
        std::perror(target.c_str());
        return Fail(temp, "cannot rename the table into place");
    }
    return 0;
}
