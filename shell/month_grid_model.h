// What the two small grids show, as plain cells: the month grid of the current reckoning (one
// row per weekday, one column per week, weekday names in column 0) and the selected date in
// the three reckonings. The widgets only draw these cells; every rule of filling, highlighting
// and clicking lives here.
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "reckoning/date_state.h"
#include "reckoning/name_tables.h"

namespace velorith {

struct GridCell {
    QString text;
    Rgb back;
    Rgb fore;
    bool bold = false;

    bool operator==(const GridCell&) const = default;
};

class MonthGridModel {
  public:
    static constexpr int kRows = 7;
    static constexpr int kCols = 7;

    GridCell& Cell(int row, int col) {
        return cells_.at(static_cast<std::size_t>(row * kCols + col));
    }
    const GridCell& Cell(int row, int col) const {
        return cells_.at(static_cast<std::size_t>(row * kCols + col));
    }

    // Column 0: the short weekday names from firstWeekday on, the Sunday label red and bold.
    // Returns the full names in the same order, for the weekday selector.
    std::vector<QString> SetWeekDaysNames(int firstWeekday);

    // Columns 1..6 from the date state and the month's red days (indexed 1..month length),
    // then the highlight on the selected day.
    void Fill(const DateState& state, const std::vector<bool>& redDays);

    // The cell of day n (1-based) of the displayed month, and back. The days run down the
    // columns from column 1, the first one at its weekday's row (firstRow, from 0).
    struct CellPos {
        int row = 0;
        int col = 0;
    };
    static constexpr CellPos CellOfDay(int firstRow, int n) {
        const int index = firstRow + n - 1;
        return {index % kRows, index / kRows + 1};
    }
    static constexpr int DayOfCell(int firstRow, int row, int col) {
        return (col - 1) * kRows + row - firstRow + 1;
    }
    // The row of the displayed month's first day, as Fill laid it out.
    int FirstDayRow() const { return firstDayRow_; }

    // What a left click on a cell asks for.
    struct Click {
        enum Kind { kNothing, kWeekday, kNearDay, kDay } kind = kNothing;
        int row = 0;
        int day = 0;  // kNearDay, kDay: the day of the month clicked
        int col = 0;  // kNearDay: the column, which tells the previous month from the next
    };
    // Moves the highlight to a clicked day of the month (without refilling anything) and says
    // what the program must do next.
    Click LeftClick(int row, int col);

    int SundayRow = 1;  // 1-based position of Sunday in the week as shown
    int MarkRow = 0;    // the highlighted cell and its own look
    int MarkCol = 1;
    GridCell MarkLook;
    int ClickRow = 0;
    int ClickCol = 0;

  private:
    Rgb Role(int role) const { return CalColors(curCal_, role); }
    void SetMark(int row, int col);

    std::array<GridCell, kRows * kCols> cells_{};
    int curCal_ = 2;
    int firstDayRow_ = 0;
};

// The three-reckonings grid: row r is reckoning r + 1, column 0 the label, column 1 the date.
class DatesGridModel {
  public:
    static constexpr int kRows = 3;
    static constexpr int kCols = 2;

    DatesGridModel();
    const GridCell& Cell(int row, int col) const {
        return cells_.at(static_cast<std::size_t>(row * kCols + col));
    }
    // Column 1 from Dates(1..3): "7 января 2000 " (day, genitive month, year, a trailing blank).
    void SetDatesCal(const DateState& state);

  private:
    std::array<GridCell, kRows * kCols> cells_{};
};

}  // namespace velorith
