// What navigation redraws (grids, selectors, the report pane), the clicks on the grids, the
// tabs, the display options and the search field.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

#include "dialogs/pane_hyphens.h"
#include "reckoning/movable_cycle.h"
#include "reports/calendar.h"
#include "shell/busy_pointer.h"
#include "shell/cell_grid.h"
#include "shell/main_window.h"
#include "shell/paper_palette.h"
#include "shell/rtf_document.h"
#include "shell/selector_bar.h"
#include "shell/temp_files.h"

namespace velorith {

void MainWindow::SetGridCal() {
    const DateState& s = calendar_.State();
    QColor back = ToQColor(CalColors(s.CurCal, kBackColor));
    selectors_->SetBackground(back);
    monthGrid_->SetBackground(CalColors(s.CurCal, kBackColor));
    grid_.Fill(s, calendar_.RedDays());
    monthGrid_->Show(grid_);
    selectors_->SetIndices(s);
    SetDatesCal();
}

void MainWindow::SetDatesCal() {
    dates_.SetDatesCal(calendar_.State());
    datesGrid_->Show(dates_);
    RefreshMonthView();
}

void MainWindow::SetWeekDaysNames() {
    std::vector<QString> names = grid_.SetWeekDaysNames(calendar_.State().FirstWeekday);
    selectors_->SetWeekDays(names);
    monthGrid_->Show(grid_);
}

void MainWindow::SetTabReport() {
    int tab = tabs_->currentIndex();
    // The week, month and year reports walk through many days: show that the program works.
    std::optional<BusyPointer> busy;
    if (tab >= kWeekTab && tab <= kYearTab) busy.emplace();
    TabUpdate update = calendar_.SetTabReport(tab);
    if (update.render) ShowDocument(tab, std::move(update.document));
    RefreshMonthView();
}

void MainWindow::ShowDocument(int i, std::string document) {
    ++renderCount_;
    std::string bytes = Calendar::DocumentBytes(document);
    // The pane's file is what a later look at the report would find; a failing write loses
    // nothing, since the pane shows the document from memory.
    if (temps_ != nullptr && i < kTempFileCount) temps_->Write(i, bytes);
    FillPane(i, bytes);
    Pane(i)->moveCursor(QTextCursor::Start);  // a new report is read from its top
    paneDocs_.at(static_cast<std::size_t>(i)) = std::move(document);
}

void MainWindow::FillPane(int i, std::string_view bytes) {
    QTextEdit* pane = Pane(i);
    LoadRtf(*pane->document(), bytes);
    if (systemColours_) ReadableInk(*pane->document(), pane->palette().color(QPalette::Base));
    LayOutPane(i);
}

void MainWindow::SetSystemColours(bool on) {
    systemColours_ = on;
    if (systemColoursAction_ != nullptr) systemColoursAction_->setChecked(on);
    const QPalette desktop = QApplication::palette();
    for (int i = 0; i < kPaneCount; ++i) {
        QTextEdit* pane = Pane(i);
        pane->setPalette(WidgetColours(pane->palette(), QColor(Qt::white), on, desktop));
        FillPane(i, PaneBytes(i));
        pane->moveCursor(QTextCursor::Start);
    }
    monthGrid_->SetSystemColours(on);
    datesGrid_->SetSystemColours(on);
    selectors_->SystemColours = on;
    SetGridCal();
    SetWeekDaysNames();
}

void MainWindow::mnuSystemColours_Click() {
    SetSystemColours(!systemColours_);
}

std::string MainWindow::PaneBytes(int i) const {
    // The abbreviations pane holds the data file's bytes as they are.
    if (i == kAbbrTab) return paneDocs_[kAbbrTab];
    return Calendar::DocumentBytes(paneDocs_.at(static_cast<std::size_t>(i)));
}

void MainWindow::SetYearsMonths() {
    selectors_->SetYearsMonths(calendar_.State());
}

void MainWindow::SetWeeks() {
    selectors_->SetWeeks(WeekLabels(calendar_.State()));
}

void MainWindow::CheckCalMenu(int k) {
    for (int i = 1; i <= 3; ++i)
        reckoningActions_.at(static_cast<std::size_t>(i))->setChecked(i == k);
}

void MainWindow::Beep() {
    QApplication::beep();
}

void MainWindow::PutComboBack(int i, int oldIndex) {
    selectors_->Choose(i, oldIndex);
}

// --- grids -----------------------------------------------------------------------------------

void MainWindow::MSFlexGrid1_Click(int row, int col) {
    MonthGridModel::Click click = grid_.LeftClick(row, col);
    switch (click.kind) {
        case MonthGridModel::Click::kNothing:
            return;
        case MonthGridModel::Click::kWeekday:
            // A choice in the weekday list, exactly as if the user had made it there.
            selectors_->Choose(kDaySelector, click.row);
            return;
        case MonthGridModel::Click::kNearDay:
            monthGrid_->Show(grid_);
            navigator_.GoNearMonth(click.day, click.col);
            return;
        case MonthGridModel::Click::kDay: {
            monthGrid_->Show(grid_);  // the highlight moves; nothing is rebuilt
            navigator_.GoDay(click.day);
            const DateState& s = calendar_.State();
            selectors_->SetIndex(kWeekSelector, s.Cur().Week - 1);
            selectors_->SetIndex(kDaySelector, WeekDayPos(s.FirstWeekday, s.CurWeekDay) - 1);
            SetDatesCal();
            return;
        }
    }
}

void MainWindow::MSFlexGrid2_Click(int row, int /*col*/) {
    DateState& s = calendar_.State();
    int k = row + 1;
    if (k == s.CurCal) return;
    if (!s.InRange(k, s.CurDay)) {
        Beep();
        return;
    }
    BusyPointer busy;
    s.CurCal = static_cast<std::int16_t>(k);
    navigator_.ChangeCal();
    SetGridCal();
    SetTabReport();
}

// --- tabs and display options ----------------------------------------------------------------

void MainWindow::SSTab1_Click(int previousTab) {
    int tab = tabs_->currentIndex();
    if (tab == kSearchTab) {
        QTextCursor selection = Pane(std::clamp(previousTab, 0, kPaneCount - 1))->textCursor();
        if (selection.hasSelection()) {
            searchField_->setText(WithReportHyphens(
                selection.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char(' '))));
        }
        searchField_->setFocus();
    }
    for (int i = 0; i < kPaneCount; ++i)
        tabActions_.at(static_cast<std::size_t>(i))->setChecked(i == tab);
    SetTabReport();
    TestmnuFile();
}

void MainWindow::mnuTab_Click(int i) {
    for (int t = 0; t < kPaneCount; ++t)
        tabActions_.at(static_cast<std::size_t>(t))->setChecked(t == i);
    tabs_->setCurrentIndex(i);
}

// A display option of the reports switched from its menu item: every pane is rendered anew.
void MainWindow::ToggleReportOption(bool& flag, QAction* item) {
    flag = !flag;
    item->setChecked(flag);
    calendar_.ResetReports();
    monthViewKey_ = {};  // the large month shows the fast too
    SetTabReport();
}

void MainWindow::mnuIndiction_Click() {
    ToggleReportOption(calendar_.Settings().ShowIndiction, indictionAction_);
}

void MainWindow::mnuAllStyles_Click() {
    ToggleReportOption(calendar_.Settings().ShowAllStyles, allStylesAction_);
}

void MainWindow::mnuFasting_Click() {
    ToggleReportOption(calendar_.Settings().ShowFasting, fastingAction_);
    // The month grid's fast dots come and go with the option, not at its next redraw.
    monthGrid_->viewport()->update();
}

void MainWindow::mnuReadings_Click() {
    ToggleReportOption(calendar_.Settings().ShowReadings, readingsAction_);
}

void MainWindow::mnuZachala_Click() {
    ToggleReportOption(calendar_.Settings().ShowZachala, zachalaAction_);
}

void MainWindow::mnuFirstWD_Click(int i) {
    firstWeekdayActions_[0]->setChecked(i == 0);
    firstWeekdayActions_[1]->setChecked(i == 1);
    DateState& s = calendar_.State();
    s.FirstWeekday = i == 1 ? 1 : 7;
    s.SetYearInfo();
    s.SetWeekInfo();
    SetWeekDaysNames();
    SetWeeks();
    SetGridCal();
    SetTabReport();
}

void MainWindow::mnuCal_Click(int k) {
    navigator_.ChooseReckoning(k);
    // A refused switch leaves the old item checked; Qt has already toggled the clicked one.
    CheckCalMenu(calendar_.State().CurCal);
}

void MainWindow::mnuToday_Click() {
    navigator_.GoToday();
}

void MainWindow::TestmnuFile() {
    if (copyAction_ == nullptr) return;  // the menus are not built yet
    bool selected = CurrentPane()->textCursor().hasSelection();
    copyAction_->setEnabled(selected);
    findSelectedAction_->setEnabled(selected);
}

// --- search field ----------------------------------------------------------------------------

void MainWindow::strFind_Change() {
    searchButton_->setEnabled(!searchField_->text().trimmed().isEmpty());
}

void MainWindow::cbFind_Click() {
    BusyPointer busy;
    std::string text = searchField_->text().toStdString();
    std::optional<std::string> document = calendar_.SetFindReport(text, wholeWordBox_->isChecked());
    if (!document) return;
    shownFind_ = std::move(text);
    shownFindWholeWord_ = wholeWordBox_->isChecked();
    ShowDocument(kSearchTab, std::move(*document));
}

}  // namespace velorith
