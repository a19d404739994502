#pragma once
// What an exported chart wheel carries beside the wheel itself: the file names of the
// export, and the credit block and the data block (dates, zodiac, orb) as texts placed in
// pixels on the export canvas.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "astro/DateInput.h"
#include "engine/Chart.h"

namespace ZDR {

// Returns the path of the BMP written before the PNG: pngPath without its last three
// characters, then "bmp" ("chart.png" gives "chart.bmp", "chart.jpeg" "chart.jbmp").
std::string BmpPathFor(const std::string& pngPath);

// Returns path with ".png" appended when its file name has no extension; path otherwise.
std::string PngPathWithExtension(const std::string& path);

// Height of one text line on the export canvas, in pixels.
constexpr int intExportLineHeight = 17;

// Colour values (red + 256 green + 65536 blue) of the credit block and the data block.
constexpr int32_t lngCreditColor = 160 + 256 * 160 + 65536 * 160;
constexpr int32_t lngDataColor = 65536 * 255;

// One date set as its controls show it: the year text as typed, the month and day numbers,
// and the texts of the selected hour and timezone entries.
struct ExportDateSet {
    std::string strYear;
    int16_t intMonth = 0;
    int16_t intDay = 0;
    std::string strHour;
    std::string strTimezone;
};

// Everything the texts of an exported wheel depend on.
struct ExportCanvasInput {
    int16_t intModeCode = 1;                  // 1..6 as the compute driver numbers the modes
    int16_t intLanguage = 0;                  // 1 German, any other value English
    std::array<ExportDateSet, 3> udtDateSet;  // world date, 1st and 2nd birthdate
    bool blnSidereal = false;
    bool blnShowInnerPlanetAspects = true;
    std::string strTitleWithOrb;  // the window title with the orb
    std::string strVersion;       // the program's version text, "26.1"
    int intCanvasWidth = 400;     // pixels
};

// Returns the input of the export of a wheel of mode 1..6 (its canvas width left to the
// picture's): the date sets as their controls show them (hour and timezone entries as their texts;
// the timezone list with or without the North American names as options say), the zodiac and the
// inner-planet option of options, the title with the orb, the current language and version.
ExportCanvasInput ExportCanvasOf(int16_t intModeCode,
                                 const std::array<DatePr2::DateSetInput, 3>& sets,
                                 const ChartOptions& options, const std::string& version);

// One text on the export canvas: its top-left corner in pixels and its colour value.
struct CanvasText {
    double dblX = 0;
    double dblY = 0;
    std::string strText;
    int32_t lngColor = lngDataColor;
};

// Returns the maker's web address printed in the credit block, in language (1 German).
std::string CreditWebAddress(int16_t language);

// Returns every text of the credit block and the data block of the mode of input, with its
// place on the canvas (10-point Arial, not bold); texts in input's language.
std::vector<CanvasText> ExportCanvasTexts(const ExportCanvasInput& input);

// The texts of a chart sheet beside its pictures: the mode with its orb, one line per date
// set of the mode ("World date: 2024-03-10 12:00 GMT"), the zodiac, the note when the
// inner planets' lines are left out, and the credit line with the version and the maker's
// web address; in input's language.
struct SheetTexts {
    std::string strTitle;
    std::vector<std::string> strDateLines;
    std::string strCredit;
};

// Returns the texts of the chart sheet of the wheel of input's mode.
SheetTexts SheetTextsOf(const ExportCanvasInput& input);

}  // namespace ZDR
