// Speed of one computation in the mode World transits with the default options: ten
// positions and their retrograde tests, the 45 pairs, the movement marks and the cells.
// Goal: under 0.5 ms a computation.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "astro/Ephemeris.h"
#include "astro/Positions.h"
#include "config/Options.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "text/Language.h"

namespace {

// Points the positions and the program text at the data files beside this executable.
void PrepareCompute() {
    static bool blnPrepared = false;
    if (blnPrepared)
        return;
    blnPrepared = true;
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    std::string folder = n > 0 ? std::string(path, n) : std::string("./");
    folder.erase(folder.rfind('/') + 1);
    ZDR::strDataFolder = folder;
    orbitlib::set_datafiles_folder(folder.c_str());
    std::string error;
    if (ZDR::strPlutoLine.empty() && !ZDR::ReadPlutoData("pluto.slx", error)) {
        std::fprintf(stderr, "%s\n", ZDR::PlutoDataErrorMessage(error).c_str());
        std::exit(1);
    }
    std::string message;
    Language::LoadProgramText(folder, "zdr.dat", message);
    ZDR::InitialiseCatalogue();
}

// A new world date each computation (a day and 7 hours on), so that no cache of the
// ephemeris answers, running through 1950 to 2049.
void WorldTransits(benchmark::State& state) {
    PrepareCompute();
    ZDR::ComputeInput input;
    input.intModeCode = ZDR::intModeWorldTransits;
    input.udtOptions = ZDR::DefaultOptions(Language::intEnglish, ZDR::ConfigOptions{});
    ZDR::ComputeResult result;
    long k = 0;
    for (auto _ : state) {
        DatePr2::DateSetInput& world = input.udtDateSet[0];
        world.strYearText = std::to_string(1950 + (k / 336) % 100);
        world.intMonthIndex = static_cast<int16_t>(1 + (k / 28) % 12);
        world.intDayIndex = static_cast<int16_t>(1 + k % 28);
        world.intHourIndex = static_cast<int16_t>(1 + (k * 14) % 48);
        world.intTimezoneIndex = 24;
        ++k;
        int16_t failed = 0;
        benchmark::DoNotOptimize(ZDR::Compute(input, result, failed));
    }
    ZDR::SetOrbs(ZDR::ConfigOptions{});
}
BENCHMARK(WorldTransits)->Unit(benchmark::kMicrosecond);

}  // namespace
