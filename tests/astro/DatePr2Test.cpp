#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <string>

#include "astro/DatePr2.h"

namespace {

int32_t JDNOf(int32_t year, int month, int day) {
    datekit::EuroDateRecord rec;
    rec.Year = year;
    rec.Month = month;
    rec.Day = day;
    return DatePr2::DateToJDN(rec);
}

// A local day number with the time of day hh:mm:ss.
double LocalDay(int32_t jdn, int hours, int minutes, double seconds = 0.0) {
    return jdn + (hours * 3600 + minutes * 60 + seconds) / 86400.0;
}

// Puts the system clock back and the timezone to UTC when a test ends.
class DatePr2Clock : public ::testing::Test {
  protected:
    void TearDown() override {
        DatePr2::SetClockForTesting(nullptr);
        setenv("TZ", "UTC", 1);
        tzset();
        DatePr2::intDefaultTimezoneMinutes = 0;
    }
    static void FixClock(std::time_t t) {
        DatePr2::SetClockForTesting([t] { return t; });
    }
    static void SetZone(const char* tz) {
        setenv("TZ", tz, 1);
        tzset();
    }
};

}  // namespace

TEST(DatePr2, DateSetChecksGiveTheirCodesInOrder) {
    using DatePr2::DateSetToJD;
    EXPECT_EQ(DateSetToJD("", 1, 1, 25, 0), -1);
    EXPECT_EQ(DateSetToJD("2020", 0, 1, 25, 0), -1);
    EXPECT_EQ(DateSetToJD("2020", 1, 0, 25, 0), -1);
    EXPECT_EQ(DateSetToJD("2020", -1, 1, 25, 0), -1);  // a box with nothing selected
    EXPECT_EQ(DateSetToJD("   ", 1, 1, 25, 0), -1);
    EXPECT_EQ(DateSetToJD("abc", 1, 1, 25, 0), -1);
    EXPECT_EQ(DateSetToJD("1900", 2, 29, 25, 0), -2);
    EXPECT_GT(DateSetToJD("2000", 2, 29, 25, 0), 0);
    EXPECT_EQ(DateSetToJD("2021", 4, 31, 25, 0), -2);
    EXPECT_EQ(DateSetToJD("2021", 13, 1, 25, 0), -2);
    EXPECT_EQ(DateSetToJD("0", 1, 1, 25, 0), -3);
    EXPECT_EQ(DateSetToJD("-44", 1, 1, 25, 0), -3);
    EXPECT_GT(DateSetToJD("1", 1, 1, 1, 0), 0);
    EXPECT_GT(DateSetToJD("2799", 12, 31, 48, 0), 0);
    EXPECT_EQ(DateSetToJD("2800", 1, 1, 1, 0), -4);
    EXPECT_EQ(DateSetToJD("2800", 2, 30, 1, 0), -4);  // the year is checked before the date
    EXPECT_EQ(DateSetToJD("99999999999999999999", 1, 1, 25, 0), -4);
    EXPECT_EQ(DateSetToJD("-99999999999999999999", 1, 1, 25, 0), -3);
    EXPECT_EQ(DatePr2::DateSetToLocalDay("1900", 2, 29, 25), -2);
    EXPECT_EQ(DatePr2::DateSetToLocalDay("2800", 1, 1, 25), -4);
}

TEST(DatePr2, YearTextIsReadAsATypedNumber) {
    int32_t year = 0;
    ASSERT_TRUE(DatePr2::YearOfText("  2020abc", year));
    EXPECT_EQ(year, 2020);
    ASSERT_TRUE(DatePr2::YearOfText("+7", year));
    EXPECT_EQ(year, 7);
    ASSERT_TRUE(DatePr2::YearOfText("99999999999999999999", year));
    EXPECT_EQ(year, std::numeric_limits<int32_t>::max());
    EXPECT_FALSE(DatePr2::YearOfText("x2020", year));
    EXPECT_FALSE(DatePr2::YearOfText("-", year));
    EXPECT_EQ(DatePr2::DateSetToJD("2020abc", 1, 7, 25, 0),
              DatePr2::DateSetToJD("2020", 1, 7, 25, 0));
}

TEST(DatePr2, HalfHourIndexAndZoneMoveTheJD) {
    const int32_t jdn = JDNOf(2020, 1, 7);
    EXPECT_DOUBLE_EQ(DatePr2::DateSetToJD("2020", 1, 7, 1, 0), jdn - 0.5);
    EXPECT_DOUBLE_EQ(DatePr2::DateSetToJD("2020", 1, 7, 48, 0), jdn - 0.5 + 23.5 / 24.0);
    EXPECT_DOUBLE_EQ(DatePr2::DateSetToJD("2020", 1, 7, 1, 60), jdn - 0.5 - 60 / 1440.0);
    EXPECT_DOUBLE_EQ(DatePr2::DateSetToJD("2020", 1, 7, 25, -330), jdn + 330 / 1440.0);
    EXPECT_DOUBLE_EQ(DatePr2::DateSetToJD("2020", 1, 7, 0, 0), jdn);  // no hour counts as noon
    EXPECT_DOUBLE_EQ(DatePr2::DateSetToJD("2020", 1, 7, 49, 0), jdn);
    EXPECT_DOUBLE_EQ(DatePr2::DateSetToLocalDay("2020", 1, 7, 48), jdn + 23.5 / 24.0);
    EXPECT_EQ(std::floor(DatePr2::DateSetToLocalDay("2020", 1, 7, 1)), jdn);
}

TEST(DatePr2, LocalClockArithmetic) {
    const int32_t jdn = JDNOf(2020, 1, 7);
    EXPECT_DOUBLE_EQ(DatePr2::LocalClockToJD(2020, 1, 7, 0, 0, 0, 0), jdn - 0.5);
    EXPECT_DOUBLE_EQ(DatePr2::LocalClockToJD(2020, 1, 7, 12, 0, 0, 0), jdn);
    // 01:30:36 at GMT+2:00 is 23:30:36 UT of the day before.
    EXPECT_DOUBLE_EQ(DatePr2::LocalClockToJD(2020, 1, 7, 1, 30, 36, 120),
                     jdn - 1 + (23 * 3600 + 30 * 60 + 36) / 86400.0 - 0.5);
}

TEST_F(DatePr2Clock, NowReadsTheGivenClockInItsZone) {
    const std::time_t t = 1578400236;  // 2020-01-07 12:30:36 UT
    const double dblJD = 2440587.5 + t / 86400.0;
    FixClock(t);
    EXPECT_NEAR(DatePr2::NowAsJD(), dblJD, 1e-9);
    EXPECT_EQ(DatePr2::LocalTimezoneMinutes(), 0);

    SetZone("<+0545>-5:45");
    EXPECT_NEAR(DatePr2::NowAsJD(), dblJD, 1e-9);
    EXPECT_EQ(DatePr2::LocalTimezoneMinutes(), 345);
    DatePr2::InitialiseDatePr2();
    EXPECT_EQ(DatePr2::intDefaultTimezoneMinutes, 330);
    EXPECT_EQ(DatePr2::TimezoneList(false)[DatePr2::DefaultTimezoneIndex(330)].strText, "GMT+5:30");

    SetZone("<-0330>3:30");
    DatePr2::InitialiseDatePr2();
    EXPECT_EQ(DatePr2::intDefaultTimezoneMinutes, -210);
    EXPECT_NEAR(DatePr2::NowAsJD(), dblJD, 1e-9);
}

TEST(DatePr2, RoundToHalfHourBoundaries) {
    const int32_t d = JDNOf(2020, 1, 7);
    struct Case {
        int h, m, s, wantDayShift, wantSlot;
    };
    const Case cases[] = {
        {10, 15, 0, 0, 20}, {10, 15, 29, 0, 20}, {10, 15, 30, 0, 21}, {10, 16, 0, 0, 21},
        {10, 45, 0, 0, 21}, {10, 46, 0, 0, 22},  {0, 1, 0, 0, 0},     {23, 45, 0, 0, 47},
        {23, 46, 0, 1, 0},  {23, 59, 59, 1, 0},  {12, 0, 0, 0, 24},
    };
    for (const Case& c : cases) {
        double x = LocalDay(d, c.h, c.m, c.s);
        DatePr2::RoundToHalfHour(x);
        EXPECT_DOUBLE_EQ(x, d + c.wantDayShift + c.wantSlot / 48.0)
            << c.h << ":" << c.m << ":" << c.s;
    }
    double whole = d;
    DatePr2::RoundToHalfHour(whole);
    EXPECT_EQ(whole, d);
    double notANumber = std::nan("");
    DatePr2::RoundToHalfHour(notANumber);
    EXPECT_TRUE(std::isnan(notANumber));
}

TEST(DatePr2, NowOnTheGridMovesToTheLocalDay) {
    const int32_t jdn = JDNOf(2020, 1, 7);
    // 22:50 UT is 23:50 at GMT+1:00, which is 00:00 of the next local day.
    const double jd = jdn - 0.5 + (22 * 60 + 50) / 1440.0;
    EXPECT_DOUBLE_EQ(DatePr2::NowOnHalfHourGrid(jd, 60), jdn + 1);
    // 05:20 UT at GMT-3:30 is 01:50 local, on the grid 02:00.
    const double jd2 = jdn - 0.5 + (5 * 60 + 20) / 1440.0;
    EXPECT_DOUBLE_EQ(DatePr2::NowOnHalfHourGrid(jd2, -210), jdn + 4 / 48.0);
}

TEST(DatePr2, DayFractionToTimeText) {
    using DatePr2::DayFractionToTimeText;
    EXPECT_EQ(DayFractionToTimeText(0.5, false), "12:00");
    EXPECT_EQ(DayFractionToTimeText(0.0, true), "00:00:00");
    EXPECT_EQ(DayFractionToTimeText(0.999999999, true), "23:59:59");
    EXPECT_EQ(DayFractionToTimeText(std::nextafter(1.0, 0.0), true), "23:59:59");
    EXPECT_EQ(DayFractionToTimeText(1.0, false), "XX:XX:XX");
    EXPECT_EQ(DayFractionToTimeText(-1e-12, false), "XX:XX:XX");
    EXPECT_EQ(DayFractionToTimeText(std::nan(""), false), "XX:XX:XX");
    // Fractions taken from day numbers fall a hair short of the grid; they still read true.
    const double d = JDNOf(2020, 1, 7);
    for (int slot = 0; slot < 48; ++slot) {
        const double x = d + slot / 48.0;
        const std::string want = (slot / 2 < 10 ? "0" : "") + std::to_string(slot / 2) +
                                 (slot % 2 ? ":30:00" : ":00:00");
        EXPECT_EQ(DayFractionToTimeText(x - std::floor(x), true), want);
    }
}

TEST(DatePr2, DateTextsInBothLanguages) {
    const int32_t jdn = JDNOf(2020, 1, 7);
    EXPECT_EQ(DatePr2::JDNToLongDateText(jdn, false, 0), "January 7, 2020");
    EXPECT_EQ(DatePr2::JDNToLongDateText(jdn, true, 0), "Jan. 7, 2020");
    EXPECT_EQ(DatePr2::JDNToLongDateText(jdn, false, 1), "7.Januar 2020");
    EXPECT_EQ(DatePr2::JDNToLongDateText(jdn, true, 1), "7.Jan. 2020");
    EXPECT_EQ(DatePr2::JDNToLongDateText(jdn, false, 2), "January 7, 2020");
    EXPECT_EQ(DatePr2::JDNToLongDateText(JDNOf(2020, 3, 15), true, 1), "15.März 2020");
    EXPECT_EQ(DatePr2::JDNToLongDateText(JDNOf(9999, 9, 1), true, 0), "Sept. 1, 9999");
    EXPECT_EQ(DatePr2::JDNToLongDateText(JDNOf(12345, 10, 3), false, 0), "October 3, 12,345");
    EXPECT_EQ(DatePr2::JDNToLongDateText(JDNOf(12345, 10, 3), true, 1), "3.Okt. 12.345");
    EXPECT_EQ(DatePr2::WeekdayName(jdn, 0), "Tuesday");
    EXPECT_EQ(DatePr2::WeekdayName(jdn + 5, 1), "Sonntag");
    datekit::EuroDateRecord rec;
    rec.Year = 2020;
    rec.Month = 1;
    rec.Day = 7;
    EXPECT_EQ(DatePr2::DateToNumericText(rec), "2020-01-07");
    rec.Year = 5;
    rec.Month = 11;
    EXPECT_EQ(DatePr2::DateToNumericText(rec), "5-11-07");
    EXPECT_EQ(DatePr2::DateToIsoText(rec), "0005-11-07");
    rec.Year = 2799;
    EXPECT_EQ(DatePr2::DateToIsoText(rec), "2799-11-07");
    EXPECT_EQ(DatePr2::MonthName(0, false, 0), "");
    EXPECT_EQ(DatePr2::MonthName(13, true, 1), "");
    EXPECT_EQ(DatePr2::MonthName(12, true, 1), "Dez.");
}

TEST(DatePr2, LeapYearsAndMonthLengths) {
    EXPECT_FALSE(DatePr2::IsLeapYear(1900, 'G'));
    EXPECT_TRUE(DatePr2::IsLeapYear(1900, 'J'));
    EXPECT_TRUE(DatePr2::IsLeapYear(2000, 'G'));
    EXPECT_TRUE(DatePr2::IsLeapYear(2024, 'G'));
    EXPECT_FALSE(DatePr2::IsLeapYear(2023, 'J'));
    EXPECT_FALSE(DatePr2::IsLeapYear(-100, 'G'));
    EXPECT_EQ(DatePr2::DaysInMonth(2, 1900), 28);
    EXPECT_EQ(DatePr2::DaysInMonth(2, 2000), 29);
    EXPECT_EQ(DatePr2::DaysInMonth(9, 2000), 30);
    EXPECT_EQ(DatePr2::DaysInMonth(12, 2000), 31);
    EXPECT_EQ(DatePr2::DaysInMonth(0, 2000), 0);
    EXPECT_EQ(DatePr2::DaysInMonth(13, 2000), 0);
    EXPECT_EQ(DatePr2::YearOfJD(DatePr2::DateSetToJD("2799", 12, 31, 48, 0)), 2799);
}

TEST(DatePr2, PaddingCountsCharacters) {
    EXPECT_EQ(DatePr2::PadLeft("7", 3, "0"), "007");
    EXPECT_EQ(DatePr2::PadRight("ab", 4, "-x"), "ab--");
    EXPECT_EQ(DatePr2::PadLeft("März", 6, " "), "  März");
    EXPECT_EQ(DatePr2::PadRight("a", 3, "ä"), "aää");
    EXPECT_EQ(DatePr2::PadLeft("12345", 3, "0"), "12345");
    EXPECT_EQ(DatePr2::PadLeft("12", -1, "0"), "12");
    EXPECT_EQ(DatePr2::PadRight("12", 5, ""), "12");
}

TEST(DatePr2, TimezoneListTextsAndOffsets) {
    const auto plain = DatePr2::TimezoneList(false);
    const auto american = DatePr2::TimezoneList(true);
    ASSERT_EQ(plain.size(), 48u);
    ASSERT_EQ(american.size(), 48u);
    struct Case {
        int index;
        const char* text;
        const char* americanText;
        int minutes;
    };
    const Case cases[] = {
        {0, "", "", 0},
        {1, "GMT-11:30", "GMT-11:30", -690},
        {4, "GMT-10:00", "HAST", -600},
        {17, "GMT-3:30", "NST", -210},
        {19, "GMT-2:30", "NDT", -150},
        {23, "GMT-0:30", "GMT-0:30", -30},
        {24, "GMT", "GMT", 0},
        {25, "GMT+0:30", "GMT+0:30", 30},
        {26, "GMT+1:00", "GMT+1:00", 60},
        {47, "GMT+11:30", "GMT+11:30", 690},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(plain[c.index].strText, c.text) << c.index;
        EXPECT_EQ(american[c.index].strText, c.americanText) << c.index;
        EXPECT_EQ(plain[c.index].intMinutes, c.minutes) << c.index;
        EXPECT_EQ(american[c.index].intMinutes, c.minutes) << c.index;
    }
    int renamed = 0;
    for (int i = 0; i < 48; ++i) {
        if (plain[i].strText != american[i].strText)
            ++renamed;
    }
    EXPECT_EQ(renamed, 10);
    EXPECT_EQ(american[8].strText, "PST/AKDT");
}

TEST(DatePr2, DefaultTimezoneIndex) {
    EXPECT_EQ(DatePr2::DefaultTimezoneIndex(0), 24);
    EXPECT_EQ(DatePr2::DefaultTimezoneIndex(60), 26);
    EXPECT_EQ(DatePr2::DefaultTimezoneIndex(-690), 1);
    EXPECT_EQ(DatePr2::DefaultTimezoneIndex(690), 47);
    EXPECT_EQ(DatePr2::DefaultTimezoneIndex(345), 0);
    EXPECT_EQ(DatePr2::DefaultTimezoneIndex(720), 0);
}
