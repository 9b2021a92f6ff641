// Every change of the selected date or of the current reckoning: the recomputation chains
// that keep DateState consistent, and the user-level steps that hold the date inside the
// working range and then have the window redraw itself.
#pragma once

#include <cstdint>
#include <functional>

#include "reckoning/date_state.h"

namespace velorith {

// What navigation asks of the main window. Tests replace it with a recorder.
class CalendarView {
  public:
    virtual ~CalendarView() = default;
    virtual void SetGridCal() = 0;         // month grid, selectors, three-reckonings grid
    virtual void SetTabReport() = 0;       // report of the selected tab
    virtual void SetYearsMonths() = 0;     // year and month selector lists
    virtual void SetWeeks() = 0;           // week selector list
    virtual void CheckCalMenu(int k) = 0;  // check reckoning menu item k, uncheck the others
    virtual void Beep() = 0;               // a refused step
};

// The placing of every table entry in the current year (the data layer).
class YearAssembler {
  public:
    virtual ~YearAssembler() = default;
    virtual void SetYearDates() = 0;
};

// A Gregorian calendar date.
struct CivilDate {
    int Year = 0;
    int Month = 0;
    int Day = 0;
};
// Source of today's Gregorian date.
using TodayClock = std::function<CivilDate()>;
// Today's date by the computer's local clock.
CivilDate LocalToday();

// What a date is stepped or chosen by: the reckoning, the year, the month, the week, the day.
enum class DateUnit : int { Reckoning = 0, Year, Month, Week, Day };

class Navigator {
  public:
    // view and assembler may be null (before the window exists, in tests of the arithmetic);
    // their steps are then skipped. The clock defaults to LocalToday.
    explicit Navigator(DateState& state, CalendarView* view = nullptr,
                       YearAssembler* assembler = nullptr, TodayClock clock = {});

    void SetView(CalendarView* view) { view_ = view; }
    void SetClock(TodayClock clock);

    // Recomputation chains; all act on Dates(CurCal).
    void ChangeCal();    // after a change of CurCal
    void RecalcYear();   // after a change of Year (and month or day with it)
    void RecalcMonth();  // after a change of Month (and day) within the year
    void RecalcDay();    // after a change of Day within the month
    // CurDay by 7 * n or by n days. Callers check the working range first; a target outside
    // it is ignored.
    void MoveWeeks(int n);
    void MoveDays(int n);

    // User-level operations. A step that would leave the working range changes nothing: it
    // beeps, or a choice is refused. Each ends by redrawing the grid and the report (GoDay the
    // report only; ChooseReckoning only when the switch was made); Choose leaves the redrawing
    // to its caller, who first puts back the list whose choice was refused.
    // The value at newIndex of a list of the unit's values (reckonings 1..3, the range's years,
    // months 1..12, the year's weeks, the week's days), the list showing oldIndex before;
    // false, with nothing changed, when refused.
    bool Choose(DateUnit unit, int newIndex, int oldIndex);
    void StepBack(DateUnit unit);      // one unit back
    void StepOn(DateUnit unit);        // one unit on
    void GoNearMonth(int d, int dir);  // day d of the previous (dir = 1) or next month
    void GoDay(int d);                 // day d of the displayed month
    void GoToday();
    void ChooseReckoning(int k);  // reckoning k = 1..3
    void Redraw();

  private:
    void Refuse();
    void Step(DateUnit unit, int dir);
    void MoveBy(std::int64_t s);
    bool MoveChecked(std::int64_t days);
    bool SwitchCal(int k);
    bool SetYear(std::int64_t year, int month);
    bool StepMonth(int step);

    DateState& s_;
    CalendarView* view_;
    YearAssembler* assembler_;
    TodayClock clock_;
};

}  // namespace velorith
