// The lectionary as loaded from its data file (Readings.DAT): the readings of the weeks after
// Pentecost for the Apostle and the Gospel, the Resurrection Gospels of Sunday Matins, the days
// of the Triodion and the Pentecostarion by their distance from Pascha, the fixed feasts and
// saints by their Julian date, and the Saturdays and Sundays placed near a feast. A missing or
// malformed file loads as an empty lectionary.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "reckoning/calendar_dates.h"

namespace velorith {

class IniFile;

// How a feast's or saint's own readings stand to the readings of the day.
enum class ReadingOrder {
    After,  // the day's readings, then the feast's (saints of polyeleos and vigil rank)
    First,  // the feast's, then the day's (great feasts of the Forerunner, the apostles, ...)
    Great,  // as First on a Sunday; on a weekday the feast's alone, the day's being read the day
            // before with that day's own (the twelve great feasts of the Mother of God, the
            // Beheading of the Forerunner)
    Own,    // the feast's in place of the day's (Sundays before and after the Nativity, ...)
    Feast,  // the feast's alone, and no saint's either (great feasts of the Lord)
};

// The readings of one day or feast, each a reference such as "Ин. 1:1-17".
struct ReadingSet {
    std::vector<std::string> Apostle;
    std::vector<std::string> Gospel;
    std::vector<std::string> Matins;     // the Gospel of Matins
    std::vector<std::string> FirstHour;  // the prophecy at the First Hour (Great Thursday)
    std::vector<std::string> SixthHour;  // Lent's Old Testament reading at the Sixth Hour
    std::vector<std::string> Vespers;    // Old Testament readings at Vespers
    ReadingOrder Order = ReadingOrder::After;
    bool Empty() const {
        return Apostle.empty() && Gospel.empty() && Matins.empty() && FirstHour.empty() &&
               SixthHour.empty() && Vespers.empty();
    }
};

// A Saturday or Sunday kept near a fixed date, placed as in Relocatable1.DAT: weekday 1..7 is
// the first such weekday after the date, -1..-7 the last one before it.
struct NearDayRule {
    int Day = 0;
    int Month = 0;
    int WeekDay = 0;
    ReadingSet Readings;
};

inline constexpr int kLectionaryWeeks = 33;
// The movable days run from the Sunday of the Publican (70 days before Pascha) to Pentecost.
inline constexpr int kFirstMovableDay = -70;
inline constexpr int kLastMovableDay = 49;

class Lectionary {
  public:
    Lectionary() = default;
    static Lectionary FromIni(const IniFile& ini);
    static Lectionary Load(const std::filesystem::path& file);

    // A reference of the weeks after Pentecost; empty when the data has none.
    std::string_view Apostle(int week, int weekDay) const;
    std::string_view Gospel(int week, int weekDay) const;
    // Resurrection Gospel n (1..11); empty when out of range or missing.
    std::string_view MatinsGospel(int n) const;
    // The day `fromPascha` days from Pascha (Triodion and Pentecostarion); null when absent.
    const ReadingSet* Movable(int fromPascha) const;
    // The fixed feast or saint of a Julian date; null when absent.
    const ReadingSet* Fixed(int day, int month) const;
    std::span<const NearDayRule> NearDays() const { return near_; }
    // The rules whose day is `day`, in the order of their numbers; found through an index of
    // the rules by date, so a day costs the same however many rules the file holds.
    std::vector<const NearDayRule*> NearRulesOn(DayNum day) const;
    bool Empty() const;

  private:
    using Week = std::array<std::string, 7>;
    std::array<Week, kLectionaryWeeks> apostle_{};
    std::array<Week, kLectionaryWeeks> gospel_{};
    std::array<std::string, 11> matins_{};
    std::map<int, ReadingSet> movable_;
    std::map<int, ReadingSet> fixed_;                       // month * 100 + day
    std::vector<NearDayRule> near_;                         // by rule number
    std::vector<std::pair<int, std::uint32_t>> nearIndex_;  // month * 100 + day, rule
};

}  // namespace velorith
