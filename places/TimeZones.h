#pragma once
// The time-zone data of the system (the IANA zoneinfo files of tzdata), read through the
// date/tz library: which zones exist and which offset from UT a zone kept at an instant.
// The rest of the program sees plain values; only places/TimeZones.cpp includes the library.

#include <cstdint>
#include <string>
#include <vector>

namespace Places {

// One stretch of time in which a zone kept one offset: [lngBegin, lngEnd) in seconds of
// UT since 1970-01-01 00:00.
struct ZonePeriod {
    int64_t lngBegin = 0;
    int64_t lngEnd = 0;
    int32_t intOffsetSeconds = 0;  // east of Greenwich
    std::string strAbbreviation;   // as the zone data names it: "CEST", "LMT", "+03"
    bool blnSummerTime = false;    // a daylight-saving offset
    bool blnFirst = false;         // the zone's earliest period, before its first change
};

// Returns whether the system's zone data knows zone ("Europe/Berlin"), links included.
bool ZoneKnown(const std::string& zone);

// Fills period with the period of zone that holds the instant utSeconds (seconds of UT
// since 1970). Returns false, leaving period alone, for an unknown zone or unreadable data.
bool ZonePeriodAt(const std::string& zone, int64_t utSeconds, ZonePeriod& period);

// Returns the names of the zones the system knows (links left out), sorted; empty when the
// zone data cannot be read.
std::vector<std::string> ZoneNames();

}  // namespace Places
