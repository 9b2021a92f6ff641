// The date state: start-up month lengths, the working range, the backup slot, and the
// conversions that keep the three records naming one day.
#include "reckoning/date_state.h"

#include <algorithm>

#include "reckoning/int_math.h"

namespace velorith {

namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 3000;

// Length of month m of a record; a month number out of 1..12 reads as the nearest month, so
// a damaged record never indexes past the table.
int MonthLength(const DateRec& r, int m) {
    return r.MonthDays[std::clamp(m, 1, 12)];
}

}  // namespace

DateState::DateState() {
    Dates[kWorld].FebMonth = 6;
    Dates[kJulian].FebMonth = 2;
    Dates[kGregorian].FebMonth = 2;
    // Year 1 is a common year in every reckoning.
    for (int k = kWorld; k <= kGregorian; ++k) {
        for (int m = 1; m <= 12; ++m)
            Dates[k].MonthDays[m] = static_cast<std::int16_t>(MonthLength(k, m, 1));
    }
    SetRange(1901, 2100);
}

void DateState::SetRange(int minYear, int maxYear) {
    // Years outside 1..3000 are beyond what the arithmetic is built for.
    minYear = std::clamp(minYear, kFirstYear, kLastYear);
    maxYear = std::clamp(maxYear, kFirstYear, kLastYear);
    MinYears = {0, static_cast<std::int16_t>(minYear + kWorldYearOffset),
                static_cast<std::int16_t>(minYear), static_cast<std::int16_t>(minYear)};
    MaxYears = {0, static_cast<std::int16_t>(maxYear + kWorldYearOffset),
                static_cast<std::int16_t>(maxYear), static_cast<std::int16_t>(maxYear)};
    for (int k = kWorld; k <= kGregorian; ++k) {
        MinDays[k] = DayNumber(k, 1, 1, MinYears[k]);
        MaxDays[k] = DayNumber(k, 31, 12, MaxYears[k]);
    }
}

void DateState::SaveDate() {
    SavedDates = Dates;
    SavedPaschaInfo = PaschaInfo;
    SavedCurDay = CurDay;
    SavedCurWeekDay = CurWeekDay;
}

void DateState::RestoreDate() {
    Dates = SavedDates;
    PaschaInfo = SavedPaschaInfo;
    CurDay = SavedCurDay;
    CurWeekDay = SavedCurWeekDay;
}

void DateState::MoveToDay(DayNum d) {
    CurDay = d;
    DayToJulian();
    JulianToWorld();
    JulianToGregorian();
    CurWeekDay = static_cast<std::int16_t>(WeekDayOf(d));
}

DayNum DateState::GetYearFirst(int k, DayNum n, int m, int d) const {
    if (!IsReckoning(k)) return n;
    const DateRec& r = Dates[k];
    DayNum before = 0;
    for (int i = 1; i < std::min(m, 13); ++i)
        before += r.MonthDays[i];
    return n - before - d + 1;
}

void DateState::SetLeap(int k) {
    if (!IsReckoning(k)) return;
    DateRec& r = Dates[k];
    const bool leap = IsLeapYear(k, r.Year);
    r.MonthDays[std::clamp<int>(r.FebMonth, 1, 12)] = leap ? 29 : 28;
    r.YearDays = leap ? 366 : 365;
}

void DateState::WorldToJulian() {
    const DateRec& w = Dates[kWorld];
    DateRec& j = Dates[kJulian];
    const CalendarDate d = WorldToJulianMonth(w.Year, w.Month, w.Day);
    j.Year = static_cast<std::int16_t>(d.Year);
    j.Month = static_cast<std::int16_t>(d.Month);
    j.Day = static_cast<std::int16_t>(d.Day);
    SetLeap(kJulian);
}

void DateState::JulianToWorld() {
    const DateRec& j = Dates[kJulian];
    DateRec& w = Dates[kWorld];
    const CalendarDate d = JulianToWorldMonth(j.Year, j.Month, j.Day);
    w.Year = static_cast<std::int16_t>(d.Year);
    w.Month = static_cast<std::int16_t>(d.Month);
    w.Day = static_cast<std::int16_t>(d.Day);
    SetLeap(kWorld);
}

void DateState::DayToJulian() {
    // Day 1721423 is Julian 31 December of year 0. Rounding the four-year quotient down keeps
    // the days of year 0 (the World reckoning's first year begins in its September) exact.
    const std::int64_t n = std::int64_t{CurDay} - 1721423;
    std::int64_t year = FloorDiv(n, 1461) * 4;
    std::int64_t r = FloorMod(n, 1461);
    for (int i = 0; i < 3 && r - 365 >= 1; ++i) {
        ++year;
        r -= 365;
    }
    if (r > 0) {
        ++year;
    } else {
        r = 366;  // the last day of a four-year cycle is 31 December of its leap year
    }
    DateRec& j = Dates[kJulian];
    j.Year = static_cast<std::int16_t>(year);
    j.Day = static_cast<std::int16_t>(r);
    SetLeap(kJulian);
    YearDayToDate(kJulian);
}

void DateState::JulianToGregorian() {
    const DateRec& j = Dates[kJulian];
    DateRec& g = Dates[kGregorian];
    const int y = j.Year;
    int year = y;
    int month = j.Month;
    int day = j.Day + static_cast<int>(FloorDiv(y, 100) - FloorDiv(y, 400) - 2);
    // A Julian 29 February of a Gregorian common century year is past the Gregorian February.
    if (FloorMod(y, 100) == 0 && FloorMod(y, 400) != 0 && month < 3) --day;
    if (month == 12 && day > 31) {
        day -= 31;
        month = 1;
        ++year;
    } else if (month == 1 && day < 1) {
        day += 31;
        month = 12;
        --year;
    }
    g.Year = static_cast<std::int16_t>(year);
    SetLeap(kGregorian);
    if (day < 1) {
        --month;
        day += MonthLength(g, month);
    }
    if (day > MonthLength(g, month)) {
        day -= MonthLength(g, month);
        ++month;
    }
    g.Month = static_cast<std::int16_t>(month);
    g.Day = static_cast<std::int16_t>(day);
}

void DateState::YearDayToDate(int k) {
    if (!IsReckoning(k)) return;
    DateRec& r = Dates[k];
    int month = 1;
    int day = r.Day;
    while (month < 12 && day > r.MonthDays[month]) {
        day -= r.MonthDays[month];
        ++month;
    }
    r.Month = static_cast<std::int16_t>(month);
    r.Day = static_cast<std::int16_t>(day);
}

void DateState::ClampDay() {
    DateRec& r = Cur();
    const int len = MonthLength(r, r.Month);
    if (r.Day > len) r.Day = static_cast<std::int16_t>(len);
}

void DateState::SetDayNumber() {
    const DateRec& r = Cur();
    CurDay = DayNumber(CurCal, r.Day, r.Month, r.Year);
    CurWeekDay = static_cast<std::int16_t>(WeekDayOf(CurDay));
}

void DateState::SyncCals() {
    switch (CurCal) {
        case kWorld:
            WorldToJulian();
            JulianToGregorian();
            break;
        case kJulian:
            JulianToWorld();
            JulianToGregorian();
            break;
        case kGregorian:
            // The Gregorian record is the source; there is no direct way back to Julian.
            DayToJulian();
            JulianToWorld();
            break;
        default:
            break;
    }
}

void DateState::SetYearInfo() {
    DateRec& r = Cur();
    r.YearFirst = GetYearFirst(CurCal, CurDay, r.Month, r.Day);
    r.YearFirstWD = static_cast<std::int16_t>(WeekDayOf(r.YearFirst));
    r.YearLast = r.YearFirst + r.YearDays - 1;
    r.YearWeeks = static_cast<std::int16_t>(WeekNumber(r.YearFirst, r.YearFirstWD, r.YearLast));
    r.Week = static_cast<std::int16_t>(WeekNumber(r.YearFirst, r.YearFirstWD, CurDay));
    SetPaschaInfo();
}

void DateState::SetMonthInfo() {
    DateRec& r = Cur();
    r.MonthFirst = CurDay - r.Day + 1;
    r.MonthLast = r.MonthFirst + MonthLength(r, r.Month) - 1;
    r.MonthFirstWD = static_cast<std::int16_t>(WeekDayOf(r.MonthFirst));
    // The red days need the month's boundaries, so they come last.
    if (monthListener_ != nullptr) monthListener_->SetRedDays();
}

void DateState::SetWeekInfo() {
    DateRec& r = Cur();
    const int p = WeekDayPos(7, CurWeekDay);
    r.WeekFirst = CurDay - p + 1;
    r.WeekLast = CurDay - p + 7;
    r.Week = static_cast<std::int16_t>(WeekNumber(r.YearFirst, r.YearFirstWD, CurDay));
}

}  // namespace velorith
