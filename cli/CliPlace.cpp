#include "cli/CliPlace.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <vector>

#include "cli/CliCommon.h"
#include "places/PlaceSearch.h"
#include "places/TimeZones.h"
#include "text/Language.h"

namespace cli {
namespace {

const char* const kSetPrefix[3] = {"", "birth1-", "birth2-"};

// The parts of a place given by coordinates, as marked in DateSetOptions::intPlaceParts.
constexpr unsigned kLatitude = 1;
constexpr unsigned kLongitude = 2;
constexpr unsigned kZone = 4;
constexpr unsigned kDst = 8;

// At most this many candidates are listed for a name the atlas lacks.
constexpr std::size_t kCandidates = 10;
// At most this many places are listed by zodarc-cli place.
constexpr std::size_t kListed = 100;

// Degrees within -limit..limit, as a plain decimal number.
bool ParseDegrees(const std::string& value, double limit, double& degrees) {
    if (value.empty() || value.size() > 20)
        return false;
    char* end = nullptr;
    degrees = std::strtod(value.c_str(), &end);
    return *end == '\0' && std::fabs(degrees) <= limit;
}

std::string Usage(const char* command) {
    return std::string("zodarc-cli ") + command + ": ";
}

// Makes the place of one set from its options. Returns false after printing the reason.
bool ResolveSet(const char* command, const std::string& prefix, DateSetOptions& set) {
    const std::string place = "--" + prefix + "place";
    const bool blnByName = !set.strPlaceName.empty();
    const unsigned coordinates = set.intPlaceParts & (kLatitude | kLongitude | kZone);
    if (blnByName && coordinates != 0) {
        std::fprintf(stderr, "%s%s cannot be combined with --%slat, --%slon or --%stz\n",
                     Usage(command).c_str(), place.c_str(), prefix.c_str(), prefix.c_str(),
                     prefix.c_str());
        return false;
    }
    if (coordinates != 0 && coordinates != (kLatitude | kLongitude | kZone)) {
        std::fprintf(stderr, "%s--%slat, --%slon and --%stz go together\n", Usage(command).c_str(),
                     prefix.c_str(), prefix.c_str(), prefix.c_str());
        return false;
    }
    if (blnByName) {
        if (Places::AtlasPlaces().empty()) {
            std::fprintf(stderr, "%sthe atlas (libgeonames) holds no places\n",
                         Usage(command).c_str());
            return false;
        }
        const std::vector<const Places::AtlasPlace*> named = Places::PlacesNamed(set.strPlaceName);
        if (named.empty()) {
            std::fprintf(stderr, "%s%s '%s': no such place in the atlas", Usage(command).c_str(),
                         place.c_str(), set.strPlaceName.c_str());
            // The places whose names begin as the longest start of the name that any has.
            std::vector<const Places::AtlasPlace*> candidates;
            for (std::size_t length = set.strPlaceName.size(); length >= 2 && candidates.empty();
                 --length)
                candidates = Places::FindPlaces(set.strPlaceName.substr(0, length), kCandidates);
            std::fprintf(stderr, "%s\n", candidates.empty() ? "" : "; places of similar names:");
            for (const Places::AtlasPlace* p : candidates)
                std::fprintf(stderr, "  %s\n", Places::PlaceLabel(*p, Language::intEnglish).c_str());
            return false;
        }
        const Places::AtlasPlace& p = *named.front();
        set.udtPlace.strName = Places::PlaceLabel(p, Language::intEnglish);
        set.udtPlace.dblLatitude = p.dblLatitude;
        set.udtPlace.dblLongitude = p.dblLongitude;
        set.udtPlace.strZone = p.strZone;
        std::fprintf(stderr, "%s%s '%s': %s (%s); %zu other place%s of that name\n",
                     Usage(command).c_str(), place.c_str(), set.strPlaceName.c_str(),
                     set.udtPlace.strName.c_str(), p.strZone.c_str(), named.size() - 1,
                     named.size() == 2 ? "" : "s");
    } else if (coordinates != 0) {
        set.udtPlace.strName.clear();
    }
    if (blnByName || coordinates != 0)
        set.udtPlace.blnSet = true;
    if (!set.udtPlace.blnSet) {
        if ((set.intPlaceParts & kDst) != 0) {
            std::fprintf(stderr, "%s--%sdst needs a place (%s, or --%slat, --%slon, --%stz)\n",
                         Usage(command).c_str(), prefix.c_str(), place.c_str(), prefix.c_str(),
                         prefix.c_str(), prefix.c_str());
            return false;
        }
        if (set.intClockMinute >= 0 && set.udtInput.intHourIndex == 0) {
            std::fprintf(stderr,
                         "%s--%stime: a minute off the half-hour grid needs a place (%s, or "
                         "--%slat, --%slon, --%stz)\n",
                         Usage(command).c_str(), prefix.c_str(), place.c_str(), prefix.c_str(),
                         prefix.c_str(), prefix.c_str());
            return false;
        }
        return true;
    }
    set.udtPlace.intMinute = set.intClockMinute;
    return true;
}

void PrintPlacesText(const std::vector<const Places::AtlasPlace*>& places, int language) {
    for (const Places::AtlasPlace* p : places) {
        std::printf("%s  %s  %.4f  %.4f  %u\n", Places::PlaceLabel(*p, language).c_str(),
                    p->strZone.c_str(), p->dblLatitude, p->dblLongitude, p->lngPopulation);
    }
}

void PrintPlacesJson(const std::vector<const Places::AtlasPlace*>& places, int language) {
    const bool blnGerman = language == Language::intGerman;
    std::printf("[");
    for (std::size_t i = 0; i < places.size(); ++i) {
        const Places::AtlasPlace& p = *places[i];
        std::printf(
            "%s{\"name\": %s, \"region\": %s, \"country\": %s, \"country_code\": %s, "
            "\"zone\": %s, \"latitude\": %.5f, \"longitude\": %.5f, \"population\": %u}",
            i > 0 ? ", " : "", JsonString(blnGerman ? p.strNameDe : p.strName).c_str(),
            JsonString(blnGerman ? p.strRegionDe : p.strRegion).c_str(),
            JsonString(blnGerman ? p.strCountryDe : p.strCountry).c_str(),
            JsonString(p.strCountryCode).c_str(), JsonString(p.strZone).c_str(), p.dblLatitude,
            p.dblLongitude, p.lngPopulation);
    }
    std::printf("]\n");
}

const char* const kPlaceHelp =
    "Usage: zodarc-cli place NAME [--language en|de] [--json]\n"
    "Lists the places of the offline atlas whose English or German name has a word that\n"
    "begins with NAME (case and accents ignored: 'zurich' finds Zürich), exact names first,\n"
    "each group largest first, at most 100: name, region and country, zone, latitude and\n"
    "longitude in degrees (north and east positive) and population. 'NAME, REGION' or\n"
    "'NAME, COUNTRY' narrows the list.\n\n"
    "  --language en|de      names in English or German (default en)\n"
    "  --json                one JSON array: [{\"name\", \"region\", \"country\",\n"
    "                        \"country_code\", \"zone\", \"latitude\", \"longitude\",\n"
    "                        \"population\"}, ..]\n\n"
    "Exit codes: 0 places found, 1 none found or the atlas missing, 2 usage error.\n";

}  // namespace

int TakePlaceOption(const std::string& prefix, int argc, char* argv[], int& i,
                    DateSetOptions& set, std::string& error) {
    static const char* const kNames[5] = {"place", "lat", "lon", "tz", "dst"};
    for (int which = 0; which < 5; ++which) {
        const std::string name = "--" + prefix + kNames[which];
        std::string value;
        const int taken = TakeValue(name, argc, argv, i, value);
        if (taken == 0)
            continue;
        if (taken < 0) {
            error = name + " needs a value";
            return -1;
        }
        const std::string bad = name + " '" + value + "': ";
        switch (which) {
            case 0:
                if (value.empty()) {
                    error = bad + "expected a place name";
                    return -1;
                }
                set.strPlaceName = value;
                break;
            case 1:
            case 2:
                if (!ParseDegrees(value, which == 1 ? 90 : 180,
                                  which == 1 ? set.udtPlace.dblLatitude : set.udtPlace.dblLongitude)) {
                    error = bad + (which == 1 ? "expected degrees -90 to 90 (north positive)"
                                              : "expected degrees -180 to 180 (east positive)");
                    return -1;
                }
                set.intPlaceParts |= which == 1 ? kLatitude : kLongitude;
                break;
            case 3:
                if (!Places::ZoneKnown(value)) {
                    error = bad + "no such zone in the system's zone data (AREA/CITY, such as "
                                  "Europe/Berlin)";
                    return -1;
                }
                set.udtPlace.strZone = value;
                set.intPlaceParts |= kZone;
                break;
            default:
                if (value != "yes" && value != "no") {
                    error = bad + "expected yes or no";
                    return -1;
                }
                set.udtPlace.intDst = value == "yes" ? Places::intDstYes : Places::intDstNo;
                set.intPlaceParts |= kDst;
                break;
        }
        return 1;
    }
    return 0;
}

int ResolvePlaces(const char* command, CommandOptions& options) {
    for (int s = 0; s < 3; ++s) {
        if (!ResolveSet(command, kSetPrefix[s], options.udtSet[s]))
            return intExitUsage;
    }
    return -1;
}

std::string PlaceHelp(const std::string& prefix) {
    static const char* const kLines[][2] = {
        {"place NAME", "a place of the atlas, 'City', 'City, Region' or 'City,"},
        {"", "Country' (the largest of that name): the time is the"},
        {"", "clock time of that place and day, summer time and local"},
        {"", "mean time included, instead of --zone"},
        {"lat DEG", "or a place by latitude, longitude (degrees, north and"},
        {"lon DEG", "east positive) and zone of the system's zone data, as"},
        {"tz AREA/CITY", "Europe/Berlin; the three go together"},
        {"dst yes|no", "a clock time skipped or repeated by a change of offset:"},
        {"", "read with the larger offset, summer time (yes), or with"},
        {"", "the smaller (no)"}};
    return OptionHelpLines(prefix, kLines, std::size(kLines));
}

int PlaceCommand(int argc, char* argv[]) {
    std::string name;
    bool blnJson = false;
    int language = Language::intEnglish;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string value;
        const int taken = TakeValue("--language", argc, argv, i, value);
        if (taken != 0) {
            if (taken < 0 || (value != "en" && value != "de")) {
                std::fprintf(stderr, "zodarc-cli place: --language: expected en or de\n");
                return intExitUsage;
            }
            language = value == "de" ? Language::intGerman : Language::intEnglish;
        } else if (arg == "--json") {
            blnJson = true;
        } else if (arg == "--help" || arg == "-h") {
            std::printf("%s", kPlaceHelp);
            return intExitOk;
        } else if (arg.compare(0, 2, "--") == 0 || !name.empty()) {
            std::fprintf(stderr, "zodarc-cli place: unknown option '%s' (see zodarc-cli place --help)\n",
                         arg.c_str());
            return intExitUsage;
        } else {
            name = arg;
        }
    }
    if (name.empty()) {
        std::fprintf(stderr, "zodarc-cli place: a NAME is needed (see zodarc-cli place --help)\n");
        return intExitUsage;
    }
    if (Places::AtlasPlaces().empty()) {
        std::fprintf(stderr, "zodarc-cli place: the atlas (libgeonames) holds no places\n");
        return intExitFailed;
    }
    const std::vector<const Places::AtlasPlace*> places = Places::FindPlaces(name, kListed);
    if (blnJson) {
        PrintPlacesJson(places, language);
    } else {
        PrintPlacesText(places, language);
    }
    if (places.empty()) {
        std::fprintf(stderr, "zodarc-cli place: no place named '%s' in the atlas\n", name.c_str());
        return intExitFailed;
    }
    return intExitOk;
}

}  // namespace cli
