#include "engine/CellExplanation.h"

#include "astro/Positions.h"
#include "engine/Angles.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "engine/Report.h"
#include "text/Language.h"
#include "text/StrProc.h"

namespace ZDR {

namespace {

// Half an hour in days, the step of the waxing and waning test.
constexpr double kHalfHour = 1.0 / 48.0;

bool IsGerman() {
    return Language::intLanguage == Language::intGerman;
}

// The aspect and bodies of cell index in the table's mode; false when it holds none.
bool AspectOfCell(const AspectTable& table, int16_t mode, int16_t index, int16_t& k, int16_t& first,
                  int16_t& second) {
    if (index < 0 || index >= table.intNumCells || index >= intMaxNumCells)
        return false;
    k = CellAspect(table.udtCell[index].strText);
    return k != 0 && CellBodies(mode, table.intNumCols, index, first, second);
}

// The title of the message boxes of a double-click: "Sun square to Mars", "Transiting
// Mars square to natal Sun" ("Transit Mars Quadrat Radixsonne").
std::string CellTitle(int16_t mode, int16_t first, int16_t second, int16_t k) {
    if (!IsPersonalTransitMode(mode))
        return strBodyName[first] + " " + udtAspect[k].strVerb + " " + strBodyName[second];
    return Language::Text(155) + " " + strBodyName[second] + " " + udtAspect[k].strVerb + " " +
           NatalName(first);
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
        lon1 = lon1Later = walk.dblNatalLongitude >= 0
                               ? walk.dblNatalLongitude
                               : BodyLongitudeIn(walk.intP1, walk.dblNatalJD, sidereal);
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
                                   t.dblBegin >= 0 ? LocalDayText(t.dblBegin) : unknown);
        return StrProc::ReplaceAll(text, "[end date]",
                                   t.dblEnd >= 0 ? LocalDayText(t.dblEnd) : unknown);
    }
    return "With an orb of " + orb + " this " + phase +
           StrProc::LowerCase(udtAspect[t.intAspect].strName) + " begins on " +
           (t.dblBegin >= 0 ? LocalDayText(t.dblBegin) : "an unknown date") + " and ends on " +
           (t.dblEnd >= 0 ? LocalDayText(t.dblEnd) + "." : "an unknown date.");
}

}  // namespace

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
    timing.dblNatalLongitude = walk.dblNatalLongitude;
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
