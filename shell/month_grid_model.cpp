#include "shell/month_grid_model.h"

#include "calendar/phrases.h"

namespace velorith {

std::vector<QString> MonthGridModel::SetWeekDaysNames(int firstWeekday) {
    SundayRow = WeekDayPos(firstWeekday, 7);
    std::vector<QString> names;
    for (int i = 0; i < kRows; ++i) {
        int w = (firstWeekday + i - 1) % 7 + 1;
        GridCell& cell = Cell(i, 0);
        cell.text = QString::fromUtf8(DayNames(w, kShortDay).data(),
                                      static_cast<int>(DayNames(w, kShortDay).size()));
        cell.back = Role(kBackColor);
        names.push_back(QString::fromUtf8(DayNames(w, kCivilDay).data(),
                                          static_cast<int>(DayNames(w, kCivilDay).size())));
    }
    // The labels take the reckoning-1 text colours; every label but Sunday's is navy, so a
    // change of the first weekday leaves no stale red label behind.
    for (int i = 0; i < kRows; ++i) {
        GridCell& cell = Cell(i, 0);
        bool sunday = i == SundayRow - 1;
        cell.fore = CalColors(1, sunday ? kSundayText : kOrdinaryText);
        cell.bold = sunday;
    }
    return names;
}

void MonthGridModel::Fill(const DateState& s, const std::vector<bool>& redDays) {
    curCal_ = s.CurCal;
    const DateRec& d = s.Cur();
    for (int r = 0; r < kRows; ++r)
        Cell(r, 0).back = Role(kBackColor);

    // The previous month's tail; none before the first month of the working range.
    int prev = 0;
    if (s.MinYears[s.CurCal] < d.Year) {
        prev = d.MonthDays[d.Month == 1 ? 12 : d.Month - 1];
    } else if (d.Month > 1) {
        prev = d.MonthDays[d.Month - 1];
    }
    int start = WeekDayPos(s.FirstWeekday, d.MonthFirstWD);
    for (int r = start - 2, n = prev; r >= 0; --r, --n) {
        Cell(r, 1) = GridCell{n < 1 ? QString() : QString::number(n), Role(kBackColor),
                              Role(kNeighbourText), false};
    }

    firstDayRow_ = start - 1;
    int row = firstDayRow_;
    int col = 1;
    int markRow = row;
    int markCol = col;
    for (int day = 1; day <= d.MonthDays[d.Month] && col < kCols; ++day) {
        bool red = day < static_cast<int>(redDays.size()) && redDays[static_cast<std::size_t>(day)];
        bool sunday = row == SundayRow - 1;
        Cell(row, col) = GridCell{QString::number(day), Role(red ? kRedDayBack : kBackColor),
                                  Role(sunday ? kSundayText : kOrdinaryText), sunday};
        if (day == d.Day) {
            markRow = row;
            markCol = col;
        }
        if (++row == kRows) {
            row = 0;
            ++col;
        }
    }

    // The following month's head; none after the last month of the working range.
    bool hasNext = d.Year < s.MaxYears[s.CurCal] || d.Month < 12;
    for (int day = 1; day <= 31 && col < kCols; ++day) {
        Cell(row, col) = GridCell{hasNext ? QString::number(day) : QString(), Role(kBackColor),
                                  Role(kNeighbourText), false};
        if (++row == kRows) {
            row = 0;
            ++col;
        }
    }

    SetMark(markRow, markCol);
}

void MonthGridModel::SetMark(int row, int col) {
    MarkRow = row;
    MarkCol = col;
    MarkLook = Cell(row, col);
    GridCell& cell = Cell(row, col);
    cell.back = Role(kSelectedBack);
    cell.fore = Role(kSelectedText);
    cell.bold = true;
}

MonthGridModel::Click MonthGridModel::LeftClick(int row, int col) {
    if (row < 0 || row >= kRows || col < 0 || col >= kCols) return {};
    ClickCol = col;
    if (col == 0) return Click{Click::kWeekday, row, 0, 0};
    ClickRow = row;
    const GridCell& cell = Cell(row, col);
    if (cell.text.isEmpty() || cell.back == Role(kSelectedBack)) return {};
    int day = cell.text.toInt();
    Cell(MarkRow, MarkCol) = MarkLook;
    if (cell.fore == Role(kNeighbourText)) return Click{Click::kNearDay, row, day, col};
    SetMark(row, col);
    return Click{Click::kDay, row, day, col};
}

DatesGridModel::DatesGridModel() {
    static constexpr const char* kLabels[] = {"от С.М.", "от Р.Х.", "от Р.Х."};
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            GridCell& cell = cells_.at(static_cast<std::size_t>(r * kCols + c));
            cell.back = CalColors(r + 1, kBackColor);
            cell.fore = Rgb{0, 0, 0};
        }
        cells_.at(static_cast<std::size_t>(r * kCols)).text = QString::fromUtf8(kLabels[r]);
    }
}

void DatesGridModel::SetDatesCal(const DateState& s) {
    for (int k = 1; k <= 3; ++k) {
        const DateRec& d = s.Dates[static_cast<std::size_t>(k)];
        std::string_view month = MonthNames(CalendarMonth(k, d.Month), kGenitive);
        cells_.at(static_cast<std::size_t>((k - 1) * kCols + 1)).text =
            QStringLiteral("%1 %2 %3 ")
                .arg(d.Day)
                .arg(QString::fromUtf8(month.data(), static_cast<int>(month.size())))
                .arg(d.Year);
    }
}

}  // namespace velorith
