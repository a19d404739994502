#include "places/TimeZones.h"

#include <algorithm>
#include <chrono>
#include <exception>

#include <date/tz.h>

namespace Places {
namespace {

using Seconds = std::chrono::seconds;

// The zone of that name, or nullptr; the library reports an unknown name by throwing.
const date::time_zone* FindZone(const std::string& zone) {
    if (zone.empty())
        return nullptr;
    try {
        return date::locate_zone(zone);
    } catch (const std::exception&) {
        return nullptr;
    }
}

// The earliest instant the program asks for: years before 1 January 1 never come up.
date::sys_seconds EarliestInstant() {
    return date::sys_days{date::year{1} / 1 / 1};
}

}  // namespace

bool ZoneKnown(const std::string& zone) {
    return FindZone(zone) != nullptr;
}

bool ZonePeriodAt(const std::string& zone, int64_t utSeconds, ZonePeriod& period) {
    const date::time_zone* tz = FindZone(zone);
    if (tz == nullptr)
        return false;
    try {
        const date::sys_info info = tz->get_info(date::sys_seconds{Seconds{utSeconds}});
        const date::sys_info first = tz->get_info(EarliestInstant());
        period.lngBegin = info.begin.time_since_epoch().count();
        period.lngEnd = info.end.time_since_epoch().count();
        period.intOffsetSeconds = static_cast<int32_t>(info.offset.count());
        period.strAbbreviation = info.abbrev;
        period.blnSummerTime = info.save.count() != 0;
        period.blnFirst = info.begin == first.begin;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::vector<std::string> ZoneNames() {
    std::vector<std::string> names;
    try {
        for (const date::time_zone& tz : date::get_tzdb().zones)
            names.emplace_back(tz.name());
    } catch (const std::exception&) {
        return {};
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace Places
