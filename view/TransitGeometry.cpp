#include "view/TransitGeometry.h"

#include <cmath>

#include "astro/DatePr2.h"
#include "engine/Angles.h"
#include "engine/Catalogue.h"
#include "text/Language.h"
#include "text/StrProc.h"

namespace ZDR {

namespace {

// Returns the date of a local day with "-" between its parts, "2024-03-10".
std::string DayDateText(double day) {
    datekit::EuroDateRecord rec;
    rec.JDN = static_cast<int32_t>(std::floor(day));
    DatePr2::JDNToDate(rec);
    return DatePr2::DateToNumericText(rec);
}

// Returns the time of day of a local day, "21:30".
std::string DayTimeText(double day) {
    return DatePr2::DayFractionToTimeText(day - std::floor(day), false);
}

}  // namespace

double TransitLocalDay(double jd, int tzMinutes) {
    return jd + 0.5 + tzMinutes / 1440.0;
}

int16_t TransitPixelSize(int p) {
    return static_cast<int16_t>(p >= 12 && p <= 15 ? p : 15);
}

double TransitSpan(double startDay, double endDay) {
    return (endDay + 1.0) - startDay;
}

double TransitLabelDay(double startDay, double endDay, int16_t r) {
    return startDay + r * (TransitSpan(startDay, endDay) / (intTransitLabelRows - 1));
}

int16_t TransitCurrentRow(double startDay, double endDay, double worldDay) {
    const double labelStep = TransitSpan(startDay, endDay) / (intTransitLabelRows - 1);
    for (int16_t r = 0; r < intTransitLabelRows; ++r) {
        if (TransitLabelDay(startDay, endDay, r) > worldDay - labelStep / 2.0)
            return r;
    }
    return 0;
}

int32_t TransitLabelRowY(int16_t r) {
    return intTransitLabelRowStep * r + intTransitFirstLabelRow;
}

double TransitTickValue(int16_t m, double orb) {
    return m * orb / 7.5;
}

double TransitPlotStep(double startDay, double endDay) {
    return TransitSpan(startDay, endDay) / intTransitPlotSteps;
}

double TransitPlotStartJD(double startDay, int tzMinutes) {
    return std::floor(startDay) - tzMinutes / 1440.0 - 0.5;
}

int32_t TransitPlotRowY(int16_t n) {
    return lngTransitPlotTop + n * lngTransitPlotStep;
}

double TransitCurveX(double d, double orb) {
    return d / orb * intTransitHalfWidth + intTransitAxis;
}

bool TransitPointAt(const TransitEnquiryScale& scale, double color, int32_t x, int32_t y,
                    double& day, double& exactness) {
    const int16_t p = TransitPixelSize(scale.intPixelSize);
    if (color == 0.0 || x <= intTransitLeftMargin * p || y < lngTransitPlotTop ||
        y > lngTransitPlotBottom)
        return false;
    const double n = std::round((y - lngTransitPlotTop) / static_cast<double>(lngTransitPlotStep));
    day = scale.dblStartDay + n * scale.dblPlotStep;
    exactness = std::fabs((static_cast<double>(x) / p - intTransitAxis) * scale.dblOrb /
                          intTransitHalfWidth);
    return true;
}

std::string TransitPointMessage(double day, double exactness) {
    std::string detail = Language::Text(349);
    detail = StrProc::ReplaceAll(detail, "[time]", DayTimeText(day));
    detail = StrProc::ReplaceAll(detail, "[date]", DayDateText(day));
    detail = StrProc::ReplaceAll(detail, "[exactness]", FormatDegMin(exactness));
    return Language::Text(348) + "\n" + detail;
}

std::string TransitPointTitle() {
    return Language::Text(350);
}

std::string TransitLabelText(double day) {
    return DayDateText(day) + " " + DayTimeText(day);
}

std::string TransitCaption(int16_t b1, int16_t b2, int16_t k, double orb, bool blnSidereal,
                           double natalDay) {
    const bool blnGerman = Language::intLanguage == Language::intGerman;
    const std::string name =
        blnGerman ? udtAspect[k].strName : StrProc::LowerCase(udtAspect[k].strName);
    std::string caption = Language::Text(155) + " " + strBodyName[b2] + " " + Language::Text(89) +
                          " " + name + " " + Language::Text(90) + " " + NatalName(b1);
    caption +=
        " (" + DayDateText(natalDay) + "), " + Language::Text(91) + " " + FormatDegMin(orb) + ", ";
    if (blnGerman)
        caption += blnSidereal ? "siderischer Tk" : "tropischer Tk";
    else
        caption += Language::Text(blnSidereal ? 44 : 45);
    return caption;
}

}  // namespace ZDR
