#include "engine/Catalogue.h"

#include "astro/CatalogueCounts.h"
#include "astro/Turn.h"
#include "text/Language.h"
#include "text/StrProc.h"

namespace ZDR {

std::string strBodyName[intPointSlots] = {"Earth"};
std::string strBodyAbbr[intPointSlots];
SignText udtSign[intCatalogueSigns];
AspectText udtAspect[intAspectSlots];
std::string strPatternName[intCataloguePatterns];

const std::string strBodyGlyph[intBodySlots + 1] = {"",  "s", "f", "g", "h", "j",
                                                    "S", "F", "G", "J", "a", "L"};
const std::string strSignGlyph[intCatalogueSigns] = {"x", "c", "v", "b", "n", "m",
                                                     "X", "C", "V", "B", "N", "M"};

const bool blnInnerPlanet[intBodySlots] = {false, true,  true,  true,  true, false,
                                           false, false, false, false, false};

const double dblAspectAngle[intAspectSlots] = {0.0,
                                               0.0,
                                               3.141592653589795,
                                               1.5707963267948974,
                                               120.0 / 360.0 * dblTurn,
                                               60.0 / 360.0 * dblTurn,
                                               30.0 / 360.0 * dblTurn,
                                               150.0 / 360.0 * dblTurn};

const double dblInitialAspectColor[intAspectSlots] = {0.0,
                                                      RGB(255, 255, 0),
                                                      RGB(255, 0, 255),
                                                      RGB(255, 0, 0),
                                                      RGB(0, 255, 0),
                                                      RGB(0, 255, 255),
                                                      RGB(128, 128, 255),
                                                      RGB(128, 128, 128)};
const double dblColorPalette[12] = {RGB(255, 255, 0),   RGB(255, 0, 255), RGB(255, 0, 0),
                                    RGB(0, 255, 0),     RGB(0, 255, 255), RGB(128, 128, 128),
                                    RGB(128, 128, 255), RGB(0, 0, 255),   RGB(0, 192, 255),
                                    RGB(192, 0, 255),   RGB(255, 192, 0), RGB(128, 64, 0)};

namespace {

// Body names and abbreviations 1..10 and of the angles 11, 12, English then German.
const char* const kBodyName[2][intPointSlots] = {
    {"Earth", "Sun", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto",
     "Moon", "Ascendant", "Midheaven"},
    {"", "Sonne", "Merkur", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptun", "Pluto",
     "Mond", "Aszendent", "Medium Coeli"}};
const char* const kBodyAbbr[2][intPointSlots] = {
    {"", "Su", "Me", "Ve", "Ma", "Ju", "Sa", "Ur", "Ne", "Pl", "Mo", "ASC", "MC"},
    {"", "So", "Me", "Ve", "Ma", "Ju", "Sa", "Ur", "Ne", "Pl", "Mo", "AC", "MC"}};

const char* const kSignAbbr[2][intCatalogueSigns] = {
    {"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"},
    {"Wid", "Sti", "Zwi", "Kre", "Löw", "Jun", "Waa", "Sko", "Sch", "Ste", "Was", "Fis"}};
const char* const kSignName[2][intCatalogueSigns] = {
    {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagittarius",
     "Capricorn", "Aquarius", "Pisces"},
    {"Widder", "Stier", "Zwilling", "Krebs", "Löwe", "Jungfrau", "Waage", "Skorpion", "Schütze",
     "Steinbock", "Wassermann", "Fische"}};

// Aspect texts 1..7. The label is the stored text up to the angle, completed with "°)".
struct AspectSource {
    const char* abbr;
    const char* name;
    const char* verb;
    const char* adjective;
    const char* labelStart;
};
const AspectSource kAspect[2][intAspectSlots] = {
    {{"", "", "", "", ""},
     {"Con", "Conjunction", "conjunct", "conjunct", "conjunction (0"},
     {"Opp", "Opposition", "opposite", "opposite", "opposition (180"},
     {"Sqr", "Square", "square to", "square", "square (90"},
     {"Tri", "Trine", "trine to", "trine", "trine (120"},
     {"Sxt", "Sextile", "sextile to", "sextile", "sextile (60"},
     {"Ssx", "Semisextile", "semisextile to", "semisextile", "semisextile (30"},
     {"Qui", "Quincunx", "quincunx to", "quincunx", "quincunx (150"}},
    {{"", "", "", "", ""},
     {"Kon", "Konjunktion", "Konjunktion", "Konjunktion", "Konjunktion (0"},
     {"Opp", "Opposition", "Opposition", "Opposition", "Opposition (180"},
     {"Qua", "Quadrat", "Quadrat", "Quadrat", "Quadrat (90"},
     {"Tri", "Trigon", "Trigon", "Trigon", "Trigon (120"},
     {"Sxt", "Sextil", "Sextil", "Sextil", "Sextil (60"},
     {"Ssx", "Semisextil", "Semisextil", "Semisextil", "Semisextil (30"},
     {"Qui", "Quinkunx", "Quinkunx", "Quinkunx", "Quinkunx (150"}}};

const char* const kPatternName[2][intCataloguePatterns] = {
    {"Grand trine", "Kite", "Rectangle", "T-square", "Grand cross", "Yod", "Yod-kite", "Trapezium",
     "6-Stellium", "5-Stellium", "4-Stellium", "3-Stellium", "Grand sextile", "Midpoint"},
    {"Großes Trigon", "Drachen", "Rechteck", "T-Quadrat", "Großes Kreuz", "Yod", "Yod-Drachen",
     "Trapez", "6-Stellium", "5-Stellium", "4-Stellium", "3-Stellium", "Großes Sextil",
     "Halbsumme"}};

// Glyph letters of the astrological font and the symbols drawn for them.
struct GlyphPair {
    char letter;
    const char* symbol;
};
const GlyphPair kGlyph[] = {{'s', "☉"}, {'f', "☿"}, {'g', "♀"}, {'h', "♂"}, {'j', "♃"}, {'S', "♄"},
                            {'F', "♅"}, {'G', "♆"}, {'J', "♇"}, {'a', "☽"}, {'L', "♁"}, {'x', "♈"},
                            {'c', "♉"}, {'v', "♊"}, {'b', "♋"}, {'n', "♌"}, {'m', "♍"}, {'X', "♎"},
                            {'C', "♏"}, {'V', "♐"}, {'B', "♑"}, {'N', "♒"}, {'M', "♓"}};

}  // namespace

double AspectColorShown(int16_t k, const ConfigOptions& options) {
    if (k < aspectConjunction || k > intCatalogueAspects || options.dblAspectColor[k] == 0.0)
        return 0.0;
    return options.blnUseColor ? options.dblAspectColor[k] : dblNeutralAspectColor;
}

void BuildCatalogueNames() {
    const int lang = Language::intLanguage == Language::intGerman ? 1 : 0;
    // The German table leaves index 0 ("Earth") as it is.
    for (int b = lang == 1 ? 1 : 0; b < intPointSlots; ++b) {
        strBodyName[b] = kBodyName[lang][b];
        strBodyAbbr[b] = kBodyAbbr[lang][b];
    }
    for (int z = 0; z < intCatalogueSigns; ++z) {
        udtSign[z].strAbbr = kSignAbbr[lang][z];
        udtSign[z].strName = kSignName[lang][z];
    }
    for (int k = 1; k < intAspectSlots; ++k) {
        const AspectSource& src = kAspect[lang][k];
        udtAspect[k].strAbbr = src.abbr;
        udtAspect[k].strName = src.name;
        udtAspect[k].strVerb = src.verb;
        udtAspect[k].strAdjective = src.adjective;
        udtAspect[k].strLabel = std::string(src.labelStart) + "°" + ")";
    }
    for (int n = 0; n < intCataloguePatterns; ++n)
        strPatternName[n] = kPatternName[lang][n];
}

std::string NatalName(int16_t b) {
    if (b < 1 || b >= intPointSlots)
        return std::string();
    std::string natal = Language::Text(156);  // " natal", " Radix"
    if (!natal.empty() && natal[0] == ' ')
        natal.erase(0, 1);
    if (Language::intLanguage != Language::intGerman)
        return natal + " " + strBodyName[b];
    if (b > intCatalogueBodies)
        return natal + "-" + strBodyName[b];
    return natal + StrProc::LowerCase(strBodyName[b]);
}

std::string GlyphSymbol(const std::string& glyphText) {
    std::string out;
    for (char ch : glyphText) {
        const char* symbol = nullptr;
        for (const GlyphPair& g : kGlyph) {
            if (g.letter == ch) {
                symbol = g.symbol;
                break;
            }
        }
        if (symbol != nullptr) {
            out += symbol;
        } else {
            out += ch;
        }
    }
    return out;
}

}  // namespace ZDR
