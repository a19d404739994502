#include <gtest/gtest.h>

#include "astro/DateKit.h"

using datekit::EuroDateRecord;

TEST(DateKit, GregorianDayNumbersAndTheirInverse) {
    EuroDateRecord r;
    r.Year = 2000;
    r.Month = 1;
    r.Day = 1;
    EXPECT_EQ(datekit::euro_date_to_jdn(&r), 2451545);
    EXPECT_NE(r.Valid, 0);
    r.Year = 1;
    r.Month = 1;
    r.Day = 1;
    EXPECT_EQ(datekit::euro_date_to_jdn(&r), 1721426);
    r.Year = 2800;
    r.Month = 1;
    r.Day = 1;
    EXPECT_EQ(datekit::euro_date_to_jdn(&r), 2743739);
    for (int32_t jdn = 1721000; jdn < 2744000; jdn += 997) {
        EuroDateRecord back;
        back.JDN = jdn;
        datekit::jdn_to_euro_date(&back);
        EXPECT_EQ(datekit::euro_date_to_jdn(&back), jdn);
        EXPECT_NE(back.Valid, 0);
    }
}

TEST(DateKit, ImpossibleDatesAreMarkedInvalid) {
    EuroDateRecord r;
    r.Year = 1900;
    r.Month = 2;
    r.Day = 29;
    datekit::euro_date_to_jdn(&r);
    EXPECT_EQ(r.Valid, 0);
    r.Calendar = 'J';
    datekit::euro_date_to_jdn(&r);
    EXPECT_NE(r.Valid, 0);
    r.Calendar = 'G';
    r.Year = 2021;
    r.Month = 4;
    r.Day = 31;
    datekit::euro_date_to_jdn(&r);
    EXPECT_EQ(r.Valid, 0);
}

TEST(DateKit, WeekdayThousandsAndYearOfJD) {
    EXPECT_EQ(datekit::euro_day_of_week(2451545), 6);  // 1 January 2000 was a Saturday
    char buf[20];
    datekit::separate_thousands("12345", ',', buf, 20);
    EXPECT_STREQ(buf, "12,345");
    datekit::separate_thousands("-1234567", '.', buf, 20);
    EXPECT_STREQ(buf, "-1.234.567");
    datekit::separate_thousands("999", ',', buf, 20);
    EXPECT_STREQ(buf, "999");
    int32_t y = 0;
    datekit::juldat(2451544.5, "A", &y, nullptr, nullptr, nullptr);
    EXPECT_EQ(y, 2000);
    datekit::juldat(2451544.49, "A", &y, nullptr, nullptr, nullptr);
    EXPECT_EQ(y, 1999);
}
