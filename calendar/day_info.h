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

#include "data/shared_text.h"
#include "data/signs.h"
#include "data/text_spans.h"
#include "reckoning/calendar_dates.h"
#include "reckoning/movable_cycle.h"

namespace velorith {

// Where an entry of the day comes from.
enum class EntrySource : std::uint8_t { MonthFile, Relocatable, Relocatable1, Special };

struct DayEntry {
    int Group = 0;  // 0..4: the feast or principal saints, saints, more saints, icons, notes
    Rank Sign = Rank::None;  // the rank sign (None for lines without one and for notes)
    EntrySource Source = EntrySource::MonthFile;
    int Section = 0;    // the entry's section number in its table; 0 for the month file
    SharedText Text;    // the line as visible plain text (UTF-8), after its sign marker
    SharedText Markup;  // the data's text with its RTF inline markup, when it has any
    std::vector<TextSpan> Spans = {};  // that markup's looks over Text (none without markup)

    // The data's text after the sign marker, as a report writes it: the markup when there is
    // any, else the plain text (most lines have none, so most keep one string).
    std::string_view Value() const {
        return Markup.empty() ? std::string_view(Text) : std::string_view(Markup);
    }
};

// Why a day is red; several may hold at once.
struct RedReasons {
    bool Sunday = false;
    bool MonthKey = false;  // the month file's "red" key
    bool Entry = false;     // a red entry of the movable or special tables, or a red title
    bool Any() const { return Sunday || MonthKey || Entry; }
};

// The fast of a day (filled when the fasting addition is on). The levels run from the easiest
// to the strictest: easing a fast takes the smaller of two levels.
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
inline constexpr int kFastLevels = 9;
static_assert(FastLevel::FastFree < FastLevel::Fish && FastLevel::Fish < FastLevel::Oil &&
                  FastLevel::Oil < FastLevel::HotNoOil && FastLevel::HotNoOil < FastLevel::Dry &&
                  FastLevel::Dry < FastLevel::Total &&
                  static_cast<int>(FastLevel::Total) + 1 == kFastLevels,
              "easing takes the smaller level, and the phrases are indexed by level");

// The stretch of the year or the day of its own that gives a day its fast (the rule's name).
enum class FastPeriod : std::uint8_t {
    Christmastide,
    Theophany,
    FastFreeWeek,
    BrightWeek,
    TheophanyEve,
    NativityEve,
    Beheading,
    Exaltation,
    Transfiguration,
    AnnunciationInLent,
    AnnunciationInHolyWeek,
    LazarusSaturday,
    PalmSunday,
    GreatCanonThursday,
    GreatCanonTuesday,
    LentFirstWeek,
    Lent,
    HolyWeek,
    CheesefareWeek,
    FastDay,
    ApostlesFast,
    DormitionFast,
    NativityFast,
};
inline constexpr int kFastPeriods = 23;

// A fixed feast that eases the fast of its day by its rank, whatever the month file says.
enum class FastFeast : std::uint8_t {
    None,
    NativityOfTheForerunner,
    ApostlesPeterAndPaul,
    Dormition,
    NativityOfTheTheotokos,
    Protection,
    EntryOfTheTheotokos,
    StNicholas,
};
inline constexpr int kFastFeasts = 8;
inline constexpr int kRanks = 6;

struct DayFast {
    FastLevel Level = FastLevel::None;
    FastPeriod Period = FastPeriod::FastDay;
    // What eased the period's level, if anything did: a named feast, else the day's rank.
    bool Eased = false;
    FastFeast EasedByFeast = FastFeast::None;
    Rank EasedByRank = Rank::None;
};

// The services whose readings a day lists, in the order the lines stand.
enum class ServiceKind : std::uint8_t {
    Matins,
    FirstHour,
    SixthHour,
    Vespers,
    Liturgy,
    RoyalHours,  // the eves of the Nativity and the Theophany, Great Friday
};
inline constexpr int kServiceKinds = 6;
// What a reading is: the Apostle, the Gospel, or a reading of the Old Testament.
enum class ReadingKind : std::uint8_t { Apostle, Gospel, OldTestament };
inline constexpr int kReadingKinds = 3;

struct Reading {
    ReadingKind Kind = ReadingKind::Gospel;
    std::string Reference;   // "Ин. 1:1-17", as the lectionary writes it
    int Zachalo = 0;         // the zachalo's number in the liturgical books; 0 when not known
    std::uint8_t Group = 0;  // the reading's group in its service (ServiceReadings::Groups)
};

// Whose readings a group of a service holds.
enum class GroupRole : std::uint8_t {
    Ordinary,  // the day's own place in the yearly round ("Ряд.")
    Feast,     // a feast's, a saint's, or a Saturday's or Sunday's kept near a feast
    NextDay,  // the next day's ordinary readings, which its feast displaces ("под зачало")
    PriorDay,  // the day before's, displaced by a feast on a Monday
    Hour,      // one of the Royal Hours
};
inline constexpr int kGroupRoles = 5;

// A group of readings read together, with the label the data gives it ("Свт.", "Ряд.").
struct ReadingGroup {
    GroupRole Role = GroupRole::Ordinary;
    std::string Label;
};

// One service's readings, e.g. the Liturgy's Apostle and Gospel, in the order they are read.
struct ServiceReadings {
    ServiceKind Service = ServiceKind::Liturgy;
    std::vector<Reading> Readings;
    // The groups the readings belong to; a service of one group prints no labels.
    std::vector<ReadingGroup> Groups;
};

// Why a weekday of Lent has no Liturgy Apostle and Gospel.
enum class NoLiturgyKind : std::uint8_t { None, NoLiturgy, Presanctified };
inline constexpr int kNoLiturgyKinds = 3;

struct DayReadings {
    std::vector<ServiceReadings> Services;
    NoLiturgyKind NoLiturgy = NoLiturgyKind::None;  // set on Lent's days without a Liturgy Gospel
};

// A text of the data: its visible plain text, and its RTF inline markup when it has any.
struct DataText {
    std::string Text;
    std::string Markup;
    std::vector<TextSpan> Spans = {};  // the markup's looks over Text
    // The text as a report writes it: the markup when there is any, else the plain text.
    std::string_view Value() const { return Markup.empty() ? std::string_view(Text) : Markup; }
    bool Empty() const { return Text.empty() && Markup.empty(); }
};

// The day line in its parts: the names of the day from the title tables, which stand in place of
// the weekday and its place in the cycle, or that weekday and place continued by the names that
// begin with ","; then the tone.
struct DayLine {
    DataText Titles;                  // the names that replace the weekday, joined by spaces
    DataText Tails;                   // the names that continue the cycle phrase
    std::optional<CyclePlace> Cycle;  // set when the line names the weekday and its place
};

struct DayInfo {
    DayNum Day = 0;
    velorith::Reckoning Reckoning = kJulian;  // the reckoning the day is displayed in
    DayDates Dates;                           // the day's date in each reckoning
    int WeekDay = 1;                          // 1 = Monday .. 7 = Sunday
    DayLine Line;                             // the day line's parts
    int Tone = 0;                             // 1..8, 0 when the day has none
    GreatIndiction Indiction;                 // of the day's World year
    RedReasons RedWhy;                        // red in the reports
    bool GridRed = false;                     // "Red=1" of the month file: red in the month grid
    std::vector<DayEntry> Entries;            // groups 0..4 in report order
    std::optional<DayFast> Fast;              // when the fasting addition is on
    std::optional<DayReadings> Readings;      // when the readings addition is on

    bool Red() const { return RedWhy.Any(); }
    // A day with a fast to keep: its fast is known and asks more than "no fast".
    bool KeepsFast() const {
        return Fast && Fast->Level != FastLevel::None && Fast->Level != FastLevel::FastFree;
    }
    // The entry that names the day: the first of group 0 that shows any text, else the first
    // such of group 1; null when the day has neither (its day line names it then).
    const DayEntry* PrincipalEntry() const;
    Rank HighestRank() const;
};

}  // namespace velorith
