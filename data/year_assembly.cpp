#include "data/year_assembly.h"

#include <algorithm>

#include <array>

#include "reckoning/movable_days.h"

namespace velorith {
namespace {

using namespace movable;

// The sections of Special.DAT that the rules place, by what they hold.
enum SpecialSection : int {
    kSundayAfterNativity = 1,
    kMeetingForefeast = 2,
    kMeeting = 3,
    kMeetingAfterfeastFirst = 4,
    kMeetingAfterfeastLast = 9,
    kMeetingLeaveTaking = 10,
    kFindingOfTheHead = 11,
    kFindingOfTheHeadInLent = 12,
    kFortyMartyrs = 13,
    kAnnunciationForefeastNote = 14,
    kAnnunciationAfterfeastNote = 15,
    kLentenSaturdayFirst = 16,  // 16, 17, 18: the 2nd to 4th weeks
    kDepartedSoldiers = 19,
    kThirdFindingOfTheHead = 20,
    kApostlesFastFirst = 21,
    kApostlesFastLast = 62,
    kFathersOfSixCouncils = 63,
    kFathersOfSeventhCouncil = 64,
    kAnnunciationLeaveTaking = 65,
};

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

// The named days of SpecWeekDays.DAT. Returns the day of entry 3 (the Great Canon), which the
// placing of the Forty Martyrs of the same year compares with.
DayNum PlaceSpecWeekDays(Placements& t, const YearPass& y) {
    auto put = [&t, &y](int k, DayNum v) {
        if (t.Has(k)) (y.prev ? t[k].PrevDate : t[k].Date) = v;
    };
    DayNum m = y.P + kMeatfareSaturday;
    if (m == y.J(2, 2)) {
        put(1, 0);
        put(2, m);
    } else {
        put(1, m);
        put(2, 0);
    }

    m = y.P + kGreatCanonThursday;
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
bool PlaceSundayAfterNativity(SpecialWriter& w) {
    const DayNum n = w.y.J(25, 12);
    return w.Put(kSundayAfterNativity, WeekDayOf(n) == 7 ? n + 1 : NearWeekday(n, 7));
}

// The Meeting of the Lord: its forefeast, the feast and the afterfeast days up to the leave-taking.
bool PlaceMeeting(SpecialWriter& w) {
    const DayNum P = w.y.P;
    const DayNum n = w.y.J(2, 2);
    DayNum feast = 0;
    DayNum leave = 0;
    if (n == P + kCleanMonday) {
        feast = n - 1;
        if (!w.Put(kMeeting, feast) || !w.Put(kMeetingForefeast, n - 2) ||
            !w.Put(kMeetingLeaveTaking, 0))
            return false;
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
        if (!w.Put(kMeeting, feast) || !w.Put(kMeetingForefeast, n - 1) ||
            !w.Put(kMeetingLeaveTaking, leave))
            return false;
    }
    for (int k = kMeetingAfterfeastFirst; k <= kMeetingAfterfeastLast; ++k)
        if (!w.Put(k, 0)) return false;
    if (leave != 0) {
        const DayNum lastK = leave - feast + 2;
        for (int k = kMeetingAfterfeastFirst; k <= kMeetingAfterfeastLast && k <= lastK; ++k)
            if (!w.Put(k, feast + k - 3)) return false;
    }
    return true;
}

// The First and Second Finding of the Head of the Forerunner.
bool PlaceFindingOfTheHead(SpecialWriter& w) {
    const DayNum P = w.y.P;
    const DayNum n = w.y.J(24, 2);
    if (!w.Put(kFindingOfTheHead, n) || !w.Put(kFindingOfTheHeadInLent, 0)) return false;
    if (n == P + kMeatfareSaturday || n == P + kCheesefareWednesday || n == P + kCheesefareFriday ||
        n == P + kCleanMonday)
        return w.Put(kFindingOfTheHead, n - 1);
    if (P - n >= 44 && P - n <= 47)  // Tuesday to Friday of the first week of Lent
        return w.Put(kFindingOfTheHead, 0) && w.Put(kFindingOfTheHeadInLent, n);
    return true;
}

// The Forty Martyrs of Sebaste.
bool PlaceFortyMartyrs(SpecialWriter& w) {
    const DayNum P = w.y.P;
    DayNum n = w.y.J(9, 3);
    if (n == P + kFourthLentWednesday)
        n -= 1;
    else if (n == w.w3)
        n -= 2;
    else if (n == P + kAkathistSaturday)
        n += 1;
    return w.Put(kFortyMartyrs, n);
}

// The notes that move the fore- and afterfeast of the Annunciation off the days of Lent that
// keep services of their own.
bool PlaceAnnunciationNotes(SpecialWriter& w) {
    const DayNum P = w.y.P;
    const DayNum n = w.y.J(25, 3);
    if (n == P + kGreatCanonThursday - 1 || n == P + kGreatCanonThursday + 1)
        return w.Put(kAnnunciationForefeastNote, n - 2) &&
               w.Put(kAnnunciationAfterfeastNote, n + 1);
    if (n == P + kLazarusSaturday)
        return w.Put(kAnnunciationForefeastNote, n - 2) && w.Put(kAnnunciationAfterfeastNote, 0);
    return w.Put(kAnnunciationForefeastNote, 0) && w.Put(kAnnunciationAfterfeastNote, 0);
}

// A Saturday of the departed of the 2nd, 3rd or 4th week of Lent, unless a feast holds it.
bool PlaceLentenSaturdayOfTheDeparted(SpecialWriter& w, int k) {
    const DayNum m = w.y.P + kSecondLentSaturday + 7 * (k - kLentenSaturdayFirst);
    const bool clash = m == w.y.J(9, 3) || m == w.y.J(24, 2) || m == w.y.J(25, 3);
    return w.Put(k, clash ? 0 : m);
}

// The departed soldiers, on 9 May of the new style.
bool PlaceDepartedSoldiers(SpecialWriter& w) {
    return w.Put(kDepartedSoldiers, w.y.G(9, 5));
}

// The Third Finding of the Head, moved off Trinity Saturday, Pentecost, the Day of the Holy
// Spirit and the Sunday of All Saints.
bool PlaceThirdFindingOfTheHead(SpecialWriter& w) {
    const DayNum P = w.y.P;
    DayNum n = w.y.J(25, 5);
    if (n == P + kTrinitySaturday) n -= 2;
    if (n == P + kPentecost) n -= 3;
    if (n == P + kHolySpiritMonday) n += 1;
    if (n == P + kAllSaintsSunday) n -= 2;
    return w.Put(kThirdFindingOfTheHead, n);
}

// The days from the Monday after All Saints to 28 June, one entry each.
bool PlaceApostlesFastDays(SpecialWriter& w) {
    const DayNum P = w.y.P;
    for (int k = kApostlesFastFirst; k <= kApostlesFastLast; ++k)
        if (!w.Put(k, 0)) return false;
    const DayNum count = w.y.J(28, 6) - P - kApostlesFastEve;
    for (DayNum k = 1; k <= count; ++k)
        if (!w.Put(kApostlesFastFirst - 1 + static_cast<int>(k), P + kApostlesFastEve + k))
            return false;
    return true;
}

// The leave-taking of the Annunciation on 26 March, withheld from Palm Sunday to the end of
// Bright Week, where the Church keeps no afterfeast.
bool PlaceAnnunciationLeaveTaking(SpecialWriter& w) {
    const DayNum P = w.y.P;
    const DayNum n = w.y.J(26, 3);
    const bool withheld = n >= P + kPalmSunday && n <= P + kBrightSaturday;
    return w.Put(kAnnunciationLeaveTaking, withheld ? 0 : n);
}

// The Sunday nearest a fixed date: the next one from Thursday on, else the one before.
bool PlaceNearSunday(SpecialWriter& w, int k, int day, int month) {
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
        PlaceSundayAfterNativity,
        PlaceMeeting,
        PlaceFindingOfTheHead,
        PlaceFortyMartyrs,
        PlaceAnnunciationNotes,
        [](SpecialWriter& w) { return PlaceLentenSaturdayOfTheDeparted(w, kLentenSaturdayFirst); },
        [](SpecialWriter& w) {
            return PlaceLentenSaturdayOfTheDeparted(w, kLentenSaturdayFirst + 1);
        },
        [](SpecialWriter& w) {
            return PlaceLentenSaturdayOfTheDeparted(w, kLentenSaturdayFirst + 2);
        },
        PlaceDepartedSoldiers,
        PlaceThirdFindingOfTheHead,
        PlaceApostlesFastDays,
        [](SpecialWriter& w) { return PlaceNearSunday(w, kFathersOfSixCouncils, 16, 7); },
        [](SpecialWriter& w) { return PlaceNearSunday(w, kFathersOfSeventhCouncil, 11, 10); },
        PlaceAnnunciationLeaveTaking,
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
