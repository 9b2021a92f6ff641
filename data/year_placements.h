// The placed days of every table entry for one Julian year: an immutable value, computed once
// from the tables and the year's Pascha and shared by everything that shows that year.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "data/tables.h"
#include "reckoning/date_state.h"

namespace velorith {

// Where an entry falls: on its day of the year placed and, for the entries placed near a fixed
// date or by the rules of transfer, on its day of the year before (a displayed year that is
// not a Julian one holds days of both). 0 is no day.
struct Placement {
    DayNum Date = 0;
    DayNum PrevDate = 0;
    bool On(DayNum d) const { return d != 0 && (Date == d || PrevDate == d); }
    bool operator==(const Placement&) const = default;
};

// The placements of one table, numbered from 1 like its entries.
class Placements {
  public:
    Placements() = default;
    explicit Placements(int count) : days_(static_cast<std::size_t>(count)) {}
    int Count() const { return static_cast<int>(days_.size()); }
    bool Has(int index) const { return index >= 1 && index <= Count(); }
    Placement& operator[](int index) { return days_[static_cast<std::size_t>(index - 1)]; }
    const Placement& operator[](int index) const {
        return days_[static_cast<std::size_t>(index - 1)];
    }
    auto begin() const { return days_.begin(); }
    auto end() const { return days_.end(); }
    bool operator==(const Placements&) const = default;

  private:
    std::vector<Placement> days_;
};

// Which table an entry of a day comes from, in the order a day takes them.
enum class PlacedTable : std::uint8_t {
    Weekdays,
    Weekdays1,
    SpecWeekDays,
    Relocatable,
    Relocatable1,
    Special
};

// One entry placed on one day.
struct PlacedEntry {
    DayNum Day = 0;
    PlacedTable Table = PlacedTable::Relocatable;
    int Section = 0;
    bool operator==(const PlacedEntry&) const = default;
};

struct YearPlacements {
    int PaschaYear = 0;  // the Julian year placed
    DayNum CurPascha = 0;
    DayNum PrevPascha = 0;
    Placements Relocatable;
    Placements Relocatable1;
    Placements Special;
    Placements Weekdays;
    Placements Weekdays1;
    Placements SpecWeekDays;
    // Every placement by day, then table, then section: what falls on a day is one look-up.
    std::vector<PlacedEntry> ByDay;
    bool operator==(const YearPlacements&) const = default;

    // The entries placed on day d, in table and section order.
    std::span<const PlacedEntry> On(DayNum d) const;
};

// Places every entry of the tables in the Julian year pascha.PaschaYear, whose Pascha is
// pascha.CurPascha, and the year before, whose Pascha is pascha.PrevPascha.
YearPlacements PlaceYear(const Tables& tables, const PaschaInfoRec& pascha);
// The same for a Julian year, its Paschas from the Paschalion.
YearPlacements PlaceYear(const Tables& tables, int julianYear);

// The placements of the last few years asked for, computed on first use. A year and the two
// around it are what navigation and the reports ask for, so a handful are kept.
class PlacementCache {
  public:
    std::shared_ptr<const YearPlacements> Get(const Tables& tables, int julianYear);
    void Clear() { years_.clear(); }

  private:
    static constexpr std::size_t kKept = 4;
    std::vector<std::shared_ptr<const YearPlacements>> years_;  // most recently used last
};

}  // namespace velorith
