// The selected date, held at once as a day number and as year, month and day in each of the
// three reckonings, with the boundaries of its year, month and week and the Pascha data of its
// year. One instance lives for the whole run; reports save and restore it around their walks.
#pragma once

#include <array>
#include <cstdint>

#include "reckoning/calendar_dates.h"

namespace velorith {

// One reckoning's view of the selected date.
struct DateRec {
    std::int16_t Year = 0;
    std::int16_t FebMonth = 2;
    std::array<std::int16_t, 13> MonthDays{};  // element 0 unused
    DayNum YearFirst = 0;
    DayNum YearLast = 0;
    std::int16_t YearFirstWD = 0;
    std::int16_t YearDays = 0;
    std::int16_t YearWeeks = 0;
    std::int16_t Month = 1;
    DayNum MonthFirst = 0;
    DayNum MonthLast = 0;
    std::int16_t MonthFirstWD = 0;
    std::int16_t Week = 0;
    DayNum WeekFirst = 0;
    DayNum WeekLast = 0;
    std::int16_t Day = 1;

    bool operator==(const DateRec&) const = default;
};

// Pascha data of the current year of the current reckoning.
struct PaschaInfoRec {
    std::int16_t PaschaYear = 0;
    DayNum CurPascha = 0;
    DayNum PrevPascha = 0;
    std::int16_t PaschaWeek = 0;
    std::int16_t FirstPentWeek = 0;
    std::int16_t LastPentWeek = 0;

    bool operator==(const PaschaInfoRec&) const = default;
};

// What the month computation asks of the data layer once the month's boundaries are known:
// the marking of the displayed month's red days.
class MonthListener {
  public:
    virtual ~MonthListener() = default;
    virtual void SetRedDays() = 0;
};

class DateState {
  public:
    DateState();  // name tables are constants; this sets FebMonth and the start-up month lengths

    std::int16_t CurCal = kGregorian;
    DayNum CurDay = 0;
    std::int16_t CurWeekDay = 1;
    std::int16_t FirstWeekday = 7;
    std::array<DateRec, 4> Dates{};  // 1..3
    PaschaInfoRec PaschaInfo{};

    std::array<std::int16_t, 4> MinYears{};
    std::array<std::int16_t, 4> MaxYears{};
    std::array<DayNum, 4> MinDays{};
    std::array<DayNum, 4> MaxDays{};

    DateRec& Cur() { return Dates[CurCal]; }
    const DateRec& Cur() const { return Dates[CurCal]; }
    // The current reckoning as its type (CurCal is kept in 1..3).
    Reckoning CurReckoning() const { return IsReckoning(CurCal) ? Reckoning(CurCal) : kJulian; }

    // Sets the limit arrays from a Julian year range; years are held to 1..3000.
    void SetRange(int minYear, int maxYear);
    // Whether day lies in the working range of reckoning k (never for an unknown k).
    bool InRange(int k, DayNum day) const {
        return IsReckoning(k) && MinDays[k] <= day && day <= MaxDays[k];
    }

    void SaveDate();
    void RestoreDate();

    // A copy to walk: the same date and data, no month listener, so moving the copy marks
    // nothing of the window's month.
    DateState Detached() const {
        DateState copy = *this;
        copy.monthListener_ = nullptr;
        return copy;
    }

    // Makes d the current day number with its weekday, and derives its date in the three
    // reckonings (through the Julian one). The boundaries of year, month and week stay.
    void MoveToDay(DayNum d);

    // Calendar arithmetic on the state.
    DayNum GetYearFirst(int k, DayNum n, int m, int d) const;
    void SetLeap(int k);
    void WorldToJulian();
    void JulianToWorld();
    void DayToJulian();
    void JulianToGregorian();
    void YearDayToDate(int k);
    void ClampDay();
    void SetDayNumber();
    void SyncCals();
    void SetYearInfo();
    void SetMonthInfo();
    void SetWeekInfo();

    // Paschalion: Pascha of year Y numbered in the current reckoning; sets PaschaYear.
    DayNum GetPascha(int y);

    // The listener SetMonthInfo calls last; none while the data layer is not attached.
    void SetMonthListener(MonthListener* listener) { monthListener_ = listener; }

  private:
    void SetPaschaInfo();

    std::array<DateRec, 4> SavedDates{};
    PaschaInfoRec SavedPaschaInfo{};
    DayNum SavedCurDay = 0;
    std::int16_t SavedCurWeekDay = 1;
    MonthListener* monthListener_ = nullptr;
};

// Week arithmetic.
int WeekDayPos(int firstWeekday, int weekday);
int WeekNumber(DayNum first, int firstWD, DayNum n);

}  // namespace velorith
