#include "calendar/CalendarExport.h"

#include <cmath>
#include <cstdio>

#include "astro/DatePr2.h"
#include "engine/AspectTiming.h"
#include "engine/Catalogue.h"
#include "text/Language.h"
#include "text/StrProc.h"

namespace ZDR {

namespace {

constexpr int kMinutesPerDay = 1440;
// The longest line of an iCalendar file, in octets, line end not counted.
constexpr std::size_t kICalendarLineOctets = 75;

// Minutes since the epoch of JD 0 at local midnight, for jd (UT) in the zone.
long long LocalMinutes(double jd, int zoneMinutes) {
    return std::llround((jd + 0.5) * kMinutesPerDay) + zoneMinutes;
}

datekit::EuroDateRecord DateOfDay(int32_t jdn) {
    datekit::EuroDateRecord rec;
    rec.JDN = jdn;
    DatePr2::JDNToDate(rec);
    return rec;
}

// "2020-12-21" for a JDN: the year in four digits at least, with a sign before year 0.
std::string IsoDate(int32_t jdn) {
    const datekit::EuroDateRecord rec = DateOfDay(jdn);
    char text[32];
    std::snprintf(text, sizeof text, "%s%04d-%02d-%02d", rec.Year < 0 ? "-" : "",
                  static_cast<int>(rec.Year < 0 ? -rec.Year : rec.Year),
                  static_cast<int>(rec.Month), static_cast<int>(rec.Day));
    return text;
}

// "20201221" for a JDN.
std::string CompactDate(int32_t jdn) {
    const datekit::EuroDateRecord rec = DateOfDay(jdn);
    char text[24];
    std::snprintf(text, sizeof text, "%04d%02d%02d", static_cast<int>(rec.Year),
                  static_cast<int>(rec.Month), static_cast<int>(rec.Day));
    return text;
}

// "20201221T182000Z" for jd (UT), to the minute, or to the second with blnSeconds.
std::string UtcStamp(double jd, bool blnSeconds) {
    const long long seconds = std::llround((jd + 0.5) * 86400.0);
    long long s = blnSeconds ? seconds : (seconds + 30) / 60 * 60;
    const long long day = s / 86400;
    s -= day * 86400;
    char text[40];
    std::snprintf(text, sizeof text, "%sT%02d%02d%02dZ", CompactDate(static_cast<int32_t>(day)).c_str(),
                  static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60), static_cast<int>(s % 60));
    return text;
}

// "UTC+01:00" for a zone.
std::string ZoneText(int zoneMinutes) {
    char text[24];
    const int m = zoneMinutes < 0 ? -zoneMinutes : zoneMinutes;
    std::snprintf(text, sizeof text, "UTC%c%02d:%02d", zoneMinutes < 0 ? '-' : '+', m / 60, m % 60);
    return text;
}

// A moment as text, or the unknown-date text when jd is negative.
std::string MomentOrUnknown(double jd, int zoneMinutes) {
    return jd < 0 ? Language::Text(168) : CalendarMinuteText(jd, zoneMinutes);
}

std::string JsonText(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string JsonMoment(double jd, int zoneMinutes) {
    return jd < 0 ? "null" : "\"" + CalendarMinuteText(jd, zoneMinutes, true) + "\"";
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    return "\"" + StrProc::ReplaceAll(text, "\"", "\"\"") + "\"";
}

// A TEXT value of iCalendar: backslash, semicolon, comma and line breaks escaped.
std::string ICalendarText(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == ';' || c == ',')
            out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        if (c == '\r')
            continue;
        out += c;
    }
    return out;
}

// Appends one content line, folded at 75 octets (never inside a UTF-8 character), CR LF.
void AppendFolded(std::string& out, const std::string& line) {
    std::size_t start = 0;
    std::size_t room = kICalendarLineOctets;
    while (line.size() - start > room) {
        std::size_t cut = start + room;
        while (cut > start && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        out.append(line, start, cut - start);
        out += "\r\n ";
        start = cut;
        room = kICalendarLineOctets - 1;
    }
    out.append(line, start, std::string::npos);
    out += "\r\n";
}

// The part of a UID that names the transit: its mode, zodiac, bodies and aspect, and the
// UT date of its first exact moment (else its beginning, else its end).
std::string PassageUid(const Passage& p, const ICalendarInput& in) {
    char text[120];
    const double when = !p.dblExact.empty() ? p.dblExact.front()
                                             : (p.dblBegin >= 0 ? p.dblBegin : p.dblEnd);
    const std::string day =
        when >= 0 ? CompactDate(static_cast<int32_t>(std::floor(when + 0.5))) : "open";
    if (in.blnPersonal) {
        std::snprintf(text, sizeof text, "p%lld%s-%d-%d-%d-%s", std::llround(in.dblNatalJD * 1440),
                      in.blnSidereal ? "s" : "", p.intFirst, p.intSecond, p.intAspect, day.c_str());
    } else {
        std::snprintf(text, sizeof text, "w%s-%d-%d-%d-%s", in.blnSidereal ? "s" : "", p.intFirst,
                      p.intSecond, p.intAspect, day.c_str());
    }
    return text;
}

// The exact moments as text, joined by ", ".
std::string ExactList(const Passage& p, int zoneMinutes) {
    std::string out;
    for (std::size_t e = 0; e < p.dblExact.size(); ++e)
        out += (e > 0 ? ", " : "") + CalendarMinuteText(p.dblExact[e], zoneMinutes);
    return out;
}

}  // namespace

std::string CalendarMinuteText(double jd, int zoneMinutes, bool blnIso) {
    const int32_t day = LocalDayNumber(jd, zoneMinutes);
    const long long ofDay =
        LocalMinutes(jd, zoneMinutes) - static_cast<long long>(day) * kMinutesPerDay;
    char time[16];
    std::snprintf(time, sizeof time, "%c%02d:%02d", blnIso ? 'T' : ' ', static_cast<int>(ofDay / 60),
                  static_cast<int>(ofDay % 60));
    return IsoDate(day) + time;
}

std::string PassageSummary(const Passage& p, bool blnPersonal) {
    std::string text = Language::Text(blnPersonal ? 1301 : 1300);
    text = StrProc::ReplaceAll(text, "FIRST", strBodyName[p.intFirst]);
    text = StrProc::ReplaceAll(text, "ASPECT", udtAspect[p.intAspect].strAdjective);
    return StrProc::ReplaceAll(text, "SECOND", strBodyName[p.intSecond]);
}

std::string CalendarText(const std::vector<Passage>& passages, bool blnPersonal, int zoneMinutes) {
    std::string out;
    for (const Passage& p : passages) {
        out += PassageSummary(p, blnPersonal) + ": " + Language::Text(1302) + " " +
               MomentOrUnknown(p.dblBegin, zoneMinutes) + ", ";
        if (p.dblExact.empty())
            out += Language::Text(1305);
        else
            out += Language::Text(1303) + " " + ExactList(p, zoneMinutes);
        out += ", " + Language::Text(1304) + " " + MomentOrUnknown(p.dblEnd, zoneMinutes) + "\n";
    }
    return out;
}

std::string CalendarJson(const std::vector<Passage>& passages, int zoneMinutes) {
    // Names in English whatever the language of the texts.
    const int16_t language = Language::intLanguage;
    Language::intLanguage = Language::intEnglish;
    BuildCatalogueNames();
    std::string out = "[";
    for (std::size_t n = 0; n < passages.size(); ++n) {
        const Passage& p = passages[n];
        out += (n > 0 ? ",\n " : "");
        out += "{\"first\": " + JsonText(strBodyName[p.intFirst]) +
               ", \"second\": " + JsonText(strBodyName[p.intSecond]) +
               ", \"aspect\": " + JsonText(udtAspect[p.intAspect].strName) +
               ", \"begin\": " + JsonMoment(p.dblBegin, zoneMinutes) +
               ", \"end\": " + JsonMoment(p.dblEnd, zoneMinutes) + ", \"exact\": [";
        for (std::size_t e = 0; e < p.dblExact.size(); ++e)
            out += (e > 0 ? ", " : "") + JsonMoment(p.dblExact[e], zoneMinutes);
        out += "]}";
    }
    out += "]\n";
    Language::intLanguage = language;
    BuildCatalogueNames();
    return out;
}

std::string CalendarCsv(const std::vector<Passage>& passages, bool blnPersonal, int zoneMinutes) {
    std::string out = "first,second,aspect,begin,end,exact\r\n";
    for (const Passage& p : passages) {
        std::string exact;
        for (std::size_t e = 0; e < p.dblExact.size(); ++e)
            exact += (e > 0 ? " " : "") + CalendarMinuteText(p.dblExact[e], zoneMinutes, true);
        const std::string second =
            blnPersonal ? Language::Text(1306) + strBodyName[p.intSecond] : strBodyName[p.intSecond];
        out += CsvField(strBodyName[p.intFirst]) + "," + CsvField(second) + "," +
               CsvField(udtAspect[p.intAspect].strName) + "," +
               (p.dblBegin < 0 ? "" : CalendarMinuteText(p.dblBegin, zoneMinutes, true)) + "," +
               (p.dblEnd < 0 ? "" : CalendarMinuteText(p.dblEnd, zoneMinutes, true)) + "," + exact +
               "\r\n";
    }
    return out;
}

std::string CalendarICalendar(const std::vector<Passage>& passages, const ICalendarInput& in) {
    std::string out;
    AppendFolded(out, "BEGIN:VCALENDAR");
    AppendFolded(out, "VERSION:2.0");
    AppendFolded(out, std::string("PRODID:-//Quillfen//Zodarc ") + ZODARC_VERSION_MAJOR_MINOR +
                          "//" + (Language::intLanguage == Language::intGerman ? "DE" : "EN"));
    AppendFolded(out, "CALSCALE:GREGORIAN");
    AppendFolded(out, "METHOD:PUBLISH");
    const std::string stamp = "DTSTAMP:" + UtcStamp(in.dblStampJD, true);
    const std::string host = "@zodarc.quillfen.com";
    const std::string zone = " (" + ZoneText(in.zoneMinutes) + ")";
    for (const Passage& p : passages) {
        const std::string summary = PassageSummary(p, in.blnPersonal);
        const std::string inOrb = Language::Text(1308) + " " +
                                  MomentOrUnknown(p.dblBegin, in.zoneMinutes) + " – " +
                                  MomentOrUnknown(p.dblEnd, in.zoneMinutes) + zone;
        const std::string uid = "UID:" + PassageUid(p, in);
        if (in.blnExactEvents) {
            for (std::size_t e = 0; e < p.dblExact.size(); ++e) {
                AppendFolded(out, "BEGIN:VEVENT");
                AppendFolded(out, uid + "-" + std::to_string(e + 1) + host);
                AppendFolded(out, stamp);
                AppendFolded(out, "DTSTART:" + UtcStamp(p.dblExact[e], false));
                AppendFolded(out, "SUMMARY:" + ICalendarText(summary));
                AppendFolded(out, "DESCRIPTION:" + ICalendarText(inOrb));
                AppendFolded(out, "TRANSP:TRANSPARENT");
                AppendFolded(out, "END:VEVENT");
            }
            continue;
        }
        // All-day dates: from the local day it begins to the day after it ends.
        const int32_t first =
            LocalDayNumber(p.dblBegin >= 0 ? p.dblBegin : in.dblFromJD, in.zoneMinutes);
        const int32_t last = LocalDayNumber(p.dblEnd >= 0 ? p.dblEnd : in.dblToJD, in.zoneMinutes);
        std::string description = inOrb;
        if (!p.dblExact.empty())
            description = Language::Text(1307) + " " + ExactList(p, in.zoneMinutes) + zone + "\n" +
                          description;
        AppendFolded(out, "BEGIN:VEVENT");
        AppendFolded(out, uid + host);
        AppendFolded(out, stamp);
        AppendFolded(out, "DTSTART;VALUE=DATE:" + CompactDate(first));
        AppendFolded(out, "DTEND;VALUE=DATE:" + CompactDate(last + 1));
        AppendFolded(out, "SUMMARY:" + ICalendarText(summary));
        AppendFolded(out, "DESCRIPTION:" + ICalendarText(description));
        AppendFolded(out, "TRANSP:TRANSPARENT");
        AppendFolded(out, "END:VEVENT");
    }
    AppendFolded(out, "END:VCALENDAR");
    return out;
}

}  // namespace ZDR
