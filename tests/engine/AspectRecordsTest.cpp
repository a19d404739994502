// The duration records: the fixed-column layout read back and written again, and the
// sorting with its ties.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/DurationsTestSupport.h"

namespace {

using ZDR::AspectRecordFields;
using ZDR::RecordTiming;

class AspectRecordsTest : public DurationsFixture {};

TEST_F(AspectRecordsTest, RecordLayoutInEveryForm) {
    struct Row {
        std::string strRecord;
        const char* strExpected;
    } rows[] = {
        {Timed(3, 4, 3, 0.012345, 2458850, 2458900), " 3 4 3 3 0.012345 2458850 2458900    51"},
        {Timed(7, 9, 4, 0.1, -1, 2458900), " 7 9 7 4 0.100000      -1 2458900      "},
        {Timed(7, 9, 4, 0.1, 2458850, -1), " 7 9 7 4 0.100000 2458850      -1      "},
        {Timed(2, 5, 1, 0.0, 2458856, 2458856), " 2 5 2 1 0.000000 2458856 2458856     1"},
        {Untimed(1, 10, 1, 0.0000014, RecordTiming::Moon),
         " 110 1 1 0.000001                      "},
        {Untimed(10, 2, 5, 0.2, RecordTiming::NotApplicable),
         "10 210 5 0.200000----------------------"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(r.strRecord, r.strExpected);
        AspectRecordFields f;
        ASSERT_TRUE(ZDR::ParseAspectRecord(r.strRecord, f)) << r.strRecord;
        EXPECT_EQ(ZDR::FormatAspectRecord(f), r.strRecord);
    }
    // The sort keys start on their fields.
    const std::string record = rows[0].strRecord;
    const char* const keys[7] = {" 3 4 3 3", " 3 0.01",  " 0.0123", " 4 3 3",
                                 " 2458850", " 2458900", "    51"};
    for (int16_t s = 0; s < 7; ++s)
        EXPECT_EQ(record.compare(ZDR::KeyColumn(s) - 1, std::string(keys[s]).size(), keys[s]), 0)
            << s;
    AspectRecordFields f;
    EXPECT_FALSE(ZDR::ParseAspectRecord("", f));
    EXPECT_FALSE(ZDR::ParseAspectRecord(" 3 4 5 3 0.012345 2458850 2458900    51", f));
}

// Records of first bodies 1.. in this order with the given durations (begin day 2458000).
std::vector<std::string> WithDurations(const std::vector<int>& durations) {
    std::vector<std::string> records;
    for (std::size_t i = 0; i < durations.size(); ++i) {
        AspectRecordFields f;
        f.intFirst = static_cast<int16_t>(i + 1);
        f.intSecond = 10;
        f.intAspect = 1;
        f.intTiming = RecordTiming::Days;
        f.dblBegin = 2458000;
        f.dblEnd = 2458000 + durations[i] - 1;
        records.push_back(ZDR::FormatAspectRecord(f));
    }
    return records;
}

TEST_F(AspectRecordsTest, SortingByDurationKeepsTheQuicksortsTies) {
    struct Row {
        std::vector<int> intDurations;
        std::vector<int> intExpectedFirst;
    } rows[] = {
        {{12, 12}, {1, 2}},
        {{12, 12, 12}, {1, 2, 3}},
        // Four equal keys: the descending pass swaps them in pairs, the reversal turns them.
        {{12, 12, 12, 12}, {2, 1, 4, 3}},
        {{5, 3, 5, 1}, {4, 2, 1, 3}},
        {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}},
        {{5, 4, 3, 2, 1}, {5, 4, 3, 2, 1}},
        {{7}, {1}},
    };
    for (const Row& r : rows) {
        std::vector<std::string> records = WithDurations(r.intDurations);
        ZDR::SortAspectRecords(records, ZDR::intSortDuration);
        EXPECT_EQ(FirstBodies(records), r.intExpectedFirst);
    }
    // Without the flag the quicksort leaves them descending.
    std::vector<std::string> records = WithDurations({5, 3, 5, 1});
    ZDR::QuickSortRecords(false, records, 0, 3, ZDR::KeyColumn(ZDR::intSortDuration));
    EXPECT_EQ(FirstBodies(records), (std::vector<int>{3, 1, 2, 4}));
    std::vector<std::string> none;
    ZDR::SortAspectRecords(none, ZDR::intSortDuration);
    EXPECT_TRUE(none.empty());
}

TEST_F(AspectRecordsTest, EverySortOrderIsAscendingByItsField) {
    const std::vector<std::string> source = {
        Timed(10, 3, 2, 0.05, 2458840, 2458870), Timed(9, 1, 5, 0.01, 2458850, 2458860),
        Timed(2, 8, 3, 0.03, 2458830, 2458900), Untimed(4, 10, 4, 0.02, RecordTiming::Moon)};
    struct Row {
        int16_t intSort;
        std::vector<int> intExpectedFirst;
    } rows[] = {
        {ZDR::intSortFirstBody, {2, 4, 9, 10}},  // " 9" before "10"
        {ZDR::intSortAspect, {10, 2, 4, 9}},
        {ZDR::intSortDeviation, {9, 4, 2, 10}},
        {ZDR::intSortSecondBody, {9, 10, 2, 4}},
        {ZDR::intSortBeginning, {4, 2, 10, 9}},  // the Moon's blank days first
        {ZDR::intSortEnd, {4, 9, 10, 2}},
        {ZDR::intSortDuration, {4, 9, 10, 2}},
    };
    for (const Row& r : rows) {
        std::vector<std::string> records = source;
        ZDR::SortAspectRecords(records, r.intSort);
        EXPECT_EQ(FirstBodies(records), r.intExpectedFirst) << "sort " << r.intSort;
    }
}
}  // namespace
