#include "cli/CliTable.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "astro/Positions.h"
#include "cli/CliCommon.h"
#include "config/Options.h"
#include "engine/AspectTable.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "engine/EngineTables.h"
#include "engine/Report.h"
#include "text/Language.h"

namespace cli {
namespace {

const char* const kHelp =
    "Usage: zodarc-cli table [--state FILE] [--mode MODE] [DATE SETS] [ORBS AND DISPLAY]\n"
    "                        [--json]\n"
    "Computes the aspect table of one mode and prints its cells: the positions, the glyph\n"
    "header and one cell for every pair of bodies in aspect, with its deviation from the\n"
    "exact angle and the movement mark (\" +\" widening, \" -\" closing in half an hour).\n"
    "\n"
    "  --mode MODE           world      World transits: the world date among itself\n"
    "                        natal1     Natal aspects of the 1st birthdate\n"
    "                        natal2     Natal aspects of the 2nd birthdate\n"
    "                        personal1  Personal transits: world date (columns) against\n"
    "                                   the 1st birthdate (rows)\n"
    "                        personal2  the same with the 2nd birthdate\n"
    "                        synastry   1st birthdate (columns) against the 2nd (rows)\n"
    "                        (default world)\n"
    "\n";

const char* const kHelpOptions =
    "\n"
    "Only the date sets of the mode are read, in the order world date, 1st, 2nd birthdate;\n"
    "the first invalid one ends the command.\n"
    "\n"
    "Orbs and display:\n"
    "  --orbs LIST           the orbs in whole degrees 0..15 of conjunction, opposition,\n"
    "                        square, trine, sextile, semisextile, quincunx, comma-separated\n"
    "                        (default 10,9,6,7,5,4,5); 0 switches an aspect off\n"
    "  --personal N          personal transits use the orbs divided by N, 1..5 (default 3)\n"
    "  --synastry N          synastry uses the orbs divided by N, 1..5 (default 3)\n"
    "  --bold-fraction N     boldface below orb / N, N one of 2 3 4 5 6 8 10 15 20, instead\n"
    "                        of below 1 degree\n"
    "  --no-bold             no boldface\n"
    "  --no-transiting-moon  personal transits without the transiting Moon\n"
    "  --sidereal            sidereal instead of tropical zodiac\n"
    "  --radians             angles in radians with 4 decimals\n"
    "  --german              texts in German\n"
    "  --json                one JSON object: {\"mode\", \"title\", \"jd\": [world, 1st, 2nd]\n"
    "                        (null when not read), \"rows\", \"columns\", \"cells\": [{\"row\",\n"
    "                        \"column\", \"text\", \"bold\", \"color\": [r, g, b], "
    "\"background\":\n"
    "                        [r, g, b], \"font\": \"text\" or \"glyph\", \"symbol\" (glyph cells:\n"
    "                        the symbol the glyph letter stands for)}, ..] (visible cells,\n"
    "                        row by row), \"aspectsOfType\": [7 counts], \"totalAspects\",\n"
    "                        \"retrograde\"}\n"
    "\n"
    "The text output prints the table row by row, glyphs as their symbols; a * marks a cell\n"
    "in boldface. A body without a position shows '<' (before 1600), '>' (after 2099) or\n"
    "'?'.\n"
    "Exit codes: 0 done, 1 invalid date set or unreadable data files, 2 usage error.\n";

const char* const kModeName[7] = {"",          "world",     "natal1",  "natal2",
                                  "personal1", "personal2", "synastry"};
const char* const kSetName[3] = {"world date", "1st birthdate", "2nd birthdate"};
const char* const kSetPrefix[3] = {"", "birth1-", "birth2-"};

// Width of a column of the text grid and the gap between columns, in characters.
constexpr std::size_t kColumnWidth = 10;
constexpr std::size_t kColumnGap = 2;

struct TableOptions {
    int16_t intMode = ZDR::intModeWorldTransits;
    DateSetOptions udtSet[3];
    ZDR::ConfigOptions udtConfig = ZDR::DefaultOptions(Language::intEnglish, {});
    bool blnNoTransitingMoon = false;
    bool blnSidereal = false;
    bool blnRadians = false;
    bool blnGerman = false;
    bool blnJson = false;
};

// Takes the value of option name at argv[i] ("--name VALUE" or "--name=VALUE"). Returns 1
// with the value, 0 when argv[i] is another option, -1 when the value is missing.
int TakeValue(const std::string& name, int argc, char* argv[], int& i, std::string& value) {
    const std::string arg = argv[i];
    if (arg == name) {
        if (i + 1 >= argc)
            return -1;
        value = argv[++i];
        return 1;
    }
    if (arg.compare(0, name.size() + 1, name + "=") == 0) {
        value = arg.substr(name.size() + 1);
        return 1;
    }
    return 0;
}

// The whole number of text when it is one within lo..hi; otherwise -1.
int Number(const std::string& text, int lo, int hi) {
    if (text.empty() || text.size() > 3)
        return -1;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
    }
    const int n = std::atoi(text.c_str());
    return n >= lo && n <= hi ? n : -1;
}

bool ParseMode(const std::string& value, int16_t& mode) {
    for (int16_t m = 1; m <= 6; ++m) {
        if (value == kModeName[m]) {
            mode = m;
            return true;
        }
    }
    return false;
}

bool ParseOrbs(const std::string& value, ZDR::ConfigOptions& config) {
    std::vector<std::string> parts(1);
    for (char c : value) {
        if (c == ',')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    if (parts.size() != 7)
        return false;
    for (int k = 0; k < 7; ++k) {
        const int degrees = Number(parts[k], 0, ZDR::intNumOrbEntries - 1);
        if (degrees < 0)
            return false;
        config.intOrbListIndex[k] = static_cast<int16_t>(degrees);
    }
    return true;
}

bool ParseBoldFraction(const std::string& value, ZDR::ConfigOptions& config) {
    const int divisor = Number(value, 2, 20);
    for (int16_t index = 0; index < ZDR::intNumBoldfaceFactors && divisor > 0; ++index) {
        if (ZDR::BoldfaceDivisor(index) == divisor) {
            config.intBoldfaceFactorIndex = index;
            config.bln1DegOfOrb = false;
            return true;
        }
    }
    return false;
}

// Reads the arguments. Returns -1 when done, otherwise the exit code to end with (help
// printed, or a usage error reported).
int ParseArguments(int argc, char* argv[], TableOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string error;
        int taken = TakeStateOption(argc, argv, i, options.udtSet, options.intMode,
                                    options.udtConfig, error);
        for (int s = 0; s < 3 && taken == 0; ++s)
            taken = TakeDateSetOption(kSetPrefix[s], argc, argv, i, options.udtSet[s], error);
        if (taken < 0) {
            std::fprintf(stderr, "zodarc-cli table: %s\n", error.c_str());
            return intExitUsage;
        }
        if (taken > 0)
            continue;

        std::string value;
        bool blnValid = true;
        const char* expected = "";
        if ((taken = TakeValue("--mode", argc, argv, i, value)) != 0) {
            blnValid = ParseMode(value, options.intMode);
            expected = "world, natal1, natal2, personal1, personal2 or synastry";
        } else if ((taken = TakeValue("--orbs", argc, argv, i, value)) != 0) {
            blnValid = ParseOrbs(value, options.udtConfig);
            expected = "seven whole degrees 0..15, comma-separated";
        } else if ((taken = TakeValue("--personal", argc, argv, i, value)) != 0 ||
                   (taken = TakeValue("--synastry", argc, argv, i, value)) != 0) {
            const int divisor = Number(value, 1, ZDR::intNumProportions);
            blnValid = divisor > 0;
            if (blnValid)
                options.udtConfig
                    .intProportionIndex[arg.compare(0, 10, "--personal") == 0 ? 0 : 1] =
                    static_cast<int16_t>(divisor - 1);
            expected = "a divisor 1..5";
        } else if ((taken = TakeValue("--bold-fraction", argc, argv, i, value)) != 0) {
            blnValid = ParseBoldFraction(value, options.udtConfig);
            expected = "one of 2 3 4 5 6 8 10 15 20";
        } else if (arg == "--no-bold") {
            options.udtConfig.blnUseBoldface = false;
        } else if (arg == "--no-transiting-moon") {
            options.blnNoTransitingMoon = true;
        } else if (arg == "--sidereal") {
            options.blnSidereal = true;
        } else if (arg == "--radians") {
            options.blnRadians = true;
        } else if (arg == "--german") {
            options.blnGerman = true;
        } else if (arg == "--json") {
            options.blnJson = true;
        } else if (arg == "--help" || arg == "-h") {
            std::printf("%s%s\n", kHelp, strStateHelp);
            for (int s = 0; s < 3; ++s) {
                std::printf("%s%s:\n%s", s > 0 ? "\n" : "", kSetName[s],
                            DateSetHelp(kSetPrefix[s]).c_str());
            }
            std::printf("%s", kHelpOptions);
            return intExitOk;
        } else {
            std::fprintf(stderr,
                         "zodarc-cli table: unknown option '%s' (see zodarc-cli table --help)\n",
                         arg.c_str());
            return intExitUsage;
        }
        if (taken < 0) {
            std::fprintf(stderr, "zodarc-cli table: %s needs a value\n", arg.c_str());
            return intExitUsage;
        }
        if (!blnValid) {
            std::fprintf(stderr, "zodarc-cli table: '%s' after %s: expected %s\n", value.c_str(),
                         arg.substr(0, arg.find('=')).c_str(), expected);
            return intExitUsage;
        }
    }
    return -1;
}

// Red, green and blue of a colour value as a JSON array.
std::string JsonColor(double color) {
    const long value = static_cast<long>(color);
    return "[" + std::to_string(value % 256) + ", " + std::to_string(value / 256 % 256) + ", " +
           std::to_string(value / 65536 % 256) + "]";
}

// The text a cell shows: glyph letters as their symbols.
std::string ShownText(const ZDR::TableCell& cell) {
    return cell.intFont == ZDR::CellFont::Glyph ? ZDR::GlyphSymbol(cell.strText) : cell.strText;
}

std::size_t CodePoints(const std::string& text) {
    std::size_t n = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    }
    return n;
}

// Text cut into pieces of at most count code points.
std::vector<std::string> Pieces(const std::string& text, std::size_t count) {
    std::vector<std::string> pieces(1);
    std::size_t n = 0;
    for (char c : text) {
        const bool blnStart = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        if (blnStart && n++ == count) {
            pieces.emplace_back();
            n = 1;
        }
        pieces.back() += c;
    }
    return pieces;
}

// The lines of a cell in the text grid: its own lines, each wrapped at blanks to the
// column width; a * after the first line in boldface.
std::vector<std::string> CellLines(const ZDR::TableCell& cell) {
    std::vector<std::string> lines;
    std::string text = ShownText(cell);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line;
        std::string word;
        const std::string source = text.substr(start, end - start) + " ";
        for (char c : source) {
            if (c != ' ') {
                word += c;
                continue;
            }
            if (word.empty())
                continue;
            for (const std::string& piece : Pieces(word, kColumnWidth)) {
                if (!line.empty() && CodePoints(line) + 1 + CodePoints(piece) > kColumnWidth) {
                    lines.push_back(line);
                    line.clear();
                }
                line += (line.empty() ? "" : " ") + piece;
            }
            word.clear();
        }
        if (!line.empty())
            lines.push_back(line);
        start = end + 1;
    }
    if (cell.blnBold && !lines.empty())
        lines[0] += "*";
    return lines;
}

void PrintText(const ZDR::ComputeResult& result, const std::string& title) {
    const ZDR::AspectTable& table = result.udtTable;
    std::printf("%s\n\n", title.c_str());
    for (int16_t row = 0; row < table.intNumRows; ++row) {
        std::vector<std::vector<std::string>> cells;
        std::size_t height = 1;
        for (int16_t col = 0; col < table.intNumCols; ++col) {
            const ZDR::TableCell& cell = table.udtCell[row * table.intNumCols + col];
            cells.push_back(cell.blnVisible ? CellLines(cell) : std::vector<std::string>());
            height = std::max(height, cells.back().size());
        }
        for (std::size_t l = 0; l < height; ++l) {
            std::string line;
            for (const std::vector<std::string>& cell : cells) {
                const std::string part = l < cell.size() ? cell[l] : "";
                line += part + std::string(kColumnWidth + kColumnGap -
                                               std::min(CodePoints(part), kColumnWidth),
                                           ' ');
            }
            line.erase(line.find_last_not_of(' ') + 1);
            std::printf("%s\n", line.c_str());
        }
    }
    std::printf("\n%d aspects", ZDR::GetTotalNumAspects(table));
    if (!ZDR::IsTwoChartMode(result.intModeCode) && result.intNumRetro > 0)
        std::printf("; retrograde: %s", result.strRetroList.c_str());
    std::printf("\n");
}

void PrintJson(const ZDR::ComputeResult& result, const std::string& title) {
    const ZDR::AspectTable& table = result.udtTable;
    std::printf("{\"mode\": \"%s\", \"title\": %s, \"jd\": [", kModeName[result.intModeCode],
                JsonString(title).c_str());
    for (int16_t s = 0; s < 3; ++s) {
        if (ZDR::ModeUsesDateSet(result.intModeCode, s))
            std::printf("%s%.6f", s > 0 ? ", " : "", ZDR::dblChartAJD[s]);
        else
            std::printf("%snull", s > 0 ? ", " : "");
    }
    std::printf("], \"rows\": %d, \"columns\": %d, \"cells\": [", table.intNumRows,
                table.intNumCols);
    bool blnFirst = true;
    for (int16_t i = 0; i < table.intNumCells; ++i) {
        const ZDR::TableCell& cell = table.udtCell[i];
        if (!cell.blnVisible)
            continue;
        int16_t row = 0;
        int16_t col = 0;
        ZDR::GetRowCol(i, table.intNumCols, row, col);
        const bool blnGlyph = cell.intFont == ZDR::CellFont::Glyph;
        std::printf(
            "%s{\"row\": %d, \"column\": %d, \"text\": %s, \"bold\": %s, \"color\": %s, "
            "\"background\": %s, \"font\": \"%s\"",
            blnFirst ? "" : ", ", row, col, JsonString(cell.strText).c_str(),
            cell.blnBold ? "true" : "false", JsonColor(cell.dblForeColor).c_str(),
            JsonColor(cell.dblBackColor).c_str(), blnGlyph ? "glyph" : "text");
        if (blnGlyph)
            std::printf(", \"symbol\": %s", JsonString(ShownText(cell)).c_str());
        std::printf("}");
        blnFirst = false;
    }
    std::printf("], \"aspectsOfType\": [");
    for (int k = 1; k <= 7; ++k)
        std::printf("%s%d", k > 1 ? ", " : "", ZDR::intNumAspectsOfType[k]);
    std::printf(
        "], \"totalAspects\": %d, \"retrograde\": %s}\n", ZDR::GetTotalNumAspects(table),
        JsonString(ZDR::IsTwoChartMode(result.intModeCode) ? "" : result.strRetroList).c_str());
}

}  // namespace

int TableCommand(int argc, char* argv[]) {
    TableOptions options;
    const int parsed = ParseArguments(argc, argv, options);
    if (parsed >= 0)
        return parsed;

    double jd[3] = {-1.0, -1.0, -1.0};
    for (int16_t s = 0; s < 3; ++s) {
        if (!ZDR::ModeUsesDateSet(options.intMode, s))
            continue;
        jd[s] = DateSetJD(options.udtSet[s]);
        if (jd[s] < 0) {
            const std::string reason = options.udtSet[s].blnHasJD
                                           ? "a Julian Day of 0 or more is needed"
                                           : DateSetErrorText(jd[s]);
            std::fprintf(stderr, "zodarc-cli table: %s: %s\n", kSetName[s], reason.c_str());
            return intExitFailed;
        }
    }

    Language::intLanguage = options.blnGerman ? Language::intGerman : Language::intEnglish;
    std::string error;
    if (!PrepareCore(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return intExitFailed;
    }
    if (Language::LoadProgramText(ZDR::strDataFolder, "zdr.dat", error) <= 0) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return intExitFailed;
    }
    ZDR::blnSidereal = options.blnSidereal || options.udtConfig.blnSidereal;
    ZDR::blnIncludeTransitingMoon =
        !options.blnNoTransitingMoon && options.udtConfig.blnIncludeTransitingMoon;

    ZDR::ComputeResult result;
    ZDR::ComputeAtJD(options.intMode, jd, options.blnRadians, options.udtConfig, result);
    const std::string title = ZDR::SetModeTitle(options.intMode, false);
    if (options.blnJson)
        PrintJson(result, title);
    else
        PrintText(result, title);
    return intExitOk;
}

}  // namespace cli
