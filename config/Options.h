#pragma once
// The options of the configuration dialog (engine/ConfigOptions.h): their defaults, the
// list contents, the dialog's captions and messages, and the orb table built from them.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Chart.h"
#include "engine/ConfigOptions.h"

namespace ZDR {

// Number of entries of each list of the dialog.
constexpr int intNumOrbEntries = 16;         // 0° .. 15°
constexpr int intNumMidpointOrbEntries = 8;  // 0° 5' .. 3° 0'
constexpr int intNumProportions = 5;         // 1 .. 1/5

// Returns the dialog's defaults ("Reset to default"), Placidus houses and the wheel with
// the Ascendant on the left among them. "Keep selected zodiac" stays as in
// current, and so does the zodiac when that box is ticked; North American timezones are
// on in English only (language 1 German, any other English).
ConfigOptions DefaultOptions(int language, const ConfigOptions& current);

// Returns the options in force built from the configuration's values: the orb table
// (radians) from the orb lists and both proportions with its derived limits, and the
// midpoint orb. An orb index outside 0..15 counts as 0° (aspect off).
ChartOptions MakeChartOptions(const ConfigOptions& options);

// Returns the item value of a cboOrb entry: the orb in arcminutes (degrees x 60); an index
// outside 0..15 gives 0.
int OrbArcminutes(int16_t index);

// "Set all non-zero orbs": every aspect orb 0..6 that is not 0° takes the list index of
// entry 7 (the "Set all" orb); orbs at 0° stay at 0°.
void SetAllNonzeroOrbs(ConfigOptions& options);

// Returns the colour a left click on a colour label gives: the palette colour after the
// first palette entry equal to color, wrapping after the twelfth; any other colour (black
// among them) comes back unchanged.
double NextPaletteColor(double color);

// Switches a colour off and on (any other mouse button): a non-zero color is kept in
// remembered and becomes 0; a zero color takes the remembered one back.
void ToggleColor(double& color, double& remembered);

// Returns the divisor of a cboPersonalOrbsProportion entry (1 to 5); outside the list, 3.
int ProportionDivisor(int16_t index);

// Returns the orb of a cboOrbForMidpoints entry in radians (0° 5' .. 3° 0'); outside the
// list, the default 0° 30'.
double MidpointOrb(int16_t index);

// The captions of the configuration dialog in the current language.
struct ConfigureCaptions {
    std::string strTitle;              // the dialog's title
    std::string strSetAllNonzeroOrbs;  // cmdSetAllNonzeroOrbsToConjunctionOrb
    std::array<std::string, intCatalogueAspects>
        strAspectName;                            // lblAspectName(0..6): aspects 1..7
    std::string strOrbDivisors;                   // lblOrbDivisors, the heading of the two divisors
    std::string strPersonalTransits;              // lblPersonalTransits
    std::string strSynastry;                      // lblSynastry
    std::string strUseBoldface;                   // chkUseBoldface
    std::string str1DegOfOrb;                     // opt1DegOfOrb
    std::string strOfOrb;                         // lblOfOrb
    std::string strSuppressInnerPlanets;          // chkSuppressInnerPlanetAspectDisplay
    std::string strIncludeTransitingMoon;         // chkIncludeTransitingMoon
    std::string strDisplayNATZ;                   // chkDisplayNATZabbr
    std::string strWaxingWaningAspects;           // chkWaxingWaningAspects
    std::string strUseColor;                      // chkUseColor
    std::string strZodiac;                        // lblZodiac
    std::string strTropical;                      // optWesternAstrology
    std::string strSidereal;                      // optVedicAstrology
    std::string strKeepZodiac;                    // chkKeepZodiac
    std::string strOrbForMidpoints;               // lblOrbForMidpoints
    std::string strHouseSystem;                   // lblHouseSystem
    std::vector<std::string> strHouseSystemName;  // cboHouseSystem's entries, Placidus first
    std::string strWheelWithPlace;                // lblWheelWithPlace
    std::string strAscendantLeft;                 // optAscendantLeft
    std::string strAriesRight;                    // optAriesRight
    std::string strAnglesInAspects;               // chkAnglesInAspects
    std::string strReset;                         // cmdReset
    std::string strAccept;                        // cmdAccept
    std::string strCancel;                        // cmdCancel
    std::string strHide;                          // cmdHide
};

// Returns the dialog's captions in the current language (Language::intLanguage), the
// aspect names from the catalogue (udtAspect).
ConfigureCaptions ConfigureDialogCaptions();

// A message of the dialog: its text (lines joined by "\n") and its title.
struct ConfigureMessage {
    std::string strText;
    std::string strTitle;
};

// The question of "Set all non-zero orbs", with the orb of "Set all" list entry
// setAllIndex ("5°") in place of NEW_ORB.
ConfigureMessage SetAllOrbsQuestion(int16_t setAllIndex);
// The refusal of a "Set all" orb of 0°.
ConfigureMessage ZeroSetAllOrbMessage();
// The question of "Reset to default".
ConfigureMessage ResetQuestion();
// The notice shown when the dialog's window is closed: the settings go back to defaults.
ConfigureMessage CloseNotice();

// The entries of the dialog's lists, as shown: "0°" .. "15°"; "0° 5'" .. "3° 0'";
// "1/2" .. "1/20"; "1" .. "1/5".
std::vector<std::string> OrbListTexts();
std::vector<std::string> MidpointOrbListTexts();
std::vector<std::string> BoldfaceFactorTexts();
std::vector<std::string> ProportionTexts();

}  // namespace ZDR
