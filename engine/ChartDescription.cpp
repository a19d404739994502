#include "engine/ChartDescription.h"

#include "astro/DatePr2.h"
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

bool IsGerman() {
    return Language::intLanguage == Language::intGerman;
}

// A count in words in lower case ("twenty one", "keine").
std::string CountWords(int n) {
    return StrProc::LowerCase(StrProc::NumberWord(n, IsGerman()));
}

// One sentence of the chart description: both bodies with their places and the aspect.
std::string AspectSentence(const AspectRecordFields& f, int16_t mode,
                           const double (&dblPos)[intPointSlots][2]) {
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

}  // namespace

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
            text += DatePr2::PadRight(sentence + ", ", static_cast<int16_t>(padWidth), " ") + FromExact(deviation);
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

}  // namespace ZDR
