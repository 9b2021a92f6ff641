// "Перейти к дате": a day, a month and a year of the current reckoning, checked as the year
// range dialog checks its years: a number counts by its whole part, and a date that does not
// exist or lies outside the working range changes nothing; the warning names the field and why.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>

#include "reckoning/calendar_dates.h"

class QComboBox;
class QLineEdit;

namespace velorith {

// The field of the dialog an entry's fault lies in.
enum class DateField { Day, Month, Year };

// What the three fields amount to: the date, or the field at fault and the reason, e.g.
// {Day, "В феврале 2027 года 28 дней."}.
struct DateEntryCheck {
    std::optional<CalendarDate> date;
    DateField field = DateField::Day;
    QString reason;
};

// The date the three fields amount to in reckoning k (months in that reckoning's own order),
// or why not: a field is not a number, the date does not exist, or its day lies outside
// minDay..maxDay.
DateEntryCheck CheckDate(const QString& dayText, int month, const QString& yearText, int k,
                         DayNum minDay, DayNum maxDay);
std::optional<CalendarDate> CheckDateEntry(const QString& dayText, int month,
                                           const QString& yearText, int k, DayNum minDay,
                                           DayNum maxDay);
// The warning for a refused entry: the field's name, then the reason.
QString DateEntryWarning(const DateEntryCheck& check);

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
