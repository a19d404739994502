#include "places/ClockTime.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "places/TimeZones.h"

namespace Places {
namespace {

// Offsets lie within a day; the walk looks at the periods of this many seconds around a
// clock time.
constexpr int64_t kReach = 30 * 3600;

ClockOffset OffsetOf(const ZonePeriod& period, double longitudeDegrees) {
    ClockOffset offset;
    // The zone's earliest period is the mean time of its reference city; a place keeps its
    // own.
    if (period.blnFirst && period.strAbbreviation == "LMT") {
        offset.intSeconds = MeanTimeOffset(longitudeDegrees);
        offset.blnMeanTime = true;
    } else {
        offset.intSeconds = period.intOffsetSeconds;
    }
    offset.strAbbreviation = period.strAbbreviation;
    offset.blnSummerTime = period.blnSummerTime;
    return offset;
}

// "+H:MM", or "+H:MM:SS" for a mean time or an offset with seconds, the hours in at least
// hourDigits digits.
std::string SignedHours(int32_t seconds, bool blnMeanTime, int hourDigits) {
    const bool blnWithSeconds = blnMeanTime || seconds % 60 != 0;
    const int32_t magnitude = std::abs(seconds);
    char text[24];
    if (blnWithSeconds) {
        std::snprintf(text, sizeof text, "%c%0*d:%02d:%02d", seconds < 0 ? '-' : '+', hourDigits,
                      magnitude / 3600, magnitude / 60 % 60, magnitude % 60);
    } else {
        std::snprintf(text, sizeof text, "%c%0*d:%02d", seconds < 0 ? '-' : '+', hourDigits,
                      magnitude / 3600, magnitude / 60 % 60);
    }
    return text;
}

}  // namespace

int32_t MeanTimeOffset(double longitudeDegrees) {
    // 15 degrees an hour: 240 seconds a degree.
    return static_cast<int32_t>(std::lround(longitudeDegrees * 240.0));
}

ClockReading ReadClockTime(const std::string& zone, double longitudeDegrees, int64_t localSeconds) {
    ClockReading reading;
    ZonePeriod period;
    if (!ZonePeriodAt(zone, localSeconds - kReach, period))
        return reading;
    int found = 0;
    bool blnGap = false;
    ClockOffset previous;
    bool blnHasPrevious = false;
    // Each period whose offset puts the clock time inside it is one reading; a clock time
    // beyond the end of one period and before the start of the next is skipped.
    for (;;) {
        const ClockOffset offset = OffsetOf(period, longitudeDegrees);
        const int64_t ut = localSeconds - offset.intSeconds;
        if (blnHasPrevious && !blnGap && found == 0 && ut < period.lngBegin) {
            reading.udtOffset[0] = previous;
            reading.udtOffset[1] = offset;
            blnGap = true;
        }
        if (ut >= period.lngBegin && ut < period.lngEnd && found < 2)
            reading.udtOffset[found++] = offset;
        if (period.lngEnd > localSeconds + kReach || !ZonePeriodAt(zone, period.lngEnd, period))
            break;
        previous = offset;
        blnHasPrevious = true;
    }
    reading.intStatus = found == 2 ? intClockRepeated
                        : found == 1 ? intClockUnique
                        : blnGap     ? intClockSkipped
                                     : intClockUnknownZone;
    return reading;
}

int ChosenOffset(const ClockReading& reading, int dstChoice) {
    if (reading.intStatus == intClockUnique)
        return 0;
    if (reading.intStatus == intClockUnknownZone || dstChoice == intDstAsk)
        return -1;
    const bool blnFirstLarger = reading.udtOffset[0].intSeconds > reading.udtOffset[1].intSeconds;
    return (dstChoice == intDstYes) == blnFirstLarger ? 0 : 1;
}

std::string OffsetText(int32_t seconds, bool blnMeanTime) {
    return SignedHours(seconds, blnMeanTime, 2);
}

std::string OffsetCaption(const ClockOffset& offset) {
    return offset.strAbbreviation + ", UT" +
           SignedHours(offset.intSeconds, offset.blnMeanTime, 1);
}

}  // namespace Places
