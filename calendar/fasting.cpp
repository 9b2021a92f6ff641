#include "calendar/fasting.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "calendar/fast_rules.h"

namespace velorith {
namespace {

bool Contains(const PaschaSpan& span, int days) {
    return span.From <= days && days <= span.To;
}

bool Contains(const DateSpan& span, int date) {
    if (span.From <= span.To) return span.From <= date && date <= span.To;
    return date >= span.From || date <= span.To;  // over the new year
}

const FastRule* RuleOf(const FastQuery& q, int date) {
    for (const FastRule& rule : FastRules())
        if (Contains(rule.Pascha, q.DaysFromPascha) && Contains(rule.Date, date)) return &rule;
    return nullptr;
}

const FastFeastRule* FeastOn(int date) {
    for (const FastFeastRule& feast : FastFeasts())
        if (feast.Date == date) return &feast;
    return nullptr;
}

// The easier of two levels; FastLevel::None as `relaxed` eases nothing.
FastLevel Eased(FastLevel level, FastLevel relaxed) {
    return relaxed == FastLevel::None ? level : std::min(level, relaxed);
}

}  // namespace

DayFast FastOfDay(const FastQuery& q) {
    if (q.WeekDay < 1 || q.WeekDay > 7 || q.JulianMonth < 1 || q.JulianMonth > 12 ||
        q.JulianDay < 1 || q.JulianDay > 31)
        return {};
    const int date = q.JulianMonth * 100 + q.JulianDay;
    const FastRule* rule = RuleOf(q, date);
    if (rule == nullptr) return {};
    const FastLevel base = rule->ByWeekDay[static_cast<std::size_t>(q.WeekDay - 1)];
    if (base == FastLevel::None) return {};

    const FastFeastRule* feast = FeastOn(date);
    const Rank rank = feast != nullptr ? std::max(q.HighestRank, feast->Sign) : q.HighestRank;
    FastLevel level = base;
    if (rank == Rank::Doxology) level = Eased(base, rule->WithDoxology);
    if (rank >= Rank::Polyeleos) level = Eased(base, rule->WithPolyeleos);

    DayFast fast;
    fast.Level = level;
    fast.Period = rule->Period;
    if (level != base) {
        fast.Eased = true;
        if (feast != nullptr) fast.EasedByFeast = feast->Feast;
        fast.EasedByRank = rank;
    }
    return fast;
}

DayFast FastOfDay(DayNum day, Rank highestRank) {
    const CalendarDate date = DateOfDay(kJulian, day);
    const std::int64_t fromPascha = std::int64_t{day} - JulianPascha(date.Year);
    FastQuery q;
    q.JulianMonth = date.Month;
    q.JulianDay = date.Day;
    q.WeekDay = WeekDayOf(day);
    q.DaysFromPascha = static_cast<int>(std::clamp<std::int64_t>(fromPascha, INT_MIN, INT_MAX));
    q.HighestRank = highestRank;
    return FastOfDay(q);
}

}  // namespace velorith
