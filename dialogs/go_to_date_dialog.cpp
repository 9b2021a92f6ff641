#include "dialogs/go_to_date_dialog.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "calendar/phrases.h"
#include "dialogs/window_placement.h"
#include "reckoning/name_tables.h"

namespace velorith {
namespace {

const char* const kCaption = "Перейти к дате";

// A number typed into a box, by its whole part, as the year range dialog reads its years.
std::optional<int> WholeNumberOf(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > 1e6) return std::nullopt;
    return static_cast<int>(std::trunc(value));
}

QString ReckoningLine(int k) {
    static constexpr const char* kLines[] = {"", "Дата от Сотворения Мира", "Дата по старому стилю",
                                             "Дата по новому стилю"};
    return QString::fromUtf8(kLines[IsReckoning(k) ? k : kJulian]);
}

// "В феврале": the month after the preposition, by its calendar number.
QString MonthPrepositional(int calendarMonth) {
    static constexpr const char* kNames[] = {"",        "январе", "феврале", "марте",   "апреле",
                                             "мае",     "июне",   "июле",    "августе", "сентябре",
                                             "октябре", "ноябре", "декабре"};
    return QString::fromUtf8(kNames[std::clamp(calendarMonth, 0, 12)]);
}

// "28 дней", "31 день".
QString DaysCount(int n) {
    const int last = n % 10;
    const int lastTwo = n % 100;
    const char* word = "дней";
    if (last == 1 && lastTwo != 11) {
        word = "день";
    } else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) {
        word = "дня";
    }
    return QStringLiteral("%1 ").arg(n) + QString::fromUtf8(word);
}

}  // namespace

DateEntryCheck CheckDate(const QString& dayText, int month, const QString& yearText, int k,
                         DayNum minDay, DayNum maxDay) {
    const auto refuse = [](DateField field, QString reason) {
        return DateEntryCheck{std::nullopt, field, std::move(reason)};
    };
    if (!IsReckoning(k) || month < 1 || month > 12)
        return refuse(DateField::Month, QString::fromUtf8("Выберите месяц из списка."));
    const auto day = WholeNumberOf(dayText);
    if (!day) return refuse(DateField::Day, QString::fromUtf8("Введите число месяца цифрами."));
    const auto year = WholeNumberOf(yearText);
    if (!year) return refuse(DateField::Year, QString::fromUtf8("Введите год цифрами."));
    const CalendarDate first = DateOfDay(k, minDay);
    const CalendarDate last = DateOfDay(k, maxDay);
    // Years outside these hold no day of any working range (1..3000, World years with 5508).
    if (*year < first.Year || *year > last.Year) {
        return refuse(DateField::Year, QString::fromUtf8("Рабочий диапазон: годы от %1 до %2.")
                                           .arg(first.Year)
                                           .arg(last.Year));
    }
    const int length = MonthLength(k, month, *year);
    if (*day < 1 || *day > length) {
        return refuse(DateField::Day, QString::fromUtf8("В %1 %2 года %3.")
                                          .arg(MonthPrepositional(CalendarMonth(k, month)))
                                          .arg(*year)
                                          .arg(DaysCount(length)));
    }
    const CalendarDate date{*year, month, *day};
    const DayNum n = DayNumber(k, date);
    if (n < minDay || n > maxDay) {
        const auto written = [k](const CalendarDate& d) {
            const std::string_view m = MonthNames(CalendarMonth(k, d.Month), kGenitive);
            return QStringLiteral("%1 %2 %3 г.")
                .arg(d.Day)
                .arg(QString::fromUtf8(m.data(), static_cast<qsizetype>(m.size())))
                .arg(d.Year);
        };
        return refuse(
            DateField::Year,
            QString::fromUtf8("Рабочий диапазон: с %1 по %2.").arg(written(first), written(last)));
    }
    return DateEntryCheck{date, DateField::Day, {}};
}

std::optional<CalendarDate> CheckDateEntry(const QString& dayText, int month,
                                           const QString& yearText, int k, DayNum minDay,
                                           DayNum maxDay) {
    return CheckDate(dayText, month, yearText, k, minDay, maxDay).date;
}

QString DateEntryWarning(const DateEntryCheck& check) {
    static constexpr const char* kFields[] = {"День", "Месяц", "Год"};
    return QString::fromUtf8("Недопустимое значение в поле «%1».\n%2")
        .arg(QString::fromUtf8(kFields[static_cast<int>(check.field)]), check.reason);
}

GoToDateDialog::GoToDateDialog(int k, const CalendarDate& current, DayNum minDay, DayNum maxDay,
                               QWidget* parent)
    : QDialog(parent), reckoning_(k), minDay_(minDay), maxDay_(maxDay) {
    setObjectName("frmGoToDate");
    setWindowTitle(QString::fromUtf8(kCaption));

    auto* label = new QLabel(ReckoningLine(k), this);
    label->setObjectName("Label1");
    label->setAlignment(Qt::AlignCenter);
    day_ = new QLineEdit(QString::number(current.Day), this);
    day_->setObjectName("Day");
    day_->setMaximumWidth(48);
    month_ = new QComboBox(this);
    month_->setObjectName("Month");
    for (int m = 1; m <= 12; ++m) {
        std::string_view name = MonthNames(CalendarMonth(k, m), kGenitive);
        month_->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    month_->setCurrentIndex(std::clamp(current.Month, 1, 12) - 1);
    year_ = new QLineEdit(QString::number(current.Year), this);
    year_->setObjectName("Year");
    year_->setMaximumWidth(64);
    for (QLineEdit* box : {day_, year_}) {
        box->setAlignment(Qt::AlignCenter);
        connect(box, &QLineEdit::returnPressed, this, &GoToDateDialog::GoToDate);
    }
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* ok = new QPushButton(QString::fromUtf8("Да"), this);
    ok->setObjectName("cbOk");
    ok->setAutoDefault(false);
    auto* cancel = new QPushButton(QString::fromUtf8("Отмена"), this);
    cancel->setObjectName("cbCancel");
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &GoToDateDialog::GoToDate);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QGridLayout;
    const char* const kTitles[] = {"День", "Месяц", "Год"};
    QWidget* boxes[] = {day_, month_, year_};
    for (int i = 0; i < 3; ++i) {
        boxes[i]->setAccessibleName(QString::fromUtf8(kTitles[i]));
        auto* title = new QLabel(QString::fromUtf8(kTitles[i]), this);
        title->setBuddy(boxes[i]);
        fields->addWidget(title, 0, i);
        fields->addWidget(boxes[i], 1, i);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(fields);
    layout->addWidget(line);
    layout->addLayout(buttons);
    adjustSize();
    PlaceAtUpperThird(this);
    day_->setFocus();
    day_->selectAll();
}

void GoToDateDialog::GoToDate() {
    const DateEntryCheck check = CheckDate(day_->text(), month_->currentIndex() + 1, year_->text(),
                                           reckoning_, minDay_, maxDay_);
    if (!check.date) {
        QMessageBox::warning(this, QString::fromUtf8(kCaption), DateEntryWarning(check));
        // Back to the field at fault, ready to be typed over.
        QWidget* fields[] = {day_, month_, year_};
        fields[static_cast<int>(check.field)]->setFocus();
        if (check.field == DateField::Day) day_->selectAll();
        if (check.field == DateField::Year) year_->selectAll();
        return;
    }
    emit dateChosen(check.date->Year, check.date->Month, check.date->Day);
    accept();
}

}  // namespace velorith
