#include "exports/report_ics.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "exports/day_texts.h"
#include "exports/fast_seasons.h"
#include "exports/ical_ptr.h"
#include "reports/day_phrases.h"
#include "reports/feasts_report.h"

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
std::string Description(const DayInfo& day, const std::string& cutSummary, const Phrases& words) {
    const DayEntry* principal = day.PrincipalEntry();
    std::string text = DateText(kJulian, day.Dates.Julian, words);
    if (!cutSummary.empty()) {
        text += '\n';
        text += cutSummary;
    }
    const auto addLine = [&](std::string_view line) {
        const std::string clean = CleanText(line);
        if (clean.empty()) return;
        text += '\n';
        text += clean;
    };
    if (principal) addLine(DayLinePlain(day, words));
    for (const DayEntry& e : day.Entries) {
        if (&e != principal) addLine(e.Text);
    }
    if (day.Fast) addLine(FastLineText(*day.Fast, words));
    if (day.Readings) {
        for (const ServiceReadings& s : day.Readings->Services)
            addLine(ServiceLineText(s, words));
        addLine(std::string(NoLiturgyText(day.Readings->NoLiturgy, words)));
    }
    return text;
}

// The summary: the day's principal commemoration or day line; a day the data says nothing of
// (an empty data folder) is named by its Julian date, since calendar programs show an event
// without a summary as a blank bar.
std::string Summary(const DayInfo& day, const Phrases& words) {
    std::string text = PrincipalText(day, words);
    return text.empty() ? DateText(kJulian, day.Dates.Julian, words) : text;
}

// The end of an all-day event whose last day is `last`: the day after it, or for 31 December
// 3000, whose next day no calendar file can hold, a duration.
void AddEnd(icalcomponent* e, DayNum first, DayNum last) {
    if (HasCivilDate(last + 1)) {
        ical::Add(e, ical::Property(icalproperty_new_dtend(CivilDate(last + 1))));
    } else {
        ical::Add(e, ical::Property(icalproperty_new_duration(
                         icaldurationtype_from_int(86400 * (last - first + 1)))));
    }
}

ical::Component DayEvent(const DayInfo& day, const icaltimetype& stamp, const IcsOptions& options,
                         const Phrases& words) {
    ical::Component event(icalcomponent_new_vevent());
    icalcomponent* e = event.get();
    const std::string full = Summary(day, words);
    const std::string summary = ShortSummary(full, options.SummaryLimit);
    ical::Add(e,
              ical::Property(icalproperty_new_uid(EventUid(day.Day, options.UidDomain).c_str())));
    ical::Add(e, ical::Property(icalproperty_new_dtstamp(stamp)));
    ical::Add(e, ical::Property(icalproperty_new_dtstart(CivilDate(day.Day))));
    AddEnd(e, day.Day, day.Day);
    ical::Add(e, ical::Property(icalproperty_new_summary(summary.c_str())));
    const std::string description = Description(day, summary == full ? std::string() : full, words);
    ical::Add(e, ical::Property(icalproperty_new_description(description.c_str())));
    if (day.HighestRank() == Rank::GreatFeast)
        ical::Add(e, ical::Property(icalproperty_new_categories(kGreatFeastCategory)));
    if (day.KeepsFast()) ical::Add(e, ical::Property(icalproperty_new_categories(kFastCategory)));
    // A day of the calendar is not an appointment: it never makes its day busy.
    ical::Add(e, ical::Property(icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT)));
    return event;
}

// A fasting season as one event over its days; its UID names the season and its first day, so
// the same season keeps its event from one refresh of a feed to the next.
ical::Component FastEvent(const FastSpan& span, const icaltimetype& stamp,
                          const IcsOptions& options, const Phrases& words) {
    ical::Component event(icalcomponent_new_vevent());
    icalcomponent* e = event.get();
    const std::string uid =
        std::string(FastSeasonKey(span.Season)) + "-" + EventUid(span.First, options.UidDomain);
    ical::Add(e, ical::Property(icalproperty_new_uid(uid.c_str())));
    ical::Add(e, ical::Property(icalproperty_new_dtstamp(stamp)));
    ical::Add(e, ical::Property(icalproperty_new_dtstart(CivilDate(span.First))));
    AddEnd(e, span.First, span.Last);
    const std::string title(FastSeasonTitle(span.Season, words));
    ical::Add(e, ical::Property(icalproperty_new_summary(title.c_str())));
    std::string description = DateText(kGregorian, DateOfDay(kGregorian, span.First), words);
    if (span.Last != span.First)
        description += " — " + DateText(kGregorian, DateOfDay(kGregorian, span.Last), words);
    ical::Add(e, ical::Property(icalproperty_new_description(description.c_str())));
    ical::Add(e, ical::Property(icalproperty_new_categories(kFastCategory)));
    ical::Add(e, ical::Property(icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT)));
    return event;
}

void AppendEvent(std::string& text, const ical::Component& event) {
    const ical::String ics(icalcomponent_as_ical_string_r(event.get()));
    if (ics) text += ics.get();
}

}  // namespace

std::string ShortSummary(std::string_view text, std::size_t limit) {
    // Characters are counted as code points; the cut never splits one.
    std::vector<std::size_t> starts;  // the byte where each character begins
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
    if (limit == 0 || starts.size() <= limit) return std::string(text);
    // Room for limit - 1 characters and the ellipsis; cut at the last space within them, or
    // inside a word too long to cut otherwise.
    const std::size_t room = limit > 1 ? limit - 1 : 1;
    std::size_t end = starts[room];
    const std::size_t space = text.rfind(' ', end);
    if (space != std::string_view::npos && space > 0) end = space;
    std::string_view kept = text.substr(0, end);
    while (!kept.empty() && (kept.back() == ' ' || kept.back() == ',' || kept.back() == ';' ||
                             kept.back() == ':' || kept.back() == '.'))
        kept.remove_suffix(1);
    return std::string(kept) + "…";
}

std::string EventUid(DayNum day, std::string_view domain) {
    const CalendarDate date = DateOfDay(kGregorian, day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d@", date.Year, date.Month, date.Day);
    return text + std::string(domain);
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
    options_ = options;
    // The calendar without its events; each event is written as it comes, between this head
    // and the closing line, exactly where libical would write it inside the calendar.
    const ical::String text(icalcomponent_as_ical_string_r(c));
    text_ = text ? std::string(text.get()) : std::string();
    if (text_.ends_with(kEnd)) text_.resize(text_.size() - kEnd.size());
    text_ += TextPropertyLine("X-WR-CALNAME", CleanText(options.CalendarName));
    if (options.FeedHints) {
        // RFC 7986's refresh interval, and the older word some calendar programs read instead.
        text_ += "REFRESH-INTERVAL;VALUE=DURATION:P1D\r\n";
        text_ += "X-PUBLISHED-TTL:P1D\r\n";
    }
}

void IcsWriter::Add(const ReportFrame& frame) {
    words_ = frame.Words;
    const icaltimetype stamp =
        icaltime_from_timet_with_zone(options_.Stamp, 0, icaltimezone_get_utc_timezone());
    for (const DayInfo& day : frame.Days) {
        if (!HasCivilDate(day.Day)) continue;
        if (options_.Events == IcsEvents::Fasts) {
            // The seasons are written at the end, over the whole span the frames cover.
            if (fastsFirst_ > fastsLast_) fastsFirst_ = fastsLast_ = day.Day;
            fastsFirst_ = std::min(fastsFirst_, day.Day);
            fastsLast_ = std::max(fastsLast_, day.Day);
            continue;
        }
        if (options_.Events == IcsEvents::Feasts && GreatFeastOf(day.Day) == GreatFeastKind::None)
            continue;
        if (!done_.insert(day.Day).second) continue;
        AppendEvent(text_, DayEvent(day, stamp, options_, *words_));
    }
}

std::string IcsWriter::Finish() && {
    if (fastsFirst_ <= fastsLast_) {
        const icaltimetype stamp =
            icaltime_from_timet_with_zone(options_.Stamp, 0, icaltimezone_get_utc_timezone());
        for (const FastSpan& span : FastSpansOverlapping(fastsFirst_, fastsLast_))
            AppendEvent(text_, FastEvent(span, stamp, options_, *words_));
    }
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
