#pragma once
// The fixture of the tests of the duration records and their texts: English names, the
// default options, a chart without positions, and records of each kind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/Options.h"
#include "engine/Compute.h"
#include "engine/Durations.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"

class DurationsFixture : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(LoadTestDataFiles()); }
    void SetUp() override {
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
        udtTestOptions =
            ZDR::MakeChartOptions(ZDR::DefaultOptions(Language::intEnglish, ZDR::ConfigOptions{}));
        for (auto& pos : udtTestChart.dblPos)
            pos[0] = pos[1] = -99;
        udtTestChart.intNumBodies = 10;
    }
    static void German() {
        Language::intLanguage = Language::intGerman;
        ZDR::BuildCatalogueNames();
    }
    // Records of a timed transit, a Moon aspect or a natal aspect.
    static std::string Timed(int16_t first, int16_t second, int16_t k, double dev, double begin,
                             double end) {
        ZDR::AspectRecordFields f;
        f.intFirst = first;
        f.intSecond = second;
        f.intAspect = k;
        f.dblDeviation = dev;
        f.intTiming = ZDR::RecordTiming::Days;
        f.dblBegin = begin;
        f.dblEnd = end;
        return ZDR::FormatAspectRecord(f);
    }
    static std::string Untimed(int16_t first, int16_t second, int16_t k, double dev,
                               ZDR::RecordTiming timing) {
        ZDR::AspectRecordFields f;
        f.intFirst = first;
        f.intSecond = second;
        f.intAspect = k;
        f.dblDeviation = dev;
        f.intTiming = timing;
        return ZDR::FormatAspectRecord(f);
    }
    // The first bodies of records in their order.
    static std::vector<int> FirstBodies(const std::vector<std::string>& records) {
        std::vector<int> bodies;
        for (const std::string& r : records) {
            ZDR::AspectRecordFields f;
            EXPECT_TRUE(ZDR::ParseAspectRecord(r, f)) << r;
            bodies.push_back(f.intFirst);
        }
        return bodies;
    }

    SavedEngineTables udtSaved;
};
