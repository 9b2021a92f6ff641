// The fixed name and colour tables of the calendar. Every table is indexed from 1, as the
// calendar counts: reckonings 1..3, weekdays 1 (Monday) .. 7 (Sunday), calendar months
// 1 (January) .. 12. An index outside a table gives an empty text (or black), never a fault.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velorith {

// Forms of a weekday name.
enum DayNameForm : int { kCivilDay = 1, kChurchDay = 2, kShortDay = 3 };
// Cases of a month name.
enum MonthNameForm : int { kNominative = 1, kGenitive = 2 };
// Colour roles of the month grid and the selectors.
enum ColorRole : int {
    kBackColor = 1,      // background of the grid and the selectors
    kRedDayBack = 2,     // background of a red day's cell
    kSelectedBack = 3,   // background of the selected day's cell
    kNeighbourText = 4,  // text of days of the neighbouring months
    kOrdinaryText = 5,   // text of ordinary days and of a plain weekday label
    kSundayText = 6,     // text of Sundays and of the Sunday label
    kSelectedText = 7,   // text of the selected day
};

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    constexpr bool operator==(const Rgb&) const = default;
};

namespace name_tables_detail {

inline constexpr std::array<std::string_view, 4> kCalNames = {
    "", " от Сотворения Мира", " от Р.Х. по старому стилю", " от Р.Х. по новому стилю"};

// [weekday][form]
inline constexpr std::array<std::array<std::string_view, 4>, 8> kDayNames = {{
    {"", "", "", ""},
    {"", "Понедельник", "Понедельник", "Пн."},
    {"", "Вторник", "Вторник", "Вт."},
    {"", "Среда", "Среда", "Ср."},
    {"", "Четверг", "Четверг", "Чт."},
    {"", "Пятница", "Пятница", "Пт."},
    {"", "Суббота", "Суббота", "Сб."},
    {"", "Воскресенье", "Неделя", "Вс."},
}};

// [calendar month][case]
inline constexpr std::array<std::array<std::string_view, 3>, 13> kMonthNames = {{
    {"", "", ""},
    {"", "Январь", "января"},
    {"", "Февраль", "февраля"},
    {"", "Март", "марта"},
    {"", "Апрель", "апреля"},
    {"", "Май", "мая"},
    {"", "Июнь", "июня"},
    {"", "Июль", "июля"},
    {"", "Август", "августа"},
    {"", "Сентябрь", "сентября"},
    {"", "Октябрь", "октября"},
    {"", "Ноябрь", "ноября"},
    {"", "Декабрь", "декабря"},
}};

// Only the background differs between reckonings, so the user sees at a glance which one
// is current.
inline constexpr std::array<Rgb, 4> kBackColors = {Rgb{0, 0, 0}, Rgb{255, 255, 225},
                                                   Rgb{255, 255, 255}, Rgb{214, 255, 255}};
inline constexpr std::array<Rgb, 8> kRoleColors = {
    Rgb{0, 0, 0},       Rgb{0, 0, 0},   Rgb{255, 192, 255}, Rgb{255, 0, 0},
    Rgb{160, 160, 160}, Rgb{0, 0, 128}, Rgb{255, 0, 0},     Rgb{255, 255, 255}};

}  // namespace name_tables_detail

// Reckoning caption appended to year numbers in report headlines; begins with a space.
constexpr std::string_view CalNames(int k) {
    return k >= 1 && k <= 3 ? name_tables_detail::kCalNames[k] : std::string_view{};
}

// Weekday name by weekday (1 = Monday) and form (DayNameForm).
constexpr std::string_view DayNames(int weekday, int form) {
    if (weekday < 1 || weekday > 7 || form < 1 || form > 3) return {};
    return name_tables_detail::kDayNames[weekday][form];
}

// Month name by calendar month (1 = January) and case (MonthNameForm). A World-reckoning
// month m is calendar month (m + 7) mod 12 + 1.
constexpr std::string_view MonthNames(int month, int form) {
    if (month < 1 || month > 12 || form < 1 || form > 2) return {};
    return name_tables_detail::kMonthNames[month][form];
}

// Colour of the month grid and the selectors by reckoning and role (ColorRole).
constexpr Rgb CalColors(int k, int role) {
    if (k < 1 || k > 3 || role < 1 || role > 7) return {};
    return role == kBackColor ? name_tables_detail::kBackColors[k]
                              : name_tables_detail::kRoleColors[role];
}

// Calendar month (1 = January) of month m of reckoning k.
constexpr int CalendarMonth(int k, int m) {
    return k == 1 ? (m + 7) % 12 + 1 : m;
}

// A date as the reports write it: "7 января 2025 года" (month m in reckoning k's own order).
inline std::string DateInWords(int k, int day, int m, int year) {
    std::string text = std::to_string(day);
    text += ' ';
    text += MonthNames(CalendarMonth(k, m), kGenitive);
    text += ' ';
    text += std::to_string(year);
    text += " года";
    return text;
}

}  // namespace velorith
