#pragma once
// The date module: civil dates and Julian Days, the date-set arithmetic with its range
// limits, the PC clock, the half-hour grid, date and time texts in English and German, the
// month names and the timezone list.
//
// A JD is a double in Universal Time, whole at noon; a JDN is the day number of a civil
// date (proleptic Gregorian), whose 0h UT is JDN - 0.5. Languages: 1 German, any other
// value English. All texts are UTF-8.

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "astro/DateKit.h"

namespace DatePr2 {

// Error codes given in place of a JD or a local day by DateSetToJD and DateSetToLocalDay.
constexpr double dblDateIncomplete = -1.0;  // year empty, or no month or no day selected
constexpr double dblNoSuchDate = -2.0;      // the date does not exist (31 April)
constexpr double dblDateTooEarly = -3.0;    // year 0 or less, before 1 January 1
constexpr double dblDateTooLate = -4.0;     // year 2800 or later

// Returns the JDN of rec's Year/Month/Day in rec's calendar and sets rec.JDN; rec.Valid
// becomes 0 when the date does not exist.
int32_t DateToJDN(datekit::EuroDateRecord& rec);

// Fills rec.Year, rec.Month and rec.Day from rec.JDN in rec's calendar.
void JDNToDate(datekit::EuroDateRecord& rec);

// Returns the JD (UT) of a date set: year text, month index 1..12, day index 1..31,
// half-hour index 1..48 (1 = 00:00, 48 = 23:30; any other index counts as 25 = 12:00) and
// the zone's offset in minutes east of Greenwich. Codes: -1 incomplete, -2 no such date,
// -3 before 1 January 1, -4 1 January 2800 or later. The year text is read as a typed
// number: leading blanks, an optional sign, then the leading digits; no digits is -1.
double DateSetToJD(const std::string& yearText, int monthIndex, int dayIndex, int halfHourIndex,
                   int zoneMinutes);

// Returns the local day of a date set, JDN + fraction of the day (no zone, no half-day
// shift), so that its integer part is the JDN of the civil date; codes as DateSetToJD.
double DateSetToLocalDay(const std::string& yearText, int monthIndex, int dayIndex,
                         int halfHourIndex);

// Returns 0 when jd (UT) lies within the instants the date sets can give, 1 January 1 00:00
// to 31 December 2799 24:00 in UT; else dblDateTooEarly or dblDateTooLate (the latter also
// for a jd that is not a number).
double CheckJDRange(double jd);

// Returns the year a year text stands for, read as DateSetToJD reads it, or false when the
// text holds no digits. Years beyond the 32-bit range are held at its limits.
bool YearOfText(const std::string& yearText, int32_t& year);

// Returns the JD (UT) of the PC clock, from its local date, time and offset.
double NowAsJD();

// Returns the JD (UT) of a local civil date and time of day on a clock whose offset is
// zoneMinutes east of Greenwich. This is the arithmetic behind NowAsJD.
double LocalClockToJD(int32_t year, int month, int day, int hours, int minutes, int seconds,
                      int zoneMinutes);

// Returns the PC's present timezone offset in minutes east of Greenwich, rounded to whole
// minutes; daylight-saving time included as the system reports it.
int16_t LocalTimezoneMinutes();

// Replaces the source of the PC clock (seconds since 1970, UTC) by clock; an empty function
// puts the system clock back. For tests, which never read the real clock.
void SetClockForTesting(std::function<std::time_t()> clock);

// Rounds a day number with fraction in place onto the half-hour grid: 15 minutes past a
// half hour rounds down, 16 up; 23:46 and later becomes 00:00 of the next day.
void RoundToHalfHour(double& x);

// Returns the local day number + fraction of the Now action: jd (UT) moved by tzMinutes
// east of Greenwich and rounded onto the half-hour grid.
double NowOnHalfHourGrid(double jd, int tzMinutes);

// Returns the time of a day fraction as "hh:mm" or "hh:mm:ss", or "XX:XX:XX" for a
// fraction outside [0, 1) or not a number.
std::string DayFractionToTimeText(double f, bool withSeconds);

// Returns the weekday name of a JDN ("Monday", "Montag").
std::string WeekdayName(int32_t jdn, int language);

// Returns the date of a JDN in words: "January 7, 2020" or "7.Januar 2020"; abbreviated
// uses the short month names ("Jan. 7, 2020"). Years beyond 9999 get thousands separators.
std::string JDNToLongDateText(int32_t jdn, bool abbreviated, int language);

// Returns rec's Year/Month/Day as "2020-01-07" (year without leading zeros).
std::string DateToNumericText(const datekit::EuroDateRecord& rec);

// Returns rec's date as "YYYY-MM-DD", the year in at least four digits ("0500-05-30"), as
// files and JSON write it.
std::string DateToIsoText(const datekit::EuroDateRecord& rec);

// Returns the Gregorian year of a JD (UT).
int32_t YearOfJD(double jd);

// Returns whether year is a leap year in the calendar of calendarLetter ('G' Gregorian,
// 'J' Julian).
bool IsLeapYear(int32_t year, char calendarLetter);

// Returns the number of days of month 1..12 of a Gregorian year, 0 for another month.
int DaysInMonth(int month, int32_t year);

// Returns text padded to width characters with copies of the first character of fill, in
// front (PadLeft) or behind (PadRight); text unchanged when it is as long already, when
// width is negative or fill is empty. Characters are counted as UTF-8 code points.
std::string PadLeft(const std::string& text, int16_t width, const std::string& fill);
std::string PadRight(const std::string& text, int16_t width, const std::string& fill);

// Returns the name of month 1..12 ("März", short "Sept."), the empty text for another month.
std::string MonthName(int month, bool shortForm, int language);

// One entry of the timezone list: its text and its offset in minutes east of Greenwich.
struct TimezoneEntry {
    std::string strText;
    int intMinutes;
};

// Returns the 48 entries of the timezone boxes: index 0 empty (offset 0), then "GMT-11:30"
// (-690) in half-hour steps through "GMT" (index 24) to "GMT+11:30" (+690, index 47).
// blnNorthAmerican names the North American zones ("PST/AKDT") instead.
std::vector<TimezoneEntry> TimezoneList(bool blnNorthAmerican);

// Returns the index of the first timezone entry from 1 upward with offset defaultMinutes,
// or 0 when no entry has it.
int DefaultTimezoneIndex(int defaultMinutes);

// The PC's timezone offset in minutes east of Greenwich, set by InitialiseDatePr2.
extern int16_t intDefaultTimezoneMinutes;

// Start-up of the date module: stores the PC's offset in intDefaultTimezoneMinutes, an
// offset of +5:45 (345) as +5:30 (330), which is in the timezone list.
void InitialiseDatePr2();

}  // namespace DatePr2
