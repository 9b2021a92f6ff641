// A report as an iCalendar (RFC 5545) calendar: one all-day event per day on its civil
// (Gregorian) date, the day's principal commemoration as the summary, its other commemorations,
// fast and readings as the description. Each event's UID depends on the civil date alone, so a
// calendar program that imports the file again, or refreshes a subscribed feed, updates the
// day's event instead of adding a second one.
#pragma once

#include <cstdint>
#include <ctime>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>

#include "calendar/report_frame.h"

namespace velorith::exports {

// The most years one calendar file holds: a century is some 36 500 events, 18 MB.
inline constexpr int kMaxCalendarYears = 100;

// Which events a calendar holds: every day; the great feasts alone (Pascha, the twelve and the
// five further great feasts); or the fasts alone, each fasting season one event over its days.
enum class IcsEvents : std::uint8_t { All, Feasts, Fasts };

// The domain after "@" in every UID unless the caller names its own.
inline constexpr std::string_view kDefaultUidDomain = "calendar.velorith.org";

struct IcsOptions {
    std::string CalendarName;  // X-WR-CALNAME: the name a calendar program shows
    std::time_t Stamp = 0;     // DTSTAMP of every event (UTC): when the file was made
    IcsEvents Events = IcsEvents::All;
    std::string UidDomain = std::string(kDefaultUidDomain);
    // The most characters a summary keeps, cut at a word with "…" (the whole text then opens
    // the description); 0 keeps every summary whole.
    std::size_t SummaryLimit = 0;
    // A subscribed feed: ask calendar programs to fetch it again daily.
    bool FeedHints = false;
};

// The civil years a calendar file can hold: RFC 5545 dates have four digits, and calendar
// programs refuse a year 0.
inline constexpr int kFirstCivilYear = 1;
inline constexpr int kLastCivilYear = 3000;
// Whether the day's civil (Gregorian) date lies in those years. A Julian date near either end
// of the working range may not: Julian 1 January 1 is 30 December of civil year 0, and the last
// days of Julian 3000 fall in civil 3001.
bool HasCivilDate(DayNum day);

// "2025-04-20@calendar.velorith.org" for the civil date of a day; the domain may be another.
std::string EventUid(DayNum day, std::string_view domain = kDefaultUidDomain);

// The text cut to at most `limit` characters (not bytes) at a word, ending with "…"; the text
// itself when it fits or the limit is 0.
std::string ShortSummary(std::string_view text, std::size_t limit);

// A calendar written event by event, so that a feed of many years never holds more than its
// text and one year's days. A day listed twice gets one event; a day without a civil date in
// years 1..3000 gets none (the caller tells the user, see KeepCivilDays).
class IcsWriter {
  public:
    explicit IcsWriter(const IcsOptions& options);
    void Add(const ReportFrame& frame);
    std::string Finish() &&;

  private:
    static constexpr std::string_view kEnd = "END:VCALENDAR\r\n";
    std::string text_;
    IcsOptions options_;
    const Phrases* words_ = &PhrasesOf();  // the catalogue of the frames added
    std::unordered_set<DayNum> done_;
    DayNum fastsFirst_ = 0;  // the span of days the fasts calendar covers so far
    DayNum fastsLast_ = -1;
};

// The calendar of every day the frames list, in order, as IcsWriter writes it.
// Lines end with CRLF and are folded at 75 octets by libical.
std::string RenderIcs(std::span<const ReportFrame> frames, const IcsOptions& options);
std::string RenderIcs(const ReportFrame& frame, const IcsOptions& options);

}  // namespace velorith::exports
