#include "search/Stepping.h"

#include <algorithm>
#include <limits>
#include <string>

#include "astro/DatePr2.h"
#include "engine/Compute.h"

namespace ZDR {

namespace {

constexpr int16_t kLastHalfHour = 48;
constexpr int16_t kDaysInWeek = 7;
// The day clamp of month and year steps stops at the 28th, which every month has.
constexpr int16_t kFirstDayToClamp = 29;

// The date of a step: hour, day and month indices and the year as a number.
struct StepDate {
    int16_t intHour;
    int16_t intDay;
    int16_t intMonth;
    int64_t lngYear;
};

int DaysIn(int16_t month, int64_t year) {
    const int64_t limit = std::numeric_limits<int32_t>::max();
    return DatePr2::DaysInMonth(month, static_cast<int32_t>(std::clamp(year, -limit, limit)));
}

// The month before d's month; from January (or no month) December of the year before.
void MonthBack(StepDate& d) {
    if (d.intMonth <= 1) {
        d.intMonth = 12;
        --d.lngYear;
    } else {
        --d.intMonth;
    }
}

// The month after d's month; after December January of the next year.
void MonthForward(StepDate& d) {
    if (++d.intMonth > 12) {
        d.intMonth = 1;
        ++d.lngYear;
    }
}

// One day back; from the first (or no day) to the last day of the month before, counted
// in the year the date had before the step.
void DayBack(StepDate& d) {
    if (d.intDay <= 1) {
        const int64_t year = d.lngYear;
        MonthBack(d);
        d.intDay = static_cast<int16_t>(DaysIn(d.intMonth, year));
    } else {
        --d.intDay;
    }
}

void DayForward(StepDate& d) {
    if (d.intDay + 1 > DaysIn(d.intMonth, d.lngYear)) {
        d.intDay = 1;
        MonthForward(d);
    } else {
        ++d.intDay;
    }
}

void WeekBack(StepDate& d) {
    const int day = d.intDay - kDaysInWeek;
    if (day >= 1) {
        d.intDay = static_cast<int16_t>(day);
        return;
    }
    const int64_t year = d.lngYear;
    MonthBack(d);
    d.intDay = static_cast<int16_t>(DaysIn(d.intMonth, year) + day);
}

void WeekForward(StepDate& d) {
    const int days = DaysIn(d.intMonth, d.lngYear);
    const int day = d.intDay + kDaysInWeek;
    if (day <= days) {
        d.intDay = static_cast<int16_t>(day);
        return;
    }
    d.intDay = static_cast<int16_t>(day - days);
    MonthForward(d);
}

void HalfHourBack(StepDate& d) {
    if (d.intHour <= 1) {
        d.intHour = kLastHalfHour;
        DayBack(d);
    } else {
        --d.intHour;
    }
}

void HalfHourForward(StepDate& d) {
    if (d.intHour + 1 > kLastHalfHour) {
        d.intHour = 1;
        DayForward(d);
    } else {
        ++d.intHour;
    }
}

// The local day of the date d in set's terms, or its date code.
double LocalDayOf(const StepDate& d) {
    return DatePr2::DateSetToLocalDay(std::to_string(d.lngYear), d.intMonth, d.intDay, d.intHour);
}

}  // namespace

int16_t StepWorldDate(DatePr2::DateSetInput& set, int16_t intStepIndex, bool blnBack) {
    if (intStepIndex < 0 || intStepIndex >= intNumStepSizes)
        return intStepUnknownSize;
    int32_t year = 0;
    const std::string digits = DatePr2::YearDigits(set.strYearText);
    if (!DatePr2::YearOfText(digits, year))
        return static_cast<int16_t>(DatePr2::dblDateIncomplete);

    StepDate d{set.intHourIndex, set.intDayIndex, set.intMonthIndex, year};
    switch (intStepIndex) {
        case intStepHalfHour:
            blnBack ? HalfHourBack(d) : HalfHourForward(d);
            break;
        case intStepDay:
            blnBack ? DayBack(d) : DayForward(d);
            break;
        case intStepWeek:
            blnBack ? WeekBack(d) : WeekForward(d);
            break;
        case intStepMonth:
            blnBack ? MonthBack(d) : MonthForward(d);
            break;
        default:
            d.lngYear += blnBack ? -1 : 1;
            break;
    }
    if (intStepIndex == intStepMonth || intStepIndex == intStepYear) {
        // 31 January and a month is the last day of February.
        while (LocalDayOf(d) < 0 && d.intDay >= kFirstDayToClamp)
            --d.intDay;
    }
    const double day = LocalDayOf(d);
    if (day < 0)
        return static_cast<int16_t>(day);
    set.intHourIndex = d.intHour;
    set.intDayIndex = d.intDay;
    set.intMonthIndex = d.intMonth;
    set.strYearText = std::to_string(d.lngYear);
    return intStepDone;
}

bool StepControlsUsable(const DatePr2::DateSetInput& world, int16_t intComputedMode,
                        bool blnRunning, bool blnGraphicShown) {
    return !world.strYearText.empty() && IsTransitMode(intComputedMode) &&
           world.intTimezoneIndex > 0 && world.intHourIndex > 0 && world.intDayIndex > 0 &&
           world.intMonthIndex > 0 && !blnRunning && !blnGraphicShown;
}

bool RunButtonShown(bool blnChartShown, bool blnGraphicShown, bool blnToggleVisible,
                    int16_t intStepIndex, bool blnIncludeTransitingMoon, int16_t intSelectedMode) {
    if (!blnChartShown || blnGraphicShown)
        return false;
    return (intStepIndex > intStepHalfHour || blnIncludeTransitingMoon) &&
           IsTransitMode(intSelectedMode) && blnToggleVisible;
}

int RunPaceMs(int16_t intSelectedMode, bool blnRunQuickly) {
    return intSelectedMode == intModeWorldTransits && blnRunQuickly ? intQuickPaceMs
                                                                    : intSlowPaceMs;
}

}  // namespace ZDR
