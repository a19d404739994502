#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "astro/CatalogueCounts.h"
#include "astro/DatePr2.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "config/OptionsInForce.h"
#include "engine/Catalogue.h"
#include "engine/CellExplanation.h"
#include "engine/Compute.h"
#include "engine/Durations.h"
#include "store/ExportLayout.h"
#include "support/PictureSupport.h"
#include "text/Language.h"
#include "view/ChartSheet.h"
#include "view/ChartWheel.h"
#include "view/PictureFile.h"
#include "view/TransitGraphic.h"

namespace cli {
namespace {

const CommandHelp kHelp = {
    "Usage: zodarc-cli chart [--png FILE [--scale N]] [--svg FILE] [--pdf FILE]\n"
    "                        [--sheet FILE [--paper a4|letter]] [--transit T,A,N]\n"
    "                        [--state FILE] [--mode MODE] [DATE SETS] [ORBS AND DISPLAY]\n"
    "                        [--language en|de] [--json]\n"
    "Computes one mode and draws its chart wheel as the main window shows it, into the PNG\n"
    "file FILE: 400 x 400 pixels with one ring of bodies in the single-chart modes, 660 x 440\n"
    "with both body sets in personal transits and synastry; a line for every aspect of the\n"
    "table, the glyphs moved inwards where bodies crowd, the legends in the language chosen.\n"
    "The same picture goes into an SVG file and a PDF page of its size, texts and glyphs as\n"
    "text, and into a PNG of 2, 3 or 4 times the size, drawn anew at that size. The chart\n"
    "sheet is one PDF page, A4 or Letter: the mode and its orb, the dates, the wheel, the\n"
    "aspect table and the report. At least one of the four files is needed.\n"
    "With --transit, in personal transits, it draws the transit graphic that a double-click\n"
    "on the aspect's cell shows instead (730 x 440 pixels): the course of the aspect from\n"
    "the day it began to the day it ends, in both zodiacs.\n",
    "  --json                one JSON object: {\"mode\", the files written (\"png\" with\n"
    "                        \"scale\" above 1, \"svg\", \"pdf\", \"sheet\"), \"width\",\n"
    "                        \"height\" (the picture's pixels), \"noRoom\", \"glyphs\":\n"
    "                        [{\"body\", \"set\" (0 first, 1 second), \"left\", \"top\"\n"
    "                        (twips, 15 to a pixel)}, ..]}; with --transit {\"mode\", the\n"
    "                        files, \"width\", \"height\", \"begin\", \"end\" (local days\n"
    "                        of the world timezone, \"YYYY-MM-DD\")}\n",
    "A birthdate with a place (the natal chart's, the natal bodies' in personal transits,\n"
    "the 2nd birthdate's in synastry) brings its houses onto the wheel, in the system of\n"
    "--house-system: the cusps from the rim, the angles thick and labelled ASC, DSC, MC, IC,\n"
    "the house numbers on a ring, the wheel turned with the Ascendant on the left.\n"
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

// The JSON members of the files written, each followed by ", ": "png" (with "scale" when
// it is enlarged), "svg", "pdf" and "sheet", as far as options name them.
std::string FilesJson(const CommandOptions& options) {
    std::string json;
    const std::pair<const char*, const std::string*> files[] = {{"png", &options.strPng},
                                                                {"svg", &options.strSvg},
                                                                {"pdf", &options.strPdf},
                                                                {"sheet", &options.strSheet}};
    for (const auto& [name, path] : files) {
        if (path->empty())
            continue;
        json += std::string("\"") + name + "\": " + JsonString(*path) + ", ";
        if (path == &options.strPng && options.intScale > 1)
            json += "\"scale\": " + std::to_string(options.intScale) + ", ";
    }
    return json;
}

void PrintJson(const view::ChartWheelPicture& wheel, const CommandOptions& options) {
    std::printf(
        "{\"mode\": \"%s\", %s\"width\": %d, \"height\": %d, \"noRoom\": %s, "
        "\"glyphs\": [",
        ModeName(options.intMode), FilesJson(options).c_str(), wheel.imgPicture.width(),
        wheel.imgPicture.height(), wheel.blnNoRoom ? "true" : "false");
    bool blnFirst = true;
    for (int s = 0; s < 2; ++s) {
        for (int b = 1; b <= ZDR::intCatalogueBodies; ++b) {
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
    if (options.intNatalBody > ZDR::intCatalogueBodies && !ZDR::HasAngles(result, 1))
        return "--transit to a natal angle needs --angles";
    const int16_t cell = static_cast<int16_t>((options.intNatalBody + 1) * table.intNumCols +
                                              options.intTransitBody + 1);
    const std::string name = "transiting " + ZDR::strBodyName[options.intTransitBody] + " " +
                             ZDR::udtAspect[options.intTransitAspect].strVerb + " natal " +
                             ZDR::strBodyName[options.intNatalBody];
    if (ZDR::CellAspect(table.udtCell[cell].strText) != options.intTransitAspect)
        return name + ": not in orb at the world date";
    if (options.intTransitBody == ZDR::bodyMoon)
        return name +
               ": the beginning and end of an aspect of the transiting Moon are not "
               "searched";
    ZDR::TimingContext context = ZDR::TimingContextOf(
        options.intMode, jd, ZoneMinutes(options.udtSet[0]), ZDR::ChartOptionsInForce());
    ZDR::TakeNatalAngles(context, result);
    if (!ZDR::TimingOfCell(table, cell, context, timing) || timing.dblBegin < 0 ||
        timing.dblEnd < 0)
        return name + ": its beginning or end lies beyond the position data";
    return "";
}

// Writes the picture of size (pixels) that paint draws into each file that options name:
// the PNG at the scale asked for, the SVG, the PDF. Returns false, the reason on standard
// error, when one of them could not be written.
bool WritePictureFiles(const CommandOptions& options, QSize size,
                       const view::PicturePainter& paint) {
    const QString title = QStringLiteral("Zodarc");
    const std::pair<const std::string*, view::PictureFormat> files[] = {
        {&options.strPng, view::PictureFormat::Png},
        {&options.strSvg, view::PictureFormat::Svg},
        {&options.strPdf, view::PictureFormat::Pdf}};
    for (const auto& [path, format] : files) {
        if (path->empty())
            continue;
        const QByteArray bytes =
            view::PictureFileBytes(size, format, options.intScale, title, paint);
        const std::string error = support::SavePictureFile(bytes, QString::fromStdString(*path));
        if (!error.empty()) {
            std::fprintf(stderr, "zodarc-cli chart: %s\n", error.c_str());
            return false;
        }
    }
    return true;
}

// Writes the chart sheet of the wheel input of result as options name it. Returns false,
// the reason on standard error, when it could not be written.
bool WriteSheet(const CommandOptions& options, ZDR::ComputeResult& result,
                const view::ChartWheelInput& input) {
    const ZDR::ChartOptions& config = ZDR::ChartOptionsInForce();
    const std::array<DatePr2::DateSetInput, 3> sets = {
        options.udtSet[0].udtInput, options.udtSet[1].udtInput, options.udtSet[2].udtInput};
    const ZDR::SheetTexts texts = ZDR::SheetTextsOf(
        ZDR::ExportCanvasOf(options.intMode, sets, config, ZODARC_VERSION_MAJOR_MINOR));
    view::ChartSheetInput sheet;
    sheet.strTitle = texts.strTitle;
    sheet.strDateLines = texts.strDateLines;
    sheet.strCredit = texts.strCredit;
    sheet.udtWheel = input;
    sheet.udtTable = &result.udtTable;
    sheet.strReport = ReportText(options, result);
    const QPageSize::PageSizeId paper = options.intPaper == 1   ? QPageSize::A4
                                        : options.intPaper == 2 ? QPageSize::Letter
                                                                : view::LocalePaper();
    const std::string error = support::SavePictureFile(view::ChartSheetPdf(sheet, paper),
                                                       QString::fromStdString(options.strSheet));
    if (!error.empty()) {
        std::fprintf(stderr, "zodarc-cli chart: %s\n", error.c_str());
        return false;
    }
    return true;
}

}  // namespace

int ChartCommand(int argc, char* argv[]) {
    CommandOptions options;
    double jd[3];
    const int code =
        StartCommand("chart", intTakesCharts | intTakesPicture | intTakesHouses | intTakesAngles,
                     kHelp, argc, argv, options, jd);
    if (code >= 0)
        return code;
    if (options.strPng.empty() && options.strSvg.empty() && options.strPdf.empty() &&
        options.strSheet.empty()) {
        std::fprintf(stderr,
                     "zodarc-cli chart: --png, --svg, --pdf or --sheet FILE is needed (see "
                     "zodarc-cli chart --help)\n");
        return intExitUsage;
    }
    if (options.intTransitAspect > 0 && !options.strSheet.empty()) {
        std::fprintf(stderr,
                     "zodarc-cli chart: --sheet holds the chart wheel; it does not go with "
                     "--transit\n");
        return intExitUsage;
    }

    ZDR::ComputeResult result;
    ZDR::ComputeAtJD(options.intMode, jd, options.blnRadians, ZDR::ChartOptionsInForce(), result,
                     options.udtAngles);
    // A chart with a body missing is no picture to replace the user's file with.
    if (ChartPositionFailed(result))
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
        const view::TransitGraphicInput input =
            view::TransitInputOf(timing, options.intMode, jd, ZoneMinutes(options.udtSet[0]),
                                 ZoneMinutes(options.udtSet[natalSet]), ZDR::ChartOptionsInForce());
        const view::TransitGraphicPicture graphic = view::DrawTransitGraphic(input);
        if (!WritePictureFiles(options, graphic.imgPicture.size(), [&input](QPainter& painter) {
                view::DrawTransitGraphic(input, &painter);
            }))
            return intExitFailed;
        if (options.blnJson)
            std::printf(
                "{\"mode\": \"%s\", %s\"width\": %d, \"height\": %d, "
                "\"begin\": \"%s\", \"end\": \"%s\"}\n",
                ModeName(options.intMode), FilesJson(options).c_str(), graphic.imgPicture.width(),
                graphic.imgPicture.height(), DayText(timing.dblBegin).c_str(),
                DayText(timing.dblEnd).c_str());
        return intExitOk;
    }

    view::ChartWheelInput input = view::WheelInputOfResult(result, ZDR::ChartOptionsInForce());
    // A birthdate with a place has its houses on the wheel, the Ascendant on the left unless
    // --aries-right.
    Places::Houses houses;
    if (HousesOfSet(options, result, view::WheelHouseSet(options.intMode), houses))
        view::SetWheelHouses(input, houses, !options.blnAriesRight);
    const view::ChartWheelPicture wheel = view::DrawChartWheel(input);
    if (!WritePictureFiles(options, wheel.imgPicture.size(),
                           [&input](QPainter& painter) { view::DrawChartWheel(input, &painter); }))
        return intExitFailed;
    if (!options.strSheet.empty() && !WriteSheet(options, result, input))
        return intExitFailed;
    if (options.blnJson)
        PrintJson(wheel, options);
    if (wheel.blnNoRoom) {
        std::fprintf(stderr, "%s\n", Language::Text(347).c_str());
        return intExitFailed;
    }
    return intExitOk;
}

}  // namespace cli
