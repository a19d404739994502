#pragma once
// The transit calendar as text: one line per passage, JSON, CSV and iCalendar. Moments
// are shown to the minute in the world timezone (a fixed offset); names come from the
// catalogue in the current language, except in JSON (always English).

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/TransitCalendar.h"

namespace ZDR {

// Returns "2020-12-21 18:20" (blnIso: "2020-12-21T18:20") for jd (UT) in a zone
// zoneMinutes east of Greenwich, rounded to the minute.
std::string CalendarMinuteText(double jd, int zoneMinutes, bool blnIso = false);

// Returns the passage in words in the current language: "Jupiter conjunct Saturn", in
// personal transits "Saturn square natal Sun".
std::string PassageSummary(const Passage& p, bool blnPersonal);

// Returns the text list: one line per passage, in their order, ending in "\n".
std::string CalendarText(const std::vector<Passage>& passages, bool blnPersonal, int zoneMinutes);

// Returns the JSON list: {"first", "second", "aspect", "begin", "end", "exact": [..]} per
// passage, English names, moments "YYYY-MM-DDTHH:MM" in the zone or null.
std::string CalendarJson(const std::vector<Passage>& passages, int zoneMinutes);

// Returns the CSV text (RFC 4180, CR LF): a header line, then one line per passage with the
// bodies, the aspect, the beginning, the end and the exact moments (separated by blanks).
std::string CalendarCsv(const std::vector<Passage>& passages, bool blnPersonal, int zoneMinutes);

// What an iCalendar file is made from besides the passages.
struct ICalendarInput {
    bool blnPersonal = false;
    double dblNatalJD = 0;      // personal transits: part of every UID
    bool blnSidereal = false;   // part of every UID
    bool blnExactEvents = false;  // one timed event per exact moment instead of per passage
    int zoneMinutes = 0;
    double dblFromJD = 0;  // the period: the dates of a passage without beginning or end
    double dblToJD = 0;
    double dblStampJD = 0;  // DTSTAMP, JD (UT): when the file is made
};

// Returns an iCalendar text (RFC 5545: CR LF, lines folded at 75 octets, texts escaped):
// one all-day event per passage from its beginning to its end with its exact moments in
// the description, or one timed event per exact moment. Each event has a UID that stays
// the same for the same transit, so that importing again updates it.
std::string CalendarICalendar(const std::vector<Passage>& passages, const ICalendarInput& in);

}  // namespace ZDR
