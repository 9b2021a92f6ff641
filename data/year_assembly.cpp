#include "data/year_assembly.h"

#include <algorithm>

#include <array>

namespace velorith {
namespace {

// One of the two years an assembly places: the current Julian year or the one before.
struct YearPass {
    int year = 0;       // Julian year number
    DayNum P = 0;       // its Pascha
    bool prev = false;  // writes PrevDate instead of Date

    DayNum J(int d, int m) const { return DayNumber(kJulian, d, m, year); }
    DayNum G(int d, int m) const { return DayNumber(kGregorian, d, m, year); }
};

// A fixed Julian anchor placed by a weekday rule; an anchor that names no date gives no date.
DayNum PlaceNear(int day, int month, int weekday, int year) {
    if (month < 1 || month > 12 || day < 1 || day > 31) return 0;
    return NearWeekday(DayNumber(kJulian, day, month, year), weekday);
}

template <typename Entry>
Placements PlaceAnchored(const Table<Entry>& table, const PaschaInfoRec& pascha) {
    Placements placed(table.Count());
    int k = 1;
    for (const Entry& e : table) {
        placed[k].Date = PlaceNear(e.Day, e.Month, e.Weekday, pascha.PaschaYear);
        placed[k].PrevDate = PlaceNear(e.Day, e.Month, e.Weekday, pascha.PaschaYear - 1);
        ++k;
    }
    return placed;
}

template <typename Entry>
Placements PlaceByPascha(const Table<Entry>& table, DayNum pascha) {
    Placements placed(table.Count());
    int k = 1;
    for (const Entry& e : table)
        placed[k++].Date = pascha + e.Days;
    return placed;
}

// Rules W. Returns the value of entry 3 that rule S4 of the same year compares with.
DayNum PlaceSpecWeekDays(Placements& t, const YearPass& y) {
    auto put = [&t, &y](int k, DayNum v) {
        if (t.Has(k)) (y.prev ? t[k].PrevDate : t[k].Date) = v;
    };
    DayNum m = y.P - 57;  // the Saturday before the Sunday of the Prodigal Son's week
    if (m == y.J(2, 2)) {
        put(1, 0);
        put(2, m);
    } else {
        put(1, m);
        put(2, 0);
    }

    m = y.P - 17;
    if (m == y.J(25, 3)) m -= 2;
    put(3, m);
    const DayNum entry3 = t.Count() >= 3 ? m : 0;

    m = NearWeekday(y.J(27, 10), -6);  // the Saturday from 20 to 26 October
    if (m == y.J(22, 10)) {
        put(4, m - 7);
        put(5, 0);
        put(6, 0);
    } else if (m == y.J(24, 10)) {
        put(4, 0);
        put(5, m);
        put(6, m - 7);
    } else {
        put(4, m);
        put(5, 0);
        put(6, 0);
    }
    return entry3;
}

// Writes Special entries of one year; the first value for a missing entry stops the assembly.
class SpecialWriter {
  public:
    SpecialWriter(Placements& table, const YearPass& pass, DayNum specWeekDay3)
        : table_(table), y(pass), w3(specWeekDay3) {}

    bool Put(int k, DayNum v) {
        if (!table_.Has(k)) return false;
        (y.prev ? table_[k].PrevDate : table_[k].Date) = v;
        return true;
    }

    Placements& table_;
    const YearPass& y;
    DayNum w3;
};

// The Sunday after the Nativity.
bool RuleS1(SpecialWriter& w) {
    const DayNum n = w.y.J(25, 12);
    return w.Put(1, WeekDayOf(n) == 7 ? n + 1 : NearWeekday(n, 7));
}

// The Meeting of the Lord: its forefeast, the feast and the afterfeast days up to the leave-taking.
bool RuleS2(SpecialWriter& w) {
    const DayNum P = w.y.P;
    const DayNum n = w.y.J(2, 2);
    DayNum feast = 0;
    DayNum leave = 0;
    if (n == P - 48) {
        feast = n - 1;
        if (!w.Put(3, feast) || !w.Put(2, n - 2) || !w.Put(10, 0)) return false;
    } else {
        feast = n;
        const DayNum d = P - n;
        if (d >= 64)
            leave = n + 7;
        else if (d >= 61)
            leave = P - 58;
        else if (d >= 57)
            leave = P - 54;
        else if (d >= 55)
            leave = P - 52;
        else if (d >= 53)
            leave = P - 50;
        else if (d >= 50)
            leave = P - 49;
        if (!w.Put(3, feast) || !w.Put(2, n - 1) || !w.Put(10, leave)) return false;
    }
    for (int k = 4; k <= 9; ++k)
        if (!w.Put(k, 0)) return false;
    if (leave != 0) {
        const DayNum lastK = leave - feast + 2;
        for (int k = 4; k <= 9 && k <= lastK; ++k)
            if (!w.Put(k, feast + k - 3)) return false;
    }
    return true;
}

bool RuleS3(SpecialWriter& w) {
    const DayNum P = w.y.P;
    const DayNum n = w.y.J(24, 2);
    if (!w.Put(11, n) || !w.Put(12, 0)) return false;
    if (n == P - 57 || n == P - 53 || n == P - 51 || n == P - 48) return w.Put(11, n - 1);
    if (P - n >= 44 && P - n <= 47) return w.Put(11, 0) && w.Put(12, n);
    return true;
}

bool RuleS4(SpecialWriter& w) {
    const DayNum P = w.y.P;
    DayNum n = w.y.J(9, 3);
    if (n == P - 25)
        n -= 1;
    else if (n == w.w3)
        n -= 2;
    else if (n == P - 15)
        n += 1;
    return w.Put(13, n);
}

bool RuleS5(SpecialWriter& w) {
    const DayNum P = w.y.P;
    const DayNum n = w.y.J(25, 3);
    if (n == P - 18 || n == P - 16) return w.Put(14, n - 2) && w.Put(15, n + 1);
    if (n == P - 8) return w.Put(14, n - 2) && w.Put(15, 0);
    return w.Put(14, 0) && w.Put(15, 0);
}

bool RuleS6(SpecialWriter& w, int k) {
    const DayNum m = w.y.P - 36 + 7 * (k - 16);
    const bool clash = m == w.y.J(9, 3) || m == w.y.J(24, 2) || m == w.y.J(25, 3);
    return w.Put(k, clash ? 0 : m);
}

bool RuleS7(SpecialWriter& w) {
    return w.Put(19, w.y.G(9, 5));
}

bool RuleS8(SpecialWriter& w) {
    const DayNum P = w.y.P;
    DayNum n = w.y.J(25, 5);
    if (n == P + 48) n -= 2;
    if (n == P + 49) n -= 3;
    if (n == P + 50) n += 1;
    if (n == P + 56) n -= 2;
    return w.Put(20, n);
}

// The days from the Monday after All Saints to 28 June, one entry each.
bool RuleS9(SpecialWriter& w) {
    const DayNum P = w.y.P;
    for (int k = 21; k <= 62; ++k)
        if (!w.Put(k, 0)) return false;
    const DayNum count = w.y.J(28, 6) - P - 57;
    for (DayNum k = 1; k <= count; ++k)
        if (!w.Put(20 + static_cast<int>(k), P + 57 + k)) return false;
    return true;
}

// The leave-taking of the Annunciation on 26 March, withheld from Palm Sunday to the end of
// Bright Week, where the Church keeps no afterfeast.
bool RuleAnnunciationLeaveTaking(SpecialWriter& w) {
    const DayNum P = w.y.P;
    const DayNum n = w.y.J(26, 3);
    return w.Put(65, n >= P - 7 && n <= P + 6 ? 0 : n);
}

// The Sunday nearest a fixed date: the next one from Thursday on, else the one before.
bool RuleNearSunday(SpecialWriter& w, int k, int day, int month) {
    const DayNum n = w.y.J(day, month);
    const int d = WeekDayOf(n);
    return w.Put(k, 7 - d < 4 ? n + 7 - d : NearWeekday(n, -7));
}

void IndexByDay(YearPlacements& placed) {
    const auto add = [&placed](const Placements& days, PlacedTable table) {
        for (int k = 1; k <= days.Count(); ++k) {
            const Placement& p = days[k];
            if (p.Date != 0) placed.ByDay.push_back({p.Date, table, k});
            if (p.PrevDate != 0 && p.PrevDate != p.Date)
                placed.ByDay.push_back({p.PrevDate, table, k});
        }
    };
    add(placed.Weekdays, PlacedTable::Weekdays);
    add(placed.Weekdays1, PlacedTable::Weekdays1);
    add(placed.SpecWeekDays, PlacedTable::SpecWeekDays);
    add(placed.Relocatable, PlacedTable::Relocatable);
    add(placed.Relocatable1, PlacedTable::Relocatable1);
    add(placed.Special, PlacedTable::Special);
    std::sort(placed.ByDay.begin(), placed.ByDay.end(),
              [](const PlacedEntry& a, const PlacedEntry& b) {
                  if (a.Day != b.Day) return a.Day < b.Day;
                  if (a.Table != b.Table) return a.Table < b.Table;
                  return a.Section < b.Section;
              });
}

}  // namespace

DayNum NearWeekday(DayNum n, int w) {
    const int d = WeekDayOf(n);
    if (w >= 1 && w <= 7) return w > d ? n + (w - d) : n + 7 - (d - w);
    if (w >= -7 && w <= -1) return -w < d ? n - (d + w) : n - (d + w) - 7;
    if (w == 0) return n - d;
    return 0;
}

YearPlacements PlaceYear(const Tables& tables, const PaschaInfoRec& pascha) {
    const int y = pascha.PaschaYear;
    const YearPass current{y, pascha.CurPascha, false};
    const YearPass previous{y - 1, pascha.PrevPascha, true};

    YearPlacements placed;
    placed.PaschaYear = y;
    placed.CurPascha = pascha.CurPascha;
    placed.PrevPascha = pascha.PrevPascha;
    placed.Relocatable = PlaceByPascha(tables.Relocatable, pascha.CurPascha);
    placed.Relocatable1 = PlaceAnchored(tables.Relocatable1, pascha);
    placed.Weekdays = PlaceByPascha(tables.Weekdays, pascha.CurPascha);
    placed.Weekdays1 = PlaceAnchored(tables.Weekdays1, pascha);

    // An entry that no rule reaches has no date.
    placed.SpecWeekDays = Placements(tables.SpecWeekDays.Count());
    const DayNum w3Current = PlaceSpecWeekDays(placed.SpecWeekDays, current);
    const DayNum w3Previous = PlaceSpecWeekDays(placed.SpecWeekDays, previous);

    placed.Special = Placements(tables.Special.Count());
    SpecialWriter cur(placed.Special, current, w3Current);
    SpecialWriter prev(placed.Special, previous, w3Previous);
    using Rule = bool (*)(SpecialWriter&);
    const std::array<Rule, 14> rules = {
        RuleS1,
        RuleS2,
        RuleS3,
        RuleS4,
        RuleS5,
        [](SpecialWriter& w) { return RuleS6(w, 16); },
        [](SpecialWriter& w) { return RuleS6(w, 17); },
        [](SpecialWriter& w) { return RuleS6(w, 18); },
        RuleS7,
        RuleS8,
        RuleS9,
        [](SpecialWriter& w) { return RuleNearSunday(w, 63, 16, 7); },
        [](SpecialWriter& w) { return RuleNearSunday(w, 64, 11, 10); },
        RuleAnnunciationLeaveTaking,
    };
    for (const Rule rule : rules) {
        if (!rule(cur) || !rule(prev)) break;
    }
    IndexByDay(placed);
    return placed;
}

std::span<const PlacedEntry> YearPlacements::On(DayNum d) const {
    const auto [first, last] =
        std::equal_range(ByDay.begin(), ByDay.end(), PlacedEntry{d, PlacedTable::Weekdays, 0},
                         [](const PlacedEntry& a, const PlacedEntry& b) { return a.Day < b.Day; });
    return {first, last};
}

YearPlacements PlaceYear(const Tables& tables, int julianYear) {
    PaschaInfoRec pascha;
    pascha.PaschaYear = static_cast<std::int16_t>(julianYear);
    pascha.CurPascha = JulianPascha(julianYear);
    pascha.PrevPascha = JulianPascha(julianYear - 1);
    return PlaceYear(tables, pascha);
}

std::shared_ptr<const YearPlacements> PlacementCache::Get(const Tables& tables, int julianYear) {
    const auto found = std::find_if(years_.begin(), years_.end(), [julianYear](const auto& p) {
        return p->PaschaYear == julianYear;
    });
    std::shared_ptr<const YearPlacements> year;
    if (found != years_.end()) {
        year = *found;
        years_.erase(found);
    } else {
        year = std::make_shared<const YearPlacements>(PlaceYear(tables, julianYear));
        if (years_.size() >= kKept) years_.erase(years_.begin());
    }
    years_.push_back(year);
    return year;
}

}  // namespace velorith
