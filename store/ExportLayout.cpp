#include "store/ExportLayout.h"

#include <cstdio>

#include "astro/DatePr2.h"
#include "engine/Compute.h"
#include "engine/Report.h"
#include "store/ExportTexts.h"
#include "text/Language.h"
#include "text/StrProc.h"

namespace ZDR {
namespace {

constexpr int kLine = intExportLineHeight;

std::string TwoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

class TextCollector {
  public:
    explicit TextCollector(int16_t language) : m_intLanguage(language) {}

    bool German() const { return m_intLanguage == Language::intGerman; }
    std::string Text(int n) const { return Language::TextIn(n, m_intLanguage); }

    void Add(double x, double y, const std::string& text, int32_t color = lngDataColor) {
        m_texts.push_back(CanvasText{x, y, text, color});
    }

    // The caption ("World date:"), the date and the time line of a date set: the caption at
    // (x, y) and the other two at x + dx, one and two lines below.
    void DateBlock(double x, double y, double dx1, double dx2, const std::string& caption,
                   const ExportDateSet& set) {
        Add(x, y, caption + ":");
        Add(x + dx1, y + kLine,
            set.strYear + "-" + TwoDigits(set.intMonth) + "-" + TwoDigits(set.intDay));
        Add(x + dx2, y + 2 * kLine, set.strHour + " " + set.strTimezone);
    }
    void WorldDateBlock(double x, double y, const ExportDateSet& set) {
        DateBlock(x, y, -20, -40, Text(ExportText::WorldDate), set);
    }
    void BirthdateBlock(double x, double y, int set, const ExportDateSet& dates) {
        DateBlock(x, y, 0, 0, Text(ExportText::Birthdate[set]), dates);
    }

    std::vector<CanvasText> Take() { return std::move(m_texts); }

  private:
    int16_t m_intLanguage;
    std::vector<CanvasText> m_texts;
};

// The zodiac in two lines and, with the inner planets' lines left out, the note saying so.
void SingleChartNotes(TextCollector& c, const ExportCanvasInput& in, bool world) {
    const bool german = c.German();
    const double x1 = world ? 0 : (german ? 342 : 345);
    const double x2 = world ? 0 : (german ? 345 : 350);
    if (german) {
        c.Add(x1, 332, in.blnSidereal ? "Siderisch." : "Tropisch.");
        c.Add(x2, 349, "Tierkreis");
    } else {
        c.Add(x1, 332, c.Text(in.blnSidereal ? ExportText::Sidereal : ExportText::Tropical));
        c.Add(x2, 349, StrProc::LowerCase(c.Text(ExportText::Zodiac)));
    }
    if (in.blnShowInnerPlanetAspects)
        return;
    c.Add(world ? 5 : (german ? 315 : 335), 367, c.Text(ExportText::InnerNote[0]));
    c.Add(world ? 5 : (german ? 265 : 310), 384, c.Text(ExportText::InnerNote[1]));
}

std::string Trimmed(const std::string& text) {
    const std::string::size_type first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string BmpPathFor(const std::string& pngPath) {
    return pngPath.substr(0, pngPath.size() < 3 ? 0 : pngPath.size() - 3) + "bmp";
}

std::string PngPathWithExtension(const std::string& path) {
    const std::string::size_type nameStart = path.find_last_of("/\\");
    const std::string name = nameStart == std::string::npos ? path : path.substr(nameStart + 1);
    const std::string::size_type dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0 && dot + 1 < name.size())
        return path;
    return path + (dot != std::string::npos && dot + 1 == name.size() ? "png" : ".png");
}

ExportCanvasInput ExportCanvasOf(int16_t intModeCode,
                                 const std::array<DatePr2::DateSetInput, 3>& sets,
                                 const ChartOptions& chartOptions, const std::string& version) {
    const ConfigOptions& options = chartOptions.udtConfig;
    ExportCanvasInput input;
    input.intModeCode = intModeCode;
    input.intLanguage = Language::intLanguage;
    const std::vector<DatePr2::TimezoneEntry> zones = DatePr2::TimezoneList(options.blnDisplayNATZ);
    for (int i = 0; i < 3; ++i) {
        const DatePr2::DateSetInput& set = sets[i];
        ExportDateSet& shown = input.udtDateSet[i];
        shown.strYear = set.strYearText;
        shown.intMonth = set.intMonthIndex;
        shown.intDay = set.intDayIndex;
        shown.strHour = DatePr2::HalfHourText(set.intHourIndex);
        if (set.intTimezoneIndex >= 0 && set.intTimezoneIndex < static_cast<int>(zones.size()))
            shown.strTimezone = zones[set.intTimezoneIndex].strText;
    }
    input.blnSidereal = options.blnSidereal;
    input.blnShowInnerPlanetAspects = !options.blnSuppressInnerPlanetAspects;
    input.strTitleWithOrb = SetModeTitle(intModeCode, true, chartOptions);
    input.strVersion = version;
    return input;
}

std::string CreditWebAddress(int16_t language) {
    return Language::TextIn(ExportText::MakerWebHost, language) +
           (language == Language::intGerman ? "/de/zodarc" : "/zodarc");
}

SheetTexts SheetTextsOf(const ExportCanvasInput& in) {
    const TextCollector c(in.intLanguage);
    SheetTexts sheet;
    sheet.strTitle = Trimmed(in.strTitleWithOrb);
    const auto dateLine = [&in](const std::string& caption, int set) {
        const ExportDateSet& d = in.udtDateSet[set];
        return caption + ": " + d.strYear + "-" + TwoDigits(d.intMonth) + "-" +
               TwoDigits(d.intDay) + "  " + d.strHour + " " + d.strTimezone;
    };
    const bool personal = in.intModeCode == intModePersonal1 || in.intModeCode == intModePersonal2;
    if (in.intModeCode == intModeNatal1 || in.intModeCode == intModeSynastry ||
        in.intModeCode == intModePersonal1)
        sheet.strDateLines.push_back(dateLine(c.Text(ExportText::Birthdate[1]), 1));
    if (in.intModeCode == intModeNatal2 || in.intModeCode == intModeSynastry ||
        in.intModeCode == intModePersonal2)
        sheet.strDateLines.push_back(dateLine(c.Text(ExportText::Birthdate[2]), 2));
    if (in.intModeCode == intModeWorldTransits || personal)
        sheet.strDateLines.push_back(dateLine(c.Text(ExportText::WorldDate), 0));
    sheet.strDateLines.push_back(
        c.Text(in.blnSidereal ? ExportText::SiderealZodiac : ExportText::TropicalZodiac));
    if (!in.blnShowInnerPlanetAspects)
        sheet.strDateLines.push_back(c.Text(ExportText::InnerNote[0]) + " " +
                                     c.Text(ExportText::InnerNote[1]));
    sheet.strCredit = c.Text(ExportText::DrawnWith) + " " + c.Text(ExportText::Calculator) + " " +
                      c.Text(ExportText::ByMakerVersion) + " " + in.strVersion + " - " +
                      CreditWebAddress(in.intLanguage);
    return sheet;
}

std::vector<CanvasText> ExportCanvasTexts(const ExportCanvasInput& in) {
    TextCollector c(in.intLanguage);
    const bool twoCharts = IsTwoChartMode(in.intModeCode);
    const bool german = c.German();

    // Credit block.
    const double creditX = twoCharts ? 114 : 5;
    c.Add(creditX, 0, c.Text(ExportText::DrawnWith), lngCreditColor);
    c.Add(creditX, kLine, c.Text(ExportText::Calculator), lngCreditColor);
    c.Add(creditX, 2 * kLine, c.Text(ExportText::ByMakerVersion), lngCreditColor);
    c.Add(creditX, 3 * kLine, in.strVersion, lngCreditColor);
    const std::string address = CreditWebAddress(in.intLanguage);
    const double addressX = in.intCanvasWidth / 2.0 + (twoCharts ? 73 : 63);
    const std::string::size_type pathStart = address.find('/');
    if (twoCharts || pathStart == std::string::npos) {
        c.Add(addressX, 0, address, lngCreditColor);
    } else {
        c.Add(addressX, 0, address.substr(0, pathStart), lngCreditColor);
        c.Add(addressX + 37, kLine, address.substr(pathStart), lngCreditColor);
    }

    // Data block.
    const std::array<ExportDateSet, 3>& d = in.udtDateSet;
    switch (in.intModeCode) {
        case intModeWorldTransits:
            c.WorldDateBlock(328, 350, d[0]);
            SingleChartNotes(c, in, true);
            break;
        case intModeNatal1:
        case intModeNatal2: {
            const int set = in.intModeCode == intModeNatal1 ? 1 : 2;
            c.BirthdateBlock(3, 350, set, d[set]);
            SingleChartNotes(c, in, false);
            break;
        }
        case intModePersonal1:
        case intModePersonal2: {
            const int set = in.intModeCode == intModePersonal1 ? 1 : 2;
            c.BirthdateBlock(114, 385, set, d[set]);
            c.WorldDateBlock(472, 390, d[0]);
            c.Add(german ? 34 : 50, 368, c.Text(ExportText::PersonalTransitsFor));
            break;
        }
        case intModeSynastry:
            c.BirthdateBlock(114, 385, 1, d[1]);
            c.BirthdateBlock(472, 385, 2, d[2]);
            c.Add(100, 368, c.Text(ExportText::Synastry) + " " + c.Text(ExportText::Of));
            c.Add(497, 368, c.Text(ExportText::And));
            break;
        default:
            break;
    }
    if (!twoCharts)
        return c.Take();

    // The two-chart canvas also names the zodiac and the mode with its orb.
    if (german)
        c.Add(7, kLine, in.blnSidereal ? "Siderische Tk" : "Tropische Tk");
    else
        c.Add(7, kLine,
              c.Text(in.blnSidereal ? ExportText::SiderealZodiac : ExportText::TropicalZodiac));
    c.Add(7, 18 * kLine, Trimmed(in.strTitleWithOrb));
    if (!in.blnShowInnerPlanetAspects) {
        c.Add(552, 11.5 * kLine,
              c.Text(in.intModeCode == intModeSynastry ? ExportText::InnerNoteSynastry
                                                       : ExportText::InnerNoteTransits));
        c.Add(552, 12.5 * kLine, c.Text(ExportText::InnerNoteTwoCharts[0]));
        c.Add(552, 13.5 * kLine, c.Text(ExportText::InnerNoteTwoCharts[1]));
    }
    return c.Take();
}

}  // namespace ZDR
