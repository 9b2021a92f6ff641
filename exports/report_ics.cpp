#include "exports/report_ics.h"

#include <cstdio>
#include <unordered_set>

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

ical::Property XProperty(const char* name, const std::string& value) {
    ical::Property p(icalproperty_new_x(value.c_str()));
    icalproperty_set_x_name(p.get(), name);
    return p;
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
    ical::Add(e, ical::Property(icalproperty_new_dtend(CivilDate(day.Day + 1))));
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

std::string RenderIcs(std::span<const ReportFrame> frames, const IcsOptions& options) {
    ical::Component calendar(icalcomponent_new_vcalendar());
    icalcomponent* c = calendar.get();
    ical::Add(c, ical::Property(icalproperty_new_prodid(kProductId)));
    ical::Add(c, ical::Property(icalproperty_new_version("2.0")));
    ical::Add(c, ical::Property(icalproperty_new_calscale("GREGORIAN")));
    ical::Add(c, ical::Property(icalproperty_new_method(ICAL_METHOD_PUBLISH)));
    ical::Add(c, XProperty("X-WR-CALNAME", CleanText(options.CalendarName)));

    const icaltimetype stamp =
        icaltime_from_timet_with_zone(options.Stamp, 0, icaltimezone_get_utc_timezone());
    std::unordered_set<DayNum> done;
    for (const ReportFrame& frame : frames) {
        for (const DayInfo& day : frame.Days) {
            if (done.insert(day.Day).second) ical::Add(c, DayEvent(day, stamp));
        }
    }
    const ical::String text(icalcomponent_as_ical_string_r(c));
    return text ? std::string(text.get()) : std::string();
}

std::string RenderIcs(const ReportFrame& frame, const IcsOptions& options) {
    return RenderIcs(std::span(&frame, 1), options);
}

}  // namespace velorith::exports
