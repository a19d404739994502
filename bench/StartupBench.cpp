// Time from creating the main window to the first computed window: program text, the
// catalogue, the configuration dialog, the Pluto table, the state file and the first
// World-transits computation, on the offscreen platform. Goal: under 500 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <map>
#include <string>

#include "app/frmMain.h"
#include "astro/Ephemeris.h"
#include "bench/BenchSupport.h"
#include "config/SettingsStore.h"
#include "tests/MemoryStore.h"

namespace {

void BM_StartupToFirstComputedWindow(benchmark::State& state) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "zodarc_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    QTemporaryDir userData;
    MemoryStore store;
    const QString data = QString::fromStdString(BenchDataFolder());
    for (auto _ : state) {
        frmMain window(data, userData.path(), store);
        if (!window.Startup())
            state.SkipWithError("start-up failed");
        benchmark::DoNotOptimize(window.udtResult.intModeCode);
    }
}
BENCHMARK(BM_StartupToFirstComputedWindow)->Unit(benchmark::kMillisecond);

// The check of the ephemeris files at start-up: each file's bodies at three dates against
// the analytic theory. Goal: a small part of the start-up, under 50 ms.
void EphemerisProbe(benchmark::State& state) {
    const std::string folder = BenchDataFolder();
    for (auto _ : state) {
        orbitlib::set_datafiles_folder(folder.c_str());
        orbitlib::ProbeEphemerisFiles();
    }
}
BENCHMARK(EphemerisProbe)->Unit(benchmark::kMillisecond);

}  // namespace
