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
#include <cmath>

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

}  // namespace

std::optional<CalendarDate> CheckDateEntry(const QString& dayText, int month,
                                           const QString& yearText, int k, DayNum minDay,
                                           DayNum maxDay) {
    const auto day = WholeNumberOf(dayText);
    const auto year = WholeNumberOf(yearText);
    if (!day || !year || !IsReckoning(k)) return std::nullopt;
    // Years outside these hold no day of any working range (1..3000, World years with 5508).
    if (*year < 1 || *year > 3000 + kWorldYearOffset + 1) return std::nullopt;
    if (*day < 1 || *day > MonthLength(k, month, *year)) return std::nullopt;
    const CalendarDate date{*year, month, *day};
    const DayNum n = DayNumber(k, date);
    if (n < minDay || n > maxDay) return std::nullopt;
    return date;
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
    const auto date = CheckDateEntry(day_->text(), month_->currentIndex() + 1, year_->text(),
                                     reckoning_, minDay_, maxDay_);
    if (!date) {
        QMessageBox::warning(this, QString::fromUtf8(kCaption),
                             QString::fromUtf8("Недопустимые значения!"));
        return;
    }
    emit dateChosen(date->Year, date->Month, date->Day);
    accept();
}

}  // namespace velorith
