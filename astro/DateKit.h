#pragma once
// Calendar arithmetic and the PC's clock offset: Julian Day Numbers of civil dates,
// weekdays, thousands separators and the year of a Julian Day.

#include <cstdint>
#include <ctime>

namespace datekit {

// A calendar date exchanged with the conversions below (six 32-bit fields).
struct EuroDateRecord {
    int32_t Year = 0;        // astronomical year number
    int32_t Month = 0;       // 1..12
    int32_t Day = 0;         // 1..31
    int32_t Calendar = 'G';  // 'G' Gregorian, 'J' Julian
    int32_t JDN = 0;         // Julian Day Number
    int32_t Valid = 0;       // non-zero when the date exists in the calendar
};

// Returns the JDN of rec's Year/Month/Day in rec's calendar; sets rec.Valid to 0 when
// that date does not exist (31 April, 29 February 1900), to 1 otherwise.
int32_t euro_date_to_jdn(EuroDateRecord* rec);

// Reads rec.JDN and rec.Calendar and writes rec.Year, rec.Month and rec.Day.
void jdn_to_euro_date(EuroDateRecord* rec);

// Returns the weekday of a JDN, 0 = Sunday .. 6 = Saturday.
int32_t euro_day_of_week(int32_t jdn);

// Writes digits with sepChar inserted every three digits from the right into out, a
// buffer of outSize characters, NUL-terminated; a leading '-' stays in front. A result
// that does not fit is cut at outSize - 1 characters.
void separate_thousands(const char* digits, int32_t sepChar, char* out, int outSize);

// Returns the PC's timezone offset at the moment at (seconds since 1970, UTC) in seconds,
// positive west of Greenwich; daylight-saving time as the system reports it, 0 when the
// system cannot convert that moment.
int32_t get_timezone(std::time_t at);

// Writes the Gregorian year of the Julian Day jd (UT) into *year; month, day and the
// day fraction go into the other three (any may be null). calendarCode is "A" (automatic,
// Gregorian here) or "G"/"J".
void juldat(double jd, const char* calendarCode, int32_t* year, int32_t* month, int32_t* day,
            int32_t* hundredths);

}  // namespace datekit
