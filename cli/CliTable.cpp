#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "astro/CatalogueCounts.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "config/OptionsInForce.h"
#include "engine/AspectTable.h"
#include "engine/Catalogue.h"
#include "engine/Compute.h"
#include "engine/Report.h"
#include "text/Language.h"
#include "text/StrProc.h"

namespace cli {
namespace {

const CommandHelp kHelp = {
    "Usage: zodarc-cli table [--state FILE] [--mode MODE] [DATE SETS] [ORBS AND DISPLAY]\n"
    "                        [--language en|de] [--json]\n"
    "Computes the aspect table of one mode and prints its cells: the positions, the glyph\n"
    "header and one cell for every pair of bodies in aspect, with its deviation from the\n"
    "exact angle and the movement mark (\" +\" widening, \" -\" closing in half an hour;\n"
    "none in synastry).\n",
    "  --json                one JSON object: {\"mode\", \"title\", \"jd\": [world, 1st, 2nd]\n"
    "                        (null when not read), \"rows\", \"columns\", \"cells\": [{\"row\",\n"
    "                        \"column\", \"text\", \"bold\", \"color\": [r, g, b],\n"
    "                        \"background\": [r, g, b], \"font\": \"text\" or \"glyph\",\n"
    "                        \"symbol\" (glyph cells: the symbol the glyph letter stands\n"
    "                        for)}, ..] (visible cells, row by row), \"aspectsOfType\":\n"
    "                        [7 counts], \"totalAspects\", \"retrograde\"}\n",
    "The text output prints the title, the table row by row, glyphs as their symbols, and\n"
    "the number of aspects; a * marks a cell in boldface. A body without a position shows\n"
    "'<' (before 1600), '>' (after 2099) or '?'.\n"};

// Width of a column of the text grid and the gap between columns, in characters.
constexpr std::size_t kColumnWidth = 10;
constexpr std::size_t kColumnGap = 2;

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
    // The closing words of the report: #126 for no aspect, else #127 with the total.
    const int16_t total = ZDR::GetTotalNumAspects(table);
    std::printf("\n%s\n",
                total == 0
                    ? Language::Text(126).c_str()
                    : StrProc::ReplaceAll(Language::Text(127), "N", std::to_string(total)).c_str());
    if (!ZDR::IsTwoChartMode(result.intModeCode) && result.intNumRetro > 0) {
        std::string list = result.strRetroList;
        list.erase(list.find_last_not_of(' ') + 1);
        std::printf("%d %s: %s\n", result.intNumRetro, Language::Text(389).c_str(), list.c_str());
    }
}

void PrintJson(const ZDR::ComputeResult& result, const std::string& title) {
    const ZDR::AspectTable& table = result.udtTable;
    std::printf("{\"mode\": \"%s\", \"title\": %s, \"jd\": [", ModeName(result.intModeCode),
                JsonString(title).c_str());
    for (int16_t s = 0; s < 3; ++s) {
        if (ZDR::ModeUsesDateSet(result.intModeCode, s))
            std::printf("%s%.6f", s > 0 ? ", " : "", result.dblChartAJD[s]);
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
    for (int k = 1; k <= ZDR::intCatalogueAspects; ++k)
        std::printf("%s%d", k > 1 ? ", " : "", result.intNumAspectsOfType[k]);
    std::printf(
        "], \"totalAspects\": %d, \"retrograde\": %s}\n", ZDR::GetTotalNumAspects(table),
        JsonString(ZDR::IsTwoChartMode(result.intModeCode) ? "" : result.strRetroList).c_str());
}

}  // namespace

int TableCommand(int argc, char* argv[]) {
    CommandOptions options;
    double jd[3];
    const int code =
        StartCommand("table", intTakesCharts | intTakesAngles, kHelp, argc, argv, options, jd);
    if (code >= 0)
        return code;
    ZDR::ComputeResult result;
    ZDR::ComputeAtJD(options.intMode, jd, options.blnRadians, ZDR::ChartOptionsInForce(), result,
                     options.udtAngles);
    const std::string title = ZDR::SetModeTitle(options.intMode, false, ZDR::ChartOptionsInForce());
    if (options.blnJson)
        PrintJson(result, title);
    else
        PrintText(result, title);
    return PositionsExitCode("table", ChartPositionFailed(result));
}

}  // namespace cli
