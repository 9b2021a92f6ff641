#include "calendar/readings.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "calendar/lectionary_cycle.h"
#include "calendar/scripture.h"
#include "reckoning/movable_days.h"

namespace velorith {
namespace {

using namespace movable;

// A set of readings as a day reads it: whose it is, and for a displaced weekday's, which weekday.
struct Placed {
    const ReadingSet* Set = nullptr;
    GroupRole Role = GroupRole::Feast;
    int WeekDay = 0;
};

// The day's ordinary readings: the movable day's, or the weeks' after Pentecost.
ReadingSet OrdinaryOf(const Lectionary& lx, const CyclePosition& pos) {
    if (pos.Movable) {
        const ReadingSet* set = lx.Movable(pos.FromPascha);
        return set ? *set : ReadingSet{};
    }
    ReadingSet set;
    set.Apostle = ParseLections(lx.Apostle(pos.ApostleWeek, pos.WeekDay));
    set.Gospel = ParseLections(lx.Gospel(pos.GospelWeek, pos.WeekDay));
    return set;
}

// A Sunday whose ordinary Gospel the next Sunday reads as its own (the Great Supper before the
// Sunday of the Forefathers) reads the Gospel of the Sunday after its own instead.
void AvoidNextSundaysGospel(const Lectionary& lx, DayNum day, const CyclePosition& pos,
                            ReadingSet& ordinary) {
    if (pos.Movable || pos.WeekDay != 7 || ordinary.Gospel.empty()) return;
    for (const NearDayRule* rule : lx.NearRulesOn(day + 7)) {
        const ReadingSet& next = rule->Readings;
        if (next.Order != ReadingOrder::Own || next.Gospel.empty()) continue;
        if (next.Gospel.front().Reference != ordinary.Gospel.front().Reference) continue;
        const std::string_view later = lx.Gospel(pos.GospelWeek + 1, 7);
        if (!later.empty()) ordinary.Gospel = ParseLections(later);
    }
}

// A feast read before the day's readings (or in their place on a weekday, for Great).
bool ReadFirst(ReadingOrder order) {
    return order == ReadingOrder::First || order == ReadingOrder::Great;
}

// An eve of the Nativity or the Theophany: a date whose own readings (the Royal Hours, or
// Vespers' prophecies read in place of the day's) make the day's service.
bool IsEve(const ReadingSet& set) {
    return set.HasRoyalHours() || (set.Order == ReadingOrder::Own && !set.Vespers.empty());
}

const ReadingSet* EveOf(const Lectionary& lx, const CalendarDate& date) {
    for (const ReadingSet& set : lx.Fixed(date.Day, date.Month))
        if (IsEve(set)) return &set;
    return nullptr;
}

const ReadingSet* EveOn(const Lectionary& lx, DayNum day) {
    return EveOf(lx, DateOfDay(kJulian, day));
}

// A commemoration that a movable feast on its date would hide is kept on an earlier day, as the
// Typikon orders under its date: the third finding of the Forerunner's head (25 May) on
// Pentecost goes to the Thursday before (the Friday keeps the leave-taking of the Ascension,
// the Saturday the departed), on the Sunday of All Saints to the Friday before (the Saturday
// keeps the leave-taking of Pentecost). The date's first set moves, its chief commemoration.
struct KeptEarlier {
    int Day = 0;
    int Month = 0;
    int FromPascha = 0;  // the movable feast that hides it
    int DaysEarlier = 0;
};
constexpr KeptEarlier kKeptEarlier[] = {
    {25, 5, kPentecost, 3},
    {25, 5, kAllSaintsSunday, 2},
};

// The day's distance from the Pascha of its Julian year.
int FromPaschaOf(DayNum day) {
    return day - JulianPascha(JulianYearOfDay(day));
}

// Each date kept earlier lies at least that many days into its month, so the day it goes to is
// in the same month.
static_assert(std::all_of(std::begin(kKeptEarlier), std::end(kKeptEarlier),
                          [](const KeptEarlier& k) { return k.Day > k.DaysEarlier; }));

// The fixed commemorations a day keeps, in order: its date's, less one moved away from it, with
// one moved to it. The distance from Pascha is reckoned only on the dates concerned.
template <typename Keep>
void ForEachFixedOn(const Lectionary& lx, DayNum day, const CalendarDate& date, Keep keep) {
    const auto own = lx.Fixed(date.Day, date.Month);
    std::size_t first = 0;
    const ReadingSet* movedHere = nullptr;
    for (const KeptEarlier& k : kKeptEarlier) {
        if (k.Month != date.Month) continue;
        if (k.Day == date.Day && FromPaschaOf(day) == k.FromPascha) first = 1;
        if (k.Day == date.Day + k.DaysEarlier &&
            FromPaschaOf(day) + k.DaysEarlier == k.FromPascha) {
            const auto moved = lx.Fixed(k.Day, k.Month);
            if (!moved.empty()) movedHere = &moved.front();
        }
    }
    for (std::size_t i = first; i < own.size(); ++i)
        keep(own[i]);
    if (movedHere != nullptr) keep(*movedHere);
}

// Whether a saint's own readings are read on a day of the given rank.
bool SaintRead(const ReadingSet& set, Rank highest) {
    if (set.Order != ReadingOrder::After) return true;
    return highest >= Rank::Polyeleos || set.Always;
}

// A great feast of the Lord on a Sunday after Pentecost (the Exaltation) reads its own alone:
// the Sunday's ordinary readings are read on the Saturday kept before the feast, after that
// Saturday's own, and the Saturday's go to the Friday.
bool SundayFeastGivesWay(const Lectionary& lx, DayNum sunday) {
    if (WeekDayOf(sunday) != 7 || PositionOf(sunday).Movable) return false;
    const CalendarDate date = DateOfDay(kJulian, sunday);
    const auto sets = lx.Fixed(date.Day, date.Month);
    if (std::none_of(sets.begin(), sets.end(),
                     [](const ReadingSet& s) { return s.Order == ReadingOrder::Feast; }))
        return false;
    for (const NearDayRule* rule : lx.NearRulesOn(sunday - 1))
        if (rule->Readings.Order == ReadingOrder::First) return true;
    return false;
}

// A weekday of the weeks after Pentecost whose ordinary readings give way to its feast and are
// read on a neighbouring day: a feast read before the day's or alone (the great feasts, the
// Forerunner, the chief apostles, the Protection; not the Nativity and the Theophany, whose eves
// read their own), and a saint with a vigil on a Saturday, whose readings are then read alone.
bool GivesWay(const Lectionary& lx, DayNum day, Rank highest) {
    const CyclePosition pos = PositionOf(day);
    if (pos.Movable || pos.WeekDay == 7) return false;
    const CalendarDate date = DateOfDay(kJulian, day);
    if (EveOn(lx, day - 1) != nullptr || EveOf(lx, date) != nullptr) return false;
    if (pos.WeekDay == 6 && SundayFeastGivesWay(lx, day + 1)) return true;
    for (const ReadingSet& set : lx.Fixed(date.Day, date.Month)) {
        if (set.Order == ReadingOrder::Great || set.Order == ReadingOrder::Feast ||
            set.Order == ReadingOrder::First)
            return true;
        if (pos.WeekDay == 6 && highest >= Rank::Vigil && set.Order != ReadingOrder::Own)
            return true;
    }
    return false;
}

// The book's kind of reading: a Gospel, the Apostle (Acts and the Epistles), else the Old
// Testament. The Royal Hours give each hour's readings in one list.
ReadingKind KindOfBook(std::string_view reference) {
    const std::string_view key = ParseReference(reference).BookKey;
    if (key == "Matt" || key == "Mark" || key == "Luke" || key == "John")
        return ReadingKind::Gospel;
    static constexpr std::string_view kApostle[] = {
        "Acts",   "Rom",    "1Cor",  "2Cor",  "Gal",   "Eph",  "Phil", "Col",
        "1Thess", "2Thess", "1Tim",  "2Tim",  "Titus", "Phlm", "Heb",  "Jas",
        "1Pet",   "2Pet",   "1John", "2John", "3John", "Jude"};
    for (const std::string_view a : kApostle)
        if (key == a) return ReadingKind::Apostle;
    return ReadingKind::OldTestament;
}

// Builds one service's readings, group by group.
class ServiceBuilder {
  public:
    explicit ServiceBuilder(ServiceKind kind) { service_.Service = kind; }
    // A reading the service has read already (the Sower's Gospel of a Sunday that is also the
    // Fathers') is read once, where it first stands. Without a kind, each reading's book gives
    // it (Great Saturday's Matins reads two Apostles before its Gospel).
    void Add(const std::vector<Lection>& lections, std::optional<ReadingKind> kind,
             const void* owner, GroupRole role, std::string_view label) {
        for (const Lection& l : lections) {
            if (Has(l.Reference)) continue;
            const std::uint8_t group = GroupFor(owner, role, label);
            service_.Readings.push_back(
                {kind ? *kind : KindOfBook(l.Reference), l.Reference, l.Zachalo, group});
        }
    }
    void AddByBook(const std::vector<Lection>& lections, const void* owner, GroupRole role,
                   std::string_view label) {
        for (const Lection& l : lections) {
            const std::uint8_t group = GroupFor(owner, role, label);
            service_.Readings.push_back({KindOfBook(l.Reference), l.Reference, l.Zachalo, group});
        }
    }
    bool Empty() const { return service_.Readings.empty(); }
    bool Has(std::string_view reference) const {
        for (const Reading& r : service_.Readings)
            if (r.Reference == reference) return true;
        return false;
    }
    // The ordinary readings read after another group are read "под зачало".
    ServiceReadings Take(const ReadingLabels& labels) {
        for (std::size_t i = 1; i < service_.Groups.size(); ++i)
            if (service_.Groups[i].Role == GroupRole::Ordinary && !labels.UnderZachalo.empty())
                service_.Groups[i].Label = labels.UnderZachalo;
        return std::move(service_);
    }

  private:
    std::uint8_t GroupFor(const void* owner, GroupRole role, std::string_view label) {
        if (owner_.empty() || owner_.back() != owner) {
            owner_.push_back(owner);
            service_.Groups.push_back({role, std::string(label)});
        }
        return static_cast<std::uint8_t>(service_.Groups.size() - 1);
    }
    ServiceReadings service_;
    std::vector<const void*> owner_;
};

std::string LabelOf(const Placed& p, const ReadingLabels& labels) {
    switch (p.Role) {
        case GroupRole::Ordinary:
            return labels.Ordinary;
        case GroupRole::NextDay:
        case GroupRole::PriorDay: {
            std::string label = labels.Moved;
            const std::size_t at = label.find("{day}");
            if (at != std::string::npos && p.WeekDay >= 1 && p.WeekDay <= 7)
                label.replace(at, 5, labels.ForDay[static_cast<std::size_t>(p.WeekDay - 1)]);
            return label;
        }
        default:
            return p.Set->Label;
    }
}

// The sets a day reads, in the order they are read.
struct DayPlan {
    std::vector<Placed> Sets;
    const ReadingSet* RoyalHours = nullptr;  // the eve's or Great Friday's
    bool OwnVespersOnly = false;             // an eve's Vespers read without its Liturgy
    bool NoLiturgy = false;                  // the Royal Hours moved to a Friday
};

void Push(std::vector<Placed>& out, const ReadingSet* set, GroupRole role, int weekDay = 0) {
    out.push_back({set, role, weekDay});
}

}  // namespace

DayReadings ReadingsOf(const Lectionary& lx, DayNum day, Rank highest, NeighbourRanks neighbours) {
    const CyclePosition pos = PositionOf(day);
    ReadingSet ordinary = OrdinaryOf(lx, pos);
    AvoidNextSundaysGospel(lx, day, pos, ordinary);
    const CalendarDate date = DateOfDay(kJulian, day);
    const bool passionOrBright =
        pos.Movable && pos.FromPascha >= kHolyMonday && pos.FromPascha < kThomasSunday;
    const bool triodion = pos.Movable && pos.FromPascha < 0;

    std::vector<const ReadingSet*> own;
    ForEachFixedOn(lx, day, date, [&](const ReadingSet& set) {
        if (SaintRead(set, highest)) own.push_back(&set);
    });
    std::vector<const ReadingSet*> near;
    for (const NearDayRule* rule : lx.NearRulesOn(day)) {
        // The Triodion's own days are not displaced by a Sunday kept near a feast.
        if (pos.Movable && rule->Readings.Order == ReadingOrder::Own) continue;
        near.push_back(&rule->Readings);
    }

    DayPlan plan;
    std::vector<Placed>& out = plan.Sets;
    const auto ownOf = [&](auto pick) {
        for (const ReadingSet* s : own)
            if (pick(*s)) Push(out, s, GroupRole::Feast);
    };
    const ReadingSet* eve = EveOf(lx, date);
    // The Royal Hours of an eve that falls on a Saturday or a Sunday are read on the Friday.
    const ReadingSet* eveAhead = nullptr;
    if (pos.WeekDay == 5) {
        for (const int k : {1, 2})
            if (const ReadingSet* e = EveOn(lx, day + k);
                e && e->HasRoyalHours() && WeekDayOf(day + k) == 5 + k)
                eveAhead = e;
    }

    if (eveAhead != nullptr) {
        plan.RoyalHours = eveAhead;
        plan.NoLiturgy = true;
    } else if (eve != nullptr && pos.WeekDay <= 5) {
        // An eve on a weekday: the Royal Hours, then Vespers with the Liturgy of its own.
        if (eve->HasRoyalHours()) plan.RoyalHours = eve;
        Push(out, eve, GroupRole::Feast);
    } else if (eve != nullptr) {
        // An eve on a Saturday or a Sunday: the Liturgy reads the day's Saturday or Sunday before
        // the feast and the eve's own; Vespers reads the eve's prophecies without a Liturgy.
        for (const ReadingSet* s : near)
            Push(out, s, GroupRole::Feast);
        if (pos.WeekDay == 7 && near.empty()) Push(out, &ordinary, GroupRole::Ordinary);
        Push(out, eve, GroupRole::Feast);
        plan.OwnVespersOnly = true;
    } else if (triodion && ordinary.Order != ReadingOrder::Feast) {
        // A great feast in the Triodion (the Meeting, the Annunciation) is read with the
        // Triodion's day, its own first.
        ownOf([](const ReadingSet& s) {
            return s.Order == ReadingOrder::Feast || ReadFirst(s.Order);
        });
        Push(out, &ordinary, GroupRole::Ordinary);
        if (!passionOrBright)
            ownOf([](const ReadingSet& s) { return s.Order == ReadingOrder::After; });
    } else if (ordinary.Order == ReadingOrder::Feast) {
        Push(out, &ordinary, GroupRole::Ordinary);
        ownOf([](const ReadingSet& s) {
            return s.Order == ReadingOrder::Feast || ReadFirst(s.Order);
        });
    } else {
        ownOf([](const ReadingSet& s) { return s.Order == ReadingOrder::Feast; });
        // A saint kept on a feast of the Lord (St Basil on the Circumcision) is read after it.
        if (!out.empty()) ownOf([](const ReadingSet& s) { return s.Order == ReadingOrder::After; });
        if (out.empty()) {
            const bool givesWay = GivesWay(lx, day, highest);
            const bool saturday = !pos.Movable && pos.WeekDay == 6 && !givesWay;
            ownOf([](const ReadingSet& s) { return ReadFirst(s.Order); });
            // The Saturdays and Sundays kept near a feast: in place of the day's, or before it.
            // The Sunday of Zacchaeus keeps its Gospel beside the Sunday after the Theophany.
            const bool zacchaeus =
                !pos.Movable && pos.WeekDay == 7 && pos.GospelWeek == kZacchaeusSunday;
            // A feast read in place of the day's on a weekday, after the Sunday's on a Sunday.
            const bool sunday = pos.WeekDay == 7;
            bool replaced = givesWay;
            for (const ReadingSet* s : own) {
                if (s->Order != ReadingOrder::Own || sunday) continue;
                Push(out, s, GroupRole::Feast);
                replaced = true;
            }
            for (const ReadingSet* s : near) {
                if (s->Order == ReadingOrder::Own && !zacchaeus) replaced = true;
                if (s->Order == ReadingOrder::Own || ReadFirst(s->Order))
                    Push(out, s, GroupRole::Feast);
            }
            const auto saints = [&] {
                if (passionOrBright) return;
                ownOf([](const ReadingSet& s) { return s.Order == ReadingOrder::After; });
                for (const ReadingSet* s : near)
                    if (s->Order == ReadingOrder::After) Push(out, s, GroupRole::Feast);
            };
            // On a Saturday after Pentecost the saint's readings come before the day's.
            if (saturday) saints();
            if (!replaced) Push(out, &ordinary, GroupRole::Ordinary);
            for (const ReadingSet* s : own)
                if (s->Order == ReadingOrder::Own && sunday) Push(out, s, GroupRole::Feast);
            if (!saturday) saints();
        }
    }

    // The ordinary readings that a feast displaces from the next day are read the day before,
    // after that day's own, unless that day is a Sunday; a Monday's are then read on Tuesday.
    ReadingSet moved;
    int movedDay = 0;
    GroupRole movedRole = GroupRole::NextDay;
    // A great feast of the Lord reads its own alone and takes no other day's.
    const bool lordsFeast = std::any_of(own.begin(), own.end(), [](const ReadingSet* s) {
        return s->Order == ReadingOrder::Feast;
    });
    const bool takesMoved = !pos.Movable && eve == nullptr && eveAhead == nullptr && !lordsFeast;
    const auto nextGivesWay = [&] {
        return GivesWay(lx, day + 1, neighbours.After) ||
               (pos.WeekDay == 6 && SundayFeastGivesWay(lx, day + 1));
    };
    if (takesMoved && pos.WeekDay != 7 && nextGivesWay()) {
        moved = OrdinaryOf(lx, PositionOf(day + 1));
        movedDay = WeekDayOf(day + 1);
    } else if (takesMoved && pos.WeekDay == 2 && GivesWay(lx, day - 1, neighbours.Before)) {
        moved = OrdinaryOf(lx, PositionOf(day - 1));
        movedDay = 1;
        movedRole = GroupRole::PriorDay;
    }
    if (!moved.Empty()) {
        // After the day's ordinary readings, before a saint's read after them.
        std::size_t at = out.size();
        for (std::size_t i = 0; i < out.size(); ++i) {
            // A Sunday's are read after the Saturday's own that took the place of its ordinary.
            const bool own = movedDay == 7 && out[i].Set->Order != ReadingOrder::After;
            if (out[i].Set == &ordinary || own) at = i + 1;
        }
        out.insert(out.begin() + static_cast<std::ptrdiff_t>(at), {&moved, movedRole, movedDay});
    }

    // The saints a movable day keeps (St Theodore's Saturday, St Gregory Palamas, the
    // Akathist, All Saints of Russia) are read after the day's and before a fixed saint's; a
    // great feast on the day reads its own in their place.
    const bool greatFeast = std::any_of(own.begin(), own.end(), [](const ReadingSet* s) {
        return s->Order != ReadingOrder::After && s->Order != ReadingOrder::Own;
    });
    if (!greatFeast && !passionOrBright && eve == nullptr && eveAhead == nullptr) {
        std::size_t at = out.size();
        for (std::size_t i = 0; i < out.size(); ++i)
            if (out[i].Set == &ordinary || out[i].Set == &moved) at = i + 1;
        for (const ReadingSet& s : lx.MovableSaints(FromPaschaOf(day))) {
            if (!SaintRead(s, highest)) continue;
            out.insert(out.begin() + static_cast<std::ptrdiff_t>(at++), {&s, GroupRole::Feast, 0});
        }
    }

    const ReadingLabels& labels = lx.Labels();
    ServiceBuilder matins(ServiceKind::Matins), first(ServiceKind::FirstHour),
        hour(ServiceKind::SixthHour), vespers(ServiceKind::Vespers), liturgy(ServiceKind::Liturgy),
        royal(ServiceKind::RoyalHours);
    if (plan.RoyalHours == nullptr && ordinary.HasRoyalHours()) plan.RoyalHours = &ordinary;
    if (plan.RoyalHours != nullptr) {
        for (std::size_t h = 0; h < kRoyalHours; ++h)
            royal.AddByBook(plan.RoyalHours->RoyalHours[h], &plan.RoyalHours->RoyalHours[h],
                            GroupRole::Hour, labels.Hours[h]);
    }
    bool gospel = false;
    for (const Placed& p : out) {
        const ReadingSet* s = p.Set;
        const std::string label = LabelOf(p, labels);
        first.Add(s->FirstHour, ReadingKind::OldTestament, s, p.Role, label);
        hour.Add(s->SixthHour, ReadingKind::OldTestament, s, p.Role, label);
        vespers.Add(s->Vespers, ReadingKind::OldTestament, s, p.Role, label);
        const bool weekend = plan.OwnVespersOnly && s == eve;
        if (weekend) {
            // The eve's Apostle and Gospel go with its prophecies to Vespers.
            vespers.Add(s->Apostle, ReadingKind::Apostle, s, p.Role, label);
            vespers.Add(s->Gospel, ReadingKind::Gospel, s, p.Role, label);
        }
        liturgy.Add(weekend ? s->WeekendApostle : s->Apostle, ReadingKind::Apostle, s, p.Role,
                    label);
        liturgy.Add(weekend ? s->WeekendGospel : s->Gospel, ReadingKind::Gospel, s, p.Role, label);
        gospel = gospel || !(weekend ? s->WeekendGospel : s->Gospel).empty();
        // A feast's Matins Gospel; on a Sunday only a great feast's sets the Resurrection
        // Gospel aside; a saint's on a weekday when his readings are read.
        const bool sundayKept =
            pos.WeekDay == 7 && ReadFirst(s->Order) && highest < Rank::GreatFeast;
        const bool saintsMatins = s->Order == ReadingOrder::After && pos.WeekDay != 7 &&
                                  p.Role == GroupRole::Feast && eve == nullptr;
        const bool feastMatins =
            s->Order != ReadingOrder::After && p.Role == GroupRole::Feast && !sundayKept;
        if (s == &ordinary || feastMatins || saintsMatins)
            matins.Add(s->Matins, std::nullopt, s, p.Role, label);
    }
    if (matins.Empty()) {
        const std::string_view resurrection = lx.MatinsGospel(MatinsGospelOf(day));
        if (!resurrection.empty())
            matins.Add(ParseLections(resurrection), ReadingKind::Gospel, nullptr,
                       GroupRole::Ordinary, {});
    }

    DayReadings result;
    for (ServiceBuilder* b : {&matins, &royal, &first, &hour, &vespers, &liturgy})
        if (!b->Empty()) result.Services.push_back(b->Take(labels));
    const bool lentWeekday = [&] {
        if (!pos.Movable || pos.WeekDay > 5) return false;
        const int off = pos.FromPascha;
        const bool cheesefare = off == kCheesefareWednesday || off == kCheesefareFriday;
        return cheesefare || (off >= kCleanMonday && off <= kLastLentFriday) || off == kGreatFriday;
    }();
    const bool presanctified =
        pos.Movable && ((pos.FromPascha >= kCleanMonday && pos.FromPascha <= kLastLentFriday &&
                         (pos.WeekDay == 3 || pos.WeekDay == 5)) ||
                        (pos.FromPascha >= kHolyMonday && pos.FromPascha <= kGreatWednesday));
    if (plan.NoLiturgy)
        result.NoLiturgy = NoLiturgyKind::NoLiturgy;
    else if (!gospel && lentWeekday)
        result.NoLiturgy = presanctified ? NoLiturgyKind::Presanctified : NoLiturgyKind::NoLiturgy;
    return result;
}

}  // namespace velorith
