#include "places/DatePlace.h"

#include <cmath>
#include <cstdio>

#include "astro/DatePr2.h"
#include "places/TimeZones.h"

namespace Places {
namespace {

constexpr int32_t kJDNOf1970 = 2440588;  // 1 January 1970
constexpr int16_t kNoonMinute = 12 * 60;
constexpr int kLargestZoneMinutes = 690;  // the timezone list ends at GMT+11:30

}  // namespace

bool DatePlace::operator==(const DatePlace& other) const {
    return blnSet == other.blnSet && strName == other.strName &&
           dblLatitude == other.dblLatitude && dblLongitude == other.dblLongitude &&
           strZone == other.strZone && intMinute == other.intMinute && intDst == other.intDst;
}

double PlaceProblem(const DatePlace& place) {
    if (!(std::fabs(place.dblLatitude) <= 90))
        return dblPlaceBadLatitude;
    if (!(std::fabs(place.dblLongitude) <= 180))
        return dblPlaceBadLongitude;
    if (!ZoneKnown(place.strZone))
        return dblPlaceUnknownZone;
    if (place.intMinute < -1 || place.intMinute >= 24 * 60)
        return dblPlaceBadTime;
    return 0;
}

int16_t PlaceMinute(const DatePr2::DateSetInput& set, const DatePlace& place) {
    if (place.intMinute >= 0)
        return place.intMinute;
    if (set.intHourIndex >= 1 && set.intHourIndex <= 48)
        return static_cast<int16_t>((set.intHourIndex - 1) * 30);
    return kNoonMinute;
}

PlaceMoment PlaceDateToJD(const DatePr2::DateSetInput& set, const DatePlace& place) {
    PlaceMoment moment;
    const double day = DatePr2::DateSetToLocalDay(set.strYearText, set.intMonthIndex,
                                                  set.intDayIndex, 1);
    if (day < 0) {
        moment.dblJD = day;
        return moment;
    }
    const double problem = PlaceProblem(place);
    if (problem < 0) {
        moment.dblJD = problem;
        return moment;
    }
    const int64_t localSeconds = (static_cast<int64_t>(std::floor(day)) - kJDNOf1970) * 86400 +
                                 int64_t{PlaceMinute(set, place)} * 60;
    moment.udtReading = ReadClockTime(place.strZone, place.dblLongitude, localSeconds);
    moment.intOffsetIndex = ChosenOffset(moment.udtReading, place.intDst);
    if (moment.intOffsetIndex < 0) {
        moment.dblJD = moment.udtReading.intStatus == intClockSkipped    ? dblPlaceSkippedTime
                       : moment.udtReading.intStatus == intClockRepeated ? dblPlaceRepeatedTime
                                                                         : dblPlaceUnknownZone;
        return moment;
    }
    const int64_t ut = localSeconds - moment.Offset().intSeconds;
    moment.dblJD = static_cast<double>(ut) / 86400.0 + (kJDNOf1970 - 0.5);
    return moment;
}

int16_t ClockMinute(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    if (first == std::string::npos)
        return -1;
    const std::string t = text.substr(first, last - first + 1);
    const std::size_t colon = t.find(':');
    if (colon == std::string::npos || colon == 0 || colon > 2 || t.size() - colon != 3 ||
        t.find_first_not_of("0123456789:") != std::string::npos ||
        t.find(':', colon + 1) != std::string::npos)
        return -1;
    const int hours = std::stoi(t.substr(0, colon));
    const int minutes = std::stoi(t.substr(colon + 1));
    return hours < 24 && minutes < 60 ? static_cast<int16_t>(hours * 60 + minutes) : -1;
}

std::string ClockText(int16_t minute) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", minute / 60 % 24, minute % 60);
    return text;
}

std::string PlaceDateText(const DatePr2::DateSetInput& set, const DatePlace& place,
                          bool abbreviated, int language) {
    DatePr2::DateSetInput copy = set;
    const double day = DatePr2::InputDateToLocalDay(copy);
    if (day < 0)
        return std::string();
    std::string text =
        DatePr2::JDNToLongDateText(static_cast<int32_t>(std::floor(day)), abbreviated, language) +
        ", " + ClockText(PlaceMinute(set, place)) + " (" + place.strName;
    const PlaceMoment moment = PlaceDateToJD(set, place);
    if (moment.dblJD >= 0)
        text += (place.strName.empty() ? "" : "; ") + OffsetCaption(moment.Offset());
    return text + ")";
}

void NearestGrid(int16_t minute, int32_t offsetSeconds, int16_t& hourIndex,
                 int16_t& timezoneIndex) {
    hourIndex = static_cast<int16_t>(minute / 30 + 1);
    long zone = std::lround(offsetSeconds / 1800.0) * 30;
    if (zone > kLargestZoneMinutes)
        zone = kLargestZoneMinutes;
    if (zone < -kLargestZoneMinutes)
        zone = -kLargestZoneMinutes;
    timezoneIndex = static_cast<int16_t>(DatePr2::DefaultTimezoneIndex(static_cast<int>(zone)));
}

}  // namespace Places
