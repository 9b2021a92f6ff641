// The words the JSON and iCalendar outputs share: stable English names for the day model's
// enumerations, the Russian date line of a day, and which entry heads a day.
#pragma once

#include <string>
#include <string_view>

#include "calendar/day_info.h"
#include "calendar/report_frame.h"

namespace velorith::exports {

// "day", "week", "month", "year", "feasts", "search", "abbr": the companion's own words.
std::string_view KindName(ReportKind kind);
// "world", "julian", "gregorian"; "" for a number outside 1..3.
std::string_view ReckoningName(int reckoning);
// "none", "sixStichera", "doxology", "polyeleos", "vigil", "greatFeast".
std::string_view RankName(Rank rank);
// "month", "relocatable", "relocatable1", "special".
std::string_view SourceName(EntrySource source);
// "none", "fastFree", "noMeat", "fish", "caviar", "oil", "hotNoOil", "dry", "total".
std::string_view FastLevelName(FastLevel level);

// "7 апреля 2025 года от Р.Х. по старому стилю", as the reports write a date with its
// reckoning; the month counts in the reckoning's own order.
std::string DateText(int reckoning, const CalendarDate& date);

// The entry that names the day: the first of group 0 with a text, else the first of group 1;
// null when the day has neither (its day line names it then).
const DayEntry* PrincipalEntry(const DayInfo& day);
// The text that names the day: the principal entry's, else the day line.
std::string PrincipalText(const DayInfo& day);
// A day with a fast to keep: a fast is known and asks more than "no fast".
bool IsFastDay(const DayInfo& day);

// Text fit for an interchange format: malformed UTF-8 becomes U+FFFD, control characters other
// than tab and line feed are dropped, and surrounding spaces are trimmed.
std::string CleanText(std::string_view text);
// Whether CleanText(text) would be the text itself.
bool IsCleanText(std::string_view text);
// Whether CleanText(text) is not empty, without making it.
bool HasCleanText(std::string_view text);

}  // namespace velorith::exports
