// The six entry and title tables and their loaders. Each section of a file is one entry; the
// entry's index is its section number, counted from 1.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "data/signs.h"
#include "reckoning/date_state.h"

namespace velorith {

// A table whose entries are numbered from 1, like the sections they come from.
template <typename Entry>
class Table {
  public:
    int Count() const { return static_cast<int>(entries_.size()); }
    bool Has(int index) const { return index >= 1 && index <= Count(); }
    Entry& operator[](int index) { return entries_[static_cast<std::size_t>(index - 1)]; }
    const Entry& operator[](int index) const {
        return entries_[static_cast<std::size_t>(index - 1)];
    }
    Entry& Add() { return entries_.emplace_back(); }
    void Clear() { entries_.clear(); }
    auto begin() { return entries_.begin(); }
    auto end() { return entries_.end(); }
    auto begin() const { return entries_.begin(); }
    auto end() const { return entries_.end(); }

  private:
    std::vector<Entry> entries_;
};

// Text groups of an entry file, each the lines of its key in file order.
struct EntryTexts {
    TextLines Text0;
    TextLines Text11;
    TextLines Text19;
    TextLines Text21;
    TextLines Text29;
    TextLines Text31;
    TextLines Text39;
    TextLines Text4;
};

struct RelocatableEntry : EntryTexts {
    bool Red = false;
    std::int16_t Days = 0;
};

struct Relocatable1Entry : EntryTexts {
    bool Red = false;
    std::int16_t Day = 0;
    std::int16_t Month = 0;
    std::int16_t Weekday = 0;
};

struct SpecialEntry : EntryTexts {
    bool Red = false;
};

struct WeekdaysEntry {
    bool Red = false;
    std::int16_t Days = 0;
    std::string Title;
};

struct Weekdays1Entry {
    bool Red = false;
    std::int16_t Day = 0;
    std::int16_t Month = 0;
    std::int16_t Weekday = 0;
    std::string Title;
};

struct SpecWeekDaysEntry {
    bool Red = false;
    std::string Title;
};

struct Tables {
    Table<RelocatableEntry> Relocatable;
    Table<Relocatable1Entry> Relocatable1;
    Table<SpecialEntry> Special;
    Table<WeekdaysEntry> Weekdays;
    Table<Weekdays1Entry> Weekdays1;
    Table<SpecWeekDaysEntry> SpecWeekDays;
};

// Each reads sections 1, 2, ... of the file and stops at the first missing or empty one; a
// missing file gives an empty table. Nothing is reported.
Table<RelocatableEntry> LoadRelocatable(const std::filesystem::path& file);
Table<Relocatable1Entry> LoadRelocatable1(const std::filesystem::path& file);
Table<SpecialEntry> LoadSpecial(const std::filesystem::path& file);
Table<WeekdaysEntry> LoadWeekdays(const std::filesystem::path& file);
Table<Weekdays1Entry> LoadWeekdays1(const std::filesystem::path& file);
Table<SpecWeekDaysEntry> LoadSpecWeekDays(const std::filesystem::path& file);

}  // namespace velorith
