#pragma once
// Stepping the world date: one step of the step list forward or back on the hour, day,
// month and year of the world date's controls, and the rules of the step controls (when
// the step buttons and the Run button are usable, the pace of a run).

#include <cstdint>

#include "astro/DateInput.h"

namespace ZDR {

// Step sizes, as list indices of the step list.
constexpr int16_t intStepHalfHour = 0;
constexpr int16_t intStepDay = 1;
constexpr int16_t intStepWeek = 2;
constexpr int16_t intStepMonth = 3;
constexpr int16_t intStepYear = 4;
constexpr int16_t intNumStepSizes = 5;

// Outcome codes of StepWorldDate besides the date codes -1..-4.
constexpr int16_t intStepDone = 0;
constexpr int16_t intStepUnknownSize = -5;  // a step index outside 0..4: nothing changed

// Paces of a run in milliseconds.
constexpr int intSlowPaceMs = 1000;
constexpr int intQuickPaceMs = 100;

// Moves the world date by one step of size intStepIndex (0..4), forward or, with blnBack,
// back: the half-hour index (1 = 0:00 .. 48 = 23:30), the day index, the month index and the
// year text change as the step list says; a month or year step that lands beyond the end of
// the new month takes its last day. The year text becomes the year's digits. Returns
// intStepDone; the date code -1..-4 of the stepped date when it is not a valid date from
// 1 January 1 to 31 December 2799, with the date left as it was; or intStepUnknownSize.
int16_t StepWorldDate(DatePr2::DateSetInput& set, int16_t intStepIndex, bool blnBack);

// Returns whether Back, Forward and the step list are usable: the world date's year text is
// not empty and its timezone, hour, day and month are chosen, the last computation was of
// a mode that reads the world date (intComputedMode), no run is active and the transit graphic is
// not shown.
bool StepControlsUsable(const DatePr2::DateSetInput& world, int16_t intComputedMode,
                        bool blnRunning, bool blnGraphicShown);

// Returns whether the Run button is shown: only while the chart is shown without the
// transit graphic, and then when the chart/table button is visible, the selected mode
// (intSelectedMode) reads the world date, and the step is larger than half an hour or the
// transiting Moon takes part.
bool RunButtonShown(bool blnChartShown, bool blnGraphicShown, bool blnToggleVisible,
                    int16_t intStepIndex, bool blnIncludeTransitingMoon, int16_t intSelectedMode);

// Returns the pace of a run in milliseconds: intQuickPaceMs in World transits
// (intSelectedMode 1) with "Run quickly" ticked, otherwise intSlowPaceMs.
int RunPaceMs(int16_t intSelectedMode, bool blnRunQuickly);

}  // namespace ZDR
