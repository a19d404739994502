// zodarc-cli with places: the place command, the place options of the date sets and their
// messages. The clock times themselves are checked against zoneinfo by
// tests/places/zoneinfo_check.py.
#include <gtest/gtest.h>

#include <string>

#include "tests/cli/CliRunner.h"

namespace {

using CliRunner::Holds;

struct Case {
    const char* strArgs;
    int intExit;
    const char* strOut;  // a piece of standard output, or ""
    const char* strErr;  // a piece of standard error, or ""
};

const Case kCases[] = {
    {"place München", 0, "Munich, Bavaria, Germany  Europe/Berlin  48.1374  11.5755", ""},
    {"place wien --language de", 0, "Wien, Wien, Österreich  Europe/Vienna", ""},
    {"place 'Springfield, Illinois' --json", 0,
     "[{\"name\": \"Springfield\", \"region\": \"Illinois\", \"country\": \"United States of "
     "America\", \"country_code\": \"US\", \"zone\": \"America/Chicago\", \"latitude\": "
     "39.80172, \"longitude\": -89.64371, \"population\": 116565}]",
     ""},
    {"place Xyzzyq", 1, "", "no place named 'Xyzzyq'"},
    {"place", 2, "", "a NAME is needed"},
    {"positions --date 1879-03-14 --time 11:30 --place Ulm", 0,
     "Ulm, Baden-Württemberg, Germany, Europe/Berlin, LMT, UT+0:39:58",
     "--place 'Ulm': Ulm, Baden-Württemberg, Germany (Europe/Berlin); 0 other places"},
    {"positions --date 2000-01-01 --time 12:07 --place Springfield --json", 0,
     "\"zone\": \"America/Chicago\"}, \"ut\": \"2000-01-01T18:07:00\", \"offset\": \"-06:00\", "
     "\"abbreviation\": \"CST\"",
     "Springfield, Missouri, United States of America (America/Chicago); 7 other places"},
    {"positions --date 2000-01-01 --time 12:00 --place Xyzzyq", 2, "", "no such place in the atlas"},
    {"positions --date 2000-01-01 --place Ulmm", 2, "", "places of similar names:\n  Ulm, Baden-Württemberg, Germany\n  Neu-Ulm"},
    {"positions --date 2000-01-01 --time 12:07", 2, "", "a minute off the half-hour grid needs a place"},
    {"positions --date 2000-01-01 --dst yes", 2, "", "--dst needs a place"},
    {"positions --date 2000-01-01 --lat 48 --lon 10", 2, "", "--lat, --lon and --tz go together"},
    {"positions --date 2000-01-01 --lat 48 --lon 10 --tz Europe/Berlin --place Ulm", 2, "",
     "--place cannot be combined"},
    {"positions --date 2000-01-01 --lat -90.5 --lon 10 --tz UTC", 2, "",
     "expected degrees -90 to 90"},
    {"positions --date 2000-01-01 --lat 48 --lon 181 --tz UTC", 2, "",
     "expected degrees -180 to 180"},
    {"positions --date 2000-01-01 --lat 48 --lon 10 --tz Mars/Olympus", 2, "",
     "no such zone in the system's zone data"},
    {"positions --date 2021-10-31 --time 02:30 --lat 48 --lon 10 --tz Europe/Berlin", 2, "",
     "world date: the clock time exists twice that day in Europe/Berlin: the offset changed "
     "from CEST, UT+2:00 to CET, UT+1:00; choose --dst yes"},
    {"positions --date 2021-10-31 --time 02:30 --lat 48 --lon 10 --tz Europe/Berlin --dst yes",
     0, "JD 2459518.520833 (UT)", ""},
    {"table --mode natal1 --birth1-date 2021-03-28 --birth1-time 02:15 --birth1-place Berlin", 2,
     "", "1st birthdate: the clock time does not exist that day in Europe/Berlin"},
    {"table --mode natal1 --birth1-date 2021-03-28 --birth1-time 02:15 --birth1-place Berlin "
     "--birth1-dst no",
     0, "", ""},
    {"table --mode natal1 --birth1-date 2021-03-28 --birth1-time 02:15", 2, "",
     "--birth1-time: a minute off the half-hour grid needs a place"},
};

TEST(PlaceCli, Cases) {
    for (const Case& c : kCases) {
        const CliRunner::CliRun run = CliRunner::Cli(c.strArgs);
        EXPECT_EQ(run.intExit, c.intExit) << c.strArgs << "\n" << run.strErr;
        EXPECT_TRUE(Holds(run.strOut, c.strOut)) << c.strArgs << "\n" << run.strOut;
        EXPECT_TRUE(Holds(run.strErr, c.strErr)) << c.strArgs << "\n" << run.strErr;
    }
}

}  // namespace

namespace {

const Case kHouseCases[] = {
    {"houses --date 1879-03-14 --time 11:30 --place Ulm --json", 0,
     "{\"system\": \"placidus\", \"fallback\": null, \"jd\": 2407422.951412, \"ascendant\": "
     "101.644",
     ""},
    {"houses --date 1879-03-14 --time 11:30 --place Ulm --language de", 0,
     "Häuser: Placidus\nAszendent: 11 Kre 39\nHimmelsmitte: 12 Fis 50\nHaus 1: 11 Kre 39", ""},
    {"houses --jd 2451545 --lat 75 --lon 10 --tz UTC --house-system koch --json", 0,
     "\"system\": \"koch\", \"fallback\": \"porphyry\"", ""},
    {"houses --jd 2451545 --lat 75 --lon 10 --tz UTC --house-system koch", 0,
     "Houses: Porphyry\nKoch houses are not defined at this latitude; Porphyry houses are shown "
     "instead.\n",
     ""},
    {"houses --date 2000-01-01 --place Ulm --house-system whole-sign --json", 0,
     "\"cusps\": [0.000000, 30.000000, 60.000000", ""},
    {"houses --date 2000-01-01", 2, "", "houses need a place"},
    {"report --mode natal1 --birth1-date 1879-03-14 --birth1-time 11:30 --birth1-place Ulm "
     "--house-system equal",
     0, "\n\nHouses: Equal\nAscendant: 11 Can 39\nMidheaven: 12 Pis 50\nHouse 1: 11 Can 39\n", ""},
    {"report --mode world --date 1879-03-14 --place Ulm", 0, "", ""},
    // The local days of the world date are those of the place's clock.
    {"durations --date 2021-07-01 --time 14:07 --place Ulm", 0,
     "World transits on July 1, 2021, 14:07 (Ulm, Baden-Württemberg, Germany; CEST, UT+2:00)", ""},
    {"houses --date 2000-01-01 --place Ulm --house-system vedic", 2, "",
     "'vedic' after --house-system: expected placidus, koch"},
};

TEST(PlaceCli, Houses) {
    for (const Case& c : kHouseCases) {
        const CliRunner::CliRun run = CliRunner::Cli(c.strArgs);
        EXPECT_EQ(run.intExit, c.intExit) << c.strArgs << "\n" << run.strErr;
        EXPECT_TRUE(Holds(run.strOut, c.strOut)) << c.strArgs << "\n" << run.strOut;
        EXPECT_TRUE(Holds(run.strErr, c.strErr)) << c.strArgs << "\n" << run.strErr;
    }
}

}  // namespace
