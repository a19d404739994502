#include "astro/DateKit.h"

#include <cmath>
#include <cstring>
#include <ctime>

namespace datekit {
namespace {

// Floor division for possibly negative numerators.
int64_t FloorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

bool IsLeap(int64_t year, bool julian) {
    if (julian)
        return FloorDiv(year, 4) * 4 == year;
    if (FloorDiv(year, 4) * 4 != year)
        return false;
    if (FloorDiv(year, 100) * 100 != year)
        return true;
    return FloorDiv(year, 400) * 400 == year;
}

int DaysIn(int64_t year, int month, bool julian) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeap(year, julian))
        return 29;
    return kDays[month - 1];
}

// Day number of a date, by the standard proleptic formulas (year shifted to March).
int64_t DayNumber(int64_t y, int64_t m, int64_t d, bool julian) {
    int64_t a = FloorDiv(14 - m, 12);
    int64_t yy = y + 4800 - a;
    int64_t mm = m + 12 * a - 3;
    int64_t jdn = d + FloorDiv(153 * mm + 2, 5) + 365 * yy + FloorDiv(yy, 4);
    if (julian)
        return jdn - 32083;
    return jdn - FloorDiv(yy, 100) + FloorDiv(yy, 400) - 32045;
}

}  // namespace

int32_t euro_date_to_jdn(EuroDateRecord* rec) {
    const bool julian = rec->Calendar == 'J';
    const bool exists = rec->Month >= 1 && rec->Month <= 12 && rec->Day >= 1 &&
                        rec->Day <= DaysIn(rec->Year, rec->Month, julian);
    rec->Valid = exists ? 1 : 0;
    int64_t jdn = DayNumber(rec->Year, rec->Month, rec->Day, julian);
    if (jdn > INT32_MAX)
        jdn = INT32_MAX;
    if (jdn < INT32_MIN)
        jdn = INT32_MIN;
    rec->JDN = static_cast<int32_t>(jdn);
    return rec->JDN;
}

void jdn_to_euro_date(EuroDateRecord* rec) {
    const int64_t j = rec->JDN;
    int64_t c, d, e, m;
    if (rec->Calendar == 'J') {
        c = j + 32082;
        d = FloorDiv(4 * c + 3, 1461);
        e = c - FloorDiv(1461 * d, 4);
        m = FloorDiv(5 * e + 2, 153);
        rec->Day = static_cast<int32_t>(e - FloorDiv(153 * m + 2, 5) + 1);
        rec->Month = static_cast<int32_t>(m + 3 - 12 * FloorDiv(m, 10));
        rec->Year = static_cast<int32_t>(d - 4800 + FloorDiv(m, 10));
        return;
    }
    const int64_t a = j + 32044;
    const int64_t b = FloorDiv(4 * a + 3, 146097);
    c = a - FloorDiv(146097 * b, 4);
    d = FloorDiv(4 * c + 3, 1461);
    e = c - FloorDiv(1461 * d, 4);
    m = FloorDiv(5 * e + 2, 153);
    rec->Day = static_cast<int32_t>(e - FloorDiv(153 * m + 2, 5) + 1);
    rec->Month = static_cast<int32_t>(m + 3 - 12 * FloorDiv(m, 10));
    rec->Year = static_cast<int32_t>(100 * b + d - 4800 + FloorDiv(m, 10));
}

int32_t euro_day_of_week(int32_t jdn) {
    return static_cast<int32_t>(((static_cast<int64_t>(jdn) + 1) % 7 + 7) % 7);
}

void separate_thousands(const char* digits, int32_t sepChar, char* out, int outSize) {
    if (outSize <= 0)
        return;
    const char* p = digits;
    int n = 0;
    if (*p == '-') {
        if (n < outSize - 1)
            out[n++] = '-';
        ++p;
    }
    const int len = static_cast<int>(std::strlen(p));
    for (int i = 0; i < len && n < outSize - 1; ++i) {
        if (i > 0 && (len - i) % 3 == 0) {
            out[n++] = static_cast<char>(sepChar);
            if (n >= outSize - 1)
                break;
        }
        out[n++] = p[i];
    }
    out[n] = '\0';
}

int32_t get_timezone(std::time_t at) {
    std::tm local{};
    if (localtime_r(&at, &local) == nullptr)
        return 0;
    return static_cast<int32_t>(-local.tm_gmtoff);
}

void juldat(double jd, const char* calendarCode, int32_t* year, int32_t* month, int32_t* day,
            int32_t* hundredths) {
    EuroDateRecord rec;
    rec.Calendar = (calendarCode && calendarCode[0] == 'J') ? 'J' : 'G';
    double t = jd + 0.5;
    if (!(t > -2.0e9 && t < 2.0e9))
        t = 0.0;  // not a number, or far outside any calendar
    const double whole = std::floor(t);
    rec.JDN = static_cast<int32_t>(whole);
    jdn_to_euro_date(&rec);
    if (year)
        *year = rec.Year;
    if (month)
        *month = rec.Month;
    if (day)
        *day = rec.Day;
    if (hundredths)
        *hundredths = static_cast<int32_t>((t - whole) * 100.0);
}

}  // namespace datekit
