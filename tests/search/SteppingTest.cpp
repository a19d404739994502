// Stepping the world date: every edge of the step tables, the first and last supported
// days, and long walks checked against the day numbers of the calendar.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "astro/DateInput.h"
#include "astro/DatePr2.h"
#include "engine/Compute.h"
#include "search/Stepping.h"

namespace {

using ZDR::StepWorldDate;

// A date on the half-hour grid as the controls hold it: year, month, day, hour index.
struct StepDate {
    const char* strYear;
    int16_t intMonth;
    int16_t intDay;
    int16_t intHour;
};

DatePr2::DateSetInput SetOf(const StepDate& d) {
    DatePr2::DateSetInput set;
    set.strYearText = d.strYear;
    set.intMonthIndex = d.intMonth;
    set.intDayIndex = d.intDay;
    set.intHourIndex = d.intHour;
    set.intTimezoneIndex = 26;
    return set;
}

std::string Text(const DatePr2::DateSetInput& s) {
    return s.strYearText + "-" + std::to_string(s.intMonthIndex) + "-" +
           std::to_string(s.intDayIndex) + " h" + std::to_string(s.intHourIndex);
}

// The local day number of a date set (JDN + fraction of the day).
double LocalDay(const DatePr2::DateSetInput& s) {
    return DatePr2::DateSetToLocalDay(s.strYearText, s.intMonthIndex, s.intDayIndex,
                                      s.intHourIndex);
}

struct StepCase {
    StepDate udtFrom;
    int16_t intStep;
    bool blnBack;
    StepDate udtTo;  // the date after the step; the start date when it is rejected
    int16_t intCode;
};

constexpr int16_t H = ZDR::intStepHalfHour;
constexpr int16_t D = ZDR::intStepDay;
constexpr int16_t W = ZDR::intStepWeek;
constexpr int16_t M = ZDR::intStepMonth;
constexpr int16_t Y = ZDR::intStepYear;
constexpr bool kBack = true;
constexpr bool kForward = false;

const StepCase kStepCases[] = {
    // Half an hour, across midnight, the year and a leap day.
    {{"2000", 1, 1, 1}, H, kBack, {"1999", 12, 31, 48}, 0},
    {{"1999", 12, 31, 48}, H, kForward, {"2000", 1, 1, 1}, 0},
    {{"2000", 1, 1, 25}, H, kForward, {"2000", 1, 1, 26}, 0},
    {{"2004", 3, 1, 1}, H, kBack, {"2004", 2, 29, 48}, 0},
    {{"2004", 2, 28, 48}, H, kForward, {"2004", 2, 29, 1}, 0},
    // A day, at the ends of months and years, the leap rules of 1900 and 2000.
    {{"2000", 12, 31, 25}, D, kForward, {"2001", 1, 1, 25}, 0},
    {{"2001", 1, 1, 25}, D, kBack, {"2000", 12, 31, 25}, 0},
    {{"2004", 3, 1, 25}, D, kBack, {"2004", 2, 29, 25}, 0},
    {{"2001", 3, 1, 25}, D, kBack, {"2001", 2, 28, 25}, 0},
    {{"2004", 2, 28, 25}, D, kForward, {"2004", 2, 29, 25}, 0},
    {{"1900", 2, 28, 25}, D, kForward, {"1900", 3, 1, 25}, 0},
    {{"2000", 2, 28, 25}, D, kForward, {"2000", 2, 29, 25}, 0},
    {{"2001", 4, 30, 25}, D, kForward, {"2001", 5, 1, 25}, 0},
    // A week over the end of February, of the year, and back into February.
    {{"2001", 2, 28, 25}, W, kForward, {"2001", 3, 7, 25}, 0},
    {{"2004", 2, 28, 25}, W, kForward, {"2004", 3, 6, 25}, 0},
    {{"2001", 3, 3, 25}, W, kBack, {"2001", 2, 24, 25}, 0},
    {{"2004", 3, 3, 25}, W, kBack, {"2004", 2, 25, 25}, 0},
    {{"2001", 3, 7, 25}, W, kBack, {"2001", 2, 28, 25}, 0},
    {{"2001", 3, 8, 25}, W, kBack, {"2001", 3, 1, 25}, 0},
    {{"2001", 1, 3, 25}, W, kBack, {"2000", 12, 27, 25}, 0},
    {{"2000", 12, 28, 25}, W, kForward, {"2001", 1, 4, 25}, 0},
    {{"2001", 1, 24, 25}, W, kForward, {"2001", 1, 31, 25}, 0},
    // A month: the day kept within the new month.
    {{"2001", 1, 31, 25}, M, kForward, {"2001", 2, 28, 25}, 0},
    {{"2004", 1, 31, 25}, M, kForward, {"2004", 2, 29, 25}, 0},
    {{"2001", 3, 31, 25}, M, kForward, {"2001", 4, 30, 25}, 0},
    {{"2001", 3, 31, 25}, M, kBack, {"2001", 2, 28, 25}, 0},
    {{"2001", 1, 15, 25}, M, kBack, {"2000", 12, 15, 25}, 0},
    {{"2000", 12, 15, 25}, M, kForward, {"2001", 1, 15, 25}, 0},
    {{"2001", 12, 31, 25}, M, kForward, {"2002", 1, 31, 25}, 0},
    // A year: 29 February becomes 28 February.
    {{"2004", 2, 29, 25}, Y, kBack, {"2003", 2, 28, 25}, 0},
    {{"2004", 2, 29, 25}, Y, kForward, {"2005", 2, 28, 25}, 0},
    {{"2003", 2, 28, 25}, Y, kForward, {"2004", 2, 28, 25}, 0},
    {{"1999", 7, 4, 13}, Y, kForward, {"2000", 7, 4, 13}, 0},
    // The first and last supported days: steps beyond them are rejected.
    {{"1", 1, 1, 1}, H, kBack, {"1", 1, 1, 1}, -3},
    {{"1", 1, 1, 25}, D, kBack, {"1", 1, 1, 25}, -3},
    {{"1", 1, 5, 25}, W, kBack, {"1", 1, 5, 25}, -3},
    {{"1", 1, 31, 25}, M, kBack, {"1", 1, 31, 25}, -3},
    {{"1", 6, 1, 25}, Y, kBack, {"1", 6, 1, 25}, -3},
    {{"1", 1, 2, 25}, D, kBack, {"1", 1, 1, 25}, 0},
    {{"2799", 12, 31, 48}, H, kForward, {"2799", 12, 31, 48}, -4},
    {{"2799", 12, 31, 25}, D, kForward, {"2799", 12, 31, 25}, -4},
    {{"2799", 12, 25, 25}, W, kForward, {"2799", 12, 25, 25}, -4},
    {{"2799", 12, 1, 25}, M, kForward, {"2799", 12, 1, 25}, -4},
    {{"2799", 1, 1, 25}, Y, kForward, {"2799", 1, 1, 25}, -4},
    {{"2799", 12, 30, 48}, H, kForward, {"2799", 12, 31, 1}, 0},
    // The year box is read by its digits and written back as the number.
    {{"2 00 0", 1, 1, 25}, D, kForward, {"2000", 1, 2, 25}, 0},
    {{"", 1, 1, 25}, D, kForward, {"", 1, 1, 25}, -1},
    // No such step size.
    {{"2000", 1, 1, 25}, 5, kForward, {"2000", 1, 1, 25}, ZDR::intStepUnknownSize},
    {{"2000", 1, 1, 25}, -1, kBack, {"2000", 1, 1, 25}, ZDR::intStepUnknownSize},
};

TEST(Stepping, EveryRowOfTheStepTables) {
    for (const StepCase& c : kStepCases) {
        DatePr2::DateSetInput set = SetOf(c.udtFrom);
        const std::string from = Text(set);
        const int16_t code = StepWorldDate(set, c.intStep, c.blnBack);
        const std::string what =
            from + (c.blnBack ? " back" : " forward") + " step " + std::to_string(c.intStep);
        EXPECT_EQ(code, c.intCode) << what;
        EXPECT_EQ(Text(set), Text(SetOf(c.udtTo))) << what;
        EXPECT_EQ(set.intTimezoneIndex, 26) << what;
    }
}

// Walks day, half-hour and week steps over centuries and checks each against the day
// numbers: one step is always the same span of time, back undoes forward.
TEST(Stepping, LongWalksKeepTheirSpan) {
    struct Walk {
        int16_t intStep;
        double dblSpan;  // days
        int intSteps;
    };
    const Walk walks[] = {{D, 1.0, 300000}, {H, 1.0 / 48, 100000}, {W, 7.0, 60000}};
    for (const Walk& w : walks) {
        DatePr2::DateSetInput set = SetOf({"1601", 1, 1, 1});
        for (int n = 0; n < w.intSteps; ++n) {
            const double before = LocalDay(set);
            ASSERT_EQ(StepWorldDate(set, w.intStep, kForward), ZDR::intStepDone) << Text(set);
            ASSERT_NEAR(LocalDay(set) - before, w.dblSpan, 1e-6) << Text(set);
        }
        for (int n = 0; n < w.intSteps; ++n)
            ASSERT_EQ(StepWorldDate(set, w.intStep, kBack), ZDR::intStepDone) << Text(set);
        EXPECT_EQ(Text(set), "1601-1-1 h1") << w.intStep;
    }
}

// Month and year steps from every day of four years land on the same day of the target
// month, or on its last day when it is shorter.
TEST(Stepping, MonthAndYearStepsKeepTheDayWithinTheMonth) {
    for (int32_t year = 1899; year <= 1901; year += 1) {
        for (int16_t month = 1; month <= 12; ++month) {
            for (int16_t day = 1; day <= DatePr2::DaysInMonth(month, year); ++day) {
                for (const bool back : {kForward, kBack}) {
                    for (const int16_t step : {M, Y}) {
                        const std::string y = std::to_string(year);
                        DatePr2::DateSetInput set = SetOf({y.c_str(), month, day, 7});
                        ASSERT_EQ(StepWorldDate(set, step, back), ZDR::intStepDone);
                        const int months =
                            year * 12 + (month - 1) + (step == M ? 1 : 12) * (back ? -1 : 1);
                        const int32_t toYear = months / 12;
                        const int16_t toMonth = static_cast<int16_t>(months % 12 + 1);
                        const int16_t toDay = static_cast<int16_t>(
                            std::min<int>(day, DatePr2::DaysInMonth(toMonth, toYear)));
                        const std::string ty = std::to_string(toYear);
                        EXPECT_EQ(Text(set), Text(SetOf({ty.c_str(), toMonth, toDay, 7})))
                            << y << "-" << month << "-" << day;
                    }
                }
            }
        }
    }
}

TEST(Stepping, RulesOfTheStepControls) {
    DatePr2::DateSetInput world = SetOf({"2024", 3, 10, 45});
    EXPECT_TRUE(ZDR::StepControlsUsable(world, ZDR::intModeWorldTransits, false, false));
    EXPECT_TRUE(ZDR::StepControlsUsable(world, ZDR::intModePersonal2, false, false));
    EXPECT_FALSE(ZDR::StepControlsUsable(world, ZDR::intModeNatal1, false, false));
    EXPECT_FALSE(ZDR::StepControlsUsable(world, ZDR::intModeSynastry, false, false));
    EXPECT_FALSE(ZDR::StepControlsUsable(world, 0, false, false));
    EXPECT_FALSE(ZDR::StepControlsUsable(world, ZDR::intModeWorldTransits, true, false));
    EXPECT_FALSE(ZDR::StepControlsUsable(world, ZDR::intModeWorldTransits, false, true));
    // Each part of the world date left empty in turn.
    void (*const empty[])(DatePr2::DateSetInput&) = {
        [](DatePr2::DateSetInput& s) { s.strYearText.clear(); },
        [](DatePr2::DateSetInput& s) { s.intMonthIndex = 0; },
        [](DatePr2::DateSetInput& s) { s.intDayIndex = 0; },
        [](DatePr2::DateSetInput& s) { s.intHourIndex = 0; },
        [](DatePr2::DateSetInput& s) { s.intTimezoneIndex = 0; }};
    for (const auto clear : empty) {
        DatePr2::DateSetInput missing = world;
        clear(missing);
        EXPECT_FALSE(ZDR::StepControlsUsable(missing, ZDR::intModeWorldTransits, false, false))
            << Text(missing) << " zone " << missing.intTimezoneIndex;
    }

    using ZDR::RunButtonShown;
    // chart, graphic, toggle, step, transiting Moon, mode
    EXPECT_TRUE(RunButtonShown(true, false, true, D, false, ZDR::intModeWorldTransits));
    EXPECT_TRUE(RunButtonShown(true, false, true, H, true, ZDR::intModePersonal1));
    EXPECT_FALSE(RunButtonShown(true, false, true, H, false, ZDR::intModePersonal1));
    EXPECT_FALSE(RunButtonShown(false, false, true, D, true, ZDR::intModeWorldTransits));
    EXPECT_FALSE(RunButtonShown(true, true, true, D, true, ZDR::intModeWorldTransits));
    EXPECT_FALSE(RunButtonShown(true, false, false, D, true, ZDR::intModeWorldTransits));
    EXPECT_FALSE(RunButtonShown(true, false, true, D, true, ZDR::intModeNatal2));

    EXPECT_EQ(ZDR::RunPaceMs(ZDR::intModeWorldTransits, true), 100);
    EXPECT_EQ(ZDR::RunPaceMs(ZDR::intModeWorldTransits, false), 1000);
    EXPECT_EQ(ZDR::RunPaceMs(ZDR::intModePersonal1, true), 1000);
}

}  // namespace
