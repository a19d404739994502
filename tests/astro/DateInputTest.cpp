#include <gtest/gtest.h>

#include "astro/DateInput.h"

using DatePr2::DateSetInput;

namespace {

DateSetInput Set(const std::string& year, int month, int day, int hour = 0, int zone = 0) {
    DateSetInput set;
    set.strYearText = year;
    set.intMonthIndex = static_cast<int16_t>(month);
    set.intDayIndex = static_cast<int16_t>(day);
    set.intHourIndex = static_cast<int16_t>(hour);
    set.intTimezoneIndex = static_cast<int16_t>(zone);
    return set;
}

// 7 January 2020 is JDN 2458856; its 0h UT is JD 2458855.5.
constexpr double kJan7Midnight = 2458855.5;

TEST(DateInput, TheYearKeepsOnlyItsDigits) {
    EXPECT_EQ(DatePr2::YearDigits("-44"), "44");
    EXPECT_EQ(DatePr2::YearDigits("2 0 2 0"), "2020");
    EXPECT_EQ(DatePr2::YearDigits("abc"), "");
    EXPECT_EQ(DatePr2::YearDigits("+1,999 AD"), "1999");

    DateSetInput set = Set(" 2 0 2 0", 1, 7, 1, 24);
    EXPECT_DOUBLE_EQ(DatePr2::InputDateToAJDate(set, 0), kJan7Midnight);
    EXPECT_EQ(set.strYearText, "2020");

    set = Set("-44", 3, 15, 1, 24);
    EXPECT_GT(DatePr2::InputDateToAJDate(set, 0), 1737000.0);  // 44 AD, not 44 BC
    EXPECT_EQ(set.strYearText, "44");

    set = Set("abc", 1, 7);
    EXPECT_EQ(DatePr2::InputDateToAJDate(set, 26), -1.0);
    EXPECT_EQ(set.strYearText, "");
}

TEST(DateInput, IncompleteImpossibleAndOutOfRangeDates) {
    DateSetInput set = Set("2020", 0, 7);
    EXPECT_EQ(DatePr2::InputDateToAJDate(set, 26), -1.0);
    set = Set("2020", 1, 0);
    EXPECT_EQ(DatePr2::InputDateToAJDate(set, 26), -1.0);
    set = Set("2020", 2, 30);
    EXPECT_EQ(DatePr2::InputDateToAJDate(set, 26), -2.0);
    set = Set("2800", 2, 30);
    EXPECT_EQ(DatePr2::InputDateToAJDate(set, 26), -4.0) << "too late before no such date";
    set = Set("0", 1, 1);
    EXPECT_EQ(DatePr2::InputDateToAJDate(set, 26), -3.0);
    set = Set("2799", 12, 31, 48, 47);
    EXPECT_NEAR(DatePr2::InputDateToAJDate(set, 26), 2743738.0, 1e-6);

    // No defaults are filled in for a date that fails.
    set = Set("2020", 2, 30);
    DatePr2::InputDateToAJDate(set, 26);
    EXPECT_EQ(set.intHourIndex, 0);
    EXPECT_EQ(set.intTimezoneIndex, 0);
}

TEST(DateInput, EmptyHourIsNoonAndEmptyZoneThePcZone) {
    DateSetInput set = Set("2020", 1, 7);
    // GMT+1:00 is entry 26.
    EXPECT_DOUBLE_EQ(DatePr2::InputDateToAJDate(set, 26), kJan7Midnight + 0.5 - 1.0 / 24);
    EXPECT_EQ(set.intHourIndex, 25);
    EXPECT_EQ(set.intTimezoneIndex, 26);

    // The PC's zone not in the list: the box stays empty and counts as GMT.
    set = Set("2020", 1, 7);
    EXPECT_DOUBLE_EQ(DatePr2::InputDateToAJDate(set, 0), kJan7Midnight + 0.5);
    EXPECT_EQ(set.intTimezoneIndex, 0);
    set = Set("2020", 1, 7);
    EXPECT_DOUBLE_EQ(DatePr2::InputDateToAJDate(set, 48), kJan7Midnight + 0.5);
    EXPECT_EQ(set.intTimezoneIndex, 0);

    // A chosen hour and zone stay: 23:30 at GMT-11:30 (entry 1) is 11:00 UT next day.
    set = Set("2020", 1, 7, 48, 1);
    EXPECT_DOUBLE_EQ(DatePr2::InputDateToAJDate(set, 26), kJan7Midnight + 1 + 11.0 / 24);
    EXPECT_EQ(set.intHourIndex, 48);
    EXPECT_EQ(set.intTimezoneIndex, 1);
    set = Set("2020", 1, 7, 1, 47);  // 00:00 at GMT+11:30
    EXPECT_DOUBLE_EQ(DatePr2::InputDateToAJDate(set, 26), kJan7Midnight - 11.5 / 24);
}

TEST(DateInput, LocalDayIgnoresTheZone) {
    DateSetInput set = Set("x2020", 1, 7, 0, 0);
    EXPECT_DOUBLE_EQ(DatePr2::InputDateToLocalDay(set), 2458856.5);
    EXPECT_EQ(set.strYearText, "2020");
    EXPECT_EQ(set.intHourIndex, 25);
    EXPECT_EQ(set.intTimezoneIndex, 0);
    set = Set("2020", 1, 7, 3, 30);
    EXPECT_DOUBLE_EQ(DatePr2::InputDateToLocalDay(set), 2458856.0 + 1.0 / 24);
    set = Set("2020", 4, 31, 0);
    EXPECT_EQ(DatePr2::InputDateToLocalDay(set), -2.0);
    EXPECT_EQ(set.intHourIndex, 0);
}

TEST(DateInput, TimeTextsOnTheHalfHourGrid) {
    const struct {
        const char* text;
        int16_t index;
    } kCases[] = {{"00:00", 1},  {"0:30", 2},  {"12:00", 25}, {"7:30", 16}, {"23:30", 48},
                  {"24:00", 0},  {"12:15", 0}, {"12:3", 0},   {"12", 0},    {":30", 0},
                  {"012:00", 0}, {"+1:00", 0}, {"1a:00", 0},  {"", 0},      {"12:300", 0}};
    for (const auto& c : kCases)
        EXPECT_EQ(DatePr2::HalfHourIndex(c.text), c.index) << c.text;
    // Every entry's text leads back to its entry; the empty entry and no entry have none.
    for (int16_t entry = 1; entry <= 48; ++entry)
        EXPECT_EQ(DatePr2::HalfHourIndex(DatePr2::HalfHourText(entry)), entry);
    EXPECT_EQ(DatePr2::HalfHourText(1), "00:00");
    EXPECT_EQ(DatePr2::HalfHourText(48), "23:30");
    EXPECT_EQ(DatePr2::HalfHourText(0), "");
    EXPECT_EQ(DatePr2::HalfHourText(49), "");
}

// The Now action: the moment on the PC's clock, on the half-hour grid.
TEST(DateInput, TheDateSetOfAMoment) {
    const struct {
        double jd;
        int tzMinutes;
        const char* year;
        int16_t month, day, hour;
    } kCases[] = {
        {2460380.4077546, 0, "2024", 3, 10, 45},     // 2024-03-10 21:47:10 UT -> 22:00
        {2460380.4077546, 60, "2024", 3, 10, 47},    // 22:47:10 at +1:00 -> 23:00
        {2460380.4930556, 0, "2024", 3, 11, 1},      // 23:50 -> 00:00 of the next day
        {2460380.4930556, -330, "2024", 3, 10, 38},  // 18:20 at -5:30 -> 18:30
        {2451544.5, 0, "2000", 1, 1, 1},             // midnight
    };
    for (const auto& c : kCases) {
        const DateSetInput set = DatePr2::DateSetOfMoment(c.jd, c.tzMinutes, 26);
        EXPECT_EQ(set.strYearText, c.year) << c.jd;
        EXPECT_EQ(set.intMonthIndex, c.month) << c.jd;
        EXPECT_EQ(set.intDayIndex, c.day) << c.jd;
        EXPECT_EQ(set.intHourIndex, c.hour) << c.jd << " " << c.tzMinutes;
        EXPECT_EQ(set.intTimezoneIndex, 26);
    }
}

}  // namespace
