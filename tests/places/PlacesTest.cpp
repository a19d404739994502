// The clock time of a place against the system's tz data (values recorded from Python's
// zoneinfo over the same zoneinfo files), the atlas search, and the codes of a place that
// cannot be used.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "astro/DatePr2.h"
#include "places/ClockTime.h"
#include "places/DatePlace.h"
#include "places/PlaceSearch.h"
#include "places/TimeZones.h"

namespace {

struct ClockCase {
    const char* strWhat;
    const char* strZone;
    double dblLongitude;
    const char* strYear;
    int16_t intMonth, intDay;
    int16_t intMinute;
    int16_t intDst;
    double dblExpected;  // the JD code, or 0 when the offset below is used
    int32_t intOffset;   // seconds east
    const char* strAbbreviation;
    const char* strUt;   // the UT of the clock time, as zoneinfo converts it
};

// From zoneinfo: datetime(..., fold=f, tzinfo=ZoneInfo(zone)).utcoffset() and tzname(),
// with the local mean time of the longitude where zoneinfo names the zone's LMT.
const ClockCase kClockCases[] = {
    {"Ulm before 1893: its own mean time", "Europe/Berlin", 9.99155, "1879", 3, 14, 11 * 60 + 30,
     0, 0, 2398, "LMT", "1879-03-14 10:50:02"},
    {"Berlin, double summer time", "Europe/Berlin", 13.41053, "1945", 6, 1, 12 * 60, 0, 0, 10800,
     "CEMT", "1945-06-01 09:00:00"},
    {"New York, summer time", "America/New_York", -74.00597, "1970", 7, 1, 12 * 60, 0, 0, -14400,
     "EDT", "1970-07-01 16:00:00"},
    {"Jalandhar, half an hour", "Asia/Kolkata", 75.57917, "1976", 12, 19, 12 * 60, 0, 0, 19800,
     "IST", "1976-12-19 06:30:00"},
    {"Istanbul 2015, summer", "Europe/Istanbul", 28.94966, "2015", 7, 1, 12 * 60, 0, 0, 10800,
     "EEST", "2015-07-01 09:00:00"},
    {"Istanbul 2015, winter", "Europe/Istanbul", 28.94966, "2015", 12, 1, 12 * 60, 0, 0, 7200,
     "EET", "2015-12-01 10:00:00"},
    {"Istanbul 2017, the new zone", "Europe/Istanbul", 28.94966, "2017", 1, 1, 12 * 60, 0, 0,
     10800, "+03", "2017-01-01 09:00:00"},
    {"Amsterdam 1930, seconds", "Europe/Amsterdam", 4.88969, "1930", 6, 1, 12 * 60, 0, 0, 4772,
     "NST", "1930-06-01 10:40:28"},
    {"skipped, asked", "Europe/Berlin", 13.41053, "2021", 3, 28, 150, Places::intDstAsk,
     Places::dblPlaceSkippedTime, 0, "", ""},
    {"skipped, summer time", "Europe/Berlin", 13.41053, "2021", 3, 28, 150, Places::intDstYes, 0,
     7200, "CEST", "2021-03-28 00:30:00"},
    {"skipped, standard time", "Europe/Berlin", 13.41053, "2021", 3, 28, 150, Places::intDstNo, 0,
     3600, "CET", "2021-03-28 01:30:00"},
    {"repeated, asked", "America/New_York", -74.00597, "2021", 11, 7, 90, Places::intDstAsk,
     Places::dblPlaceRepeatedTime, 0, "", ""},
    {"repeated, summer time", "America/New_York", -74.00597, "2021", 11, 7, 90, Places::intDstYes,
     0, -14400, "EDT", "2021-11-07 05:30:00"},
    {"repeated, standard time", "America/New_York", -74.00597, "2021", 11, 7, 90, Places::intDstNo,
     0, -18000, "EST", "2021-11-07 06:30:00"},
    // Clocks in Ulm went from its mean time to CET at 23:06:32 UT: 23:46:30 became 00:06:32.
    {"Ulm 1893, skipped into CET", "Europe/Berlin", 9.99155, "1893", 4, 1, 0, Places::intDstAsk,
     Places::dblPlaceSkippedTime, 0, "", ""},
    {"Ulm 1893, just before", "Europe/Berlin", 9.99155, "1893", 3, 31, 23 * 60 + 46, 0, 0, 2398,
     "LMT", "1893-03-31 23:06:02"},
    {"Ulm 1893, just after", "Europe/Berlin", 9.99155, "1893", 4, 1, 7, 0, 0, 3600, "CET",
     "1893-03-31 23:07:00"},
    {"a fixed zone has no mean time", "Etc/GMT-3", 100.0, "1800", 1, 1, 0, 0, 0, 10800, "+03",
     "1799-12-31 21:00:00"},
};

// The JD (UT) of "YYYY-MM-DD hh:mm:ss".
double JDOf(const std::string& ut) {
    return DatePr2::LocalClockToJD(std::stoi(ut.substr(0, 4)), std::stoi(ut.substr(5, 2)),
                                   std::stoi(ut.substr(8, 2)), std::stoi(ut.substr(11, 2)),
                                   std::stoi(ut.substr(14, 2)), std::stoi(ut.substr(17, 2)), 0);
}

TEST(ClockTime, OffsetsAsTheZoneDataHasThem) {
    for (const ClockCase& c : kClockCases) {
        SCOPED_TRACE(c.strWhat);
        DatePr2::DateSetInput set{c.strYear, c.intMonth, c.intDay, 0, 0};
        Places::DatePlace place;
        place.blnSet = true;
        place.dblLatitude = 45;
        place.dblLongitude = c.dblLongitude;
        place.strZone = c.strZone;
        place.intMinute = c.intMinute;
        place.intDst = c.intDst;
        const Places::PlaceMoment m = Places::PlaceDateToJD(set, place);
        if (c.dblExpected != 0) {
            EXPECT_EQ(m.dblJD, c.dblExpected);
            continue;
        }
        ASSERT_GE(m.intOffsetIndex, 0);
        EXPECT_EQ(m.Offset().intSeconds, c.intOffset);
        EXPECT_EQ(m.Offset().strAbbreviation, c.strAbbreviation);
        EXPECT_NEAR(m.dblJD, JDOf(c.strUt), 1e-8);
    }
}

TEST(ClockTime, OffsetTexts) {
    struct Case {
        int32_t intSeconds;
        bool blnMeanTime;
        const char* strText;
        const char* strCaption;
    };
    const Case cases[] = {{7200, false, "+02:00", "X, UT+2:00"},
                          {2398, true, "+00:39:58", "X, UT+0:39:58"},
                          {-14400, false, "-04:00", "X, UT-4:00"},
                          {19800, false, "+05:30", "X, UT+5:30"},
                          {4772, false, "+01:19:32", "X, UT+1:19:32"},
                          {-3600, true, "-01:00:00", "X, UT-1:00:00"}};
    for (const Case& c : cases) {
        EXPECT_EQ(Places::OffsetText(c.intSeconds, c.blnMeanTime), c.strText);
        Places::ClockOffset offset;
        offset.intSeconds = c.intSeconds;
        offset.blnMeanTime = c.blnMeanTime;
        offset.strAbbreviation = "X";
        EXPECT_EQ(Places::OffsetCaption(offset), c.strCaption);
    }
    EXPECT_EQ(Places::MeanTimeOffset(9.99155), 2398);  // 39 min 57.97 s
    EXPECT_EQ(Places::MeanTimeOffset(-74.00597), -17761);
}

TEST(DatePlace, PlacesThatCannotBeUsed) {
    struct Case {
        double dblLatitude, dblLongitude;
        const char* strZone;
        const char* strYear;
        double dblCode;
    };
    const Case cases[] = {
        {90.5, 0, "Europe/Berlin", "2000", Places::dblPlaceBadLatitude},
        {-91, 0, "Europe/Berlin", "2000", Places::dblPlaceBadLatitude},
        {NAN, 0, "Europe/Berlin", "2000", Places::dblPlaceBadLatitude},
        {0, 180.5, "Europe/Berlin", "2000", Places::dblPlaceBadLongitude},
        {0, 0, "Europe/Nowhere", "2000", Places::dblPlaceUnknownZone},
        {0, 0, "", "2000", Places::dblPlaceUnknownZone},
        {0, 0, "Europe/Berlin", "2800", DatePr2::dblDateTooLate},  // the date comes first
        {90, -180, "UTC", "", DatePr2::dblDateIncomplete},
    };
    for (const Case& c : cases) {
        Places::DatePlace place;
        place.blnSet = true;
        place.dblLatitude = c.dblLatitude;
        place.dblLongitude = c.dblLongitude;
        place.strZone = c.strZone;
        EXPECT_EQ(Places::PlaceDateToJD({c.strYear, 1, 1, 0, 0}, place).dblJD, c.dblCode)
            << c.strZone << " " << c.dblLatitude;
    }
}

TEST(DatePlace, NearestGridForTheFileAndTheBoxes) {
    struct Case {
        int16_t intMinute;
        int32_t intOffset;
        int16_t intHour, intZone;
    };
    const Case cases[] = {{0, 0, 1, 24},          {14 * 60 + 7, 3600, 29, 26},
                          {23 * 60 + 59, 19800, 48, 35}, {600, 2398, 21, 25},
                          {600, 13 * 3600, 21, 47},     {600, -12 * 3600, 21, 1}};
    for (const Case& c : cases) {
        int16_t hour = 0;
        int16_t zone = 0;
        Places::NearestGrid(c.intMinute, c.intOffset, hour, zone);
        EXPECT_EQ(hour, c.intHour) << c.intMinute;
        EXPECT_EQ(zone, c.intZone) << c.intOffset;
    }
}

TEST(PlaceSearch, FoldingIgnoresCaseAndAccents) {
    const std::pair<const char*, const char*> cases[] = {
        {"Zürich", "zurich"}, {"MÜNCHEN", "munchen"}, {"Straße", "strasse"},
        {"İstanbul", "istanbul"}, {"Łódź", "lodz"}, {"São Paulo", "sao paulo"},
        {"Ærøskøbing", "aeroskobing"}, {"Timișoara", "timisoara"}, {"Москва", "Москва"}};
    for (const auto& [text, folded] : cases)
        EXPECT_EQ(Places::FoldedName(text), folded);
}

TEST(PlaceSearch, EnglishAndGermanNamesLargestFirst) {
    ASSERT_GT(Places::AtlasPlaces().size(), 20000u);
    struct Case {
        const char* strTyped;
        const char* strFirstEnglish;
        const char* strFirstGerman;
    };
    const Case cases[] = {
        {"München", "Munich, Bavaria, Germany", "München, Bayern, Deutschland"},
        {"munchen", "Munich, Bavaria, Germany", "München, Bayern, Deutschland"},
        {"Köln", "Cologne, North Rhine-Westphalia, Germany",
         "Köln, Nordrhein-Westfalen, Deutschland"},
        {"Wien", "Vienna, Vienna, Austria", "Wien, Wien, Österreich"},
        {"Vienna", "Vienna, Vienna, Austria", "Wien, Wien, Österreich"},
        {"Zurich", "Zurich, Canton of Zurich, Switzerland", "Zürich, Kanton Zürich, Schweiz"},
        {"ULM", "Ulm, Baden-Württemberg, Germany", "Ulm, Baden-Württemberg, Deutschland"},
        {"Springfield, Illinois", "Springfield, Illinois, United States of America",
         "Springfield, Illinois, Vereinigte Staaten"},
    };
    for (const Case& c : cases) {
        const auto found = Places::FindPlaces(c.strTyped, 10);
        ASSERT_FALSE(found.empty()) << c.strTyped;
        EXPECT_EQ(Places::PlaceLabel(*found[0], 0), c.strFirstEnglish) << c.strTyped;
        EXPECT_EQ(Places::PlaceLabel(*found[0], 1), c.strFirstGerman) << c.strTyped;
        for (std::size_t i = 1; i < found.size(); ++i) {
            // Exact names first, each group largest first.
            if (Places::FoldedName(found[i]->strName) == Places::FoldedName(found[i - 1]->strName)) {
                EXPECT_LE(found[i]->lngPopulation, found[i - 1]->lngPopulation);
            }
        }
    }
    // Word starts: "Ulm" also finds Neu-Ulm, after Ulm.
    const auto ulm = Places::FindPlaces("Ulm", 10);
    ASSERT_GE(ulm.size(), 2u);
    EXPECT_EQ(ulm[1]->strName, "Neu-Ulm");
    EXPECT_TRUE(Places::FindPlaces("Xyzzyq", 10).empty());
    EXPECT_TRUE(Places::FindPlaces("", 10).empty());
}

TEST(PlaceSearch, ExactNamesForTheCommandLine) {
    struct Case {
        const char* strName;
        std::size_t intCount;  // 0: none; else at least this many
        const char* strRegion;
    };
    const Case cases[] = {{"Springfield", 5, "Missouri"},
                          {"Springfield, Illinois", 1, "Illinois"},
                          {"springfield, il", 1, "Illinois"},
                          {"Springfield, Germany", 0, ""},
                          {"Ulm, Deutschland", 1, "Baden-Württemberg"},
                          {"Ulm, DE", 1, "Baden-Württemberg"},
                          {"Neu", 0, ""}};
    for (const Case& c : cases) {
        const auto named = Places::PlacesNamed(c.strName);
        if (c.intCount == 0) {
            EXPECT_TRUE(named.empty()) << c.strName;
            continue;
        }
        ASSERT_GE(named.size(), c.intCount) << c.strName;
        EXPECT_EQ(named[0]->strRegion, c.strRegion) << c.strName;
    }
}

TEST(TimeZones, ZonesOfTheSystem) {
    EXPECT_TRUE(Places::ZoneKnown("Europe/Berlin"));
    EXPECT_TRUE(Places::ZoneKnown("Asia/Calcutta"));  // a link
    EXPECT_FALSE(Places::ZoneKnown("Europe/Nowhere"));
    EXPECT_FALSE(Places::ZoneKnown(""));
    const std::vector<std::string> names = Places::ZoneNames();
    EXPECT_GT(names.size(), 300u);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
}

}  // namespace
