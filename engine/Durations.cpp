#include "engine/Durations.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "astro/CatalogueCounts.h"
#include "astro/DatePr2.h"
#include "astro/Positions.h"
#include "astro/Turn.h"
#include "engine/Angles.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "engine/Patterns.h"
#include "engine/Report.h"
#include "text/Language.h"
#include "text/NumberWords.h"
#include "text/StrProc.h"

namespace ZDR {

namespace {

constexpr char kCrLf[] = "\r\n";

// Width of the timing block of a record, and where its fields start (from 0).
constexpr std::size_t kTimingWidth = 22;
constexpr std::size_t kBeginAt = 17;
constexpr std::size_t kEndAt = 25;
constexpr std::size_t kDurationAt = 33;

// The longest date texts of the list: "September 30, 9999," and the same with a blank.
constexpr int16_t kDateWidth = 19;

// Half an hour in days, the step of the waxing and waning test.
constexpr double kHalfHour = 1.0 / 48.0;

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

// A count in words in lower case ("twenty one", "keine").
std::string CountWords(int n) {
    return StrProc::LowerCase(StrProc::NumberWord(n, IsGerman()));
}

// A whole number right-justified in width columns.
std::string RightJustified(long value, int width) {
    char text[24];
    std::snprintf(text, sizeof text, "%*ld", width, value);
    return text;
}

// The whole number in text[at, at + width), blanks around it; false when there is none.
bool ReadNumber(const std::string& text, std::size_t at, std::size_t width, long& value) {
    if (at + width > text.size())
        return false;
    std::string_view field(text.data() + at, width);
    while (!field.empty() && field.front() == ' ')
        field.remove_prefix(1);
    while (!field.empty() && field.back() == ' ')
        field.remove_suffix(1);
    if (field.empty())
        return false;
    const std::from_chars_result r =
        std::from_chars(field.data(), field.data() + field.size(), value);
    return r.ec == std::errc() && r.ptr == field.data() + field.size();
}

// The local date of a whole local day number in words.
std::string LongDate(double day) {
    return DatePr2::JDNToLongDateText(static_cast<int32_t>(day), false, Language::intLanguage);
}

// The key of a record for sort order column col: the rest of the record from that column.
std::string_view SortKey(const std::string& record, int col) {
    const std::size_t from =
        std::min(record.size(), static_cast<std::size_t>(col > 0 ? col - 1 : 0));
    return std::string_view(record).substr(from);
}

// The descending quicksort of records[first..last] by their keys from column col.
void QuickSortDescending(std::vector<std::string>& records, int first, int last, int col) {
    int i = first;
    int j = last;
    const std::string pivotRecord = records[first + (last - first) / 2];
    const std::string_view pivot = SortKey(pivotRecord, col);
    while (i <= j) {
        while (SortKey(records[i], col) > pivot)
            ++i;
        while (SortKey(records[j], col) < pivot)
            --j;
        if (i <= j) {
            std::swap(records[i], records[j]);
            ++i;
            --j;
        }
    }
    if (first < j)
        QuickSortDescending(records, first, j, col);
    if (i < last)
        QuickSortDescending(records, i, last, col);
}

// The longitudes of the two bodies of a record: chart A for the single-chart modes; in
// personal transits the natal (first) body from chart B and the transiting one from chart
// A; in synastry the first from chart A (1st birthdate) and the second from chart B.
void RecordLongitudes(int16_t mode, const double (&dblPos)[intBodySlots][2], int16_t first,
                      int16_t second, double& lon1, double& lon2) {
    lon1 = dblPos[first][IsPersonalTransitMode(mode) ? 1 : 0];
    lon2 = dblPos[second][mode == intModeSynastry ? 1 : 0];
}

// The aspect and bodies of cell index in the table's mode; false when it holds none.
bool AspectOfCell(const AspectTable& table, int16_t mode, int16_t index, int16_t& k, int16_t& first,
                  int16_t& second) {
    if (index < 0 || index >= table.intNumCells || index >= intMaxNumCells)
        return false;
    k = CellAspect(table.udtCell[index].strText);
    return k != 0 && CellBodies(mode, table.intNumCols, index, first, second);
}

// One sentence of the chart description: both bodies with their places and the aspect.
std::string AspectSentence(const AspectRecordFields& f, int16_t mode,
                           const double (&dblPos)[intBodySlots][2]) {
    const bool synastry = mode == intModeSynastry;
    double lon1, lon2;
    RecordLongitudes(mode, dblPos, f.intFirst, f.intSecond, lon1, lon2);
    return strBodyName[f.intFirst] + (synastry ? "(1)" : "") + " (" +
           FormatSignPosition(lon1, true, false) + ") " + udtAspect[f.intAspect].strAdjective +
           " " + strBodyName[f.intSecond] + (synastry ? "(2)" : "") + " (" +
           FormatSignPosition(lon2, true, false) + ")";
}

// "2°13' from exact." (program text #80 with the deviation).
std::string FromExact(const std::string& deviation) {
    return StrProc::ReplaceAll(Language::Text(80), "[5 degrees]", deviation);
}

// The line counting the aspects of each kind: "There are one conjunction, no oppositions,
// ... and two quincunxes."
std::string CountLine(const std::vector<AspectRecordFields>& fields) {
    int count[intAspectSlots] = {};
    for (const AspectRecordFields& f : fields)
        ++count[f.intAspect];
    std::string line = Language::Text(count[aspectConjunction] == 1 ? 83 : 84) + " ";
    for (int16_t k = 1; k <= intCatalogueAspects; ++k) {
        if (k >= 2 && k <= 6)
            line += ", ";
        else if (k == 7)
            line += " " + Language::Text(57) + " ";
        line += CountWords(count[k]) + " " + CountedAspectName(k, count[k]);
    }
    return line + "." + kCrLf;
}

// The title of the message boxes of a double-click: "Sun square to Mars", "Transiting
// Mars square to natal Sun" ("Transit Mars Quadrat Radixsonne").
std::string CellTitle(int16_t mode, int16_t first, int16_t second, int16_t k) {
    if (!IsPersonalTransitMode(mode))
        return strBodyName[first] + " " + udtAspect[k].strVerb + " " + strBodyName[second];
    std::string title = Language::Text(155) + " " + strBodyName[second] + " " +
                        udtAspect[k].strVerb + Language::Text(156);
    if (IsGerman())
        return title + StrProc::LowerCase(strBodyName[first]);
    return title + " " + strBodyName[first];
}

// "waxing " or "waning " for the aspect k of a walk at the world date, or "" when its
// phase cannot be told.
std::string PhaseWord(const TimingContext& context, const AspectWalk& walk) {
    const double jd = context.dblChartAJD[0];
    const bool sidereal = context.udtOptions.udtConfig.blnSidereal;
    const double lon2 = BodyLongitudeIn(walk.intP2, jd, sidereal);
    const double lon2Later = BodyLongitudeIn(walk.intP2, jd + kHalfHour, sidereal);
    double lon1, lon1Later;
    if (walk.blnNatalFixed) {
        lon1 = lon1Later = BodyLongitudeIn(walk.intP1, walk.dblNatalJD, sidereal);
    } else {
        lon1 = BodyLongitudeIn(walk.intP1, jd, sidereal);
        lon1Later = BodyLongitudeIn(walk.intP1, jd + kHalfHour, sidereal);
    }
    const int16_t phase = AspectPhase(lon1, lon2, lon1Later, lon2Later);
    return phase > 0 ? "waxing " : phase < 0 ? "waning " : "";
}

// The explanation of an aspect's beginning and end: with the orb of aspect k in the
// walk's orb set, the dates or "an unknown date".
std::string Explanation(const CellTiming& t, int16_t orbSet, const ChartOptions& options,
                        const std::string& phase) {
    const std::string orb = FormatDegMin(options.dblOrb[t.intAspect][orbSet], true);
    if (IsGerman()) {
        const std::string unknown = Language::Text(167);
        std::string text = StrProc::ReplaceAll(Language::Text(158), "[8 degrees]", orb);
        text = StrProc::ReplaceAll(text, "[start date]",
                                   t.dblBegin >= 0 ? LongDate(t.dblBegin) : unknown);
        return StrProc::ReplaceAll(text, "[end date]",
                                   t.dblEnd >= 0 ? LongDate(t.dblEnd) : unknown);
    }
    return "With an orb of " + orb + " this " + phase +
           StrProc::LowerCase(udtAspect[t.intAspect].strName) + " begins on " +
           (t.dblBegin >= 0 ? LongDate(t.dblBegin) : "an unknown date") + " and ends on " +
           (t.dblEnd >= 0 ? LongDate(t.dblEnd) + "." : "an unknown date.");
}

}  // namespace

int KeyColumn(int16_t intSortIndex) {
    static const int kColumn[7] = {1, 7, 9, 3, 18, 26, 34};
    return intSortIndex >= 0 && intSortIndex <= 6 ? kColumn[intSortIndex] : kColumn[2];
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
        // Above the glyph diagonal of an 11 x 10 table: row r - 1 with column c + 1.
        if (intNumCols != intCatalogueBodies || row > intCatalogueBodies || col <= row - 2)
            return false;
        intFirst = static_cast<int16_t>(row - 1);
        intSecond = static_cast<int16_t>(col + 1);
        return true;
    }
    if (intNumCols != intBodySlots + 1 || row > intBodySlots || col < 2)
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
    return walk;
}

std::string FormatAspectRecord(const AspectRecordFields& fields) {
    char deviation[32];
    const std::to_chars_result r = std::to_chars(deviation, deviation + sizeof deviation,
                                                 fields.dblDeviation, std::chars_format::fixed, 6);
    std::string record = RightJustified(fields.intFirst, 2) + RightJustified(fields.intSecond, 2) +
                         RightJustified(fields.intFirst, 2) + RightJustified(fields.intAspect, 2) +
                         " " + std::string(deviation, r.ptr);
    switch (fields.intTiming) {
        case RecordTiming::NotApplicable:
            return record + std::string(kTimingWidth, '-');
        case RecordTiming::Moon:
            return record + std::string(kTimingWidth, ' ');
        case RecordTiming::Days:
            break;
    }
    const long begin = static_cast<long>(fields.dblBegin);
    const long end = static_cast<long>(fields.dblEnd);
    record += RightJustified(begin, 8) + RightJustified(end, 8);
    if (begin >= 0 && end >= 0)
        return record + RightJustified(end - begin + 1, 6);
    return record + std::string(6, ' ');
}

bool ParseAspectRecord(const std::string& strRecord, AspectRecordFields& fields) {
    long first, second, again, aspect;
    if (!ReadNumber(strRecord, 0, 2, first) || !ReadNumber(strRecord, 2, 2, second) ||
        !ReadNumber(strRecord, 4, 2, again) || !ReadNumber(strRecord, 6, 2, aspect) || first < 1 ||
        first > intCatalogueBodies || second < 1 || second > intCatalogueBodies || again != first ||
        aspect < 1 || aspect > intCatalogueAspects || strRecord.size() != kDurationAt + 6)
        return false;
    const char* const from = strRecord.data() + 9;
    double deviation = 0;
    const std::from_chars_result r =
        std::from_chars(from, strRecord.data() + kBeginAt, deviation, std::chars_format::fixed);
    if (r.ec != std::errc() || r.ptr != strRecord.data() + kBeginAt)
        return false;
    fields = AspectRecordFields();
    fields.intFirst = static_cast<int16_t>(first);
    fields.intSecond = static_cast<int16_t>(second);
    fields.intAspect = static_cast<int16_t>(aspect);
    fields.dblDeviation = deviation;
    const std::string timing = strRecord.substr(kBeginAt);
    if (timing == std::string(kTimingWidth, '-')) {
        fields.intTiming = RecordTiming::NotApplicable;
        return true;
    }
    if (timing == std::string(kTimingWidth, ' ')) {
        fields.intTiming = RecordTiming::Moon;
        return true;
    }
    long begin, end, duration;
    if (!ReadNumber(strRecord, kBeginAt, 8, begin) || !ReadNumber(strRecord, kEndAt, 8, end))
        return false;
    fields.intTiming = RecordTiming::Days;
    fields.dblBegin = static_cast<double>(begin);
    fields.dblEnd = static_cast<double>(end);
    if (ReadNumber(strRecord, kDurationAt, 6, duration))
        fields.lngDuration = static_cast<int32_t>(duration);
    return true;
}

std::vector<std::string> GetDurations(const AspectTable& table, const TimingContext& context,
                                      const double (&dblPos)[intBodySlots][2],
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
                                      const double (&dblPos)[intBodySlots][2]) {
    WalkPositions positions(context.lngWorldDay, context.intTimeZone, context.udtOptions);
    return GetDurations(table, context, dblPos, positions);
}

void QuickSortRecords(bool blnDescendingFlag, std::vector<std::string>& records, int first,
                      int last, int keyColumn) {
    if (first < 0 || last >= static_cast<int>(records.size()) || first >= last)
        return;
    QuickSortDescending(records, first, last, keyColumn);
    if (blnDescendingFlag)
        std::reverse(records.begin() + first, records.begin() + last + 1);
}

void SortAspectRecords(std::vector<std::string>& records, int16_t intSortIndex) {
    QuickSortRecords(true, records, 0, static_cast<int>(records.size()) - 1,
                     KeyColumn(intSortIndex));
}

DurationColumns DurationColumnWidths() {
    int16_t longestName = 0;
    for (int16_t b = 1; b <= intLastPlanet; ++b)
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
        f.dblBegin >= 0 ? LongDate(f.dblBegin) + (IsGerman() ? "" : ",") : Language::Text(168);
    const std::string end = f.dblEnd >= 0 ? LongDate(f.dblEnd) : Language::Text(168);
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

std::string ChartDescription(const std::vector<std::string>& records, int16_t intModeCode,
                             const ChartPositions& chart, const ChartOptions& options,
                             const DurationColumns& widths) {
    const bool synastry = intModeCode == intModeSynastry;
    std::vector<AspectRecordFields> fields;
    for (const std::string& record : records) {
        AspectRecordFields f;
        if (ParseAspectRecord(record, f))
            fields.push_back(f);
    }
    const int n = static_cast<int>(fields.size());

    // The heading: "There are twenty aspects in this natal chart."
    std::string kind = Language::Text(synastry ? 14 : 77);
    if (synastry && !IsGerman())
        kind = StrProc::LowerCase(kind);
    std::string text = StrProc::ReplaceAll(Language::Text(n == 1 ? 72 : 73), "[natal chart]", kind);
    if (n != 1)
        text = StrProc::ReplaceAll(text, "20", CountWords(n));
    if (synastry && IsGerman())
        text = StrProc::ReplaceAll(text, "diesem", "dieser");
    text += std::string(kCrLf) + kCrLf;

    // One sentence per aspect, the closest first.
    const int padWidth = widths[6] + (synastry ? 6 : 0);
    for (int i = 0; i < n; ++i) {
        const std::string sentence = AspectSentence(fields[i], intModeCode, chart.dblPos);
        const std::string deviation = FormatDegMin(fields[i].dblDeviation);
        const bool exact = deviation == FormatDegMin(0.0);
        if (i == 0) {
            text += sentence + ", " + (exact ? Language::Text(86) : FromExact(deviation));
        } else if (i == 1) {
            text += exact ? Language::Text(78) + " " + sentence + "."
                          : Language::Text(79) + " " + sentence + ", " + FromExact(deviation);
        } else {
            text += PadR(sentence + ", ", padWidth) + FromExact(deviation);
        }
        text += kCrLf;
        if (i == 1 && n > 2)
            text += kCrLf + Language::Text(81) + kCrLf;
    }
    if (n > 2)
        text += kCrLf + CountLine(fields);

    if (synastry)
        return text;
    int16_t listed = 0;
    for (const PatternGroup& group : FindAllPatterns(chart, options, true))
        AppendPatternSection(text, group.strText, group.intCount, group.intPattern, listed);
    if (listed == 0)
        text += std::string(kCrLf) + "There are no aspect patterns." + kCrLf;
    return text;
}

void AppendPatternSection(std::string& text, const std::string& strLines, int16_t n, int16_t p,
                          int16_t& intNumPatternsListed) {
    if (p < 0 || p > 13)
        return;
    std::string name = strPatternName[p];
    const bool english = !IsGerman();
    if (english && name != "T-square")
        name = StrProc::LowerCase(name);
    std::string heading = kCrLf;
    if (n == 1) {
        heading += Language::Text(82) + " " + name + ": ";
    } else {
        heading += Language::Text(84) + " " + CountWords(n) + " " + name;
        if (english)
            heading += p == patternGrandCross ? "es" : "s";
        heading += std::string(":") + kCrLf;
    }
    text += heading + strLines;
    intNumPatternsListed = static_cast<int16_t>(intNumPatternsListed + n);
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

bool TimingOfCell(const AspectTable& table, int16_t intIndex, const TimingContext& context,
                  CellTiming& timing) {
    timing = CellTiming();
    if (!IsTransitMode(context.intModeCode))
        return false;
    if (!AspectOfCell(table, context.intModeCode, intIndex, timing.intAspect, timing.intFirst,
                      timing.intSecond) ||
        timing.intSecond == bodyMoon)
        return false;
    WalkPositions positions(context.lngWorldDay, context.intTimeZone, context.udtOptions);
    const AspectWalk walk =
        WalkOfAspect(context, timing.intFirst, timing.intSecond, timing.intAspect);
    timing.dblBegin = BeginningOfAspect(walk, positions);
    timing.dblEnd = EndOfAspect(walk, positions);
    return true;
}

CellExplanation ExplainCell(const AspectTable& table, int16_t intIndex,
                            const TimingContext& context, const ConfigOptions& options) {
    CellExplanation e;
    const int16_t mode = context.intModeCode;
    if (!IsTransitMode(mode)) {
        e.intOutcome = CellClick::NoTiming;
        return e;
    }
    CellTiming& t = e.udtTiming;
    if (!AspectOfCell(table, mode, intIndex, t.intAspect, t.intFirst, t.intSecond)) {
        e.intOutcome = CellClick::NoAspect;
        return e;
    }
    if (options.dblAspectColor[t.intAspect] == 0) {
        e.intOutcome = CellClick::HiddenAspect;
        return e;
    }
    const int16_t orbSet = IsPersonalTransitMode(mode) ? 1 : 0;
    e.strTitle = CellTitle(mode, t.intFirst, t.intSecond, t.intAspect);
    if (t.intSecond == bodyMoon) {
        e.intOutcome = CellClick::MoonAspect;
        e.strMessage = StrProc::ReplaceAll(
            Language::Text(157), "12",
            std::to_string(MoonAspectHours(t.intAspect, orbSet, context.udtOptions)));
        return e;
    }
    TimingOfCell(table, intIndex, context, t);
    const AspectWalk walk = WalkOfAspect(context, t.intFirst, t.intSecond, t.intAspect);
    const std::string phase =
        options.blnWaxingWaningAspects && !IsGerman() ? PhaseWord(context, walk) : "";
    e.intOutcome = CellClick::Timed;
    e.strMessage = Explanation(t, orbSet, context.udtOptions, phase);
    e.strQuestion = e.strMessage + "\n\n" + Language::Text(162) + " " +
                    Language::Text(IsPersonalTransitMode(mode) ? 161 : 160) +
                    (IsGerman() ? " sehen" : "") + "?";
    return e;
}

}  // namespace ZDR
