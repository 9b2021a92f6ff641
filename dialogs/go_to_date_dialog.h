// "Перейти к дате": a day, a month and a year of the current reckoning, checked as the year
// range dialog checks its years: a number counts by its whole part, and a date that does not
// exist or lies outside the working range gets the same warning and changes nothing.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>

#include "reckoning/calendar_dates.h"

class QComboBox;
class QLineEdit;

namespace velorith {

// The date the three fields amount to in reckoning k (months in that reckoning's own order),
// or none when a field is not a number, the date does not exist or its day lies outside
// minDay..maxDay.
std::optional<CalendarDate> CheckDateEntry(const QString& dayText, int month,
                                           const QString& yearText, int k, DayNum minDay,
                                           DayNum maxDay);

class GoToDateDialog : public QDialog {
    Q_OBJECT
  public:
    // Opens on the selected date `current` of reckoning k, with the working range of k.
    GoToDateDialog(int k, const CalendarDate& current, DayNum minDay, DayNum maxDay,
                   QWidget* parent = nullptr);

    QLineEdit* DayBox() const { return day_; }
    QComboBox* MonthBox() const { return month_; }
    QLineEdit* YearBox() const { return year_; }

  signals:
    // A good date was entered; the dialog closes after this.
    void dateChosen(int year, int month, int day);

  public slots:
    void GoToDate();

  private:
    QLineEdit* day_;
    QComboBox* month_;
    QLineEdit* year_;
    int reckoning_;
    DayNum minDay_;
    DayNum maxDay_;
};

}  // namespace velorith
