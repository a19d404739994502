#pragma once
// The catalogue of the aspect engine: bodies, zodiac signs, aspects and aspect patterns
// by index, their names in the current language, glyph letters, aspect angles and
// colours. The counts and indices are astro/CatalogueCounts.h's.
//
// Indices: body 1..10 (1 Sun, 2 Mercury, 3 Venus, 4 Mars, 5 Jupiter, 6 Saturn, 7 Uranus,
// 8 Neptune, 9 Pluto, 10 Moon; 0 "Earth", never computed); sign 0..11 (Aries..Pisces);
// aspect 1..7 (conjunction, opposition, square, trine, sextile, semisextile, quincunx;
// entry 0 unused); pattern 0..13 (13 midpoint); orb set 0..2 (0 world transits and natal
// aspects, 1 personal transits, 2 synastry).

#include <cstdint>
#include <string>

#include "astro/CatalogueCounts.h"
#include "engine/ConfigOptions.h"

namespace ZDR {

// Returns the colour value red + 256 green + 65536 blue (each 0..255).
constexpr double RGB(int r, int g, int b) {
    return static_cast<double>(r) + 256.0 * g + 65536.0 * b;
}

// Names of a zodiac sign: three-letter abbreviation and full name.
struct SignText {
    std::string strAbbr;
    std::string strName;
};

// Texts of an aspect: abbreviation ("Con"), name ("Conjunction"), verb used between two
// body names ("square to"), adjective ("square") and name with angle ("square (90°)").
struct AspectText {
    std::string strAbbr;
    std::string strName;
    std::string strVerb;
    std::string strAdjective;
    std::string strLabel;
};

// Names in the current language (rebuilt by BuildCatalogueNames). strBodyName[0] is
// always "Earth"; strBodyAbbr[0] is empty.
// Indices 11 and 12 name the angles (Ascendant, Midheaven).
extern std::string strBodyName[intPointSlots];
extern std::string strBodyAbbr[intPointSlots];
extern SignText udtSign[intCatalogueSigns];
extern AspectText udtAspect[intAspectSlots];
extern std::string strPatternName[intCataloguePatterns];

// Glyph letters of the astrological font: bodies 1..10, and 11 the glyph the chart wheel
// prints by itself at its centre; index 0 is empty. Signs 0..11.
extern const std::string strBodyGlyph[intBodySlots + 1];
extern const std::string strSignGlyph[intCatalogueSigns];

// True for the inner bodies Sun, Mercury, Venus and Mars (1..4). Index 10 (the Moon) is
// present, false, so that any body index 0..10 may be looked up.
extern const bool blnInnerPlanet[intBodySlots];

// Exact angle of aspect k = 1..7 in radians; entry 0 is 0.
extern const double dblAspectAngle[intAspectSlots];

// The default colours of aspects 1..7 (0 black switches an aspect's colour off); entry 0
// is 0.
extern const double dblInitialAspectColor[intAspectSlots];
// The one colour every visible aspect takes, in the table and on the chart wheel, while
// "Use color" is unticked.
constexpr double dblNeutralAspectColor = RGB(192, 192, 192);
// The twelve colours a colour label of the configuration cycles through.
extern const double dblColorPalette[12];

// Returns the colour aspect k = 1..7 is shown in with options: 0 (black, hidden) when its
// colour is switched off, dblNeutralAspectColor while "Use color" is unticked, otherwise
// its own colour; 0 for another k.
double AspectColorShown(int16_t k, const ConfigOptions& options);

// Returns natal body or angle b (1..12) named as a personal transit's target in the current
// language: "natal Sun", "Radixsonne", "Radix-Aszendent".
std::string NatalName(int16_t b);

// Fills strBodyName, strBodyAbbr, udtSign, udtAspect and strPatternName in the current
// language (Language::intLanguage: 1 German, any other value English).
void BuildCatalogueNames();

// Returns glyphText with every glyph letter of the astrological font replaced by its
// Unicode astrological symbol in UTF-8 ("s" -> ☉, "x" -> ♈, "L" -> ♁); any other
// character is kept as it is.
std::string GlyphSymbol(const std::string& glyphText);

}  // namespace ZDR
