// Speed of the pictures: redrawing the chart wheel of a computation, one ring and two, with
// ordinary and crowded skies, also at a screen pixel ratio of 2, drawing the transit graphic
// of an aspect that lasts two years, and making a chart sheet. Goals: a wheel under 16 ms,
// so that a quick run stays smooth; a transit graphic under 50 ms.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <string>

#include "astro/DatePr2.h"
#include "bench/BenchSupport.h"
#include "config/OptionsInForce.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "engine/Report.h"
#include "places/Houses.h"
#include "view/ChartSheet.h"
#include "view/ChartWheel.h"
#include "view/TransitGraphic.h"

namespace {

// The pictures need fonts, and the fonts an application.
void PrepareGui() {
    static int argc = 1;
    static char name[] = "zodarc_bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = nullptr;
    if (!app) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = new QGuiApplication(argc, argv);
    }
    PrepareCore();
}

// Computes mode at the world date and the birthdates given (year, month, day at 12:00 GMT).
ZDR::ComputeResult Computed(int16_t mode, const char* world, const char* birth1,
                            const char* birth2) {
    const char* dates[3] = {world, birth1, birth2};
    double jd[3];
    for (int s = 0; s < 3; ++s) {
        int year = 0, month = 0, day = 0;
        std::sscanf(dates[s], "%d-%d-%d", &year, &month, &day);
        jd[s] = DatePr2::DateSetToJD(std::to_string(year), month, day, 25, 0);
    }
    ZDR::ComputeResult result;
    ZDR::ComputeAtJD(mode, jd, false, ZDR::ChartOptionsInForce(), result);
    return result;
}

void DrawWheel(benchmark::State& state, const view::ChartWheelInput& input) {
    for (auto _ : state) {
        const view::ChartWheelPicture wheel = view::DrawChartWheel(input);
        benchmark::DoNotOptimize(wheel.imgPicture.constBits());
        if (wheel.blnNoRoom)
            state.SkipWithError("no room on the wheel");
    }
}

// World transits of 10 March 2024: Sun, Moon, Mercury, Neptune and Saturn within 25°.
void SingleWheel(benchmark::State& state) {
    PrepareGui();
    const ZDR::ComputeResult result =
        Computed(ZDR::intModeWorldTransits, "2024-3-10", "2024-3-10", "2024-3-10");
    DrawWheel(state, view::WheelInputOfResult(result, ZDR::ChartOptionsInForce()));
}
BENCHMARK(SingleWheel)->Unit(benchmark::kMillisecond);

// 4 February 1962: seven bodies in Aquarius, five of them within 6°.
void SingleWheelStellium(benchmark::State& state) {
    PrepareGui();
    const ZDR::ComputeResult result =
        Computed(ZDR::intModeWorldTransits, "1962-2-4", "1962-2-4", "1962-2-4");
    DrawWheel(state, view::WheelInputOfResult(result, ZDR::ChartOptionsInForce()));
}
BENCHMARK(SingleWheelStellium)->Unit(benchmark::kMillisecond);

// The same stellium on the Ascendant in Berlin, with the cusps, the angles' labels and the
// house numbers, turned with the Ascendant on the left.
void SingleWheelStelliumWithHouses(benchmark::State& state) {
    PrepareGui();
    const ZDR::ComputeResult result =
        Computed(ZDR::intModeWorldTransits, "1962-2-4", "1962-2-4", "1962-2-4");
    view::ChartWheelInput input = view::WheelInputOfResult(result, ZDR::ChartOptionsInForce());
    view::SetWheelHouses(
        input, Places::ComputeHouses(result.dblChartAJD[0] - 0.18, 52.52, 13.41,
                                     Places::intPlacidus, false),
        true);
    DrawWheel(state, input);
}
BENCHMARK(SingleWheelStelliumWithHouses)->Unit(benchmark::kMillisecond);

// Six bodies within 3° (Sun to Jupiter at 300° to 302.5°): every glyph of them but the
// first moves inwards, the last one about seventy times.
void SingleWheelSixInThreeDegrees(benchmark::State& state) {
    PrepareGui();
    const ZDR::ComputeResult result =
        Computed(ZDR::intModeWorldTransits, "1962-2-4", "1962-2-4", "1962-2-4");
    view::ChartWheelInput input = view::WheelInputOfResult(result, ZDR::ChartOptionsInForce());
    for (int b = 1; b <= 6; ++b)
        input.dblPos[b][0] = (300.0 + 0.5 * (b - 1)) / 360.0 * 6.28318530717959;
    DrawWheel(state, input);
}
BENCHMARK(SingleWheelSixInThreeDegrees)->Unit(benchmark::kMillisecond);

// Personal transits of 10 March 2024 to 17 May 1970.
void TwoChartWheel(benchmark::State& state) {
    PrepareGui();
    const ZDR::ComputeResult result =
        Computed(ZDR::intModePersonal1, "2024-3-10", "1970-5-17", "1970-5-17");
    DrawWheel(state, view::WheelInputOfResult(result, ZDR::ChartOptionsInForce()));
}
BENCHMARK(TwoChartWheel)->Unit(benchmark::kMillisecond);

// The same wheel as a screen of pixel ratio 2 shows it: the picture of its own pixels, which
// the right-click reads, and the wheel drawn anew at twice the size.
void TwoChartWheelAtRatio2(benchmark::State& state) {
    PrepareGui();
    const ZDR::ComputeResult result =
        Computed(ZDR::intModePersonal1, "2024-3-10", "1970-5-17", "1970-5-17");
    const view::ChartWheelInput input = view::WheelInputOfResult(result, ZDR::ChartOptionsInForce());
    for (auto _ : state) {
        const view::ChartWheelPicture wheel = view::DrawChartWheel(input);
        QImage screen(wheel.imgPicture.size() * 2, QImage::Format_RGB32);
        screen.setDevicePixelRatio(2);
        QPainter painter(&screen);
        view::DrawChartWheel(input, &painter);
        painter.end();
        benchmark::DoNotOptimize(screen.constBits());
    }
}
BENCHMARK(TwoChartWheelAtRatio2)->Unit(benchmark::kMillisecond);

// The chart sheet of those personal transits as a PDF page.
void ChartSheetPdf(benchmark::State& state) {
    PrepareGui();
    const ZDR::ComputeResult result =
        Computed(ZDR::intModePersonal1, "2024-3-10", "1970-5-17", "1970-5-17");
    view::ChartSheetInput sheet;
    sheet.udtWheel = view::WheelInputOfResult(result, ZDR::ChartOptionsInForce());
    sheet.udtTable = &result.udtTable;
    sheet.strTitle = "Personal transits";
    sheet.strReport = ZDR::BuildTwoChartReport(result, ZDR::intModePersonal1, false, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(view::ChartSheetPdf(sheet, QPageSize::A4).size());
}
BENCHMARK(ChartSheetPdf)->Unit(benchmark::kMillisecond);

// Synastry of 4 and 5 February 1962: fourteen glyphs of both rings in Aquarius.
void TwoChartWheelStellium(benchmark::State& state) {
    PrepareGui();
    const ZDR::ComputeResult result =
        Computed(ZDR::intModeSynastry, "2024-3-10", "1962-2-4", "1962-2-5");
    DrawWheel(state, view::WheelInputOfResult(result, ZDR::ChartOptionsInForce()));
}
BENCHMARK(TwoChartWheelStellium)->Unit(benchmark::kMillisecond);

// Transiting Uranus conjunct a natal point for 730 days: 2 x 393 longitudes and the curves.
void TransitGraphicTwoYears(benchmark::State& state) {
    PrepareGui();
    view::TransitGraphicInput input;
    input.intNatalBody = 5;
    input.intTransitBody = 7;
    input.intAspect = 1;
    input.dblStartDay = 2460000;
    input.dblEndDay = 2460729;
    input.dblNatalJD = DatePr2::DateSetToJD("1962", 2, 4, 25, 0);
    input.dblWorldJD = 2460365;
    input.dblWorldDay = 2460365.5;
    input.dblOrb = ZDR::ChartOptionsInForce().dblOrb[1][1];
    input.dblCurveColor = ZDR::OptionsInForce().dblAspectColor[1];
    input.dblNatalDay = 2437700;
    for (auto _ : state) {
        const view::TransitGraphicPicture graphic = view::DrawTransitGraphic(input);
        benchmark::DoNotOptimize(graphic.imgPicture.constBits());
    }
}
BENCHMARK(TransitGraphicTwoYears)->Unit(benchmark::kMillisecond);

}  // namespace
