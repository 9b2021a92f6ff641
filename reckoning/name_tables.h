// The fixed colour tables of the calendar and the forms its names take (the names themselves are
// words of a language: the phrase catalogue holds them). Every table is indexed from 1, as the
// calendar counts: reckonings 1..3, colour roles 1..7. An index outside a table gives black,
// never a fault.
#pragma once

#include <array>
#include <cstdint>

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

// Only the background differs between reckonings, so the user sees at a glance which one
// is current.
inline constexpr std::array<Rgb, 4> kBackColors = {Rgb{0, 0, 0}, Rgb{255, 255, 225},
                                                   Rgb{255, 255, 255}, Rgb{214, 255, 255}};
inline constexpr std::array<Rgb, 8> kRoleColors = {
    Rgb{0, 0, 0},       Rgb{0, 0, 0},   Rgb{255, 192, 255}, Rgb{255, 0, 0},
    Rgb{160, 160, 160}, Rgb{0, 0, 128}, Rgb{255, 0, 0},     Rgb{255, 255, 255}};

}  // namespace name_tables_detail

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

}  // namespace velorith
