#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <string>

#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "config/OptionsInForce.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "text/Language.h"
#include "view/ChartWheel.h"

namespace cli {
namespace {

const CommandHelp kHelp = {
    "Usage: zodarc-cli chart --png FILE [--state FILE] [--mode MODE] [DATE SETS]\n"
    "                        [ORBS AND DISPLAY] [--language en|de] [--json]\n"
    "Computes one mode and draws its chart wheel as the main window shows it, into the PNG\n"
    "file FILE: 400 x 400 pixels with one ring of bodies in the single-chart modes, 660 x 440\n"
    "with both body sets in personal transits and synastry; a line for every aspect of the\n"
    "table, the glyphs moved inwards where bodies crowd, the legends in the language chosen.\n",
    "  --json                one JSON object: {\"mode\", \"png\", \"width\", \"height\",\n"
    "                        \"noRoom\", \"glyphs\": [{\"body\", \"set\" (0 first, 1 second),\n"
    "                        \"left\", \"top\" (twips, 15 to a pixel)}, ..]}\n",
    "A state file's \"Use color\" and inner-planet options apply to the lines. When there is\n"
    "no room left for a glyph, the wheel is written as far as it was drawn, the message goes\n"
    "to standard error and the exit code is 1.\n"};

// Qt's notes on its own set-up are no concern of the command's user.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// Writes picture into path whole or not at all. Returns "" or the reason.
std::string WritePng(const QImage& picture, const std::string& path) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString().toStdString();
    if (!picture.save(&file, "PNG")) {
        file.cancelWriting();
        return "the picture could not be written";
    }
    if (!file.commit())
        return file.errorString().toStdString();
    return std::string();
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

    // The pictures need fonts, which need an application; no display is needed.
    qInstallMessageHandler(QuietQtMessages);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int appArgc = 1;
    char appName[] = "zodarc-cli";
    char* appArgv[] = {appName, nullptr};
    QGuiApplication app(appArgc, appArgv);

    const view::ChartWheelPicture wheel =
        view::DrawChartWheel(view::WheelInputOfResult(result, ZDR::OptionsInForce()));
    const std::string error = WritePng(wheel.imgPicture, png);
    if (!error.empty()) {
        std::fprintf(stderr, "zodarc-cli chart: %s: %s\n", png.c_str(), error.c_str());
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
