#include "places/HouseTexts.h"

#include "engine/Angles.h"
#include "engine/Catalogue.h"
#include "text/Language.h"
#include "text/StrProc.h"

namespace Places {
namespace {

constexpr int kTextAscendant = 1620;
constexpr int kTextMidheaven = 1621;
constexpr int kTextHouse = 1622;
constexpr int kTextFirstSystem = 1623;  // .. 1631, in the order of the systems
constexpr int kTextFallback = 1632;
constexpr int kTextTitle = 1633;
constexpr int kTextInHouse = 1634;

// "Ascendant: 10 Cap 22": the report's font is proportional, so no columns.
std::string Line(const std::string& name, const std::string& value) {
    return name + ": " + value;
}

}  // namespace

std::string HouseSystemText(int16_t system) {
    return system >= 0 && system < intNumHouseSystems ? Language::Text(kTextFirstSystem + system)
                                                      : std::string();
}

std::string HouseSystemTitle(const Houses& houses) {
    return StrProc::ReplaceAll(Language::Text(kTextTitle), "SYSTEM",
                               HouseSystemText(houses.intSystemUsed));
}

std::string HouseFallbackText(const Houses& houses) {
    return StrProc::ReplaceAll(Language::Text(kTextFallback), "SYSTEM",
                               HouseSystemText(houses.intSystem));
}

std::vector<std::string> HouseLines(const Houses& houses, const double (&L)[ZDR::intBodySlots]) {
    std::vector<std::string> lines;
    lines.push_back(Line(Language::Text(kTextAscendant),
                         ZDR::FormatSignPosition(houses.dblAscendant, false, true)));
    lines.push_back(Line(Language::Text(kTextMidheaven),
                         ZDR::FormatSignPosition(houses.dblMidheaven, false, true)));
    for (int h = 1; h <= 12; ++h) {
        lines.push_back(Line(Language::Text(kTextHouse) + " " + std::to_string(h),
                             ZDR::FormatSignPosition(houses.dblCusp[h], false, true)));
    }
    for (int16_t b = 1; b <= ZDR::intCatalogueBodies; ++b) {
        if (L[b] < 0)
            continue;
        lines.push_back(
            Line(ZDR::strBodyName[b], StrProc::ReplaceAll(Language::Text(kTextInHouse), "N",
                                                          std::to_string(HouseOf(houses, L[b])))));
    }
    return lines;
}

std::string HouseReport(const Houses& houses, const double (&L)[ZDR::intBodySlots]) {
    std::string text = "\r\n\r\n" + HouseSystemTitle(houses) + "\r\n";
    if (houses.FellBack())
        text += HouseFallbackText(houses) + "\r\n";
    for (const std::string& line : HouseLines(houses, L))
        text += line + "\r\n";
    return text;
}

}  // namespace Places
