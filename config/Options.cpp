#include "config/Options.h"

#include "astro/Turn.h"
#include "engine/Catalogue.h"
#include "places/HouseTexts.h"
#include "text/Language.h"
#include "text/StrProc.h"

namespace ZDR {

namespace {

// Default orbs in whole degrees: Conjunction, Opposition, Square, Trine, Sextile,
// Semisextile, Quincunx, and the "Set all" orb.
constexpr std::array<int16_t, intNumOrbLists> kDefaultOrbIndex = {10, 9, 6, 7, 5, 4, 5, 1};

// Midpoint orbs of the list entries: whole degrees and minutes.
constexpr int kMidpointOrbDegrees[intNumMidpointOrbEntries] = {0, 0, 0, 1, 1, 2, 2, 3};
constexpr int kMidpointOrbMinutes[intNumMidpointOrbEntries] = {5, 15, 30, 0, 30, 0, 30, 0};

constexpr int16_t kDefaultProportionIndex = 2;   // "1/3"
constexpr int16_t kDefaultMidpointOrbIndex = 2;  // "0° 30'"

// Program-text numbers of the dialog's captions.
constexpr int kTextTitle = 352;
constexpr int kTextSetAllNonzeroOrbs = 353;
constexpr int kTextUseBoldface = 354;
constexpr int kText1DegOfOrb = 355;
constexpr int kTextOfOrb = 356;
constexpr int kTextSuppressInnerPlanets = 357;
constexpr int kTextIncludeTransitingMoon = 358;
constexpr int kTextDisplayNATZ = 359;
constexpr int kTextWaxingWaningAspects = 360;
constexpr int kTextUseColor = 361;
constexpr int kTextTropical = 362;
constexpr int kTextSidereal = 364;
constexpr int kTextKeepZodiac = 365;
constexpr int kTextOrbForMidpoints = 366;
constexpr int kTextReset = 368;
constexpr int kTextAccept = 369;
constexpr int kTextHide = 370;
constexpr int kTextOrbDivisors = 372;
constexpr int kTextZodiac = 50;
constexpr int kTextPersonalTransits = 161;
constexpr int kTextSynastry = 14;
constexpr int kTextCancel = 117;
constexpr int kTextHouseSystem = 1800;
constexpr int kTextWheelWithPlace = 1801;
constexpr int kTextAscendantLeft = 1802;
constexpr int kTextAriesRight = 1803;
constexpr int kTextAnglesInAspects = 1808;

// Texts of the dialog's messages.
constexpr int kTextSetAllTitle = 390;
constexpr int kTextSetAllQuestion = 391;
constexpr int kTextCloseNotice = 392;    // three lines: 392, 393, 394
constexpr int kTextResetQuestion = 395;  // two lines: 395, 396

}  // namespace

ConfigOptions DefaultOptions(int language, const ConfigOptions& current) {
    // "Keep selected zodiac" is no default of its own: it stays.
    ConfigOptions options = current;
    options.intOrbListIndex = kDefaultOrbIndex;
    options.intProportionIndex = {kDefaultProportionIndex, kDefaultProportionIndex};
    options.blnUseBoldface = true;
    options.bln1DegOfOrb = true;
    options.intBoldfaceFactorIndex = intDefaultBoldfaceFactorIndex;
    options.blnSuppressInnerPlanetAspects = false;
    options.blnIncludeTransitingMoon = true;
    options.blnDisplayNATZ = language != Language::intGerman;
    options.blnWaxingWaningAspects = false;
    options.blnUseColor = true;
    if (!current.blnKeepZodiac)
        options.blnSidereal = false;
    options.intMidpointOrbIndex = kDefaultMidpointOrbIndex;
    for (int k = 0; k < intAspectSlots; ++k)
        options.dblAspectColor[k] = dblInitialAspectColor[k];
    options.intHouseSystem = Places::intPlacidus;
    options.blnAscendantLeft = true;
    options.blnAnglesInAspects = false;
    return options;
}

int OrbArcminutes(int16_t index) {
    if (index < 0 || index >= intNumOrbEntries)
        return 0;
    return index * 60;
}

ChartOptions MakeChartOptions(const ConfigOptions& options) {
    ChartOptions chart;
    chart.udtConfig = options;
    const double dblDivisor[2] = {
        static_cast<double>(ProportionDivisor(options.intProportionIndex[0])),
        static_cast<double>(ProportionDivisor(options.intProportionIndex[1]))};
    for (int k = 1; k < intAspectSlots; ++k) {
        const double dblFull =
            OrbArcminutes(options.intOrbListIndex[k - 1]) / 60.0 / 360.0 * dblTurn;
        chart.dblOrb[k][0] = dblFull;
        chart.dblOrb[k][1] = dblFull / dblDivisor[0];
        chart.dblOrb[k][2] = dblFull / dblDivisor[1];
    }
    DeriveOrbLimits(chart);
    chart.dblMidpointOrb = MidpointOrb(options.intMidpointOrbIndex);
    return chart;
}

void SetAllNonzeroOrbs(ConfigOptions& options) {
    for (int i = 0; i < intCatalogueAspects; ++i) {
        if (options.intOrbListIndex[i] != 0)
            options.intOrbListIndex[i] = options.intOrbListIndex[intSetAllOrbList];
    }
}

int ProportionDivisor(int16_t index) {
    if (index < 0 || index >= intNumProportions)
        index = kDefaultProportionIndex;
    return index + 1;
}

double MidpointOrb(int16_t index) {
    if (index < 0 || index >= intNumMidpointOrbEntries)
        index = kDefaultMidpointOrbIndex;
    const double dblDegrees = kMidpointOrbDegrees[index] + kMidpointOrbMinutes[index] / 60.0;
    return dblDegrees * dblTurn / 360.0;
}

double NextPaletteColor(double color) {
    for (int i = 0; i < 12; ++i) {
        if (dblColorPalette[i] == color)
            return dblColorPalette[(i + 1) % 12];
    }
    return color;
}

void ToggleColor(double& color, double& remembered) {
    if (color != 0) {
        remembered = color;
        color = 0;
    } else {
        color = remembered;
    }
}

std::vector<std::string> OrbListTexts() {
    std::vector<std::string> texts;
    for (int i = 0; i < intNumOrbEntries; ++i)
        texts.push_back(std::to_string(i) + "°");
    return texts;
}

std::vector<std::string> MidpointOrbListTexts() {
    std::vector<std::string> texts;
    for (int i = 0; i < intNumMidpointOrbEntries; ++i)
        texts.push_back(std::to_string(kMidpointOrbDegrees[i]) + "° " +
                        std::to_string(kMidpointOrbMinutes[i]) + "'");
    return texts;
}

std::vector<std::string> BoldfaceFactorTexts() {
    std::vector<std::string> texts;
    for (int16_t i = 0; i < intNumBoldfaceFactors; ++i)
        texts.push_back("1/" + std::to_string(BoldfaceDivisor(i)));
    return texts;
}

std::vector<std::string> ProportionTexts() {
    std::vector<std::string> texts = {"1"};
    for (int d = 2; d <= intNumProportions; ++d)
        texts.push_back("1/" + std::to_string(d));
    return texts;
}

ConfigureCaptions ConfigureDialogCaptions() {
    using Language::Text;
    const bool blnGerman = Language::intLanguage == Language::intGerman;
    ConfigureCaptions c;
    c.strTitle = Text(kTextTitle);
    c.strSetAllNonzeroOrbs = Text(kTextSetAllNonzeroOrbs);
    for (int k = 1; k < intAspectSlots; ++k)
        c.strAspectName[k - 1] = udtAspect[k].strName;
    c.strOrbDivisors = Text(kTextOrbDivisors);
    c.strPersonalTransits = Text(kTextPersonalTransits);
    c.strSynastry = blnGerman ? Text(kTextSynastry) : StrProc::LowerCase(Text(kTextSynastry));
    c.strUseBoldface = Text(kTextUseBoldface);
    c.str1DegOfOrb = Text(kText1DegOfOrb);
    c.strOfOrb = Text(kTextOfOrb);
    c.strSuppressInnerPlanets = Text(kTextSuppressInnerPlanets);
    c.strIncludeTransitingMoon = Text(kTextIncludeTransitingMoon);
    c.strDisplayNATZ = Text(kTextDisplayNATZ);
    c.strWaxingWaningAspects = Text(kTextWaxingWaningAspects);
    c.strUseColor = Text(kTextUseColor);
    c.strZodiac = Text(kTextZodiac) + ":";
    c.strTropical = Text(kTextTropical);
    c.strSidereal = Text(kTextSidereal);
    c.strKeepZodiac = Text(kTextKeepZodiac);
    c.strOrbForMidpoints = Text(kTextOrbForMidpoints);
    c.strHouseSystem = Text(kTextHouseSystem);
    for (int16_t i = 0; i < Places::intNumHouseSystems; ++i)
        c.strHouseSystemName.push_back(Places::HouseSystemText(i));
    c.strWheelWithPlace = Text(kTextWheelWithPlace);
    c.strAscendantLeft = Text(kTextAscendantLeft);
    c.strAriesRight = Text(kTextAriesRight);
    c.strAnglesInAspects = Text(kTextAnglesInAspects);
    c.strReset = Text(kTextReset);
    c.strAccept = Text(kTextAccept);
    c.strCancel = Text(kTextCancel);
    c.strHide = Text(kTextHide);
    return c;
}

ConfigureMessage SetAllOrbsQuestion(int16_t setAllIndex) {
    const std::string strOrb = std::to_string(OrbArcminutes(setAllIndex) / 60) + "°";
    return {StrProc::ReplaceAll(Language::Text(kTextSetAllQuestion), "NEW_ORB", strOrb),
            Language::Text(kTextSetAllTitle)};
}

ConfigureMessage ZeroSetAllOrbMessage() {
    return {"Cannot set all non-zero orbs to zero.", "Set all"};
}

ConfigureMessage ResetQuestion() {
    const std::string strTitle = Language::intLanguage == Language::intGerman
                                     ? std::string("Auf Grundeinstellung zurücksetzen")
                                     : Language::Text(kTextReset);
    return {Language::Text(kTextResetQuestion) + "\n" + Language::Text(kTextResetQuestion + 1),
            strTitle};
}

ConfigureMessage CloseNotice() {
    return {Language::Text(kTextCloseNotice) + "\n" + Language::Text(kTextCloseNotice + 1) + "\n" +
                Language::Text(kTextCloseNotice + 2),
            "X"};
}

}  // namespace ZDR
