// The words of a language that the renderers compose a day's lines from: the day's place in the
// movable cycle, the tone, the indiction, the services and labels of the readings, the fast's
// periods, feasts and phrases. The day model holds keys; only a renderer turns them into words,
// through the catalogue of the language it writes. Another language is another catalogue (and
// a data set), not code.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calendar/day_info.h"
#include "reckoning/movable_cycle.h"
#include "reckoning/name_tables.h"

namespace velorith {

enum class Language : std::uint8_t { Russian };

// The captions of the web pages around the calendar's texts: the rank signs' names, the marks,
// the headings and the navigation.
struct PageWords {
    std::array<std::string_view, kRanks> RankNames;  // by Rank: a sign's title for screen readers
    std::string_view GreatFeastMark;
    std::string_view Readings;  // the readings' heading
    std::string_view Hits;      // "Найдено: " N
    std::string_view SearchedFor;
    std::string_view WholeWord;
    std::string_view Abbreviations;
    std::string_view PreviousDay;
    std::string_view NextDay;
    std::string_view GreatFeastsOfYear;
    std::string_view Months;
    std::string_view Today;
    std::string_view Navigation;  // the label of the way up
    std::string_view Neighbours;  // the label of the pager
    std::string_view DayAsJson;
    std::string_view Feed;
    std::string_view YearFeed;
    std::string_view OtherDates;
    std::string_view NoScriptToday;
    std::string_view TodayLoading;
    std::array<std::string_view, 7> WeekdayShort;  // Monday first, as the month grid is laid out
};

struct Phrases {
    // The cycle phrase by season: a Sunday's and a weekday's; a numbered season's phrase follows
    // the number.
    std::array<std::string_view, kCycleSeasons> SundayOf;
    std::array<std::string_view, kCycleSeasons> WeekdayOf;
    std::string_view ToneBefore;  // " Глас " N "-й."
    std::string_view ToneAfter;
    std::string_view IndictionYear;  // N "-й год " M "-го индиктиона"
    std::string_view IndictionNumber;
    std::array<std::string_view, kServiceKinds> Services;
    std::array<std::string_view, kReadingKinds> ReadingLabels;  // before a reference
    std::string_view ZachaloBefore;  // " (зач. " N ")": a zachalo after its reference
    std::string_view ZachaloAfter;
    std::array<std::string_view, kNoLiturgyKinds> NoLiturgy;  // by NoLiturgyKind
    std::array<std::string_view, kFastLevels> FastPhrases;    // by FastLevel
    std::array<std::string_view, kFastPeriods> FastPeriods;   // by FastPeriod
    std::array<std::string_view, kFastFeasts> FastFeasts;     // by FastFeast
    std::array<std::string_view, kRanks> FastRankCauses;      // by Rank: what eased a fast
    // The names of the calendar, indexed from 1 as it counts (0 stays empty): weekdays by
    // DayNameForm and weekday (1 = Monday), calendar months by MonthNameForm and month
    // (1 = January), the reckonings' captions after a year (each begins with a space).
    std::array<std::array<std::string_view, 8>, 4> WeekdayNames;
    std::array<std::array<std::string_view, 13>, 3> MonthNames;
    std::array<std::string_view, 4> ReckoningNames;
    std::string_view YearOfDate;   // "7 января 2025" " года"
    std::string_view YearOfTitle;  // "2025" " год": a year report's title
    std::string_view WeekWord;     // the week report's heading: "Седмица"
    std::string_view WeekFrom;     // "с " <first day> "по " <last day>: the week's title
    std::string_view WeekTo;
    PageWords Page;  // the web pages' captions
};

// The catalogue of a language.
const Phrases& PhrasesOf(Language language = Language::Russian);

// The catalogue's names; an index outside a table gives an empty text, never a fault.
std::string_view CalNames(int k, const Phrases& phrases = PhrasesOf());
std::string_view DayNames(int weekday, int form, const Phrases& phrases = PhrasesOf());
// A World-reckoning month m is calendar month CalendarMonth(kWorld, m).
std::string_view MonthNames(int month, int form, const Phrases& phrases = PhrasesOf());
// A date as the reports write it: "7 января 2025 года" (month m in reckoning k's own order).
std::string DateInWords(int k, int day, int m, int year, const Phrases& phrases = PhrasesOf());

// "3-я по Пасхе.", "5-ой седмицы Великого поста.": the phrase of a place in the cycle.
void AppendCyclePhrase(std::string& out, const CyclePlace& place, const Phrases& phrases);
std::string CyclePhrase(const CyclePlace& place, const Phrases& phrases = PhrasesOf());
// " Глас N-й." for a tone 1..8; empty for no tone.
std::string ToneText(int tone, const Phrases& phrases = PhrasesOf());

}  // namespace velorith
