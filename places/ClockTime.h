#pragma once
// The clock time of a place: a civil date and minute read in the zone of the place gives
// an instant in UT, summer time included. Before the zone's first standard time the clock
// was the local mean time of the place's own longitude. A clock time that a change of
// offset skipped or repeated is reported with both offsets; the caller chooses.

#include <cstdint>
#include <string>

namespace Places {

// How a clock time of a zone reads.
constexpr int intClockUnique = 0;       // one instant
constexpr int intClockSkipped = 1;      // the clock jumped over it (to summer time)
constexpr int intClockRepeated = 2;     // the clock showed it twice (back from summer time)
constexpr int intClockUnknownZone = -1; // the zone data does not know the zone

// Choices for a skipped or repeated clock time: the larger offset (summer time) or the
// smaller one.
constexpr int intDstAsk = 0;
constexpr int intDstYes = 1;
constexpr int intDstNo = 2;

// One offset a clock time may be read with.
struct ClockOffset {
    int32_t intSeconds = 0;       // east of Greenwich
    std::string strAbbreviation;  // "CEST", "LMT" for a local mean time
    bool blnMeanTime = false;     // the local mean time of the longitude
    bool blnSummerTime = false;
};

// A clock time read in a zone: its status and the one or two offsets. For a skipped or
// repeated time udtOffset[0] is the offset before the change, udtOffset[1] the one after.
struct ClockReading {
    int intStatus = intClockUnknownZone;
    ClockOffset udtOffset[2];
};

// Reads the clock time localSeconds (seconds since 1970-01-01 00:00 of the local calendar,
// as if it were UT) in zone at longitudeDegrees east.
ClockReading ReadClockTime(const std::string& zone, double longitudeDegrees, int64_t localSeconds);

// Returns the index 0 or 1 of the offset of reading to use: 0 for a unique reading; for a
// skipped or repeated one the larger offset for intDstYes, the smaller for intDstNo, and -1
// for intDstAsk or an unknown zone.
int ChosenOffset(const ClockReading& reading, int dstChoice);

// Returns the offset of the local mean time at longitudeDegrees east, in seconds (rounded).
int32_t MeanTimeOffset(double longitudeDegrees);

// Returns an offset as "+02:00", or "+00:39:58" when it has seconds or is a mean time.
std::string OffsetText(int32_t seconds, bool blnMeanTime);

// Returns the offset used as shown beside a clock time: "CEST, UT+2:00", "LMT, UT+0:39:58".
std::string OffsetCaption(const ClockOffset& offset);

}  // namespace Places
