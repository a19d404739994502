#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "astro/DatePr2.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "config/OptionsInForce.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "engine/Durations.h"
#include "support/PictureSupport.h"
#include "text/Language.h"
#include "view/ChartWheel.h"
#include "view/TransitGraphic.h"

namespace cli {
namespace {

const CommandHelp kHelp = {
    "Usage: zodarc-cli chart --png FILE [--transit T,A,N] [--state FILE] [--mode MODE]\n"
    "                        [DATE SETS] [ORBS AND DISPLAY] [--language en|de] [--json]\n"
    "Computes one mode and draws its chart wheel as the main window shows it, into the PNG\n"
    "file FILE: 400 x 400 pixels with one ring of bodies in the single-chart modes, 660 x 440\n"
    "with both body sets in personal transits and synastry; a line for every aspect of the\n"
    "table, the glyphs moved inwards where bodies crowd, the legends in the language chosen.\n"
    "With --transit, in personal transits, it draws the transit graphic that a double-click\n"
    "on the aspect's cell shows instead (730 x 440 pixels): the course of the aspect from\n"
    "the day it began to the day it ends, in both zodiacs.\n",
    "  --json                one JSON object: {\"mode\", \"png\", \"width\", \"height\",\n"
    "                        \"noRoom\", \"glyphs\": [{\"body\", \"set\" (0 first, 1 second),\n"
    "                        \"left\", \"top\" (twips, 15 to a pixel)}, ..]}; with --transit\n"
    "                        {\"mode\", \"png\", \"width\", \"height\", \"begin\", \"end\"\n"
    "                        (local days of the world timezone, \"YYYY-MM-DD\")}\n",
    "A state file's \"Use color\" and inner-planet options apply to the lines. When there is\n"
    "no room left for a glyph, the wheel is written as far as it was drawn, the message goes\n"
    "to standard error and the exit code is 1. A transit that does not stand at the world\n"
    "date, one of the transiting Moon, or one whose beginning or end lies beyond the\n"
    "position data draws nothing: exit code 1. So does a chart with a position that cannot\n"
    "be computed, and FILE is then left as it was. FILE is replaced whole or not at all: a\n"
    "picture that cannot be written in full (a full disk, a missing folder) or a folder,\n"
    "FIFO, device or socket at FILE leaves it as it is, with the reason on standard error\n"
    "and exit code 1.\n"};

// Qt's notes on its own set-up are no concern of the command's user.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

void PrintJson(const view::ChartWheelPicture& wheel, int16_t mode, const std::string& path) {
    std::printf(
        "{\"mode\": \"%s\", \"png\": %s, \"width\": %d, \"height\": %d, \"noRoom\": %s, "
        "\"glyphs\": [",
        ModeName(mode), JsonString(path).c_str(), wheel.imgPicture.width(),
        wheel.imgPicture.height(), wheel.blnNoRoom ? "true" : "false");
    bool blnFirst = true;
    for (int s = 0; s < 2; ++s) {
        for (int b = 1; b <= 10; ++b) {
            if (!wheel.blnPlaced[b][s])
                continue;
            std::printf("%s{\"body\": %d, \"set\": %d, \"left\": %d, \"top\": %d}",
                        blnFirst ? "" : ", ", b, s, wheel.udtCorner[b][s].x,
                        wheel.udtCorner[b][s].y);
            blnFirst = false;
        }
    }
    std::printf("]}\n");
}

// The timing of the transit that options name, found as a double-click on its cell finds
// it. Returns "" or the reason why there is no graphic to draw.
std::string TransitTiming(const CommandOptions& options, const ZDR::ComputeResult& result,
                          const double (&jd)[3], ZDR::CellTiming& timing) {
    if (!ZDR::IsPersonalTransitMode(options.intMode))
        return "--transit draws a personal transit: --mode personal1 or personal2";
    const ZDR::AspectTable& table = result.udtTable;
    const int16_t cell = static_cast<int16_t>((options.intNatalBody + 1) * table.intNumCols +
                                              options.intTransitBody + 1);
    const std::string name = "transiting " + ZDR::strBodyName[options.intTransitBody] + " " +
                             ZDR::udtAspect[options.intTransitAspect].strVerb + " natal " +
                             ZDR::strBodyName[options.intNatalBody];
    if (ZDR::CellAspect(table.udtCell[cell].strText) != options.intTransitAspect)
        return name + ": not in orb at the world date";
    if (options.intTransitBody == 10)
        return name +
               ": the beginning and end of an aspect of the transiting Moon are not "
               "searched";
    const ZDR::TimingContext context =
        ZDR::TimingContextOf(options.intMode, jd, ZoneMinutes(options.udtSet[0]));
    if (!ZDR::TimingOfCell(table, cell, context, timing) || timing.dblBegin < 0 ||
        timing.dblEnd < 0)
        return name + ": its beginning or end lies beyond the position data";
    return "";
}

}  // namespace

int ChartCommand(int argc, char* argv[]) {
    CommandOptions options;
    double jd[3];
    const int code =
        StartCommand("chart", intTakesCharts | intTakesPicture, kHelp, argc, argv, options, jd);
    if (code >= 0)
        return code;
    if (options.strPng.empty()) {
        std::fprintf(stderr,
                     "zodarc-cli chart: --png FILE is needed (see zodarc-cli chart --help)\n");
        return intExitUsage;
    }
    const std::string& png = options.strPng;

    ZDR::ComputeResult result;
    ZDR::ComputeAtJD(options.intMode, jd, options.blnRadians, ZDR::OptionsInForce(), result);
    // A chart with a body missing is no picture to replace the user's file with.
    if (ChartPositionFailed(options.intMode))
        return PositionsExitCode("chart", true);

    // The pictures need fonts, which need an application; no display is needed.
    qInstallMessageHandler(QuietQtMessages);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int appArgc = 1;
    char appName[] = "zodarc-cli";
    char* appArgv[] = {appName, nullptr};
    QGuiApplication app(appArgc, appArgv);

    ZDR::CellTiming timing;
    if (options.intTransitAspect > 0) {
        // The names of the message stay English, whatever the language of the picture.
        const int16_t language = Language::intLanguage;
        Language::intLanguage = Language::intEnglish;
        ZDR::BuildCatalogueNames();
        const std::string reason = TransitTiming(options, result, jd, timing);
        Language::intLanguage = language;
        ZDR::BuildCatalogueNames();
        if (!reason.empty()) {
            std::fprintf(stderr, "zodarc-cli chart: %s\n", reason.c_str());
            return intExitFailed;
        }
        const int natalSet = options.intMode == ZDR::intModePersonal2 ? 2 : 1;
        const view::TransitGraphicPicture graphic = view::DrawTransitGraphic(
            view::TransitInputOf(timing, options.intMode, jd, ZoneMinutes(options.udtSet[0]),
                                 ZoneMinutes(options.udtSet[natalSet]), ZDR::OptionsInForce()));
        const std::string error =
            support::SavePicture(graphic.imgPicture, QString::fromStdString(png), "PNG");
        if (!error.empty()) {
            std::fprintf(stderr, "zodarc-cli chart: %s\n", error.c_str());
            return intExitFailed;
        }
        if (options.blnJson)
            std::printf(
                "{\"mode\": \"%s\", \"png\": %s, \"width\": %d, \"height\": %d, "
                "\"begin\": \"%s\", \"end\": \"%s\"}\n",
                ModeName(options.intMode), JsonString(png).c_str(), graphic.imgPicture.width(),
                graphic.imgPicture.height(), DayText(timing.dblBegin).c_str(),
                DayText(timing.dblEnd).c_str());
        return intExitOk;
    }

    const view::ChartWheelPicture wheel =
        view::DrawChartWheel(view::WheelInputOfResult(result, ZDR::OptionsInForce()));
    const std::string error =
        support::SavePicture(wheel.imgPicture, QString::fromStdString(png), "PNG");
    if (!error.empty()) {
        std::fprintf(stderr, "zodarc-cli chart: %s\n", error.c_str());
        return intExitFailed;
    }
    if (options.blnJson)
        PrintJson(wheel, options.intMode, png);
    if (wheel.blnNoRoom) {
        std::fprintf(stderr, "%s\n", Language::Text(347).c_str());
        return intExitFailed;
    }
    return intExitOk;
}

}  // namespace cli
