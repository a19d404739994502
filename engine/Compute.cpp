#include "engine/Compute.h"

#include <vector>

#include "astro/CatalogueCounts.h"
#include "astro/Positions.h"
#include "engine/Angles.h"
#include "engine/Catalogue.h"
#include "engine/Report.h"

namespace ZDR {

namespace {

// Half an hour in days: the step to the later positions of the waxing/waning test.
constexpr double kHalfHour = 1.0 / 48.0;

// Orb set of a mode: 0 world transits and natal aspects, 1 personal transits, 2 synastry.
int16_t OrbSetOfMode(int16_t mode) {
    if (mode == intModeSynastry)
        return 2;
    return IsTwoChartMode(mode) ? 1 : 0;
}

// Date set of chart A (the columns) and of chart B (the rows; -1 in the single-chart
// modes).
int16_t ChartASet(int16_t mode) {
    switch (mode) {
        case intModeNatal1:
        case intModeSynastry:
            return 1;
        case intModeNatal2:
            return 2;
        default:
            return 0;
    }
}
int16_t ChartBSet(int16_t mode) {
    switch (mode) {
        case intModePersonal1:
            return 1;
        case intModePersonal2:
        case intModeSynastry:
            return 2;
        default:
            return -1;
    }
}

// Longitudes and retrograde flags of bodies 1..numBodies at jd into chart column chart.
void FillChart(ChartPositions& positions, int16_t numBodies, double jd, int chart,
               bool blnSidereal) {
    for (int16_t b = 1; b <= numBodies; ++b) {
        positions.dblPos[b][chart] = BodyLongitudeIn(b, jd, blnSidereal);
        positions.blnRetro[b][chart] = IsRetrograde(b, positions.dblPos[b][chart], jd, blnSidereal);
    }
}

// Longitudes of chart-A bodies 1..numBodies half an hour after jd, or their longitudes at
// jd when blnFixed (a natal chart, which does not move); the angles stay where they are.
void LaterPositions(const ChartPositions& positions, int16_t numBodies, double jd, bool blnFixed,
                    bool blnSidereal, double later[intPointSlots]) {
    for (int16_t b = 1; b <= numBodies; ++b)
        later[b] =
            blnFixed ? positions.dblPos[b][0] : BodyLongitudeIn(b, jd + kHalfHour, blnSidereal);
    for (int16_t a = pointAscendant; a <= pointMidheaven; ++a)
        later[a] = positions.dblPos[a][0];
}

// The points of chart side 0 or 1 that take part: bodies 1..numBodies, then the angles
// when the side has them.
std::vector<int16_t> PointsTakingPart(const ChartPositions& positions, int16_t numBodies,
                                      int side) {
    std::vector<int16_t> points;
    for (int16_t b = 1; b <= numBodies; ++b)
        points.push_back(b);
    if (HasAngles(positions, side))
        for (int16_t a = pointAscendant; a <= pointMidheaven; ++a)
            points.push_back(a);
    return points;
}

// Puts the angles of date set into chart side 0 or 1 when the options let them take part;
// otherwise the side has none.
void PlaceAngles(ChartPositions& positions, int side, int16_t set, const SetAngles& angles,
                 const ChartOptions& options) {
    const bool blnShown = options.udtConfig.blnAnglesInAspects && set >= 0 && set < 3 &&
                          angles.dblAngle[set][0] >= 0 && angles.dblAngle[set][1] >= 0;
    for (int16_t a = 0; a < intNumAngles; ++a)
        positions.dblPos[pointAscendant + a][side] = blnShown ? angles.dblAngle[set][a] : -1;
}

// Counts the phase of an aspect k between longitudes p and q (later: half an hour on).
void CountPhase(ComputeResult& result, int16_t k, double p, double q, double pLater,
                double qLater) {
    const int16_t phase = AspectPhase(p, q, pLater, qLater);
    if (phase > 0)
        ++result.intNumWaxingOfType[k];
    else if (phase < 0)
        ++result.intNumWaningOfType[k];
}

// Appends the movement mark of trend t (-1 closing, +1 widening) to a cell text.
void AppendMovementMark(std::string& text, int16_t t) {
    if (t < 0)
        text += " -";
    else if (t > 0)
        text += " +";
}

// Zeroes the counts per aspect type, and the waxing and waning counts with them.
void ZeroCounts(ComputeResult& result) {
    for (int k = 0; k < intAspectSlots; ++k) {
        result.intNumAspectsOfType[k] = 0;
        result.intNumWaxingOfType[k] = 0;
        result.intNumWaningOfType[k] = 0;
    }
}

// The single-chart table of chart A at jd: positions, retrograde list, aspects of the
// pairs (p, q), p < q, and the zodiac cell.
void FillSingleChart(bool blnRadians, const ChartOptions& options, double jd,
                     ComputeResult& result) {
    const bool blnSidereal = options.udtConfig.blnSidereal;
    const auto& dblPos = result.dblPos;
    const auto& blnRetro = result.blnRetro;
    AspectTable& table = result.udtTable;
    LayOutSingleChartTable(table, HasAngles(result, 0));

    result.intNumRetro = 0;
    result.strRetroList.clear();
    for (int16_t c = 0; c < table.intNumCols; ++c) {
        const int16_t b = static_cast<int16_t>(c + 1);
        const bool blnRetrograde = b <= intCatalogueBodies && blnRetro[b][0];
        SetPositionCell(table.udtCell[c],
                        PositionCellText(dblPos[b][0], blnRetrograde, blnRadians));
        if (!blnRadians && dblPos[b][0] >= 0 && blnRetrograde) {
            ++result.intNumRetro;
            result.strRetroList += strBodyAbbr[b] + " ";
        }
    }

    ZeroCounts(result);
    const int16_t numBodies = BodiesTakingPart(result);
    double later[intPointSlots] = {};
    if (options.udtConfig.blnWaxingWaningAspects)
        LaterPositions(result, numBodies, jd, false, blnSidereal, later);
    const std::vector<int16_t> points = PointsTakingPart(result, numBodies, 0);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const int16_t p = points[i];
        if (dblPos[p][0] < 0)
            continue;
        for (std::size_t j = i + 1; j < points.size(); ++j) {
            const int16_t q = points[j];
            if (dblPos[q][0] < 0)
                continue;
            int16_t direction = 0;
            const double s = Separation(dblPos[p][0], dblPos[q][0], direction);
            double d = 0.0;
            const int16_t k = FirstAspect(s, 0, options, d);
            if (k == 0)
                continue;
            TableCell& cell = table.udtCell[(p + 1) * table.intNumCols + (q - 1)];
            cell.strText = AspectCellText(k, d, blnRadians);
            // An angle turns with the day at the birthplace, which is not known here: its
            // aspects carry no movement mark and no phase.
            const bool blnAngle = q > intCatalogueBodies;
            if (!blnAngle)
                AppendMovementMark(cell.strText, OrbTrend(jd, p, q, k, d, blnSidereal));
            SetAspectEmphasis(cell, k, 0, d, options);
            ++result.intNumAspectsOfType[k];
            if (options.udtConfig.blnWaxingWaningAspects && !blnAngle)
                CountPhase(result, k, dblPos[p][0], dblPos[q][0], later[p], later[q]);
        }
    }

    ShowZodiacCell(table, blnSidereal);
}

// The two-chart table: positions of both charts, aspects of every chart-B body n with
// every chart-A body m taking part, the diagonal included.
void FillTwoChart(int16_t mode, bool blnRadians, const ChartOptions& options,
                  ComputeResult& result) {
    const bool blnSidereal = options.udtConfig.blnSidereal;
    const bool blnIncludeMoon = options.udtConfig.blnIncludeTransitingMoon;
    const auto& dblPos = result.dblPos;
    const auto& blnRetro = result.blnRetro;
    const bool blnSynastry = mode == intModeSynastry;
    const bool blnMoonShown = blnSynastry || blnIncludeMoon;
    AspectTable& table = result.udtTable;
    const bool blnAnglesA = HasAngles(result, 0);
    const bool blnAnglesB = HasAngles(result, 1);
    LayOutTwoChartTable(table, blnSynastry, mode == intModePersonal2, blnIncludeMoon, blnSidereal,
                        blnAnglesA, blnAnglesB);

    const int16_t cols = table.intNumCols;
    for (int16_t b = 1; b <= intCatalogueBodies; ++b) {
        const bool blnShown = b != bodyMoon || blnMoonShown;
        SetPositionCell(table.udtCell[b + 1],
                        blnShown ? PositionCellText(dblPos[b][0], blnRetro[b][0], blnRadians) : "");
        SetPositionCell(table.udtCell[(b + 1) * cols],
                        blnShown ? PositionCellText(dblPos[b][1], blnRetro[b][1], blnRadians) : "");
    }
    for (int16_t a = pointAscendant; a <= pointMidheaven; ++a) {
        if (blnAnglesA)
            SetPositionCell(table.udtCell[a + 1],
                            PositionCellText(dblPos[a][0], false, blnRadians));
        if (blnAnglesB)
            SetPositionCell(table.udtCell[(a + 1) * cols],
                            PositionCellText(dblPos[a][1], false, blnRadians));
    }

    ZeroCounts(result);
    const int16_t s = OrbSetOfMode(mode);
    const int16_t numBodies = BodiesTakingPart(result);
    const double dblWorldJD = result.dblChartAJD[0];
    double laterA[intPointSlots] = {};
    if (options.udtConfig.blnWaxingWaningAspects)
        LaterPositions(result, numBodies, dblWorldJD, blnSynastry, blnSidereal, laterA);
    const std::vector<int16_t> rows = PointsTakingPart(result, intCatalogueBodies, 1);
    const std::vector<int16_t> columns = PointsTakingPart(result, numBodies, 0);
    for (const int16_t n : rows) {
        if (dblPos[n][1] < 0)
            continue;
        for (const int16_t m : columns) {
            if (dblPos[m][0] < 0)
                continue;
            int16_t direction = 0;
            const double sep = Separation(dblPos[n][1], dblPos[m][0], direction);
            double d = 0.0;
            const int16_t k = FirstAspect(sep, s, options, d);
            if (k == 0)
                continue;
            TableCell& cell = table.udtCell[(n + 1) * cols + (m + 1)];
            cell.strText = AspectCellText(k, d, blnRadians);
            if (!blnSynastry)
                AppendMovementMark(cell.strText,
                                   TransitOrbTrend(dblPos[n][1], m, k, d, dblWorldJD, blnSidereal));
            SetAspectEmphasis(cell, k, s, d, options);
            ++result.intNumAspectsOfType[k];
            if (options.udtConfig.blnWaxingWaningAspects)
                CountPhase(result, k, dblPos[n][1], dblPos[m][0], dblPos[n][1], laterA[m]);
        }
    }
}

// Whether mode is one of 1..6.
bool IsMode(int16_t mode) {
    return mode >= intModeWorldTransits && mode <= intModeSynastry;
}

// The whole computation at the chart dates jd (the sets the mode reads): the number of
// chart-A bodies, positions and retrograde flags, then the table.
void ComputeAtChartDates(int16_t mode, const double (&jd)[3], bool blnRadians,
                         const ChartOptions& options, const SetAngles& angles,
                         ComputeResult& result) {
    const bool blnSidereal = options.udtConfig.blnSidereal;
    for (int16_t set = 0; set < 3; ++set) {
        if (ModeUsesDateSet(mode, set))
            result.dblChartAJD[set] = jd[set];
    }
    result.intNumBodies = NumChartABodies(mode, options.udtConfig.blnIncludeTransitingMoon);
    if (IsTwoChartMode(mode)) {
        FillChart(result, intCatalogueBodies, jd[ChartASet(mode)], 0, blnSidereal);
        FillChart(result, intCatalogueBodies, jd[ChartBSet(mode)], 1, blnSidereal);
    } else {
        FillChart(result, BodiesTakingPart(result), jd[ChartASet(mode)], 0, blnSidereal);
    }
    PlaceAngles(result, 0, ChartASet(mode), angles, options);
    PlaceAngles(result, 1, ChartBSet(mode), angles, options);
    ComputeFromPositions(mode, blnRadians, options, result);
}

}  // namespace

bool IsTwoChartMode(int16_t intModeCode) {
    return intModeCode == intModePersonal1 || intModeCode == intModePersonal2 ||
           intModeCode == intModeSynastry;
}

bool IsTransitMode(int16_t intModeCode) {
    return ModeUsesDateSet(intModeCode, 0);
}

bool IsPersonalTransitMode(int16_t intModeCode) {
    return intModeCode == intModePersonal1 || intModeCode == intModePersonal2;
}

bool ModeUsesDateSet(int16_t intModeCode, int16_t intSet) {
    if (intModeCode < intModeWorldTransits || intModeCode > intModeSynastry)
        return false;
    return intSet == ChartASet(intModeCode) || intSet == ChartBSet(intModeCode);
}

int16_t NumChartABodies(int16_t intModeCode, bool blnIncludeTransitingMoon) {
    return IsPersonalTransitMode(intModeCode) && !blnIncludeTransitingMoon ? intLastPlanet
                                                                           : intCatalogueBodies;
}

int16_t Compute(ComputeInput& input, ComputeResult& result, int16_t& intFailedSet) {
    intFailedSet = -1;
    const int16_t mode = input.intModeCode;
    if (!IsMode(mode))
        return intComputeNoMode;
    double jd[3] = {};
    for (int16_t set = 0; set < 3; ++set) {
        if (!ModeUsesDateSet(mode, set))
            continue;
        jd[set] =
            input.dblSetJD[set] >= 0
                ? input.dblSetJD[set]
                : DatePr2::InputDateToAJDate(input.udtDateSet[set], input.intDefaultTimezoneIndex);
        input.dblChartAJD[set] = jd[set];
        if (jd[set] < 0) {
            intFailedSet = set;
            return static_cast<int16_t>(jd[set]);
        }
    }
    ComputeAtChartDates(mode, jd, input.blnRadians, input.udtOptions, input.udtAngles, result);
    return intComputeDone;
}

int16_t ComputeAtJD(int16_t intModeCode, const double dblJD[3], bool blnRadians,
                    const ChartOptions& options, ComputeResult& result,
                    const SetAngles& angles) {
    if (!IsMode(intModeCode))
        return intComputeNoMode;
    const double jd[3] = {dblJD[0], dblJD[1], dblJD[2]};
    ComputeAtChartDates(intModeCode, jd, blnRadians, options, angles, result);
    return intComputeDone;
}

void ComputeFromPositions(int16_t intModeCode, bool blnRadians, const ChartOptions& options,
                          ComputeResult& result) {
    if (!IsMode(intModeCode))
        return;
    if (IsTwoChartMode(intModeCode))
        FillTwoChart(intModeCode, blnRadians, options, result);
    else
        FillSingleChart(blnRadians, options, result.dblChartAJD[ChartASet(intModeCode)], result);
    result.intModeCode = intModeCode;
    for (int16_t& count : result.intNumPatternsOfType)
        count = 0;
}

int16_t GetTotalNumAspects(const AspectTable& table) {
    int16_t total = 0;
    for (int16_t i = 0; i < table.intNumCells && i < intMaxNumCells; ++i) {
        const std::string& text = table.udtCell[i].strText;
        for (int16_t k = 1; k <= intCatalogueAspects; ++k) {
            const std::string& abbr = udtAspect[k].strAbbr;
            if (!abbr.empty() && text.find(abbr) != std::string::npos)
                ++total;
        }
    }
    return total;
}

}  // namespace ZDR
