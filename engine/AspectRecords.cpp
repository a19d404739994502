#include "engine/AspectRecords.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string_view>

#include "engine/Compute.h"

namespace ZDR {

namespace {

// Width of the timing block of a record, and where its fields start (from 0).
constexpr std::size_t kTimingWidth = 22;
constexpr std::size_t kBeginAt = 17;
constexpr std::size_t kEndAt = 25;
constexpr std::size_t kDurationAt = 33;

// A whole number right-justified in width columns.
std::string RightJustified(long value, int width) {
    char text[24];
    std::snprintf(text, sizeof text, "%*ld", width, value);
    return text;
}

// The whole number in text[at, at + width), blanks around it; false when there is none.
bool ReadNumber(const std::string& text, std::size_t at, std::size_t width, long& value) {
    if (at + width > text.size())
        return false;
    std::string_view field(text.data() + at, width);
    while (!field.empty() && field.front() == ' ')
        field.remove_prefix(1);
    while (!field.empty() && field.back() == ' ')
        field.remove_suffix(1);
    if (field.empty())
        return false;
    const std::from_chars_result r =
        std::from_chars(field.data(), field.data() + field.size(), value);
    return r.ec == std::errc() && r.ptr == field.data() + field.size();
}

// The key of a record for sort order column col: the rest of the record from that column.
std::string_view SortKey(const std::string& record, int col) {
    const std::size_t from =
        std::min(record.size(), static_cast<std::size_t>(col > 0 ? col - 1 : 0));
    return std::string_view(record).substr(from);
}

// The descending quicksort of records[first..last] by their keys from column col.
void QuickSortDescending(std::vector<std::string>& records, int first, int last, int col) {
    int i = first;
    int j = last;
    const std::string pivotRecord = records[first + (last - first) / 2];
    const std::string_view pivot = SortKey(pivotRecord, col);
    while (i <= j) {
        while (SortKey(records[i], col) > pivot)
            ++i;
        while (SortKey(records[j], col) < pivot)
            --j;
        if (i <= j) {
            std::swap(records[i], records[j]);
            ++i;
            --j;
        }
    }
    if (first < j)
        QuickSortDescending(records, first, j, col);
    if (i < last)
        QuickSortDescending(records, i, last, col);
}

}  // namespace

int KeyColumn(int16_t intSortIndex) {
    static const int kColumn[7] = {1, 7, 9, 3, 18, 26, 34};
    return intSortIndex >= 0 && intSortIndex <= 6 ? kColumn[intSortIndex] : kColumn[2];
}

void RecordLongitudes(int16_t mode, const double (&dblPos)[intPointSlots][2], int16_t first,
                      int16_t second, double& lon1, double& lon2) {
    lon1 = dblPos[first][IsPersonalTransitMode(mode) ? 1 : 0];
    lon2 = dblPos[second][mode == intModeSynastry ? 1 : 0];
}

std::string FormatAspectRecord(const AspectRecordFields& fields) {
    char deviation[32];
    const std::to_chars_result r = std::to_chars(deviation, deviation + sizeof deviation,
                                                 fields.dblDeviation, std::chars_format::fixed, 6);
    std::string record = RightJustified(fields.intFirst, 2) + RightJustified(fields.intSecond, 2) +
                         RightJustified(fields.intFirst, 2) + RightJustified(fields.intAspect, 2) +
                         " " + std::string(deviation, r.ptr);
    switch (fields.intTiming) {
        case RecordTiming::NotApplicable:
            return record + std::string(kTimingWidth, '-');
        case RecordTiming::Moon:
            return record + std::string(kTimingWidth, ' ');
        case RecordTiming::Days:
            break;
    }
    const long begin = static_cast<long>(fields.dblBegin);
    const long end = static_cast<long>(fields.dblEnd);
    record += RightJustified(begin, 8) + RightJustified(end, 8);
    if (begin >= 0 && end >= 0)
        return record + RightJustified(end - begin + 1, 6);
    return record + std::string(6, ' ');
}

bool ParseAspectRecord(const std::string& strRecord, AspectRecordFields& fields) {
    long first, second, again, aspect;
    if (!ReadNumber(strRecord, 0, 2, first) || !ReadNumber(strRecord, 2, 2, second) ||
        !ReadNumber(strRecord, 4, 2, again) || !ReadNumber(strRecord, 6, 2, aspect) || first < 1 ||
        first > pointMidheaven || second < 1 || second > pointMidheaven || again != first ||
        aspect < 1 || aspect > intCatalogueAspects || strRecord.size() != kDurationAt + 6)
        return false;
    const char* const from = strRecord.data() + 9;
    double deviation = 0;
    const std::from_chars_result r =
        std::from_chars(from, strRecord.data() + kBeginAt, deviation, std::chars_format::fixed);
    if (r.ec != std::errc() || r.ptr != strRecord.data() + kBeginAt)
        return false;
    fields = AspectRecordFields();
    fields.intFirst = static_cast<int16_t>(first);
    fields.intSecond = static_cast<int16_t>(second);
    fields.intAspect = static_cast<int16_t>(aspect);
    fields.dblDeviation = deviation;
    const std::string timing = strRecord.substr(kBeginAt);
    if (timing == std::string(kTimingWidth, '-')) {
        fields.intTiming = RecordTiming::NotApplicable;
        return true;
    }
    if (timing == std::string(kTimingWidth, ' ')) {
        fields.intTiming = RecordTiming::Moon;
        return true;
    }
    long begin, end, duration;
    if (!ReadNumber(strRecord, kBeginAt, 8, begin) || !ReadNumber(strRecord, kEndAt, 8, end))
        return false;
    fields.intTiming = RecordTiming::Days;
    fields.dblBegin = static_cast<double>(begin);
    fields.dblEnd = static_cast<double>(end);
    if (ReadNumber(strRecord, kDurationAt, 6, duration))
        fields.lngDuration = static_cast<int32_t>(duration);
    return true;
}

void QuickSortRecords(bool blnDescendingFlag, std::vector<std::string>& records, int first,
                      int last, int keyColumn) {
    if (first < 0 || last >= static_cast<int>(records.size()) || first >= last)
        return;
    QuickSortDescending(records, first, last, keyColumn);
    if (blnDescendingFlag)
        std::reverse(records.begin() + first, records.begin() + last + 1);
}

void SortAspectRecords(std::vector<std::string>& records, int16_t intSortIndex) {
    QuickSortRecords(true, records, 0, static_cast<int>(records.size()) - 1,
                     KeyColumn(intSortIndex));
}

}  // namespace ZDR
