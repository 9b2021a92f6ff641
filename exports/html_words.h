// The words the web pages show beside the calendar's own texts: captions of navigation, the
// names of the rank signs and of the marks. One table, so the pages read alike and another
// language replaces it whole.
#pragma once

#include <array>
#include <string_view>

#include "data/signs.h"

namespace velorith::exports::html_words {

// By Rank: what a rank sign means, for the sign's title and screen readers.
inline constexpr std::array<std::string_view, 6> kRankNames = {
    "",
    "служба на шесть стихир",
    "служба с великим славословием",
    "праздник с полиелеем",
    "праздник со всенощным бдением",
    "великий праздник",
};
// By Rank: the class a commemoration's line carries.
inline constexpr std::array<std::string_view, 6> kRankClasses = {
    "rank-none", "rank-six", "rank-doxology", "rank-polyeleos", "rank-vigil", "rank-great",
};

inline constexpr std::string_view kGreatFeastMark = "Великий праздник";
inline constexpr std::string_view kFastMark = "Постный день";
inline constexpr std::string_view kReadings = "Чтения";
inline constexpr std::string_view kFast = "Пост";
inline constexpr std::string_view kHits = "Найдено: ";
inline constexpr std::string_view kSearchedFor = "Искомый текст: ";
inline constexpr std::string_view kWholeWord = " (целые слова)";
inline constexpr std::string_view kAbbreviations = "Сокращения";
inline constexpr std::string_view kPreviousDay = "Предыдущий день";
inline constexpr std::string_view kNextDay = "Следующий день";
inline constexpr std::string_view kPreviousMonth = "Предыдущий месяц";
inline constexpr std::string_view kNextMonth = "Следующий месяц";
inline constexpr std::string_view kPreviousYear = "Предыдущий год";
inline constexpr std::string_view kNextYear = "Следующий год";
inline constexpr std::string_view kGreatFeastsOfYear = "Великие праздники года";
inline constexpr std::string_view kMonths = "Месяцы";
inline constexpr std::string_view kYears = "Годы";
inline constexpr std::string_view kToday = "Сегодня";
inline constexpr std::string_view kHome = "Календарь";
inline constexpr std::string_view kNavigation = "Переход по календарю";
inline constexpr std::string_view kNeighbours = "Соседние страницы";
inline constexpr std::string_view kDayAsJson = "День в JSON";
inline constexpr std::string_view kFeed = "Календарь для телефона (iCalendar)";
inline constexpr std::string_view kYearFeed = "Год для телефона (iCalendar)";
inline constexpr std::string_view kOtherDates = "Та же дата в других летоисчислениях";
inline constexpr std::string_view kNoScriptToday =
    "Страница сегодняшнего дня открывается сценарием; выберите месяц из списка.";
inline constexpr std::string_view kTodayLoading = "Сегодняшний день календаря";
// Monday first, as the month grid is laid out.
inline constexpr std::array<std::string_view, 7> kWeekdayShort = {"Пн", "Вт", "Ср", "Чт",
                                                                  "Пт", "Сб", "Вс"};
inline constexpr std::array<std::string_view, 7> kWeekdayFull = {
    "Понедельник", "Вторник", "Среда", "Четверг", "Пятница", "Суббота", "Воскресенье"};

constexpr std::string_view RankName(Rank rank) {
    return kRankNames[static_cast<int>(rank)];
}
constexpr std::string_view RankClass(Rank rank) {
    return kRankClasses[static_cast<int>(rank)];
}

}  // namespace velorith::exports::html_words
