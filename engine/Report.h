#pragma once
// The title and the text report of a computation: mode captions, orbs in the title, the
// aspect counts, waxing and waning aspects, the pattern section and the retrograde bodies.
// Every report line ends in CR LF. Mode codes: 1 World transits, 2 Natal aspects 1st
// birthdate, 3 Natal aspects 2nd birthdate, 4 Personal transits 1st birthdate, 5 Personal
// transits 2nd birthdate, 6 Synastry.

#include <cstdint>
#include <string>

#include "engine/Compute.h"

namespace ZDR {

// Returns +1 when the aspect of the bodies at longitudes lonP and lonQ is waxing, -1 when
// it is waning, 0 when that cannot be told; lonPLater and lonQLater are the longitudes half
// an hour later (a fixed natal body has lonQLater = lonQ). All radians; a negative
// longitude (no position) gives 0.
int16_t AspectPhase(double lonP, double lonQ, double lonPLater, double lonQLater);

// Returns the name of aspect k (1..7) after a count n: the catalogue name in German; in
// English in lower case, with "s" for a count other than 1 ("es" for the quincunx).
std::string CountedAspectName(int16_t k, int n);

// Returns the caption of the title label for mode code 1..6, with the orbs in use; the
// chart captions when blnChartShown (the chart wheel is on display); the orbs of options.
// "" for another code.
std::string SetModeTitle(int16_t intMode, bool blnChartShown, const ChartOptions& options);

// Returns strTitle with the orbs appended: one orb ("  Orb 8°", "." when blnAddPeriod) when
// all non-zero orbs are equal, else the range from the smallest to the largest. The orbs are
// set 0 of options, or with blnPersonal those of mode code intMode (6 synastry, otherwise
// personal).
std::string AddOrbToTitle(const std::string& strTitle, bool blnPersonal, bool blnAddPeriod,
                          int16_t intMode, const ChartOptions& options);

// Returns the report of the single-chart computation chart from its counts: the count
// lines, the waxing and waning counts when options say so, the total, the pattern section
// (finders and midpoints within the midpoint orb of options; stores the chart's
// intNumPatternsOfType) and its retrograde bodies. No retrograde line in radians display.
std::string BuildSingleChartReport(ComputeResult& chart, const ChartOptions& options,
                                   bool blnRadiansDisplay);

// Returns the report of a two-chart computation chart of mode code 4..6 from its counts, on
// one line: the counts, the total and, when neither the chart wheel nor the transit
// graphic is on display and the mode is not synastry, the double-click hint.
std::string BuildTwoChartReport(const ComputeResult& chart, int16_t intMode, bool blnChartShown,
                                bool blnGraphicShown);

// Returns the report shown beside the table of the computation chart: that of a two-chart
// mode (BuildTwoChartReport) or of a single-chart mode (BuildSingleChartReport, which
// stores the chart's pattern counts), with options, angles in radians when
// blnRadiansDisplay, and the chart wheel or transit graphic on display as the flags say.
std::string ComputationReport(ComputeResult& chart, const ChartOptions& options,
                              bool blnRadiansDisplay, bool blnChartShown, bool blnGraphicShown);

// Returns the text of the Report button's message when no cell holds an aspect: program
// text #382 in the personal-transit modes (codes 4, 5), #383 in the others.
std::string NoAspectReportMessage(int16_t intMode);

// Returns a German pattern name in the plural: every "es " made "e ", then a final "es"
// made "e" ("Großes Kreuz" -> "Große Kreuz").
std::string GermanPlural(const std::string& text);

}  // namespace ZDR
