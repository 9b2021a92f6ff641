// The lectionary as loaded from its data file (Readings.DAT): the readings of the weeks after
// Pentecost for the Apostle and the Gospel, the Resurrection Gospels of Sunday Matins, the days
// of the Triodion and the Pentecostarion by their distance from Pascha, the fixed feasts and
// saints by their Julian date, and the Saturdays and Sundays placed near a feast. A missing or
// malformed file loads as an empty lectionary.
#pragma once

#include <array>
#include <bitset>
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

// One reading: its reference ("Ин. 1:1-17") and the number of its zachalo in the liturgical
// books, 0 where the data does not give it. The data writes the number after the reference,
// "Ин. 1:1-17 (1)".
struct Lection {
    std::string Reference;
    int Zachalo = 0;
    bool operator==(const Lection&) const = default;
};

// A lectionary value split into its readings: "a (1) + b" gives {a, 1} and {b, 0}.
std::vector<Lection> ParseLections(std::string_view value);

// The hours of the Royal Hours: the First, Third, Sixth and Ninth.
inline constexpr int kRoyalHours = 4;

// The readings of one day or feast.
struct ReadingSet {
    std::vector<Lection> Apostle;
    std::vector<Lection> Gospel;
    std::vector<Lection> Matins;     // the Gospel of Matins
    std::vector<Lection> FirstHour;  // the prophecy at the First Hour (Great Thursday)
    std::vector<Lection> SixthHour;  // Lent's Old Testament reading at the Sixth Hour
    std::vector<Lection> Vespers;    // Old Testament readings at Vespers
    // The Royal Hours (the eves of the Nativity and the Theophany, Great Friday): each hour's
    // prophecy, Apostle and Gospel.
    std::array<std::vector<Lection>, kRoyalHours> RoyalHours;
    // An eve's Liturgy when the eve falls on a Saturday or a Sunday (St John Chrysostom's, with
    // readings of its own).
    std::vector<Lection> WeekendApostle;
    std::vector<Lection> WeekendGospel;
    std::string Label;  // the group's label as printed calendars give it: "Свт.", "Богородицы"
    ReadingOrder Order = ReadingOrder::After;
    // A saint's readings read on every day whatever the day's rank (printed calendars give
    // them); otherwise only at polyeleos rank and above.
    bool Always = false;
    bool HasRoyalHours() const {
        for (const auto& hour : RoyalHours)
            if (!hour.empty()) return true;
        return false;
    }
    bool Empty() const {
        return Apostle.empty() && Gospel.empty() && Matins.empty() && FirstHour.empty() &&
               SixthHour.empty() && Vespers.empty() && !HasRoyalHours();
    }
};

// The data's phrases that label the groups of a day's readings (the [Labels] section): the
// ordinary readings, the ordinary readings read after a feast's, the readings of the next day
// read with a day's own, each Royal Hour. Empty where the data has none.
struct ReadingLabels {
    std::string Ordinary;      // "Ряд."
    std::string UnderZachalo;  // "Ряд. (под зачало)"
    std::string Moved;  // "Ряд. за {day} (под зачало)": {day} takes ForDay[weekday]
    std::array<std::string, 7> ForDay;  // "понедельник" .. "воскресенье", Monday first
    std::array<std::string, kRoyalHours> Hours;  // "Час 1-й" ...
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
// A movable day's saints ("N.2" sets) reach past Pentecost to the Sunday of All Saints of
// Russia, the second Sunday after it.
inline constexpr int kLastMovableSaintDay = 63;

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
    // The saints a movable day keeps beside its own readings (St Theodore's Saturday, the
    // Sunday of St Gregory Palamas, ...), in the data's order; empty when none.
    std::span<const ReadingSet> MovableSaints(int fromPascha) const;
    // The fixed feasts and saints of a Julian date with readings of their own, in the data's
    // order; empty when none.
    std::span<const ReadingSet> Fixed(int day, int month) const;
    const ReadingLabels& Labels() const { return labels_; }
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
    // A movable day's sets numbered 2..9, by the day.
    std::map<int, std::vector<ReadingSet>> movableSaints_;
    std::map<int, std::vector<ReadingSet>> fixed_;  // month * 100 + day
    ReadingLabels labels_;
    std::vector<NearDayRule> near_;                         // by rule number
    std::vector<std::pair<int, std::uint32_t>> nearIndex_;  // month * 100 + day, rule
    // The keys of nearIndex_ that a date can have, so that most dates are passed over without
    // a search: a day asks for fourteen or more of them.
    static constexpr int kNearKeys = 1300;
    std::bitset<kNearKeys> nearKeys_;
};

}  // namespace velorith
