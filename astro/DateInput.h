#pragma once
// One date set of the main window (world date, 1st or 2nd birthdate) as plain values,
// and its reading into a Julian Day with the window's defaults.

#include <cstdint>
#include <string>

namespace DatePr2 {

// The controls of one date set: the year box's text and the list indices of the month
// (0 empty, 1..12), day (0 empty, 1..31), half-hour (0 empty, 1..48) and timezone
// (0 empty, 1..47) boxes.
struct DateSetInput {
    std::string strYearText;
    int16_t intMonthIndex = 0;
    int16_t intDayIndex = 0;
    int16_t intHourIndex = 0;
    int16_t intTimezoneIndex = 0;
};

// Returns the date set of the Now action: the moment jd (UT) on a clock tzMinutes east of
// Greenwich, rounded onto the half-hour grid (23:46 and later is 00:00 of the next day),
// with timezone entry timezoneIndex.
DateSetInput DateSetOfMoment(double jd, int tzMinutes, int16_t timezoneIndex);

// Reads a date set as the window does: the year text is cleaned to its digits, and when
// the date is valid an empty hour becomes 12:00 (entry 25) and an empty timezone becomes
// defaultTimezoneIndex (when 1..47). Returns the JD (UT), or -1 incomplete, -2 no such
// date, -3 too early, -4 too late; set is updated in place like the controls.
double InputDateToAJDate(DateSetInput& set, int16_t defaultTimezoneIndex);

// Returns the local day number with the day's fraction (JDN + fraction, no timezone) of a
// date set, or -1..-4; cleans the year and applies the hour default like InputDateToAJDate.
double InputDateToLocalDay(DateSetInput& set);

// Returns a date set in words, as it is read: the long date of its local day in language
// (1 German, any other English), ", ", the hour entry's text ("08:30") and the timezone
// entry's text in parentheses ("January 7, 2020, 12:00 (GMT+1:00)"; the North American
// zone names with blnNorthAmericanZones). Short month names when abbreviated. The empty
// text when the set is not a valid date.
std::string InputDateToString(DateSetInput set, bool abbreviated, bool blnNorthAmericanZones,
                              int language);

// Returns the year box's text with every character other than 0..9 dropped.
std::string YearDigits(const std::string& yearText);

// Returns the text of half-hour entry 1..48 of an hour box ("00:00" .. "23:30"); "" for
// the empty entry 0 and any other index.
std::string HalfHourText(int16_t hourIndex);

// Returns the half-hour entry 1..48 of a time "hh:00" or "hh:30" (hh 0..23 in one or two
// digits; entry 1 is 00:00, 25 is 12:00), 0 for any other text.
int16_t HalfHourIndex(const std::string& timeText);

}  // namespace DatePr2
