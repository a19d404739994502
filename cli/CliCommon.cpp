#include "cli/CliCommon.h"

#include <unistd.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/DateInput.h"
#include "astro/DatePr2.h"
#include "astro/Ephemeris.h"
#include "astro/Positions.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "store/StateFile.h"

namespace cli {
namespace {

bool AllDigits(const std::string& text) {
    if (text.empty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// The value of a text of one or two digits, or -1.
int SmallNumber(const std::string& text) {
    if (text.size() > 2 || !AllDigits(text))
        return -1;
    return std::atoi(text.c_str());
}

// YYYY-MM-DD, YYYY-MM or YYYY; the year may carry a sign.
bool ParseDate(const std::string& value, DateSetOptions& set) {
    std::string rest = value;
    std::string sign;
    if (!rest.empty() && (rest[0] == '-' || rest[0] == '+')) {
        sign = rest.substr(0, 1);
        rest.erase(0, 1);
    }
    std::vector<std::string> parts(1);
    for (char c : rest) {
        if (c == '-') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    const std::size_t count = parts.size();
    if (count > 3)
        return false;
    if (!AllDigits(parts[0]))
        return false;
    int month = 0;
    int day = 0;
    if (count >= 2 && (month = SmallNumber(parts[1])) < 1)
        return false;
    if (count == 3 && (day = SmallNumber(parts[2])) < 1)
        return false;
    set.strYear = sign + parts[0];
    set.intMonth = month;
    set.intDay = day;
    return true;
}

// HH:MM on the half-hour grid, 00:00 to 23:30.
bool ParseTime(const std::string& value, DateSetOptions& set) {
    const std::size_t colon = value.find(':');
    if (colon == std::string::npos)
        return false;
    const int hours = SmallNumber(value.substr(0, colon));
    const std::string minutes = value.substr(colon + 1);
    if (hours < 0 || hours > 23 || (minutes != "00" && minutes != "30"))
        return false;
    set.intHalfHour = hours * 2 + (minutes == "30" ? 1 : 0) + 1;
    return true;
}

// [GMT|UTC][+|-]H:MM, or [+|-]minutes; a zone of the list, -11:30 to +11:30 in half hours.
bool ParseZone(const std::string& value, DateSetOptions& set) {
    std::string rest = value;
    if (rest.compare(0, 3, "GMT") == 0 || rest.compare(0, 3, "UTC") == 0)
        rest.erase(0, 3);
    int sign = 1;
    if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
        sign = rest[0] == '-' ? -1 : 1;
        rest.erase(0, 1);
    } else if (rest.empty() && value.size() == 3) {
        rest = "0";  // "GMT" alone
    }
    int minutes;
    const std::size_t colon = rest.find(':');
    if (colon != std::string::npos) {
        const int h = SmallNumber(rest.substr(0, colon));
        const std::string m = rest.substr(colon + 1);
        if (h < 0 || m.size() != 2 || SmallNumber(m) < 0 || SmallNumber(m) > 59)
            return false;
        minutes = h * 60 + SmallNumber(m);
    } else {
        if (rest.size() > 4 || !AllDigits(rest))
            return false;
        minutes = std::atoi(rest.c_str());
    }
    if (minutes > 690 || minutes % 30 != 0)
        return false;
    set.intZoneMinutes = sign * minutes;
    return true;
}

bool ParseJD(const std::string& value, DateSetOptions& set) {
    if (value.empty())
        return false;
    char* end = nullptr;
    const double jd = std::strtod(value.c_str(), &end);
    if (*end != '\0' || !(std::fabs(jd) < 1e8))
        return false;
    set.dblJD = jd;
    return true;
}

// The folder of the running executable, ending in "/"; "./" when it cannot be told.
std::string ExecutableFolder() {
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return "./";
    std::string folder(path, static_cast<std::size_t>(n));
    folder.erase(folder.rfind('/') + 1);
    return folder;
}

}  // namespace

int TakeDateSetOption(const std::string& prefix, int argc, char* argv[], int& i,
                      DateSetOptions& set, std::string& error) {
    const std::string arg = argv[i];
    const std::string names[4] = {"--" + prefix + "date", "--" + prefix + "time",
                                  "--" + prefix + "zone", "--" + prefix + "jd"};
    int which = -1;
    std::string value;
    for (int k = 0; k < 4 && which < 0; ++k) {
        if (arg == names[k]) {
            if (i + 1 >= argc) {
                error = names[k] + " needs a value";
                return -1;
            }
            which = k;
            value = argv[++i];
        } else if (arg.compare(0, names[k].size() + 1, names[k] + "=") == 0) {
            which = k;
            value = arg.substr(names[k].size() + 1);
        }
    }
    if (which < 0)
        return 0;
    static const char* const kExpected[4] = {
        "YYYY-MM-DD (year 1 to 2799)", "HH:MM on the half-hour grid, 00:00 to 23:30",
        "+HH:MM, -HH:MM or minutes, a half-hour zone from -11:30 to +11:30",
        "a Julian Day in UT, e.g. 2451545.0 (at most 1e8 in size)"};
    const bool blnParsed = which == 0   ? ParseDate(value, set)
                           : which == 1 ? ParseTime(value, set)
                           : which == 2 ? ParseZone(value, set)
                                        : ParseJD(value, set);
    if (!blnParsed) {
        error = names[which] + " '" + value + "': expected " + kExpected[which];
        return -1;
    }
    if (which == 3) {
        set.blnHasJD = true;
    } else {
        set.blnHasDateParts = true;
    }
    if (set.blnHasJD && set.blnHasDateParts) {
        error =
            names[3] + " cannot be combined with " + names[0] + ", " + names[1] + " or " + names[2];
        return -1;
    }
    return 1;
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

double DateSetJD(const DateSetOptions& set) {
    if (set.blnHasJD)
        return set.dblJD;
    return DatePr2::DateSetToJD(set.strYear, set.intMonth, set.intDay, set.intHalfHour,
                                set.intZoneMinutes);
}

std::string DateSetErrorText(double code) {
    if (code == DatePr2::dblDateIncomplete)
        return "the date is incomplete (year, month and day)";
    if (code == DatePr2::dblNoSuchDate)
        return "no such date";
    if (code == DatePr2::dblDateTooEarly)
        return "the date is too early (before 1 January 1)";
    if (code == DatePr2::dblDateTooLate)
        return "the date is too late (1 January 2800 or later)";
    return "the date is invalid";
}

std::string DateSetHelp(const std::string& prefix) {
    static const char* const kLines[][2] = {
        {"date YYYY-MM-DD", "civil date, proleptic Gregorian, 0001-01-01 to 2799-12-31"},
        {"time HH:MM", "local time on the half-hour grid (default 12:00)"},
        {"zone ZONE", "zone east of Greenwich: +HH:MM, -HH:MM, GMT+H:MM or minutes,"},
        {"", "-11:30 to +11:30 in half hours (default GMT)"},
        {"jd JD", "a Julian Day in UT instead of date, time and zone"}};
    std::string help;
    for (const auto& line : kLines) {
        const std::string option = line[0][0] ? "--" + prefix + line[0] : "";
        char text[160];
        std::snprintf(text, sizeof text, "  %-21s %s\n", option.c_str(), line[1]);
        help += text;
    }
    return help;
}

const char* const strStateHelp =
    "  --state FILE          date sets, mode and configuration of a state file (zdr.usr,\n"
    "                        *.zdr); options after it change them\n";

int TakeStateOption(int argc, char* argv[], int& i, DateSetOptions (&sets)[3], int16_t& mode,
                    ZDR::ConfigOptions& config, std::string& error) {
    const std::string arg = argv[i];
    std::string path;
    if (arg == "--state") {
        if (i + 1 >= argc) {
            error = "--state needs a value";
            return -1;
        }
        path = argv[++i];
    } else if (arg.compare(0, 8, "--state=") == 0) {
        path = arg.substr(8);
    } else {
        return 0;
    }
    ZDR::StateFileData state;
    state.options = config;
    error = ZDR::ReadStateFile(path, state);
    if (!error.empty())
        return -1;
    const std::vector<DatePr2::TimezoneEntry> zones = DatePr2::TimezoneList(false);
    for (int s = 0; s < 3; ++s) {
        const DatePr2::DateSetInput& input = state.dateSets[s];
        // As the window reads its controls: the year's digits, an empty hour at 12:00.
        sets[s] = DateSetOptions();
        sets[s].strYear = DatePr2::YearDigits(input.strYearText);
        sets[s].intMonth = input.intMonthIndex;
        sets[s].intDay = input.intDayIndex;
        if (input.intHourIndex > 0)
            sets[s].intHalfHour = input.intHourIndex;
        sets[s].intZoneMinutes = zones[input.intTimezoneIndex].intMinutes;
    }
    const int option = ZDR::SelectedModeOption(state);
    // The mode codes follow the order of the file's mode options.
    mode = static_cast<int16_t>(ZDR::intModeWorldTransits + (option < 0 ? 0 : option));
    config = state.options;
    return 1;
}

bool PrepareCore(std::string& error) {
    std::string folder = ExecutableFolder();
    const std::string installed = folder + "../share/zodarc/";
    if (access((folder + "pluto.slx").c_str(), R_OK) != 0 &&
        access((installed + "pluto.slx").c_str(), R_OK) == 0) {
        folder = installed;
    }
    ZDR::strDataFolder = folder;
    orbitlib::set_datafiles_folder(folder.c_str());
    ZDR::InitialiseCatalogue();
    std::string reason;
    if (!ZDR::ReadPlutoData("pluto.slx", reason)) {
        error = ZDR::PlutoDataErrorMessage(reason);
        return false;
    }
    return true;
}

}  // namespace cli
