// "Месяц крупно": the displayed month as a large grid, a week to a row and the weekdays in the
// order the user chose, each day with its dates, principal commemoration, fast and red mark.
// It is a second face of the selected date: it shows the date state and sends clicks and keys
// back to the window, which moves the date for every view alike.
#pragma once

#include <QString>
#include <QTableWidget>
#include <QWidget>
#include <functional>
#include <vector>

#include "calendar/day_info.h"

class QKeyEvent;
class QLabel;

namespace velorith {

// One day of the large month, as the day model has it.
struct MonthViewDay {
    DayNum day = 0;
    int dayOfMonth = 0;  // in the reckoning shown
    QString otherDate;   // the same day in the other style, e.g. "2 сентября ст. ст."
    QString principal;   // the day's principal commemoration
    QString fast;        // the fast line, empty on a day without a fast
    bool red = false;    // a red day of the reports
    bool sunday = false;
    QString accessibleName;
    QString accessibleDescription;
    QString toolTip;
};

// The month laid out: row r, column c is cell r * 7 + c; a cell without a day has index -1.
struct MonthViewLayout {
    QString title;                       // "Сентябрь 2024 г. по новому стилю"
    std::vector<QString> weekdays;       // the column captions, from the first weekday on
    std::vector<QString> shortWeekdays;  // the same as "Пн.", for narrow columns
    std::vector<MonthViewDay> days;
    std::vector<int> cells;  // index into days, or -1
    int rows = 0;
};

// Lays out the days of one month (in order, as the month report frame lists them) for weeks
// that begin on firstWeekday (7 Sunday, 1 Monday).
MonthViewLayout LayOutMonth(const std::vector<DayInfo>& monthDays, int firstWeekday);

// The grid of the large month; it draws each cell itself.
class MonthTable : public QTableWidget {
    Q_OBJECT
  public:
    explicit MonthTable(QWidget* parent = nullptr);
    void Show(const MonthViewLayout& layout, DayNum selected, DayNum today);
    const MonthViewLayout& Layout() const { return layout_; }
    DayNum Selected() const { return selected_; }
    DayNum Today() const { return today_; }
    // The cell of a day of the month shown; (-1, -1) when it is not there.
    QPoint CellOf(DayNum day) const;
    const MonthViewDay* DayAt(int row, int col) const;
    // Keys while the table has the focus; true when used.
    void SetKeyHandler(std::function<bool(const QKeyEvent&)> handler) {
        keys_ = std::move(handler);
    }

  signals:
    void dayClicked(DayNum day);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FitRows();
    void FitHeader();

    MonthViewLayout layout_;
    DayNum selected_ = 0;
    DayNum today_ = 0;
    std::function<bool(const QKeyEvent&)> keys_;
};

// The window around the table: the month's title above it.
class MonthView : public QWidget {
    Q_OBJECT
  public:
    explicit MonthView(QWidget* parent = nullptr);
    MonthTable* Table() const { return table_; }
    QLabel* Title() const { return title_; }
    void Show(const MonthViewLayout& layout, DayNum selected, DayNum today);

  signals:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLabel* title_;
    MonthTable* table_;
};

}  // namespace velorith
