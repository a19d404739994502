#include "engine/Durations.h"

#include <algorithm>
#include <cmath>

#include "astro/CatalogueCounts.h"
#include "astro/DatePr2.h"
#include "astro/Turn.h"
#include "engine/Angles.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "engine/Report.h"
#include "text/Language.h"
#include "text/StrProc.h"

namespace ZDR {

namespace {

constexpr char kCrLf[] = "\r\n";

// The longest date texts of the list: "September 30, 9999," and the same with a blank.
constexpr int16_t kDateWidth = 19;

bool IsGerman() {
    return Language::intLanguage == Language::intGerman;
}

std::string PadR(const std::string& text, int width) {
    return DatePr2::PadRight(text, static_cast<int16_t>(width), " ");
}

std::string TrimRight(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

}  // namespace

std::string LocalDayText(double day) {
    return DatePr2::JDNToLongDateText(static_cast<int32_t>(day), false, Language::intLanguage);
}

TimingContext TimingContextOf(int16_t intModeCode, const double (&dblChartAJD)[3],
                              int16_t intTimeZone, const ChartOptions& options) {
    TimingContext context;
    context.udtOptions = options;
    context.intModeCode = intModeCode;
    for (int s = 0; s < 3; ++s)
        context.dblChartAJD[s] = dblChartAJD[s];
    context.intTimeZone = intTimeZone;
    context.lngWorldDay = LocalDayNumber(dblChartAJD[0], intTimeZone);
    return context;
}

TimingContext TimingContextOf(const ComputeResult& chart, int16_t intTimeZone,
                              const ChartOptions& options) {
    TimingContext context =
        TimingContextOf(chart.intModeCode, chart.dblChartAJD, intTimeZone, options);
    TakeNatalAngles(context, chart);
    return context;
}

void TakeNatalAngles(TimingContext& context, const ChartPositions& chart) {
    if (IsPersonalTransitMode(context.intModeCode))
        for (int16_t a = 0; a < intNumAngles; ++a)
            context.dblNatalAngle[a] = chart.dblPos[pointAscendant + a][1];
}

int16_t CellAspect(const std::string& strCellText) {
    for (int16_t k = 1; k <= intCatalogueAspects; ++k) {
        const std::string& abbr = udtAspect[k].strAbbr;
        if (!abbr.empty() && strCellText.find(abbr) != std::string::npos)
            return k;
    }
    return 0;
}

bool CellBodies(int16_t intModeCode, int16_t intNumCols, int16_t intIndex, int16_t& intFirst,
                int16_t& intSecond) {
    int16_t row = 0;
    int16_t col = 0;
    GetRowCol(intIndex, intNumCols, row, col);
    if (intModeCode < intModeWorldTransits || intModeCode > intModeSynastry || row < 2)
        return false;
    if (!IsTwoChartMode(intModeCode)) {
        // Above the glyph diagonal of an 11 x 10 table (13 x 12 with the angles): row r - 1
        // with column c + 1.
        if ((intNumCols != intCatalogueBodies && intNumCols != pointMidheaven) ||
            row > intNumCols || col <= row - 2)
            return false;
        intFirst = static_cast<int16_t>(row - 1);
        intSecond = static_cast<int16_t>(col + 1);
        return true;
    }
    if ((intNumCols != intBodySlots + 1 && intNumCols != intPointSlots + 1) ||
        row > intPointSlots || col < 2)
        return false;
    const int16_t rowBody = static_cast<int16_t>(row - 1);
    const int16_t colBody = static_cast<int16_t>(col - 1);
    intFirst = intModeCode == intModeSynastry ? colBody : rowBody;
    intSecond = intModeCode == intModeSynastry ? rowBody : colBody;
    return true;
}

AspectWalk WalkOfAspect(const TimingContext& context, int16_t intFirst, int16_t intSecond,
                        int16_t k) {
    AspectWalk walk;
    walk.intP1 = intFirst;
    walk.intP2 = intSecond;
    walk.intAspect = k;
    walk.intPersonal = IsPersonalTransitMode(context.intModeCode) ? 1 : 0;
    walk.blnNatalFixed = walk.intPersonal == 1;
    if (walk.blnNatalFixed)
        walk.dblNatalJD = context.dblChartAJD[context.intModeCode == intModePersonal1 ? 1 : 2];
    if (walk.blnNatalFixed && intFirst >= pointAscendant && intFirst <= pointMidheaven)
        walk.dblNatalLongitude = context.dblNatalAngle[intFirst - pointAscendant];
    return walk;
}

std::vector<std::string> GetDurations(const AspectTable& table, const TimingContext& context,
                                      const double (&dblPos)[intPointSlots][2],
                                      WalkPositions& positions) {
    std::vector<std::string> records;
    const int16_t mode = context.intModeCode;
    for (int16_t i = 0; i < table.intNumCells && i < intMaxNumCells; ++i) {
        int16_t first = 0;
        int16_t second = 0;
        if (!CellBodies(mode, table.intNumCols, i, first, second))
            continue;
        const std::string& text = table.udtCell[i].strText;
        for (int16_t k = 1; k <= intCatalogueAspects; ++k) {
            const std::string& abbr = udtAspect[k].strAbbr;
            if (abbr.empty() || text.find(abbr) == std::string::npos)
                continue;
            AspectRecordFields fields;
            fields.intFirst = first;
            fields.intSecond = second;
            fields.intAspect = k;
            double lon1, lon2;
            RecordLongitudes(mode, dblPos, first, second, lon1, lon2);
            int16_t direction = 0;
            fields.dblDeviation = AspectDeviation(Separation(lon1, lon2, direction), k);
            if (!IsTransitMode(mode)) {
                fields.intTiming = RecordTiming::NotApplicable;
            } else if (second == bodyMoon) {
                fields.intTiming = RecordTiming::Moon;
            } else {
                const AspectWalk walk = WalkOfAspect(context, first, second, k);
                fields.intTiming = RecordTiming::Days;
                fields.dblBegin = BeginningOfAspect(walk, positions);
                fields.dblEnd = EndOfAspect(walk, positions);
            }
            records.push_back(FormatAspectRecord(fields));
        }
    }
    return records;
}

std::vector<std::string> GetDurations(const AspectTable& table, const TimingContext& context,
                                      const double (&dblPos)[intPointSlots][2]) {
    WalkPositions positions(context.lngWorldDay, context.intTimeZone, context.udtOptions);
    return GetDurations(table, context, dblPos, positions);
}

DurationColumns DurationColumnWidths(bool blnAngles) {
    int16_t longestName = 0;
    for (int16_t b = 1; b <= (blnAngles ? intLastPoint : intLastPlanet); ++b)
        longestName =
            std::max(longestName, static_cast<int16_t>(StrProc::CodePoints(strBodyName[b])));
    int16_t longestAdjective = 0;
    for (int16_t k = 1; k <= intCatalogueAspects; ++k) {
        longestAdjective = std::max(
            longestAdjective, static_cast<int16_t>(StrProc::CodePoints(udtAspect[k].strAdjective)));
    }
    DurationColumns w{};
    w[1] = longestName;
    w[2] = static_cast<int16_t>(longestAdjective + 10);
    w[3] = longestName;
    w[4] = kDateWidth;
    w[5] = kDateWidth;
    w[6] = static_cast<int16_t>(2 * longestName + longestAdjective + 4);
    return w;
}

std::string DurationText(int32_t d) {
    if (d == 1)
        return Language::Text(171);
    if (d == 365)
        return Language::Text(174);
    constexpr double kYear = 365.2425;
    const int32_t y = static_cast<int32_t>(d / kYear);
    const int32_t r = d - static_cast<int32_t>(y * kYear);
    std::string days;
    if (r == 1)
        days = Language::Text(171);
    else if (r > 1)
        days = std::to_string(r) + " " + Language::Text(175);
    if (y < 1)
        return days;
    const std::string years =
        y == 1 ? Language::Text(174) : std::to_string(y) + " " + Language::Text(176);
    return days.empty() ? years : years + ", " + days;
}

int MoonAspectHours(int16_t k, int16_t orbSet, const ChartOptions& options) {
    if (k < 1 || k > intCatalogueAspects || orbSet < 0 || orbSet >= intNumOrbSets)
        return 0;
    return static_cast<int>(std::lround(4.0 * options.dblOrb[k][orbSet] / dblTurn * 360.0));
}

std::string FormatDurationLine(const DurationListView& view, const AspectRecordFields& f) {
    const DurationColumns& w = view.intWidth;
    const std::string aspectPart =
        udtAspect[f.intAspect].strAdjective + " (" + FormatDegMin(f.dblDeviation) + ")";
    const bool personal = IsPersonalTransitMode(view.intModeCode);
    std::string line;
    if (personal) {
        line = PadR("tr." + strBodyName[f.intSecond], w[1] + 3) + " " + PadR(aspectPart, w[2]) +
               " " + PadR(Language::Text(56) + strBodyName[f.intFirst], w[3] + 2);
    } else {
        line = PadR(strBodyName[f.intFirst], w[1]) + " " + PadR(aspectPart, w[2]) + " " +
               PadR(strBodyName[f.intSecond], w[3]);
    }
    const bool byDay = view.intSortIndex == intSortBeginning || view.intSortIndex == intSortEnd;
    if (f.intTiming == RecordTiming::Moon && view.blnShowDuration && !byDay) {
        const std::string hours =
            std::to_string(MoonAspectHours(f.intAspect, personal ? 1 : 0, view.udtOptions));
        return line + " " + StrProc::ReplaceAll(Language::Text(53), "12", hours);
    }
    if (!view.blnShowDuration || f.intTiming != RecordTiming::Days)
        return TrimRight(line);
    const std::string begin =
        f.dblBegin >= 0 ? LocalDayText(f.dblBegin) + (IsGerman() ? "" : ",") : Language::Text(168);
    const std::string end = f.dblEnd >= 0 ? LocalDayText(f.dblEnd) : Language::Text(168);
    line += " " + Language::Text(165) + " " + PadR(begin, w[4]) + " " + Language::Text(166) + " " +
            PadR(end, w[5]);
    if (f.dblBegin >= 0 && f.dblEnd >= 0)
        line += "(" + DurationText(f.lngDuration) + ")";
    return TrimRight(line);
}

std::string DurationListText(const std::vector<std::string>& records,
                             const DurationListView& view) {
    const bool byDay = view.intSortIndex == intSortBeginning || view.intSortIndex == intSortEnd;
    std::string text;
    for (const std::string& record : records) {
        AspectRecordFields fields;
        if (!ParseAspectRecord(record, fields))
            continue;
        // The transiting Moon's aspects have no days to be listed by.
        if (byDay && fields.intTiming == RecordTiming::Moon)
            continue;
        text += FormatDurationLine(view, fields) + kCrLf;
    }
    return text;
}

std::string DurationsCaption(int16_t intModeCode) {
    switch (intModeCode) {
        case intModeWorldTransits:
            return Language::Text(159) + " " + Language::Text(160);
        case intModePersonal1:
        case intModePersonal2:
            return Language::Text(159) + " " + Language::Text(161);
        case intModeNatal1:
        case intModeNatal2:
            return Language::Text(58) + " " + Language::Text(intModeCode == intModeNatal1 ? 5 : 6);
        case intModeSynastry:
            return Language::Text(14);
        default:
            return "";
    }
}

std::string DurationsTitle(int16_t intModeCode, const std::string (&strDateText)[3],
                           bool blnSidereal) {
    const std::string zodiac = ", " + ZodiacWord(blnSidereal);
    switch (intModeCode) {
        case intModeWorldTransits:
            return Language::Text(160) + " " + Language::Text(178) + " " + strDateText[0] + zodiac;
        case intModePersonal1:
        case intModePersonal2: {
            const int set = intModeCode == intModePersonal1 ? 1 : 2;
            return Language::Text(161) + " " + Language::Text(177) + " " +
                   Language::Text(set == 1 ? 5 : 6) + ", " + strDateText[set] + ": " +
                   Language::Text(51) + " " + strDateText[0] + zodiac;
        }
        case intModeNatal1:
        case intModeNatal2:
            return Language::Text(85) + " " + strDateText[intModeCode == intModeNatal1 ? 1 : 2] +
                   zodiac;
        case intModeSynastry:
            return Language::Text(88) + " (1) " + strDateText[1] + " " + Language::Text(179) +
                   " (2) " + strDateText[2] + zodiac;
        default:
            return "";
    }
}

}  // namespace ZDR
