// Two computations in one process at once, on two threads, with different inputs and
// options: each gives what it gives alone.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "config/Options.h"
#include "engine/Compute.h"
#include "engine/Durations.h"
#include "engine/Report.h"
#include "tests/EngineTestSupport.h"
#include "text/Language.h"

namespace {

// One computation: its mode, dates and configuration.
struct Job {
    int16_t intMode;
    double dblJD[3];
    ZDR::ConfigOptions udtConfig;
};

// What a computation gives: the chart, its report and its durations records.
struct Outcome {
    ZDR::ComputeResult udtChart;
    std::string strReport;
    std::vector<std::string> strRecords;
};

Outcome Computation(const Job& job) {
    const ZDR::ChartOptions options = ZDR::MakeChartOptions(job.udtConfig);
    Outcome out;
    ZDR::ComputeAtJD(job.intMode, job.dblJD, false, options, out.udtChart);
    out.strReport = ZDR::ComputationReport(out.udtChart, options, false, false, false);
    if (ZDR::IsTransitMode(job.intMode)) {
        const ZDR::TimingContext context =
            ZDR::TimingContextOf(job.intMode, out.udtChart.dblChartAJD, 60, options);
        out.strRecords = ZDR::GetDurations(out.udtChart.udtTable, context, out.udtChart.dblPos);
    }
    return out;
}

void ExpectSame(const Outcome& a, const Outcome& b, const char* what) {
    EXPECT_EQ(a.strReport, b.strReport) << what;
    EXPECT_EQ(a.strRecords, b.strRecords) << what;
    for (int b1 = 0; b1 < ZDR::intBodySlots; ++b1) {
        for (int s = 0; s < 2; ++s) {
            EXPECT_EQ(a.udtChart.dblPos[b1][s], b.udtChart.dblPos[b1][s]) << what << " " << b1;
            EXPECT_EQ(a.udtChart.blnRetro[b1][s], b.udtChart.blnRetro[b1][s]) << what << " " << b1;
        }
    }
    for (int i = 0; i < ZDR::intMaxNumCells; ++i)
        EXPECT_EQ(a.udtChart.udtTable.udtCell[i].strText, b.udtChart.udtTable.udtCell[i].strText)
            << what << " cell " << i;
    for (int p = 0; p < ZDR::intCataloguePatterns; ++p)
        EXPECT_EQ(a.udtChart.intNumPatternsOfType[p], b.udtChart.intNumPatternsOfType[p]) << what;
}

TEST(ChartThreadsTest, TwoComputationsAtOnceGiveWhatEachGivesAlone) {
    ASSERT_TRUE(LoadTestDataFiles());
    Language::intLanguage = Language::intEnglish;
    ZDR::BuildCatalogueNames();

    // World transits in the tropical zodiac with the default orbs, waxing and waning
    // counted; personal transits in the sidereal zodiac with wide orbs and no transiting
    // Moon, bold below a fraction of the orb.
    Job world{ZDR::intModeWorldTransits,
              {2460385.0, 0, 0},
              ZDR::DefaultOptions(Language::intEnglish, ZDR::ConfigOptions{})};
    world.udtConfig.blnWaxingWaningAspects = true;
    Job personal{ZDR::intModePersonal1,
                 {2451545.0, 2440587.5, 0},
                 ZDR::DefaultOptions(Language::intEnglish, ZDR::ConfigOptions{})};
    personal.udtConfig.blnSidereal = true;
    personal.udtConfig.intOrbListIndex = {12, 10, 8, 8, 6, 3, 3, 1};
    personal.udtConfig.intProportionIndex = {1, 0};
    personal.udtConfig.blnIncludeTransitingMoon = false;
    personal.udtConfig.bln1DegOfOrb = false;

    const Outcome worldAlone = Computation(world);
    const Outcome personalAlone = Computation(personal);
    ASSERT_NE(worldAlone.strReport, personalAlone.strReport);
    ASSERT_FALSE(worldAlone.strRecords.empty());
    ASSERT_FALSE(personalAlone.strRecords.empty());

    for (int round = 0; round < 3; ++round) {
        Outcome worldTogether, personalTogether;
        std::thread first([&] { worldTogether = Computation(world); });
        std::thread second([&] { personalTogether = Computation(personal); });
        first.join();
        second.join();
        ExpectSame(worldTogether, worldAlone, "world transits");
        ExpectSame(personalTogether, personalAlone, "personal transits");
    }
}

}  // namespace
