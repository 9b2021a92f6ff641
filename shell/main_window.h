// frmVelorith, the program's one main window: the report tabs on the left, the date selectors,
// the month grid and the three-reckonings grid on the right, the menus, and the way out. It is
// the view that navigation redraws.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <optional>
#include <string>

#include "calendar/day_info.h"
#include "reckoning/navigation.h"
#include "shell/cell_grid.h"
#include "shell/documents/save_report.h"
#include "shell/month_grid_keys.h"
#include "shell/month_grid_model.h"
#include "shell/month_view.h"

class QAction;
class QCheckBox;
class QLineEdit;
class QKeyEvent;
class QMenu;
class QPrintPreviewDialog;
class QPushButton;
class QTabWidget;
class QTextEdit;

namespace velorith {

class AboutDialog;
class Calendar;
class CellGrid;
class FindDialog;
class GoToDateDialog;
class RangeDialog;
class ReadableColumn;
class SelectorBar;
class SettingsStore;
class TempFiles;
struct ExitSettings;
struct WindowSettings;

inline constexpr int kPaneCount = 7;

class MainWindow : public QMainWindow, public CalendarView {
    Q_OBJECT
  public:
    // The calendar's state is set for today, the settings read; the window sets itself up from
    // them. temps and store may be null (nothing to write to or delete then).
    MainWindow(Calendar& calendar, Navigator& navigator, TempFiles* temps, SettingsStore* store,
               const WindowSettings& placement, const QString& lastDir, QWidget* parent = nullptr);
    ~MainWindow() override;

    // CalendarView
    void SetGridCal() override;
    void SetTabReport() override;
    void SetYearsMonths() override;
    void SetWeeks() override;
    void CheckCalMenu(int k) override;
    void Beep() override;
    // Puts selector i's list index back to oldIndex after a refused choice, without the
    // selector lock, so the nested choice finds nothing changed.
    void PutComboBack(int i, int oldIndex);

    void SetDatesCal();
    void SetWeekDaysNames();
    // Selection state of the menu File: copy and find-selected need a selection.
    void TestmnuFile();

    // The values shutdown stores, with the window's real state and placement.
    ExitSettings CollectExitSettings() const;
    // The one way out: stores the settings, deletes the temporary files, closes the window and
    // ends the event loop. Runs once, however it was reached.
    void GoToExit();
    // The part of the way out that needs no display: the settings stored, the temporary files
    // removed. Once, like GoToExit; what remains when the process ends through exit().
    void StoreAndClean();

    // Parts that tests and the document commands look at.
    QTextEdit* Pane(int i) const { return panes_.at(static_cast<std::size_t>(i)); }
    QTextEdit* CurrentPane() const;
    QTabWidget* Tabs() const { return tabs_; }
    SelectorBar* Selectors() const { return selectors_; }
    CellGrid* MonthGrid() const { return monthGrid_; }
    CellGrid* DatesGrid() const { return datesGrid_; }
    const MonthGridModel& MonthModel() const { return grid_; }
    const DatesGridModel& DatesModel() const { return dates_; }
    QLineEdit* SearchField() const { return searchField_; }
    QMenu* FileMenu() const { return fileMenu_; }
    QMenu* CalendarMenu() const { return calendarMenu_; }
    int RenderCount() const { return renderCount_; }
    const std::string& PaneDocument(int i) const {
        return paneDocs_.at(static_cast<std::size_t>(i));
    }
    const QString& LastDir() const { return lastDir_; }
    bool Exited() const { return exited_; }
    // The panes, grids and selectors on the desktop's colours instead of the calendar's paper
    // ("Цвета системы"); stored with the settings.
    void SetSystemColours(bool on);
    bool SystemColours() const { return systemColours_; }
    // Today's date for the range dialog (the navigator has its own copy of the clock).
    void SetTodayClock(TodayClock clock) { today_ = std::move(clock); }

    // The month grid's keys: true when the key moved the date (or was refused at the range's
    // end), false for a key the grid does not use.
    bool MonthGridKey(const QKeyEvent& key);
    // A step asked for by a key of the month grid or of the large month; false for none.
    bool ApplyKeyStep(const std::optional<GridKeyStep>& step);
    // Today as a day number, none when the clock is out of all reckoning.
    std::optional<DayNum> TodayDay() const;
    // "Месяц крупно": opened and closed from the menu "Вид"; null until first opened.
    MonthView* LargeMonth() const { return monthView_; }
    // Selects a day of the displayed month as a click on its cell of the month grid does.
    void SelectDayOfMonth(DayNum day);
    // Today's frame, the focus cell and the fast days of the month grid.
    CellGrid::Marks MonthGridMarks() const;
    // The month grid's cells of the displayed month's fast days (none with the fast off).
    std::vector<QPoint> FastCells() const;
    // The tooltip of a cell of the month grid; empty for the weekday names and empty cells.
    QString MonthCellToolTip(int row, int col) const;
    // The day of a cell of the month grid: none for the weekday names, empty cells and days
    // outside the working range.
    std::optional<DayNum> MonthCellDay(int row, int col) const;
    // What a screen reader says of a cell of the month grid: its date and weekday, or with
    // `description` the day's commemoration and fast.
    QString MonthCellAccessibleText(int row, int col, bool description) const;
    // How much the right-hand panel has grown on a wide window (1 at the design size).
    double PanelScale() const { return panelScale_; }
    GoToDateDialog* GoToDate() const;
    QPrintPreviewDialog* Preview() const;

  public slots:
    void SSTab1_Click(int previousTab);
    void mnuTab_Click(int i);
    void mnuIndiction_Click();
    void mnuAllStyles_Click();
    void mnuFasting_Click();
    void mnuReadings_Click();
    void mnuZachala_Click();
    void mnuSystemColours_Click();
    void mnuMonthView_Click();
    void mnuFirstWD_Click(int i);
    void mnuCal_Click(int k);
    void mnuToday_Click();
    void mnuGoToDate_Click();
    void MSFlexGrid1_Click(int row, int col);
    void MSFlexGrid2_Click(int row, int col);
    void strFind_Change();
    void cbFind_Click();
    // Document commands and dialogs.
    void mnuSaveAS_Click();
    void mnuExportIcs_Click();
    void mnuCopy_Click();
    void mnuCopyAll_Click();
    void mnuFind_Click();
    void mnuFindSelText_Click();
    void mnuPrint_Click();
    void mnuPreview_Click();
    void mnuFont_Click();
    void mnuRange_Click();
    void mnuHelp_Click();
    void mnuEMail_Click();
    void mnuHomePage_Click();
    void mnuAbout_Click();
    void mnuExit_Click() { GoToExit(); }
    void cbExit_Click() { GoToExit(); }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void BuildMenus();
    void ApplyPlacement(const WindowSettings& placement);
    void LayOut();
    void LoadAbbreviations();
    // Shows a document (RTF as the calendar made it, UTF-8) in pane i.
    void ShowDocument(int i, std::string document);
    // Lays the document's bytes into pane i in the colours chosen.
    void FillPane(int i, std::string_view bytes);
    std::string PaneBytes(int i) const;  // the pane's document as a saved file holds it
    QString ProposedFileName() const;
    void NewRange(int first, int last);
    // The additions to the window: the month grid's keys, marks and tooltips, the panes'
    // layout without a caret, and the wide-screen scaling.
    void BuildAdditions();
    void LayOutPane(int i);
    void ScaleRightPanel();
    void GoToChosenDate(int year, int month, int day);
    void ToggleReportOption(bool& flag, QAction* item);
    // Shows the date state in the large month, when it is open.
    void RefreshMonthView();
    SaveFailureNotice SaveFailureBox();
    // A dialog the window keeps one of: brought to the front when it is open already.
    static bool RaiseIfOpen(QWidget* dialog);

    Calendar& calendar_;
    Navigator& navigator_;
    TempFiles* temps_;
    SettingsStore* store_;
    QString lastDir_;
    TodayClock today_ = LocalToday;
    int previousTab_ = 0;
    int renderCount_ = 0;
    bool exiting_ = false;
    bool exited_ = false;
    bool systemColours_ = false;

    MonthGridModel grid_;
    // The fast days' cells of the month last shown (month, reckoning, first day's row).
    struct FastCellsKey {
        DayNum monthFirst = 0;
        int cal = 0;
        int firstRow = -1;
        bool operator==(const FastCellsKey&) const = default;
    };
    mutable FastCellsKey fastCellsKey_;
    mutable std::vector<QPoint> fastCells_;
    DatesGridModel dates_;
    std::array<std::string, kPaneCount> paneDocs_;
    // The search the search pane shows, for its web page.
    std::string shownFind_;
    bool shownFindWholeWord_ = false;

    // Controls, named as the rest of the program knows them.
    QTabWidget* tabs_ = nullptr;
    std::array<QTextEdit*, kPaneCount> panes_{};
    QLineEdit* searchField_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    QCheckBox* wholeWordBox_ = nullptr;
    QWidget* selectorPanel_ = nullptr;
    QWidget* closePanel_ = nullptr;
    SelectorBar* selectors_ = nullptr;
    CellGrid* monthGrid_ = nullptr;
    CellGrid* datesGrid_ = nullptr;
    QPushButton* todayButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;

    QMenu* fileMenu_ = nullptr;
    QMenu* calendarMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* setupMenu_ = nullptr;
    QMenu* firstWeekdayMenu_ = nullptr;
    QMenu* infoMenu_ = nullptr;
    QAction* copyAction_ = nullptr;
    QAction* findSelectedAction_ = nullptr;
    std::array<QAction*, 4> reckoningActions_{};  // 1..3
    std::array<QAction*, kPaneCount> tabActions_{};
    std::array<QAction*, 2> firstWeekdayActions_{};
    QAction* indictionAction_ = nullptr;
    QAction* allStylesAction_ = nullptr;
    QAction* fastingAction_ = nullptr;
    QAction* readingsAction_ = nullptr;
    QAction* zachalaAction_ = nullptr;
    QAction* systemColoursAction_ = nullptr;
    QAction* monthViewAction_ = nullptr;

    QPointer<FindDialog> findDialog_;
    // One range dialog and one About box at a time: a second copy of the range dialog would
    // show the range from before the first one changed it, and "Да" there would undo it.
    QPointer<RangeDialog> rangeDialog_;
    QPointer<AboutDialog> aboutDialog_;
    QPointer<GoToDateDialog> goToDateDialog_;
    QPointer<QPrintPreviewDialog> preview_;
    std::array<ReadableColumn*, kPaneCount> columns_{};
    double panelScale_ = 1.0;

    QPointer<MonthView> monthView_;
    // The month the large view was laid out for; laid out anew when any of it changes.
    struct MonthViewKey {
        DayNum monthFirst = 0;
        int cal = 0;
        int firstWeekday = 0;
        bool operator==(const MonthViewKey&) const = default;
    };
    MonthViewKey monthViewKey_;
    MonthViewLayout monthLayout_;
};

}  // namespace velorith
