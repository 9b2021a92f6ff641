// The window's additions to the original program: the month grid's keys, today's frame and
// the day tooltips, the panes' layout (whole numbered words, hanging indents, a readable
// column, no caret), going to a typed date and the print preview.
#include <QKeyEvent>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextEdit>

#include "dialogs/go_to_date_dialog.h"
#include "reports/calendar.h"
#include "shell/cell_grid.h"
#include "shell/day_tool_tip.h"
#include "shell/documents/pane_print.h"
#include "shell/main_window.h"
#include "shell/month_grid_keys.h"
#include "shell/pane_layout.h"
#include "shell/selector_bar.h"

namespace velorith {

void MainWindow::BuildAdditions() {
    for (int i = 0; i < kPaneCount; ++i) {
        // The panes are read-only: no blinking caret, while Shift and the arrows still select.
        Pane(i)->setCursorWidth(0);
        columns_.at(static_cast<std::size_t>(i)) = new ReadableColumn(Pane(i));
    }
    // In the Tab order after the selectors, and taken by a click.
    monthGrid_->setFocusPolicy(Qt::StrongFocus);
    monthGrid_->SetAccessibleSource([this](int row, int col, bool description) {
        return MonthCellAccessibleText(row, col, description);
    });
    monthGrid_->SetKeyHandler([this](const QKeyEvent& key) { return MonthGridKey(key); });
    monthGrid_->SetMarkSource([this] { return MonthGridMarks(); });
    monthGrid_->SetToolTipSource([this](int row, int col) { return MonthCellToolTip(row, col); });
}

void MainWindow::LayOutPane(int i) {
    LayOutReportPane(*Pane(i)->document());
    columns_.at(static_cast<std::size_t>(i))->Apply();
}

// --- month grid ------------------------------------------------------------------------------

bool MainWindow::MonthGridKey(const QKeyEvent& key) {
    return ApplyKeyStep(GridKeyStepOf(key.keyCombination()));
}

bool MainWindow::ApplyKeyStep(const std::optional<GridKeyStep>& step) {
    if (!step) return false;
    if (step->today) {
        navigator_.GoToday();
    } else if (step->dir < 0) {
        navigator_.StepBack(UnitOf(step->selector));
    } else {
        navigator_.StepOn(UnitOf(step->selector));
    }
    return true;
}

CellGrid::Marks MainWindow::MonthGridMarks() const {
    CellGrid::Marks marks;
    marks.focusRow = grid_.MarkRow;
    marks.focusCol = grid_.MarkCol;
    const DateState& s = calendar_.State();
    const DateRec& d = s.Cur();
    marks.fastCells = FastCells();
    const std::optional<DayNum> todayDay = TodayDay();
    if (!todayDay) return marks;
    const DayNum today = *todayDay;
    // The selected day is marked already; today shows its frame when another day is selected.
    if (today == s.CurDay || today < d.MonthFirst || today > d.MonthLast) return marks;
    const auto cell =
        MonthGridModel::CellOfDay(grid_.FirstDayRow(), static_cast<int>(today - d.MonthFirst) + 1);
    if (cell.col < MonthGridModel::kCols) {
        marks.todayRow = cell.row;
        marks.todayCol = cell.col;
    }
    return marks;
}

std::optional<DayNum> MainWindow::TodayDay() const {
    const CivilDate t = today_();
    // A clock gone wrong marks nothing.
    if (t.Year < 1 || t.Year > 3000 || t.Day < 1 ||
        t.Day > MonthLength(kGregorian, t.Month, t.Year))
        return std::nullopt;
    return DayNumber(kGregorian, t.Day, t.Month, t.Year);
}

std::vector<QPoint> MainWindow::FastCells() const {
    if (!calendar_.Settings().ShowFasting) return {};
    const DateState& s = calendar_.State();
    const DateRec& d = s.Cur();
    // The grid repaints often; its month's fast days are found once for each month shown.
    const FastCellsKey key{d.MonthFirst, s.CurCal, grid_.FirstDayRow()};
    if (key == fastCellsKey_) return fastCells_;
    fastCells_.clear();
    for (const DayInfo& day : calendar_.Frame(ReportKind::Month).Days) {
        if (!day.KeepsFast()) continue;
        const auto cell = MonthGridModel::CellOfDay(grid_.FirstDayRow(),
                                                    static_cast<int>(day.Day - d.MonthFirst) + 1);
        fastCells_.emplace_back(cell.col, cell.row);
    }
    fastCellsKey_ = key;
    return fastCells_;
}

std::optional<DayNum> MainWindow::MonthCellDay(int row, int col) const {
    if (row < 0 || row >= MonthGridModel::kRows || col < 1 || col >= MonthGridModel::kCols)
        return std::nullopt;
    if (grid_.Cell(row, col).text.isEmpty()) return std::nullopt;
    const DateState& s = calendar_.State();
    const DateRec& d = s.Cur();
    const DayNum day = d.MonthFirst + MonthGridModel::DayOfCell(grid_.FirstDayRow(), row, col) - 1;
    if (!s.InRange(s.CurCal, day)) return std::nullopt;
    return day;
}

QString MainWindow::MonthCellToolTip(int row, int col) const {
    const std::optional<DayNum> day = MonthCellDay(row, col);
    return day ? DayToolTip(calendar_.DayAt(*day)) : QString();
}

QString MainWindow::MonthCellAccessibleText(int row, int col, bool description) const {
    if (col == 0 && row >= 0 && row < MonthGridModel::kRows) {
        // The weekday names: the full name, as the weekday list has it.
        return description ? QString() : selectors_->Combo(kDaySelector)->itemText(row);
    }
    const std::optional<DayNum> day = MonthCellDay(row, col);
    if (!day) return {};
    const DayInfo info = calendar_.DayAt(*day);
    return description ? DayAccessibleDescription(info) : DayAccessibleName(info);
}

// --- going to a date -------------------------------------------------------------------------

GoToDateDialog* MainWindow::GoToDate() const {
    return goToDateDialog_;
}

void MainWindow::mnuGoToDate_Click() {
    if (RaiseIfOpen(goToDateDialog_)) return;
    const DateState& s = calendar_.State();
    const DateRec& d = s.Cur();
    goToDateDialog_ = new GoToDateDialog(s.CurCal, CalendarDate{d.Year, d.Month, d.Day},
                                         s.MinDays[s.CurCal], s.MaxDays[s.CurCal], this);
    goToDateDialog_->setAttribute(Qt::WA_DeleteOnClose);
    // The reckoning and the range it was opened with hold while it is open.
    goToDateDialog_->setWindowModality(Qt::WindowModal);
    connect(goToDateDialog_, &GoToDateDialog::dateChosen, this, &MainWindow::GoToChosenDate);
    goToDateDialog_->show();
}

void MainWindow::GoToChosenDate(int year, int month, int day) {
    DateState& s = calendar_.State();
    if (!s.InRange(s.CurCal, DayNumber(s.CurCal, day, month, year))) {
        Beep();
        return;
    }
    DateRec& r = s.Cur();
    r.Year = static_cast<std::int16_t>(year);
    r.Month = static_cast<std::int16_t>(month);
    r.Day = static_cast<std::int16_t>(day);
    navigator_.RecalcYear();
    SetGridCal();
    SetTabReport();
    // The day just chosen is what the keys move next.
    monthGrid_->setFocus();
}

// --- print preview ---------------------------------------------------------------------------

QPrintPreviewDialog* MainWindow::Preview() const {
    return preview_;
}

void MainWindow::mnuPreview_Click() {
    if (RaiseIfOpen(preview_)) return;
    auto* preview = new QPrintPreviewDialog(this);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowTitle(QStringLiteral("Предварительный просмотр"));
    // What the print command prints: the selection if the pane has one, else the whole pane.
    QPointer<QTextEdit> pane = CurrentPane();
    connect(preview, &QPrintPreviewDialog::paintRequested, this, [pane](QPrinter* printer) {
        if (pane && printer != nullptr) PrintPane(*pane, *printer, true);
    });
    preview_ = preview;
    preview->open();
}

}  // namespace velorith
