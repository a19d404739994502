#pragma once
// The place of a date set and its clock time to the minute: a date set with a place is
// read in the zone of the place, summer time and local mean time included, instead of on
// the half-hour grid in a fixed offset.

#include <cstdint>
#include <string>

#include "astro/DateInput.h"
#include "places/ClockTime.h"

namespace Places {

// A date set's place. Without blnSet the date set is read as it always was.
struct DatePlace {
    bool blnSet = false;
    std::string strName;       // as chosen ("Ulm, Baden-Württemberg, Germany"); may be empty
    double dblLatitude = 0;    // degrees, north positive
    double dblLongitude = 0;   // degrees, east positive
    std::string strZone;       // IANA zone, "Europe/Berlin"
    int16_t intMinute = -1;    // clock time, minutes of the day 0..1439; -1 the hour box's
    int16_t intDst = intDstAsk;  // choice for a skipped or repeated clock time

    bool operator==(const DatePlace& other) const;
};

// Codes of a place that cannot be used, given in place of a JD (the date codes -1..-4 of
// DatePr2 stay as they are).
constexpr double dblPlaceBadLatitude = -11.0;   // not within -90..90 degrees
constexpr double dblPlaceBadLongitude = -12.0;  // not within -180..180 degrees
constexpr double dblPlaceUnknownZone = -13.0;   // the zone data has no such zone
constexpr double dblPlaceBadTime = -14.0;       // the minute is not within 0..1439
constexpr double dblPlaceSkippedTime = -15.0;   // the clock time was skipped; choose intDst
constexpr double dblPlaceRepeatedTime = -16.0;  // the clock time was repeated; choose intDst

// A date set with a place, read: its JD (UT) or a code, how its clock time reads in the
// zone, and which offset was used.
struct PlaceMoment {
    double dblJD = -1;
    ClockReading udtReading;
    int intOffsetIndex = -1;  // 0 or 1 into udtReading.udtOffset, -1 when none was used

    // The offset used; only when dblJD is not negative.
    const ClockOffset& Offset() const { return udtReading.udtOffset[intOffsetIndex]; }
};

// Returns the code of a place that cannot be used (dblPlaceBadLatitude, ...), 0 when it can.
double PlaceProblem(const DatePlace& place);

// Reads the date of set (year text, month, day; an empty hour box is 12:00) at the clock
// time of place in its zone. Gives the JD (UT) or a date or place code.
PlaceMoment PlaceDateToJD(const DatePr2::DateSetInput& set, const DatePlace& place);

// Returns the minute of the day a date set with a place stands for: place.intMinute, or
// the hour box's half hour (an empty one 12:00).
int16_t PlaceMinute(const DatePr2::DateSetInput& set, const DatePlace& place);

// Returns the minute of the day of a clock time "hh:mm" or "h:mm" (00:00 to 23:59, blanks
// around it allowed), -1 for any other text.
int16_t ClockMinute(const std::string& text);

// Returns a minute of the day 0..1439 as "hh:mm".
std::string ClockText(int16_t minute);

// Returns the date of set and the clock time with the offset used at the place, as a date
// set is named in titles: "May 17, 1970, 14:07 (Ulm, Baden-Württemberg, Germany; CET,
// UT+1:00)" in language (1 German, any other English); without the offset when the clock
// time cannot be read; "" for a date that is not valid.
std::string PlaceDateText(const DatePr2::DateSetInput& set, const DatePlace& place,
                          bool abbreviated, int language);

// Returns the hour and timezone boxes that come nearest to a clock time with a place:
// the half hour at or before minute, and the zone entry of the offset rounded to half an
// hour (held within the list). The window and the state file keep them beside the place.
void NearestGrid(int16_t minute, int32_t offsetSeconds, int16_t& hourIndex,
                 int16_t& timezoneIndex);

}  // namespace Places
