// "Месяц крупно": the large month beside the window, kept in step with the selected date.
#include <QAction>
#include <QKeyEvent>

#include "reports/calendar.h"
#include "shell/main_window.h"
#include "shell/month_view.h"

namespace velorith {

void MainWindow::mnuMonthView_Click() {
    if (monthView_ != nullptr && monthView_->isVisible()) {
        monthView_->close();
        return;
    }
    if (monthView_ == nullptr) {
        monthView_ = new MonthView(this);  // a window of its own, owned by this one
        connect(monthView_, &MonthView::closed, this,
                [this] { monthViewAction_->setChecked(false); });
        connect(monthView_->Table(), &MonthTable::dayClicked, this, &MainWindow::SelectDayOfMonth);
        monthView_->Table()->SetKeyHandler([this](const QKeyEvent& key) {
            return ApplyKeyStep(MonthViewKeyStepOf(key.keyCombination()));
        });
    }
    monthViewKey_ = {};
    monthView_->show();
    RefreshMonthView();
    monthView_->raise();
    monthView_->activateWindow();
    monthView_->Table()->setFocus();
    monthViewAction_->setChecked(true);
}

void MainWindow::RefreshMonthView() {
    if (monthView_ == nullptr || !monthView_->isVisible()) return;
    const DateState& s = calendar_.State();
    const MonthViewKey key{s.Cur().MonthFirst, s.CurCal, s.FirstWeekday};
    if (key != monthViewKey_) {
        monthLayout_ = LayOutMonth(calendar_.Frame(ReportKind::Month).Days, s.FirstWeekday);
        monthViewKey_ = key;
    }
    monthView_->Show(monthLayout_, s.CurDay, TodayDay().value_or(0));
}

void MainWindow::SelectDayOfMonth(DayNum day) {
    const DateRec& d = calendar_.State().Cur();
    if (day < d.MonthFirst || day > d.MonthLast) return;
    const auto cell =
        MonthGridModel::CellOfDay(grid_.FirstDayRow(), static_cast<int>(day - d.MonthFirst) + 1);
    MSFlexGrid1_Click(cell.row, cell.col);
}

}  // namespace velorith
