// Everything the calendar knows of one day, as a value: its dates in the three reckonings, its
// place in the movable cycle, its tone and indiction, whether it is red and why, and the
// commemorations of every group in the order the day report gives them. Built by a pure
// function of the day number, the reckoning of display, the year's placements and the month
// files; every output (RTF, plain text, JSON, iCalendar, the window's tooltips) renders it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/signs.h"
#include "reckoning/calendar_dates.h"
#include "reckoning/movable_cycle.h"

namespace velorith {

// Where an entry of the day comes from.
enum class EntrySource : std::uint8_t { MonthFile, Relocatable, Relocatable1, Special };

struct DayEntry {
    int Group = 0;  // 0..4: the feast or principal saints, saints, more saints, icons, notes
    Rank Sign = Rank::None;  // the rank sign (None for lines without one and for notes)
    EntrySource Source = EntrySource::MonthFile;
    int Section = 0;     // the entry's section number in its table; 0 for the month file
    std::string Text;    // the line as visible plain text (UTF-8), after its sign marker
    std::string Markup;  // the data's text with its RTF inline markup, when it has any

    // The data's text after the sign marker, as a report writes it: the markup when there is
    // any, else the plain text (most lines have none, so most keep one string).
    std::string_view Value() const { return Markup.empty() ? std::string_view(Text) : Markup; }
};

// Why a day is red; several may hold at once.
struct RedReasons {
    bool Sunday = false;
    bool MonthKey = false;  // the month file's "red" key
    bool Entry = false;     // a red entry of the movable or special tables, or a red title
    bool Any() const { return Sunday || MonthKey || Entry; }
};

// The fast of a day (filled when the fasting addition is on).
enum class FastLevel : std::uint8_t {
    None,      // a plain day outside any fast: no line
    FastFree,  // "Поста нет."
    NoMeat,    // "Исключается мясо."
    Fish,      // "Разрешается рыба."
    Caviar,    // "Разрешается рыбная икра."
    Oil,       // "Пища с растительным маслом."
    HotNoOil,  // "Горячая пища без масла."
    Dry,       // "Сухоядение."
    Total,     // "Воздержание от пищи."
};

struct DayFast {
    FastLevel Level = FastLevel::None;
    std::string Reason;  // e.g. "Рождественский пост."; may be empty
    std::string Line;    // the whole line the reports print; empty for FastLevel::None
};

// One service's readings, e.g. Service "Лит." with "Ап. Деян. 1:1-8. Ев. Ин. 1:1-17.".
struct ServiceReadings {
    std::string Service;  // "Утр.", "1-й час", "6-й час", "Веч.", "Лит."
    std::vector<std::string>
        Pieces;        // each "Ап. Деян. 1:1-8." / "Ев. Ин. 1:1-17." / "Быт. 1:1-13."
    std::string Line;  // the whole line the reports print
};

struct DayReadings {
    std::vector<ServiceReadings> Services;
    std::string NoLiturgyReason;  // set when the day has no Liturgy Gospel (Lent's weekdays)
};

struct DayInfo {
    DayNum Day = 0;
    int Reckoning = kJulian;              // the reckoning the day is displayed in
    std::array<CalendarDate, 4> Dates{};  // 1..3 (element 0 unused)
    int WeekDay = 1;                      // 1 = Monday .. 7 = Sunday
    std::string WeekLine;                 // the day line as plain text: titles or weekday and
                                          // cycle phrase, then the tone
    std::string WeekLineValue;            // the same as a report writes it (RTF, no line end)
    std::string CyclePhrase;              // e.g. "3-я по Пасхе."
    int Tone = 0;                         // 1..8, 0 when the day has none
    GreatIndiction Indiction;             // of the day's World year
    RedReasons RedWhy;                    // red in the reports
    bool GridRed = false;                 // "Red=1" of the month file: red in the month grid
    std::vector<DayEntry> Entries;        // groups 0..4 in report order
    std::optional<DayFast> Fast;          // when the fasting addition is on
    std::optional<DayReadings> Readings;  // when the readings addition is on

    bool Red() const { return RedWhy.Any(); }
    // The day's principal commemoration: the first entry of group 0 (else of group 1), or the
    // day line when the day has none.
    const std::string& Principal() const;
    Rank HighestRank() const;
};

}  // namespace velorith
