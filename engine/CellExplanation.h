#pragma once
// The explanation of a double-clicked aspect cell: the timing of its aspect and the texts
// of the message boxes, in the current language; message lines end in "\n".

#include <cstdint>
#include <string>

#include "engine/AspectTable.h"
#include "engine/ConfigOptions.h"
#include "engine/Durations.h"

namespace ZDR {

// The timing of one aspect cell: its bodies, aspect and the days of its beginning and end
// (local day numbers, -1 not found). The transit graphic draws from it.
struct CellTiming {
    int16_t intFirst = 0;   // single chart: the row's body; personal transits: the natal body
    int16_t intSecond = 0;  // the column's body; personal transits: the transiting body
    int16_t intAspect = 0;
    double dblBegin = -1;
    double dblEnd = -1;
    double dblNatalLongitude = -1;  // a natal angle's longitude (radians); negative for a body
};

// Finds the aspect of cell intIndex and walks for its beginning and end. Returns false
// when the mode has no timing (natal aspects, synastry), the cell holds no aspect, or the
// aspect is one of the Moon as second body (whose days are not searched: both stay -1).
bool TimingOfCell(const AspectTable& table, int16_t intIndex, const TimingContext& context,
                  CellTiming& timing);

// What a double-click on an aspect cell leads to.
enum class CellClick : int16_t {
    NoTiming,      // natal aspects or synastry: the focus goes to Compute
    NoAspect,      // the cell holds no aspect
    HiddenAspect,  // the aspect's colour is switched off
    MoonAspect,    // strMessage tells how long an aspect of the Moon lasts
    Timed          // strMessage explains the beginning and end; strQuestion asks on
};
struct CellExplanation {
    CellClick intOutcome = CellClick::NoAspect;
    CellTiming udtTiming;
    std::string strTitle;     // title of the message boxes
    std::string strMessage;   // the Moon's message or the explanation sentence
    std::string strQuestion;  // the explanation and the question whether to see all durations
};

// Explains a double-click on cell intIndex with the options in force (the orbs and zodiac
// of the context's computation): an aspect whose
// colour is 0 is hidden; with "waxing/waning aspects" the English explanation says whether
// the aspect waxes or wanes at the world date.
CellExplanation ExplainCell(const AspectTable& table, int16_t intIndex,
                            const TimingContext& context, const ConfigOptions& options);

}  // namespace ZDR
