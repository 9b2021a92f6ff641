// A report as an iCalendar (RFC 5545) calendar: one all-day event per day on its civil
// (Gregorian) date, the day's principal commemoration as the summary, its other commemorations,
// fast and readings as the description. Each event's UID depends on the civil date alone, so a
// calendar program that imports the file again, or refreshes a subscribed feed, updates the
// day's event instead of adding a second one.
#pragma once

#include <ctime>
#include <span>
#include <string>

#include "calendar/report_frame.h"

namespace velorith::exports {

// The most years one calendar file holds: a century is some 36 500 events, 18 MB.
inline constexpr int kMaxCalendarYears = 100;

struct IcsOptions {
    std::string CalendarName;  // X-WR-CALNAME: the name a calendar program shows
    std::time_t Stamp = 0;     // DTSTAMP of every event (UTC): when the file was made
};

// "2025-04-20@calendar.velorith.org" for the civil date of a day.
std::string EventUid(DayNum day);

// The calendar of every day the frames list, in order; a day listed twice gets one event.
// Lines end with CRLF and are folded at 75 octets by libical.
std::string RenderIcs(std::span<const ReportFrame> frames, const IcsOptions& options);
std::string RenderIcs(const ReportFrame& frame, const IcsOptions& options);

}  // namespace velorith::exports
