#include <cstdio>
#include <string>

#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "config/Options.h"
#include "config/OptionsInForce.h"
#include "engine/Compute.h"
#include "engine/Report.h"
#include "text/Language.h"

namespace cli {
namespace {

const CommandHelp kHelp = {
    "Usage: zodarc-cli report [--state FILE] [--mode MODE] [DATE SETS] [ORBS AND DISPLAY]\n"
    "                         [--waxing-waning] [--language en|de] [--json]\n"
    "Computes one mode and prints the title and the report that the main window shows\n"
    "beside the table: the aspects by type and their total; in the single-chart modes also\n"
    "the aspect patterns, the midpoints and the retrograde bodies.\n",
    "  --json                one JSON object: {\"mode\", \"title\", \"report\"}, the report\n"
    "                        with its CR LF line ends\n",
    "The text output is the title, an empty line and the report, one line end each.\n"};

// The report with the shell's line ends: every CR LF becomes LF.
std::string WithLineFeeds(const std::string& text) {
    std::string out;
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}

}  // namespace

int ReportCommand(int argc, char* argv[]) {
    CommandOptions options;
    double jd[3];
    const int code = StartCommand(
        "report", intTakesCharts | intTakesWaxingWaning | intTakesHouses | intTakesAngles, kHelp,
        argc, argv, options, jd);
    if (code >= 0)
        return code;
    ZDR::ComputeResult result;
    ZDR::ComputeAtJD(options.intMode, jd, options.blnRadians, ZDR::ChartOptionsInForce(), result,
                     options.udtAngles);
    // As the window shows them after a computation: the table on display, no graphic.
    const std::string title = ZDR::SetModeTitle(options.intMode, false, ZDR::ChartOptionsInForce());
    const std::string report = ReportText(options, result);
    if (options.blnJson) {
        std::printf("{\"mode\": \"%s\", \"title\": %s, \"report\": %s}\n",
                    ModeName(options.intMode), JsonString(title).c_str(),
                    JsonString(report).c_str());
    } else {
        std::string text = WithLineFeeds(report);
        if (!text.empty() && text.back() != '\n')
            text += '\n';
        std::printf("%s\n\n%s", title.c_str(), text.c_str());
    }
    return PositionsExitCode("report", ChartPositionFailed(result));
}

}  // namespace cli
