#include "astro/DateInput.h"

#include <cmath>

#include <cmath>
#include <cstdio>

#include "astro/DatePr2.h"

namespace DatePr2 {

namespace {

// The half-hour entry an empty hour box takes: 12:00, the 49 entries halved, plus one.
constexpr int16_t kNoonHourIndex = 49 / 2 + 1;
// The last entry of the timezone boxes (GMT+11:30); entry 24 is GMT.
constexpr int16_t kLastTimezoneIndex = 47;
constexpr int16_t kGreenwichIndex = 24;

// Offset in minutes east of Greenwich of timezone entry index; 0 for the empty entry and
// for an index outside the list.
int ZoneMinutes(int16_t index) {
    if (index < 1 || index > kLastTimezoneIndex)
        return 0;
    return (index - kGreenwichIndex) * 30;
}

// Cleans the year text and checks the date; on success fills in the empty hour (which
// the date arithmetic already reads as 12:00). Returns the local day or the date code.
double CheckedLocalDay(DateSetInput& set) {
    set.strYearText = YearDigits(set.strYearText);
    const double day =
        DateSetToLocalDay(set.strYearText, set.intMonthIndex, set.intDayIndex, set.intHourIndex);
    if (day >= 0 && set.intHourIndex == 0)
        set.intHourIndex = kNoonHourIndex;
    return day;
}

}  // namespace

std::string YearDigits(const std::string& yearText) {
    std::string digits;
    for (char c : yearText) {
        if (c >= '0' && c <= '9')
            digits += c;
    }
    return digits;
}

int16_t HalfHourIndex(const std::string& timeText) {
    const std::size_t colon = timeText.find(':');
    if (colon == std::string::npos || colon == 0 || colon > 2)
        return 0;
    const std::string hours = timeText.substr(0, colon);
    const std::string minutes = timeText.substr(colon + 1);
    if (hours.find_first_not_of("0123456789") != std::string::npos ||
        (minutes != "00" && minutes != "30"))
        return 0;
    const int h = std::stoi(hours);
    if (h > 23)
        return 0;
    return static_cast<int16_t>(h * 2 + 1 + (minutes == "30" ? 1 : 0));
}

std::string HalfHourText(int16_t hourIndex) {
    if (hourIndex < 1 || hourIndex > 48)
        return std::string();
    return DayFractionToTimeText((hourIndex - 1) / 48.0, false);
}

DateSetInput DateSetOfMoment(double jd, int tzMinutes, int16_t timezoneIndex) {
    const double local = NowOnHalfHourGrid(jd, tzMinutes);
    datekit::EuroDateRecord rec;
    rec.JDN = static_cast<int32_t>(std::floor(local));
    JDNToDate(rec);
    DateSetInput set;
    set.strYearText = std::to_string(rec.Year);
    set.intMonthIndex = static_cast<int16_t>(rec.Month);
    set.intDayIndex = static_cast<int16_t>(rec.Day);
    set.intHourIndex = HalfHourIndex(DayFractionToTimeText(local - std::floor(local), false));
    set.intTimezoneIndex = timezoneIndex;
    return set;
}

double InputDateToAJDate(DateSetInput& set, int16_t defaultTimezoneIndex) {
    const double day = CheckedLocalDay(set);
    if (day < 0)
        return day;
    if (set.intTimezoneIndex == 0 && defaultTimezoneIndex >= 1 &&
        defaultTimezoneIndex <= kLastTimezoneIndex)
        set.intTimezoneIndex = defaultTimezoneIndex;
    return DateSetToJD(set.strYearText, set.intMonthIndex, set.intDayIndex, set.intHourIndex,
                       ZoneMinutes(set.intTimezoneIndex));
}

double InputDateToLocalDay(DateSetInput& set) {
    return CheckedLocalDay(set);
}

std::string InputDateToString(DateSetInput set, bool abbreviated, bool blnNorthAmericanZones,
                              int language) {
    const double day = CheckedLocalDay(set);
    if (day < 0)
        return "";
    const int hourIndex =
        set.intHourIndex >= 1 && set.intHourIndex <= 48 ? set.intHourIndex : kNoonHourIndex;
    const int minutes = (hourIndex - 1) * 30;
    char hour[8];
    std::snprintf(hour, sizeof hour, "%02d:%02d", minutes / 60, minutes % 60);
    const std::vector<TimezoneEntry> zones = TimezoneList(blnNorthAmericanZones);
    const int16_t zone = set.intTimezoneIndex >= 0 && set.intTimezoneIndex <= kLastTimezoneIndex
                             ? set.intTimezoneIndex
                             : 0;
    return JDNToLongDateText(static_cast<int32_t>(std::floor(day)), abbreviated, language) + ", " +
           hour + " (" + zones[zone].strText + ")";
}

}  // namespace DatePr2
