#pragma once
// The options of the configuration as plain values (list indices and box states): what the
// configuration dialog shows, what a state file keeps, and what a computation is given as
// the options in force. Their defaults, lists and the one writer of the options in force
// are config/'s.

#include <array>
#include <cstdint>

#include "astro/CatalogueCounts.h"

namespace ZDR {

// What the configuration dialog's controls hold.
// The orb lists of the configuration: one per aspect 1..7 (cboOrb(0..6)) and "Set all".
constexpr int16_t intSetAllOrbList = intCatalogueAspects;  // cboOrb(7)
constexpr int16_t intNumOrbLists = intSetAllOrbList + 1;

struct ConfigOptions {
    std::array<int16_t, intNumOrbLists>
        intOrbListIndex{};  // cboOrb(0..6) aspects 1..7, (7) "Set all": degrees 0..15
    std::array<int16_t, 2>
        intProportionIndex{};  // cboPersonalOrbsProportion(0) personal, (1) synastry: 0..4
    bool blnUseBoldface = true;
    bool bln1DegOfOrb = true;            // false: a fraction of the orb (optProportionOfOrb)
    int16_t intBoldfaceFactorIndex = 2;  // cboBoldfaceFactor: 0..8
    bool blnSuppressInnerPlanetAspects = false;  // chkSuppressInnerPlanetAspectDisplay
    bool blnIncludeTransitingMoon = true;        // chkIncludeTransitingMoon
    bool blnDisplayNATZ = true;                  // chkDisplayNATZabbr
    bool blnWaxingWaningAspects = false;         // chkWaxingWaningAspects
    bool blnUseColor = true;                     // chkUseColor
    bool blnSidereal = false;                    // optVedicAstrology selected
    bool blnKeepZodiac = true;                   // chkKeepZodiac
    int16_t intMidpointOrbIndex = 2;             // cboOrbForMidpoints: 0..7
    std::array<double, intAspectSlots>
        dblAspectColor{};          // colours of aspects 1..7 (index 0 unused)
    int16_t intHouseSystem = 0;    // houses of a chart with a place: 0 Placidus .. 8 (places/)
    bool blnAscendantLeft = true;  // its wheel turned with the Ascendant on the left; false:
                                   // 0 degrees Aries on the right, as a wheel without a place
    bool blnAnglesInAspects = false;  // the Ascendant and Midheaven of a chart with a place
                                      // take part in aspects
};

// Number of entries of the boldface-factor list (1/2 .. 1/20), and its default entry.
constexpr int intNumBoldfaceFactors = 9;
constexpr int16_t intDefaultBoldfaceFactorIndex = 2;  // "1/4"

// Returns the divisor of a cboBoldfaceFactor entry (2, 3, 4, 5, 6, 8, 10, 15, 20); an index
// outside the list gives the default entry's 4.
int BoldfaceDivisor(int16_t index);

}  // namespace ZDR
