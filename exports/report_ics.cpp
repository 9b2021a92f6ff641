#include "exports/report_ics.h"

#include <cstdio>

#include "exports/day_texts.h"
#include "exports/ical_ptr.h"
#include "reports/day_phrases.h"

namespace velorith::exports {
namespace {

constexpr const char* kProductId = "-//Velorith//Velorith Calendar " VELORITH_VERSION "//RU";
constexpr const char* kGreatFeastCategory = "Великий праздник";
constexpr const char* kFastCategory = "Постный день";

icaltimetype CivilDate(DayNum day) {
    const CalendarDate date = DateOfDay(kGregorian, day);
    icaltimetype t = icaltime_null_date();
    t.year = date.Year;
    t.month = date.Month;
    t.day = date.Day;
    return t;
}

// A property line whose value is TEXT (RFC 5545 3.3.11), folded at 75 octets between
// characters. libical writes an X- property's value with its commas and semicolons as they
// are, which ends the value there for a strict reader; so this line is written here.
std::string TextPropertyLine(std::string_view name, std::string_view value) {
    std::string line(name);
    line += ':';
    for (const char c : value) {
        if (c == '\\' || c == ';' || c == ',') {
            line += '\\';
            line += c;
        } else if (c == '\n') {
            line += "\\n";
        } else {
            line += c;
        }
    }
    std::string folded;
    std::size_t at = 0;
    while (true) {
        std::size_t room = at == 0 ? 75 : 74;  // a continuation line begins with a space
        if (line.size() - at <= room) break;
        while (room > 1 && (static_cast<unsigned char>(line[at + room]) & 0xC0) == 0x80)
            --room;
        folded.append(line, at, room);
        folded += "\r\n ";
        at += room;
    }
    folded.append(line, at);
    folded += "\r\n";
    return folded;
}

// The description: the day's Julian date, its day line when the summary is not it, the other
// commemorations, the fast and the readings, one to a line.
std::string Description(const DayInfo& day) {
    const DayEntry* principal = day.PrincipalEntry();
    std::string text = DateText(kJulian, day.Dates[kJulian]);
    const auto addLine = [&](const std::string& line) {
        const std::string clean = CleanText(line);
        if (clean.empty()) return;
        text += '\n';
        text += clean;
    };
    if (principal) addLine(DayLinePlain(day));
    for (const DayEntry& e : day.Entries) {
        if (&e != principal) addLine(e.Text);
    }
    if (day.Fast) addLine(FastLineText(*day.Fast));
    if (day.Readings) {
        for (const ServiceReadings& s : day.Readings->Services)
            addLine(ServiceLineText(s));
        addLine(std::string(NoLiturgyText(day.Readings->NoLiturgy)));
    }
    return text;
}

// The summary: the day's principal commemoration or day line; a day the data says nothing of
// (an empty data folder) is named by its Julian date, since calendar programs show an event
// without a summary as a blank bar.
std::string Summary(const DayInfo& day) {
    std::string text = PrincipalText(day);
    return text.empty() ? DateText(kJulian, day.Dates[kJulian]) : text;
}

ical::Component DayEvent(const DayInfo& day, const icaltimetype& stamp) {
    ical::Component event(icalcomponent_new_vevent());
    icalcomponent* e = event.get();
    ical::Add(e, ical::Property(icalproperty_new_uid(EventUid(day.Day).c_str())));
    ical::Add(e, ical::Property(icalproperty_new_dtstamp(stamp)));
    ical::Add(e, ical::Property(icalproperty_new_dtstart(CivilDate(day.Day))));
    if (HasCivilDate(day.Day + 1)) {
        ical::Add(e, ical::Property(icalproperty_new_dtend(CivilDate(day.Day + 1))));
    } else {
        // 31 December 3000: the day after it is no date a calendar file can hold.
        ical::Add(e, ical::Property(icalproperty_new_duration(icaldurationtype_from_int(86400))));
    }
    ical::Add(e, ical::Property(icalproperty_new_summary(Summary(day).c_str())));
    ical::Add(e, ical::Property(icalproperty_new_description(Description(day).c_str())));
    if (day.HighestRank() == Rank::GreatFeast)
        ical::Add(e, ical::Property(icalproperty_new_categories(kGreatFeastCategory)));
    if (day.KeepsFast()) ical::Add(e, ical::Property(icalproperty_new_categories(kFastCategory)));
    // A day of the calendar is not an appointment: it never makes its day busy.
    ical::Add(e, ical::Property(icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT)));
    return event;
}

}  // namespace

std::string EventUid(DayNum day) {
    const CalendarDate date = DateOfDay(kGregorian, day);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d@calendar.velorith.org", date.Year, date.Month,
                  date.Day);
    return text;
}

bool HasCivilDate(DayNum day) {
    const int year = DateOfDay(kGregorian, day).Year;
    return year >= kFirstCivilYear && year <= kLastCivilYear;
}

IcsWriter::IcsWriter(const IcsOptions& options) {
    ical::Component calendar(icalcomponent_new_vcalendar());
    icalcomponent* c = calendar.get();
    ical::Add(c, ical::Property(icalproperty_new_prodid(kProductId)));
    ical::Add(c, ical::Property(icalproperty_new_version("2.0")));
    ical::Add(c, ical::Property(icalproperty_new_calscale("GREGORIAN")));
    ical::Add(c, ical::Property(icalproperty_new_method(ICAL_METHOD_PUBLISH)));
    stamp_ = options.Stamp;
    // The calendar without its events; each event is written as it comes, between this head
    // and the closing line, exactly where libical would write it inside the calendar.
    const ical::String text(icalcomponent_as_ical_string_r(c));
    text_ = text ? std::string(text.get()) : std::string();
    if (text_.ends_with(kEnd)) text_.resize(text_.size() - kEnd.size());
    text_ += TextPropertyLine("X-WR-CALNAME", CleanText(options.CalendarName));
}

void IcsWriter::Add(const ReportFrame& frame) {
    const icaltimetype stamp =
        icaltime_from_timet_with_zone(stamp_, 0, icaltimezone_get_utc_timezone());
    for (const DayInfo& day : frame.Days) {
        if (!HasCivilDate(day.Day) || !done_.insert(day.Day).second) continue;
        const ical::Component event = DayEvent(day, stamp);
        const ical::String text(icalcomponent_as_ical_string_r(event.get()));
        if (text) text_ += text.get();
    }
}

std::string IcsWriter::Finish() && {
    text_ += kEnd;
    return std::move(text_);
}

std::string RenderIcs(std::span<const ReportFrame> frames, const IcsOptions& options) {
    IcsWriter writer(options);
    for (const ReportFrame& frame : frames)
        writer.Add(frame);
    return std::move(writer).Finish();
}

std::string RenderIcs(const ReportFrame& frame, const IcsOptions& options) {
    return RenderIcs(std::span(&frame, 1), options);
}

}  // namespace velorith::exports
