#include "view/WheelGeometry.h"

#include <algorithm>
#include <cmath>

#include "astro/CatalogueCounts.h"
#include "astro/Turn.h"
#include "engine/Compute.h"
#include "text/Language.h"
#include "text/StrProc.h"

namespace ZDR {

namespace {

const WheelLayout kSingleChartWheel = {6000, 6000, 3000, 3000, 2950, 2900, 2900, 800, 300};
const WheelLayout kTwoChartWheel = {9900, 6600, 4950, 3300, 3250, 3200, 3200, 800, 350};

// Where the legends begin, twips: legend A in either form, and the second legend of the
// single-chart modes (D), of the personal-transit modes (B) and of synastry (C).
constexpr int32_t kLegendALeftSingle = 0;
constexpr int32_t kLegendALeftTwo = 1700;
constexpr int32_t kLegendDLeft = 4600;
constexpr int32_t kLegendBLeft = 7100;
constexpr int32_t kLegendCLeft = 7300;

// Program texts of the legends: A (what the lines mean), B (personal transits), C
// (synastry), D (single chart).
constexpr int kLegendA[] = {104, 105, 106};
constexpr int kLegendB[] = {109, 110, 111, 112};
constexpr int kLegendC[] = {113, 114, 115, 116};
constexpr int kLegendD[] = {107, 108};
constexpr int kLinesAllGrey = 1000;  // the first line of legend A while colour is off

template <std::size_t N>
std::vector<std::string> Texts(const int (&numbers)[N]) {
    std::vector<std::string> lines;
    for (int n : numbers)
        lines.push_back(Language::Text(n));
    return lines;
}

// Returns the half width of the disc at the height of the row top..bottom (twips), where it
// is widest within the row; 0 when the row misses the disc.
double DiscHalfWidth(const WheelLayout& layout, int32_t top, int32_t bottom) {
    double dy = 0.0;
    if (bottom < layout.lngCentreY)
        dy = layout.lngCentreY - bottom;
    else if (top > layout.lngCentreY)
        dy = top - layout.lngCentreY;
    const double r = layout.lngDiscRadius;
    return dy >= r ? 0.0 : std::sqrt(r * r - dy * dy);
}

// A line of a legend takes at most this many rows in the top corner; a longer one goes to
// the bottom corner with the lines after it.
constexpr int kMaxRowsOfALine = 2;

// The room of one legend row: where its text begins and how wide it may be, twips.
struct RowRoom {
    int32_t lngLeft;
    int32_t lngWidth;
};

// Returns the top of legend row r, twips.
int32_t RowTop(std::size_t r) {
    return static_cast<int32_t>(r) * lngLegendLineHeight;
}

// Returns the room on the legend row beginning at top: left of the disc from blockLeft to
// the disc (or to the picture's edge when the row misses the disc), right of the disc from
// left or the disc, whichever lies further right, to the picture's edge.
RowRoom RoomOnRow(const WheelLayout& layout, bool blnLeftSide, int32_t left, int32_t top) {
    const double half = DiscHalfWidth(layout, top, top + lngLegendLineHeight);
    RowRoom room;
    if (blnLeftSide) {
        const double end = half > 0.0 ? layout.lngCentreX - half - lngLegendMargin
                                      : layout.lngWidth - lngLegendMargin;
        room.lngLeft = left;
        room.lngWidth = static_cast<int32_t>(std::floor(end)) - left;
        return room;
    }
    const double start = half > 0.0 ? layout.lngCentreX + half + lngLegendMargin : 0.0;
    room.lngLeft = std::max(left, static_cast<int32_t>(std::ceil(start)));
    room.lngWidth = layout.lngWidth - lngLegendMargin - room.lngLeft;
    return room;
}

// The words of a text, split at blanks.
std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text + " ") {
        if (c != ' ') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

// The next word of a legend to print: line and word within the line.
struct WordPosition {
    std::size_t intLine = 0;
    std::size_t intWord = 0;
    bool AtEnd(const std::vector<std::vector<std::string>>& words) const {
        return intLine >= words.size();
    }
};

// Fills one legend row at top with the words from pos on that fit its room; a line's last
// word ends the row. Returns false, pos unchanged, when not even the next word fits.
bool FillRow(const std::vector<std::vector<std::string>>& words, WordPosition& pos, RowRoom room,
             int32_t top, const std::function<int32_t(const std::string&)>& measure,
             LegendRow& row) {
    row.lngLeft = room.lngLeft;
    row.lngTop = top;
    row.strText.clear();
    while (!pos.AtEnd(words)) {
        const std::string& word = words[pos.intLine][pos.intWord];
        const std::string candidate = row.strText.empty() ? word : row.strText + " " + word;
        if (measure(candidate) > room.lngWidth)
            break;
        row.strText = candidate;
        if (++pos.intWord == words[pos.intLine].size()) {
            pos.intWord = 0;
            ++pos.intLine;
            break;
        }
    }
    return !row.strText.empty();
}

// Whether color is one no aspect line is drawn in: black, the background, the second
// set's blue, white.
bool NoLineColor(double color) {
    return color == 0.0 || color == dblWheelBackColor || color == dblSecondSetRetroColor ||
           color == RGB(255, 255, 255);
}

// Returns the labels of the named aspects 1..7 joined by " or ", in lower case with the
// first letter a capital; "" when none is named.
std::string AspectNames(const bool (&named)[intAspectSlots]) {
    std::string names;
    for (int16_t k = 1; k <= intCatalogueAspects; ++k) {
        if (!named[k])
            continue;
        if (!names.empty())
            names += " or ";
        names += udtAspect[k].strLabel;
    }
    names = StrProc::LowerCase(names);
    if (!names.empty() && names[0] >= 'a' && names[0] <= 'z')
        names[0] = static_cast<char>(names[0] - 'a' + 'A');
    return names;
}

// Returns the distance of point x, y from the segment of line, in its units.
double DistanceToSegment(const DrawnLine& line, double x, double y) {
    const double dx = line.dblX2 - line.dblX1;
    const double dy = line.dblY2 - line.dblY1;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((x - line.dblX1) * dx + (y - line.dblY1) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(x - (line.dblX1 + t * dx), y - (line.dblY1 + t * dy));
}

}  // namespace

const WheelLayout& SingleChartWheel() {
    return kSingleChartWheel;
}

const WheelLayout& TwoChartWheel() {
    return kTwoChartWheel;
}

TwipPoint WheelPoint(const WheelLayout& layout, double lambda, double r) {
    TwipPoint p;
    p.x = static_cast<int32_t>(std::lround(layout.lngCentreX + r * std::cos(lambda)));
    p.y = static_cast<int32_t>(std::lround(layout.lngCentreY - r * std::sin(lambda)));
    return p;
}

TwipPoint GlyphCorner(TwipPoint p) {
    return TwipPoint{p.x - lngGlyphHalfSize, p.y - lngGlyphHalfSize};
}

void GlyphBoxPixels(TwipPoint corner, int32_t lngBoxHeight, int32_t& left, int32_t& top,
                    int32_t& right, int32_t& bottom) {
    left = TwipsToPixel(corner.x);
    top = TwipsToPixel(corner.y);
    right = TwipsToPixel(corner.x + lngGlyphBoxWidth);
    bottom = TwipsToPixel(corner.y + lngBoxHeight);
}

void SpokeEnd(const WheelLayout& layout, int16_t d, double& x, double& y, double turn) {
    const double angle = d * dblPi / 6.0 + turn;
    x = layout.lngCentreX + layout.lngSpokeLength * std::cos(angle);
    y = layout.lngCentreY - layout.lngSpokeLength * std::sin(angle);
}

void SignRingPoint(const WheelLayout& layout, int16_t g, double& x, double& y, double turn) {
    const double angle = g * dblPi / 6.0 + dblPi / 12.0 + turn;
    x = layout.lngCentreX + layout.lngSignRingRadius * std::cos(angle);
    y = layout.lngCentreY - layout.lngSignRingRadius * std::sin(angle);
}

double WheelTurn(double ascendant, bool blnAscendantLeft) {
    if (!blnAscendantLeft)
        return 0.0;
    return NormalizeAngle(dblPi - ascendant);
}

TwipPoint AngleLabelCorner(const WheelLayout& layout, double a, int32_t width, int32_t height) {
    const double c = std::cos(a);
    const double s = std::sin(a);  // upwards on the picture
    const double limit = layout.lngDiscRadius - lngAngleLabelGap;
    TwipPoint corner;
    for (double r = limit; r > 0; r -= lngAngleLabelGap) {
        const double x = layout.lngCentreX + r * c;
        const double y = layout.lngCentreY - r * s;
        double left = 0;
        double top = 0;
        if (std::fabs(c) >= std::fabs(s)) {
            // A line across: the label inwards of the rim, above it unless the line climbs
            // from the rim towards the centre.
            left = c < 0 ? x : x - width;
            top = s >= 0 ? y - height - lngAngleLabelGap : y + lngAngleLabelGap;
        } else {
            // A line up or down: the label beside it, away from the centre's side.
            left = c >= 0 ? x + lngAngleLabelGap : x - width - lngAngleLabelGap;
            top = s > 0 ? y : y - height;
        }
        corner = TwipPoint{static_cast<int32_t>(std::lround(left)),
                           static_cast<int32_t>(std::lround(top))};
        bool blnInside = true;
        for (const double cx : {left, left + width})
            for (const double cy : {top, top + height})
                blnInside = blnInside && std::hypot(cx - layout.lngCentreX,
                                                    cy - layout.lngCentreY) <= limit;
        if (blnInside)
            break;
    }
    return corner;
}

void HouseNumberPoint(const WheelLayout& layout, double from, double to, double turn, double& x,
                      double& y) {
    const double angle = from + NormalizeAngle(to - from) / 2.0 + turn;
    x = layout.lngCentreX + lngHouseRingRadius * std::cos(angle);
    y = layout.lngCentreY - lngHouseRingRadius * std::sin(angle);
}

int32_t TwipsToPixel(int32_t t) {
    // Rounds towards minus infinity, so that a point left of the picture stays outside it.
    return t >= 0 ? t / lngWheelTwipsPerPixel
                  : -((-t + lngWheelTwipsPerPixel - 1) / lngWheelTwipsPerPixel);
}

bool WheelLineBodies(int16_t intRow, int16_t intCol, bool blnTwoChart, int16_t& intBody1,
                     int16_t& intBody2) {
    if (blnTwoChart) {
        if (intRow < 2 || intRow > intPointSlots || intCol < 2 || intCol > intPointSlots)
            return false;
        intBody1 = static_cast<int16_t>(intRow - 1);
        intBody2 = static_cast<int16_t>(intCol - 1);
        return true;
    }
    // The single-chart table: the triangle right of the glyph diagonal.
    if (intRow < 2 || intRow > pointMidheaven || intCol > pointAscendant || intCol <= intRow - 2)
        return false;
    intBody1 = static_cast<int16_t>(intRow - 1);
    intBody2 = static_cast<int16_t>(intCol + 1);
    return true;
}

std::vector<WheelLine> WheelAspectLines(const AspectTable& table, bool blnTwoChart,
                                        const WheelLineOptions& options) {
    std::vector<WheelLine> lines;
    for (int16_t i = 0; i < table.intNumCells && i < intMaxNumCells; ++i) {
        const TableCell& cell = table.udtCell[i];
        if (cell.strText.empty())
            continue;
        int16_t row = 0;
        int16_t col = 0;
        GetRowCol(i, table.intNumCols, row, col);
        WheelLine line;
        if (!WheelLineBodies(row, col, blnTwoChart, line.intBody1, line.intBody2))
            continue;
        if (blnTwoChart && line.intBody2 == bodyMoon && !options.blnIncludeTransitingMoon)
            continue;
        const auto inner = [](int16_t b) { return b <= intCatalogueBodies && blnInnerPlanet[b]; };
        if (!options.blnShowInnerPlanetAspects && (inner(line.intBody1) || inner(line.intBody2)))
            continue;
        line.blnBold = cell.blnBold;
        for (int16_t k = 1; k <= intCatalogueAspects; ++k) {
            const std::string& abbr = udtAspect[k].strAbbr;
            if (options.dblAspectColor[k] == 0.0 || abbr.empty() ||
                cell.strText.find(abbr) == std::string::npos)
                continue;
            line.intAspect = k;
            lines.push_back(line);
        }
    }
    return lines;
}

std::string WheelLineEnquiry(double color, const double (&dblAspectColor)[intAspectSlots]) {
    bool named[intAspectSlots] = {};
    if (!NoLineColor(color))
        for (int16_t k = 1; k <= intCatalogueAspects; ++k)
            named[k] = dblAspectColor[k] == color;
    return AspectNames(named);
}

std::string WheelLineEnquiryAt(const std::vector<DrawnLine>& lines, double color, double x,
                               double y) {
    bool named[intAspectSlots] = {};
    if (!NoLineColor(color))
        for (const DrawnLine& line : lines)
            if (line.dblColor == color && line.intAspect >= 1 &&
                line.intAspect <= intCatalogueAspects &&
                DistanceToSegment(line, x, y) <= line.intWidth / 2.0 + 1.0)
                named[line.intAspect] = true;
    return AspectNames(named);
}

std::string DrawnLineSentence(const DrawnLine& line) {
    if (line.intAspect < 1 || line.intAspect > intCatalogueAspects || line.intBody1 < 1 ||
        line.intBody1 > pointMidheaven || line.intBody2 < 1 || line.intBody2 > pointMidheaven)
        return "";
    return strBodyName[line.intBody1] + " " + udtAspect[line.intAspect].strAdjective + " " +
           strBodyName[line.intBody2];
}

std::string WheelLineEnquiryTitle() {
    return "This line is a";
}

WheelLegends WheelLegendTexts(int16_t intModeCode, bool blnUseColor) {
    WheelLegends legends;
    legends.strLinesA = Texts(kLegendA);
    if (!blnUseColor)
        legends.strLinesA[0] = Language::Text(kLinesAllGrey);
    if (!IsTwoChartMode(intModeCode)) {
        legends.lngLeftA = kLegendALeftSingle;
        legends.strLinesSecond = Texts(kLegendD);
        legends.lngLeftSecond = kLegendDLeft;
    } else if (intModeCode == intModeSynastry) {
        legends.lngLeftA = kLegendALeftTwo;
        legends.strLinesSecond = Texts(kLegendC);
        legends.lngLeftSecond = kLegendCLeft;
    } else {
        legends.lngLeftA = kLegendALeftTwo;
        legends.strLinesSecond = Texts(kLegendB);
        legends.lngLeftSecond = kLegendBLeft;
    }
    return legends;
}

std::vector<LegendRow> LayOutLegend(const WheelLayout& layout,
                                    const std::vector<std::string>& lines, int32_t left,
                                    const std::function<int32_t(const std::string&)>& measure) {
    const bool blnLeftSide = left < layout.lngCentreX;
    std::vector<std::vector<std::string>> words;
    for (const std::string& line : lines) {
        std::vector<std::string> lineWords = Words(line);
        if (!lineWords.empty())
            words.push_back(lineWords);
    }
    std::vector<LegendRow> rows;
    if (words.empty())
        return rows;

    // A legend left of the disc keeps one left edge: the given one, or further left (not
    // beyond the margin) when that lets every line stand whole beside the disc.
    int32_t blockLeft = std::max(left, lngLegendMargin);
    if (blnLeftSide) {
        int32_t fitLeft = blockLeft;
        for (std::size_t r = 0; r < lines.size(); ++r) {
            const RowRoom room = RoomOnRow(layout, true, blockLeft, RowTop(r));
            fitLeft = std::min(fitLeft, room.lngLeft + room.lngWidth - measure(lines[r]));
        }
        blockLeft = std::max(fitLeft, lngLegendMargin);
    }
    const auto roomAt = [&](int32_t top) { return RoomOnRow(layout, blnLeftSide, blockLeft, top); };
    const auto roomOnRow = [&](int32_t top) {
        return blnLeftSide ? roomAt(top) : RoomOnRow(layout, false, left, top);
    };

    // The top corner, line by line, as long as each line takes at most two rows there.
    WordPosition pos;
    const int32_t lngLastTopRow = layout.lngHeight / 2 - lngLegendLineHeight;
    int32_t top = 0;
    while (!pos.AtEnd(words)) {
        WordPosition linePos = pos;
        std::vector<LegendRow> lineRows;
        int32_t lineTop = top;
        for (int n = 0;
             n < kMaxRowsOfALine && linePos.intLine == pos.intLine && lineTop <= lngLastTopRow;
             ++n, lineTop += lngLegendLineHeight) {
            LegendRow row;
            if (!FillRow(words, linePos, roomOnRow(lineTop), lineTop, measure, row))
                break;
            lineRows.push_back(row);
        }
        if (linePos.intLine == pos.intLine)
            break;
        rows.insert(rows.end(), lineRows.begin(), lineRows.end());
        pos = linePos;
        top = lineTop;
    }
    if (pos.AtEnd(words))
        return rows;

    // The rest in the bottom corner of the same side: the fewest rows that hold it.
    const int32_t firstFree = top;
    for (int32_t count = 1; layout.lngHeight - count * lngLegendLineHeight >= firstFree; ++count) {
        WordPosition tryPos = pos;
        std::vector<LegendRow> bottomRows;
        for (int32_t j = count; j >= 1 && !tryPos.AtEnd(words); --j) {
            const int32_t rowTop = layout.lngHeight - j * lngLegendLineHeight;
            LegendRow row;
            if (!FillRow(words, tryPos, roomOnRow(rowTop), rowTop, measure, row))
                break;
            bottomRows.push_back(row);
        }
        if (tryPos.AtEnd(words)) {
            rows.insert(rows.end(), bottomRows.begin(), bottomRows.end());
            return rows;
        }
    }
    // No room anywhere: the rest is printed whole below the top rows rather than lost.
    for (; !pos.AtEnd(words); top += lngLegendLineHeight) {
        LegendRow row;
        row.lngTop = top;
        row.lngLeft = roomOnRow(top).lngLeft;
        for (std::size_t w = pos.intWord; w < words[pos.intLine].size(); ++w)
            row.strText += (row.strText.empty() ? "" : " ") + words[pos.intLine][w];
        pos.intWord = 0;
        ++pos.intLine;
        rows.push_back(row);
    }
    return rows;
}

}  // namespace ZDR
