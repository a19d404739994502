// Speed of stepping and searching. One step of zodarc-cli search day by day (the step of
// the world date, its Julian Day, the ten positions, the pattern counts and the stop test)
// beside the ephemeris calls alone that such a step needs, over the same days: at least
// 5,000 steps a second, and a step no dearer than 1.5 times its ephemeris calls. One step
// of the window's quick run (step, computation, table or wheel, report, painted): under
// 16 ms. The processor a quick run takes, with its pace of ten steps a second.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <ctime>
#include <string>

#include "app/frmMain.h"
#include "astro/DateInput.h"
#include "astro/DatePr2.h"
#include "astro/Positions.h"
#include "bench/BenchSupport.h"
#include "config/Options.h"
#include "config/OptionsInForce.h"
#include "search/RunUntil.h"
#include "search/StepRunner.h"
#include "search/Stepping.h"
#include "search/frmRun.h"
#include "tests/MemoryStore.h"
#include "text/Language.h"
#include "view/GraphicView.h"

namespace {

// The walk runs day by day through a century at 12:00 GMT and starts again: the twentieth
// (the argument 1900), or one beyond the Moon's files (2500), where the library is told of
// no Moon's file.
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 1999;

DatePr2::DateSetInput FirstDay(int year = kFirstYear) {
    DatePr2::DateSetInput set;
    set.strYearText = std::to_string(year);
    set.intMonthIndex = 1;
    set.intDayIndex = 1;
    set.intHourIndex = 25;
    return set;
}

double JDOf(const DatePr2::DateSetInput& set) {
    return DatePr2::DateSetToJD(set.strYearText, set.intMonthIndex, set.intDayIndex,
                                set.intHourIndex, 0);
}

// One step as the search makes it, looking for the grand sextile (present on few days, so
// that nearly every step goes on).
void SearchStepDayByDay(benchmark::State& state) {
    PrepareCore();
    ZDR::RunUntilSettings settings;
    settings.intAspectPatternToFind = 12;
    const int first = static_cast<int>(state.range(0));
    const std::string end = std::to_string(first + 100);
    DatePr2::DateSetInput set = FirstDay(first);
    int16_t counts[14];
    int16_t found = 0;
    for (auto _ : state) {
        ZDR::StepWorldDate(set, ZDR::intStepDay, false);
        if (set.strYearText == end)
            set = FirstDay(first);
        ZDR::PatternCountsAt(JDOf(set), ZDR::ChartOptionsInForce(), counts);
        benchmark::DoNotOptimize(ZDR::PatternFound(settings, counts, found));
    }
    state.SetItemsProcessed(state.iterations());
}

// The ephemeris calls of one step: the ten longitudes at the same days.
void EphemerisCallsOfAStep(benchmark::State& state) {
    PrepareCore();
    const double first = JDOf(FirstDay());
    const double end = JDOf(DatePr2::DateSetInput{std::to_string(kLastYear + 1), 1, 1, 25, 0});
    double jd = first;
    for (auto _ : state) {
        jd = jd + 1 < end ? jd + 1 : first;
        for (int16_t b = 1; b <= 10; ++b)
            benchmark::DoNotOptimize(ZDR::BodyLongitude(b, jd));
    }
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(SearchStepDayByDay)->Arg(1900)->Arg(2500)->Unit(benchmark::kMicrosecond);
BENCHMARK(EphemerisCallsOfAStep)->Unit(benchmark::kMicrosecond);

// ---------------------------------------------------------------- the window's quick run

namespace {

// The main window on the offscreen platform, started once for the whole run.
frmMain& MainWindow() {
    static int argc = 1;
    static char name[] = "zodarc_bench";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
    }
    static QTemporaryDir userData;
    static MemoryStore store;
    static frmMain* window = nullptr;
    if (!window) {
        window = new frmMain(QString::fromStdString(BenchDataFolder()), userData.path(), store);
        if (!window->Startup())
            std::exit(1);
        window->show();
    }
    return *window;
}

// The world date back at 2024-01-01 12:00 GMT, a day as the step, the table or the wheel
// on display.
void StartAtNewYear(frmMain& w, bool blnChart) {
    if (w.picGraphic->GraphicShown() != blnChart)
        w.cmdToggleGraphic->click();
    w.txbYearCE[0]->setText("2024");
    w.cboMonthCE[0]->setCurrentIndex(1);
    w.cboDayCE[0]->setCurrentIndex(1);
    w.cboHour[0]->setCurrentIndex(25);
    w.cboTimezone[0]->setCurrentIndex(24);
    w.cboForwardBack->setCurrentIndex(1);
    w.cmdCompute_Click();
}

// One step of a quick run as the window makes it: the step of the world date, the
// computation, the table (or the wheel) and the report, painted.
void QuickRunStep(benchmark::State& state, bool blnChart) {
    frmMain& w = MainWindow();
    StartAtNewYear(w, blnChart);
    for (auto _ : state) {
        w.Runner().cmdForwardBack_Click(0);
        w.repaint();
    }
}
void QuickRunStepTable(benchmark::State& state) {
    QuickRunStep(state, false);
}
void QuickRunStepChart(benchmark::State& state) {
    QuickRunStep(state, true);
}

// A quick run of ten seconds with the wheel on display, started from the run dialog and
// stopped by Stop: steps made and the share of one processor the program took meanwhile.
void QuickRunProcessorUse(benchmark::State& state) {
    frmMain& w = MainWindow();
    for (auto _ : state) {
        StartAtNewYear(w, true);
        const double first = w.udtResult.dblChartAJD[0];
        QTimer answer;
        answer.setInterval(0);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            frmRun* dialog = w.Runner().RunDialog();
            if (!dialog || !dialog->isVisible())
                return;
            dialog->optRunUntilStopped->setChecked(true);
            dialog->chkRunQuickly->setChecked(true);
            dialog->cmdRun->click();
            answer.stop();
        });
        answer.start();
        QTimer::singleShot(10000, [&] { w.cmdRun->click(); });
        timespec start{}, end{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &start);
        w.cmdRun->click();
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &end);
        const double cpu = (end.tv_sec - start.tv_sec) + (end.tv_nsec - start.tv_nsec) * 1e-9;
        state.counters["steps"] = w.udtResult.dblChartAJD[0] - first;
        state.counters["cpu_seconds"] = cpu;
        state.counters["cpu_percent"] = cpu / 10.0 * 100.0;
    }
}

}  // namespace

BENCHMARK(QuickRunStepTable)->Unit(benchmark::kMillisecond);
BENCHMARK(QuickRunStepChart)->Unit(benchmark::kMillisecond);
BENCHMARK(QuickRunProcessorUse)->Unit(benchmark::kMillisecond)->Iterations(1);
