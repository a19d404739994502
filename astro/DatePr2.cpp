#include "astro/DatePr2.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>

namespace DatePr2 {

int16_t intDefaultTimezoneMinutes = 0;

namespace {

constexpr int32_t lngLastJDNBeforeYear1 = 1721425;  // 31 December of year 0
constexpr int32_t lngFirstJDNOfYear2800 = 2743739;  // 1 January 2800
constexpr int32_t lngFirstYearTooLate = 2800;
constexpr int intNoonHalfHourIndex = 25;  // 12:00, the hour of a date set without an hour
constexpr int intNumHalfHours = 48;
constexpr int intNumTimezoneEntries = 48;
constexpr int intGmtTimezoneIndex = 24;

const char* const strMonthEnglish[12] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};
const char* const strMonthEnglishShort[12] = {"Jan.", "Feb.", "Mar.",  "Apr.", "May",  "June",
                                              "July", "Aug.", "Sept.", "Oct.", "Nov.", "Dec."};
const char* const strMonthGerman[12] = {"Januar",    "Februar", "März",     "April",
                                        "Mai",       "Juni",    "Juli",     "August",
                                        "September", "Oktober", "November", "Dezember"};
const char* const strMonthGermanShort[12] = {"Jan.", "Feb.", "März",  "Apr.", "Mai",  "Juni",
                                             "Juli", "Aug.", "Sept.", "Okt.", "Nov.", "Dez."};
const char* const strWeekdayEnglish[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};
const char* const strWeekdayGerman[7] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                         "Donnerstag", "Freitag", "Samstag"};

// North American names given to some entries of the timezone list.
struct NorthAmericanName {
    int intIndex;
    const char* strText;
};
const NorthAmericanName NorthAmericanNames[] = {
    {4, "HAST"},     {6, "AKST/HADT"}, {8, "PST/AKDT"}, {10, "MST/PDT"}, {12, "CST/MDT"},
    {14, "EST/CDT"}, {16, "AST/EDT"},  {17, "NST"},     {18, "ADT"},     {19, "NDT"}};

std::function<std::time_t()> fnClock;

std::time_t ClockNow() {
    return fnClock ? fnClock() : std::time(nullptr);
}

// Offset in minutes east of Greenwich at the moment at, rounded to whole minutes.
int16_t TimezoneMinutesAt(std::time_t at) {
    const double dblMinutes =
        std::nearbyint(-static_cast<double>(datekit::get_timezone(at)) / 60.0);
    if (dblMinutes > std::numeric_limits<int16_t>::max()) {
        return std::numeric_limits<int16_t>::max();
    }
    if (dblMinutes < std::numeric_limits<int16_t>::min()) {
        return std::numeric_limits<int16_t>::min();
    }
    return static_cast<int16_t>(dblMinutes);
}

// The Gregorian date year-month-day as a calendar record, its JDN and Valid filled in.
datekit::EuroDateRecord GregorianDate(int32_t year, int month, int day) {
    datekit::EuroDateRecord rec;
    rec.Year = year;
    rec.Month = month;
    rec.Day = day;
    rec.Calendar = 'G';
    DateToJDN(rec);
    return rec;
}

// JDN of a date set's civil date, or the negative code of the first check it fails.
int32_t CheckedJDN(const std::string& yearText, int monthIndex, int dayIndex) {
    int32_t lngYear = 0;
    if (monthIndex <= 0 || dayIndex <= 0 || !YearOfText(yearText, lngYear)) {
        return static_cast<int32_t>(dblDateIncomplete);
    }
    if (lngYear <= 0)
        return static_cast<int32_t>(dblDateTooEarly);
    if (lngYear >= lngFirstYearTooLate)
        return static_cast<int32_t>(dblDateTooLate);
    const datekit::EuroDateRecord rec = GregorianDate(lngYear, monthIndex, dayIndex);
    if (rec.Valid == 0)
        return static_cast<int32_t>(dblNoSuchDate);
    const int32_t lngJDN = rec.JDN;
    if (lngJDN <= lngLastJDNBeforeYear1)
        return static_cast<int32_t>(dblDateTooEarly);
    if (lngJDN >= lngFirstJDNOfYear2800)
        return static_cast<int32_t>(dblDateTooLate);
    return lngJDN;
}

// Fraction of the day at the start of half-hour entry halfHourIndex (1 = 00:00).
double HalfHourFraction(int halfHourIndex) {
    if (halfHourIndex < 1 || halfHourIndex > intNumHalfHours) {
        halfHourIndex = intNoonHalfHourIndex;
    }
    return (halfHourIndex - 1) * 30 / 1440.0;
}

std::string TwoDigits(long value) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%02ld", value);
    return buf;
}

// Number of UTF-8 code points in text.
int CodePoints(const std::string& text) {
    int n = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    }
    return n;
}

// The fill to add in front of or behind text to make it width code points long; empty when
// nothing is to be added.
std::string Padding(const std::string& text, int16_t width, const std::string& fill) {
    const int intMissing = width - CodePoints(text);
    if (width < 0 || intMissing <= 0 || fill.empty())
        return std::string();
    size_t len = 1;
    while (len < fill.size() && (static_cast<unsigned char>(fill[len]) & 0xC0) == 0x80)
        ++len;
    const std::string strOne = fill.substr(0, len);
    std::string strPad;
    strPad.reserve(strOne.size() * static_cast<size_t>(intMissing));
    for (int i = 0; i < intMissing; ++i)
        strPad += strOne;
    return strPad;
}

}  // namespace

int32_t DateToJDN(datekit::EuroDateRecord& rec) {
    return datekit::euro_date_to_jdn(&rec);
}

void JDNToDate(datekit::EuroDateRecord& rec) {
    datekit::jdn_to_euro_date(&rec);
}

bool YearOfText(const std::string& yearText, int32_t& year) {
    size_t i = 0;
    while (i < yearText.size() && (yearText[i] == ' ' || yearText[i] == '\t'))
        ++i;
    bool blnNegative = false;
    if (i < yearText.size() && (yearText[i] == '-' || yearText[i] == '+')) {
        blnNegative = yearText[i] == '-';
        ++i;
    }
    const size_t first = i;
    int64_t lngValue = 0;
    for (; i < yearText.size() && yearText[i] >= '0' && yearText[i] <= '9'; ++i) {
        lngValue = lngValue * 10 + (yearText[i] - '0');
        if (lngValue > std::numeric_limits<int32_t>::max()) {
            lngValue = std::numeric_limits<int32_t>::max();
        }
    }
    if (i == first)
        return false;
    year = static_cast<int32_t>(blnNegative ? -lngValue : lngValue);
    return true;
}

double DateSetToJD(const std::string& yearText, int monthIndex, int dayIndex, int halfHourIndex,
                   int zoneMinutes) {
    const int32_t lngJDN = CheckedJDN(yearText, monthIndex, dayIndex);
    if (lngJDN < 0)
        return lngJDN;
    return lngJDN + HalfHourFraction(halfHourIndex) - zoneMinutes / 1440.0 - 0.5;
}

double DateSetToLocalDay(const std::string& yearText, int monthIndex, int dayIndex,
                         int halfHourIndex) {
    const int32_t lngJDN = CheckedJDN(yearText, monthIndex, dayIndex);
    if (lngJDN < 0)
        return lngJDN;
    return lngJDN + HalfHourFraction(halfHourIndex);
}

double CheckJDRange(double jd) {
    if (jd < lngLastJDNBeforeYear1 + 0.5)
        return dblDateTooEarly;
    if (!(jd < lngFirstJDNOfYear2800 - 0.5))
        return dblDateTooLate;
    return 0;
}

double LocalClockToJD(int32_t year, int month, int day, int hours, int minutes, int seconds,
                      int zoneMinutes) {
    const int32_t lngJDN = GregorianDate(year, month, day).JDN;
    const double dblSeconds = minutes * 60.0 + hours * 3600.0 + seconds - zoneMinutes * 60.0;
    return dblSeconds / 86400.0 + lngJDN - 0.5;
}

double NowAsJD() {
    const std::time_t now = ClockNow();
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return static_cast<double>(now) / 86400.0 + 2440587.5;  // seconds since 1970 as a JD
    }
    return LocalClockToJD(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                          local.tm_min, local.tm_sec, TimezoneMinutesAt(now));
}

int16_t LocalTimezoneMinutes() {
    return TimezoneMinutesAt(ClockNow());
}

void SetClockForTesting(std::function<std::time_t()> clock) {
    fnClock = std::move(clock);
}

void RoundToHalfHour(double& x) {
    if (!std::isfinite(x))
        return;
    double dblDay = std::floor(x);
    const double dblFraction = x - dblDay;
    if (dblFraction == 0.0)
        return;
    const long lngMinutes = std::lrint(dblFraction * 1440.0);  // halves to even
    long lngSlot = lngMinutes / 30;
    if (lngMinutes % 30 > 15) {
        if (lngMinutes / 30 == 47) {
            lngSlot = 0;
            dblDay += 1.0;
        } else {
            ++lngSlot;
        }
    }
    x = dblDay + lngSlot / 48.0;
}

double NowOnHalfHourGrid(double jd, int tzMinutes) {
    double dblLocal = jd + 0.5 + tzMinutes / 1440.0;
    RoundToHalfHour(dblLocal);
    return dblLocal;
}

std::string DayFractionToTimeText(double f, bool withSeconds) {
    if (!(f >= 0.0 && f < 1.0))
        return "XX:XX:XX";
    if (f > 0.0 && f < 0.99999999)
        f += 1e-8;
    long lngSeconds = static_cast<long>(f * 86400.0);
    if (lngSeconds >= 86400)
        lngSeconds = 86399;
    std::string strTime = TwoDigits(lngSeconds / 3600) + ":" + TwoDigits((lngSeconds / 60) % 60);
    if (withSeconds)
        strTime += ":" + TwoDigits(lngSeconds % 60);
    return strTime;
}

std::string WeekdayName(int32_t jdn, int language) {
    const int32_t lngDay = datekit::euro_day_of_week(jdn);
    return language == 1 ? strWeekdayGerman[lngDay] : strWeekdayEnglish[lngDay];
}

std::string JDNToLongDateText(int32_t jdn, bool abbreviated, int language) {
    datekit::EuroDateRecord rec;
    rec.JDN = jdn;
    rec.Calendar = 'G';
    JDNToDate(rec);
    const bool blnGerman = language == 1;
    std::string strYear = std::to_string(rec.Year);
    if (rec.Year > 9999 || rec.Year < -9999) {
        char buf[20];
        datekit::separate_thousands(strYear.c_str(), blnGerman ? '.' : ',', buf, sizeof buf);
        strYear = buf;
    }
    const std::string strMonth = MonthName(rec.Month, abbreviated, language);
    const std::string strDay = std::to_string(rec.Day);
    if (blnGerman)
        return strDay + "." + strMonth + " " + strYear;
    return strMonth + " " + strDay + ", " + strYear;
}

std::string DateToNumericText(const datekit::EuroDateRecord& rec) {
    return std::to_string(rec.Year) + "-" + TwoDigits(rec.Month) + "-" + TwoDigits(rec.Day);
}

std::string DateToIsoText(const datekit::EuroDateRecord& rec) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(rec.Year),
                  static_cast<int>(rec.Month), static_cast<int>(rec.Day));
    return text;
}

int32_t YearOfJD(double jd) {
    int32_t lngYear = 0;
    datekit::juldat(jd, "A", &lngYear, nullptr, nullptr, nullptr);
    return lngYear;
}

bool IsLeapYear(int32_t year, char calendarLetter) {
    if (year % 4 != 0)
        return false;
    if (year % 100 == 0 && year % 400 != 0)
        return calendarLetter == 'J';
    return true;
}

int DaysInMonth(int month, int32_t year) {
    switch (month) {
        case 1:
        case 3:
        case 5:
        case 7:
        case 8:
        case 10:
        case 12:
            return 31;
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        case 2:
            return IsLeapYear(year, 'G') ? 29 : 28;
        default:
            return 0;
    }
}

std::string PadLeft(const std::string& text, int16_t width, const std::string& fill) {
    return Padding(text, width, fill) + text;
}

std::string PadRight(const std::string& text, int16_t width, const std::string& fill) {
    return text + Padding(text, width, fill);
}

std::string MonthName(int month, bool shortForm, int language) {
    if (month < 1 || month > 12)
        return std::string();
    if (language == 1)
        return (shortForm ? strMonthGermanShort : strMonthGerman)[month - 1];
    return (shortForm ? strMonthEnglishShort : strMonthEnglish)[month - 1];
}

std::vector<TimezoneEntry> TimezoneList(bool blnNorthAmerican) {
    std::vector<TimezoneEntry> list;
    list.reserve(intNumTimezoneEntries);
    list.push_back({std::string(), 0});
    for (int n = 11; n >= 0; --n) {
        list.push_back({"GMT-" + std::to_string(n) + ":30", 0});
        list.push_back({n == 0 ? std::string("GMT") : "GMT-" + std::to_string(n) + ":00", 0});
    }
    for (int n = 0; n <= 11; ++n) {
        if (n > 0)
            list.push_back({"GMT+" + std::to_string(n) + ":00", 0});
        list.push_back({"GMT+" + std::to_string(n) + ":30", 0});
    }
    for (int i = 1; i < intNumTimezoneEntries; ++i) {
        list[i].intMinutes = (i - intGmtTimezoneIndex) * 30;
    }
    if (blnNorthAmerican) {
        for (const NorthAmericanName& name : NorthAmericanNames) {
            list[name.intIndex].strText = name.strText;
        }
    }
    return list;
}

int DefaultTimezoneIndex(int defaultMinutes) {
    const std::vector<TimezoneEntry> list = TimezoneList(false);
    for (size_t i = 1; i < list.size(); ++i) {
        if (list[i].intMinutes == defaultMinutes)
            return static_cast<int>(i);
    }
    return 0;
}

void InitialiseDatePr2() {
    const int16_t intMinutes = LocalTimezoneMinutes();
    intDefaultTimezoneMinutes = intMinutes == 345 ? int16_t{330} : intMinutes;
}

}  // namespace DatePr2
