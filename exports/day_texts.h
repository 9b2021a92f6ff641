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
std::string_view ReckoningName(Reckoning reckoning);
// "none", "sixStichera", "doxology", "polyeleos", "vigil", "greatFeast".
std::string_view RankName(Rank rank);
// "month", "relocatable", "relocatable1", "special".
std::string_view SourceName(EntrySource source);
// "none" (also for a fast lifted: "Поста нет."), "noMeat", "fish", "caviar", "oil", "hotNoOil",
// "dry", "total".
std::string_view FastLevelName(FastLevel level);
// "christmastide", "lent", "nativityFast", ...: the rule that gives a day its fast.
std::string_view FastPeriodName(FastPeriod period);
// "stNicholas", "dormition", ...; "none" for no feast.
std::string_view FastFeastName(FastFeast feast);
// "matins", "firstHour", "sixthHour", "vespers", "liturgy".
std::string_view ServiceKeyName(ServiceKind service);
std::string_view GroupRoleName(GroupRole role);
// "apostle", "gospel", "oldTestament".
std::string_view ReadingKindName(ReadingKind kind);
// "none", "noLiturgy", "presanctified".
std::string_view NoLiturgyName(NoLiturgyKind kind);
// "principal", "saints", "russianSaints", "icons", "notes": the groups 0..4 of a day's entries.
std::string_view GroupName(int group);
// "afterPentecost", "lent", "holyWeek", "brightWeek", "afterPascha".
std::string_view SeasonName(CycleSeason season);

// "7 апреля 2025 года от Р.Х. по старому стилю", as the reports write a date with its
// reckoning; the month counts in the reckoning's own order.
std::string DateText(Reckoning reckoning, const CalendarDate& date,
                     const Phrases& words = PhrasesOf());

// "2027-01-07": the day's civil (Gregorian) date as ISO 8601 writes it.
std::string IsoDate(DayNum day);

// The text that names the day (PrincipalOf), clean for an interchange format.
std::string PrincipalText(const DayInfo& day, const Phrases& words = PhrasesOf());

// Text fit for an interchange format: malformed UTF-8 becomes U+FFFD, control characters other
// than tab and line feed are dropped, and surrounding spaces are trimmed.
std::string CleanText(std::string_view text);
// Whether CleanText(text) is not empty, without making it.
bool HasCleanText(std::string_view text);

}  // namespace velorith::exports
