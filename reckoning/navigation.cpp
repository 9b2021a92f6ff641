// Date navigation: the recomputation chains and the user-level steps.
#include "reckoning/navigation.h"

#include <ctime>
#include <utility>

namespace velorith {

namespace {

bool ValidGregorianDate(const CivilDate& d) {
    return d.Year >= 1 && d.Year <= 3000 && d.Day >= 1 &&
           d.Day <= MonthLength(kGregorian, d.Month, d.Year);
}

bool InRangeOf(const DateState& s, int k, std::int64_t day) {
    return s.MinDays[k] <= day && day <= s.MaxDays[k];
}

}  // namespace

CivilDate LocalToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

Navigator::Navigator(DateState& state, CalendarView* view, YearAssembler* assembler,
                     TodayClock clock)
    : s_(state), view_(view), assembler_(assembler) {
    SetClock(std::move(clock));
}

void Navigator::SetClock(TodayClock clock) {
    clock_ = clock ? std::move(clock) : TodayClock(LocalToday);
}

// ---- Recomputation chains ----

void Navigator::ChangeCal() {
    // The boundary fields of the new reckoning's record are stale; CurDay and its date are not.
    s_.SetYearInfo();
    if (assembler_ != nullptr) assembler_->SetYearDates();
    s_.SetMonthInfo();
    s_.SetWeekInfo();
    if (view_ != nullptr) {
        view_->SetYearsMonths();
        view_->SetWeeks();
        view_->CheckCalMenu(s_.CurCal);
    }
}

void Navigator::RecalcYear() {
    s_.SetLeap(s_.CurCal);
    s_.ClampDay();
    s_.SetDayNumber();
    s_.SetYearInfo();  // Pascha data first: the assembly reads it
    if (assembler_ != nullptr) assembler_->SetYearDates();
    s_.SetMonthInfo();
    s_.SetWeekInfo();
    s_.SyncCals();
    if (view_ != nullptr) view_->SetWeeks();
}

void Navigator::RecalcMonth() {
    s_.ClampDay();
    s_.SetDayNumber();
    s_.SetMonthInfo();
    s_.SetWeekInfo();
    s_.SyncCals();
}

void Navigator::RecalcDay() {
    s_.SetDayNumber();
    s_.SetWeekInfo();
    s_.SyncCals();
}

void Navigator::MoveWeeks(int n) {
    MoveBy(std::int64_t{n} * 7);
}

void Navigator::MoveDays(int n) {
    MoveBy(n);
}

void Navigator::MoveBy(std::int64_t s) {
    const std::int64_t t = std::int64_t{s_.CurDay} + s;
    // Callers test the range first; a target outside it is never applied.
    if (!InRangeOf(s_, s_.CurCal, t)) return;
    DateRec& r = s_.Cur();
    if (t < r.YearFirst || t > r.YearLast) {
        // Another year: derive all three records from the day number.
        s_.MoveToDay(static_cast<DayNum>(t));
        RecalcYear();
    } else if (r.Day + s > 0 && r.Day + s <= r.MonthDays[r.Month]) {
        r.Day = static_cast<std::int16_t>(r.Day + s);
        RecalcDay();
    } else {
        // Another month of the same year, by the day of the year.
        r.Day = static_cast<std::int16_t>(t - r.YearFirst + 1);
        s_.YearDayToDate(s_.CurCal);
        RecalcMonth();
    }
}

// ---- User-level operations ----

void Navigator::Redraw() {
    if (view_ == nullptr) return;
    view_->SetGridCal();
    view_->SetTabReport();
}

void Navigator::Refuse() {
    if (view_ != nullptr) view_->Beep();
}

bool Navigator::SwitchCal(int k) {
    if (!IsReckoning(k) || !s_.InRange(k, s_.CurDay)) return false;
    s_.CurCal = static_cast<std::int16_t>(k);
    ChangeCal();
    return true;
}

bool Navigator::SetYear(std::int64_t year, int month) {
    if (year < s_.MinYears[s_.CurCal] || year > s_.MaxYears[s_.CurCal]) return false;
    DateRec& r = s_.Cur();
    r.Year = static_cast<std::int16_t>(year);
    if (month != 0) r.Month = static_cast<std::int16_t>(month);
    RecalcYear();
    return true;
}

// The month `step` (-1 or 1) away, the day kept (ClampDay shortens it), across the year's end
// too; false, with the month unchanged, when that year lies outside the range.
bool Navigator::StepMonth(int step) {
    DateRec& r = s_.Cur();
    const int month = r.Month + step;
    if (month < 1 || month > 12) return SetYear(r.Year + step, step < 0 ? 12 : 1);
    r.Month = static_cast<std::int16_t>(month);
    RecalcMonth();
    return true;
}

bool Navigator::MoveChecked(std::int64_t days) {
    if (!InRangeOf(s_, s_.CurCal, std::int64_t{s_.CurDay} + days)) return false;
    MoveBy(days);
    return true;
}

bool Navigator::Choose(DateUnit unit, int newIndex, int oldIndex) {
    const std::int64_t delta = std::int64_t{newIndex} - oldIndex;
    bool accepted = true;
    switch (unit) {
        case DateUnit::Reckoning:
            accepted = SwitchCal(newIndex + 1);
            break;
        case DateUnit::Year:
            // The list offers only years of the range; anything else is put back too.
            accepted = SetYear(std::int64_t{s_.MinYears[s_.CurCal]} + newIndex, 0);
            break;
        case DateUnit::Month:
            accepted = newIndex >= 0 && newIndex <= 11;
            if (accepted) {
                s_.Cur().Month = static_cast<std::int16_t>(newIndex + 1);
                RecalcMonth();
            }
            break;
        case DateUnit::Week:
            accepted = MoveChecked(delta * 7);
            break;
        case DateUnit::Day:
            accepted = MoveChecked(delta);
            break;
        default:
            break;
    }
    return accepted;
}

void Navigator::StepBack(DateUnit unit) {
    Step(unit, -1);
}

void Navigator::StepOn(DateUnit unit) {
    Step(unit, 1);
}

void Navigator::Step(DateUnit unit, int dir) {
    DateRec& r = s_.Cur();
    bool accepted = false;
    switch (unit) {
        case DateUnit::Reckoning:
            accepted = SwitchCal((s_.CurCal - 1 + dir + 3) % 3 + 1);
            break;
        case DateUnit::Year:
            accepted = SetYear(r.Year + dir, 0);
            break;
        case DateUnit::Month:
            accepted = StepMonth(dir);
            break;
        case DateUnit::Week:
            accepted = MoveChecked(std::int64_t{dir} * 7);
            break;
        case DateUnit::Day:
            accepted = MoveChecked(dir);
            break;
        default:
            break;
    }
    if (!accepted) Refuse();
    Redraw();
}

void Navigator::GoNearMonth(int d, int dir) {
    DateRec& r = s_.Cur();
    // The grid offers only days inside the range; anything else is refused, not applied.
    bool accepted = d >= 1 && d <= 31;
    if (accepted) {
        const std::int16_t oldDay = r.Day;
        r.Day = static_cast<std::int16_t>(d);
        if (!StepMonth(dir == 1 ? -1 : 1)) {
            r.Day = oldDay;
            accepted = false;
        }
    }
    if (!accepted) Refuse();
    Redraw();
}

void Navigator::GoDay(int d) {
    DateRec& r = s_.Cur();
    if (d >= 1 && d <= r.MonthDays[r.Month]) {
        r.Day = static_cast<std::int16_t>(d);
        RecalcDay();
    } else {
        Refuse();
    }
    // The grid moves its own highlight.
    if (view_ != nullptr) view_->SetTabReport();
}

void Navigator::GoToday() {
    const CivilDate today = clock_();
    if (ValidGregorianDate(today)) {
        DateRec& g = s_.Dates[kGregorian];
        g.Year = static_cast<std::int16_t>(today.Year);
        g.Month = static_cast<std::int16_t>(today.Month);
        g.Day = static_cast<std::int16_t>(today.Day);
        s_.CurDay = DayNumber(kGregorian, today.Day, today.Month, today.Year);
        s_.DayToJulian();
        s_.JulianToWorld();
        RecalcYear();  // in the current reckoning, which stays
    } else {
        Refuse();
    }
    Redraw();
}

void Navigator::ChooseReckoning(int k) {
    if (!SwitchCal(k)) {
        Refuse();
        return;
    }
    Redraw();
}

}  // namespace velorith
