#include "dialogs/range_dialog.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <optional>

#include "dialogs/window_placement.h"

namespace velorith {
namespace {

const char* const kCaption = "Диапазон годов";

// A year typed into a box, by its whole part; none for a text that is not a number.
std::optional<int> YearOf(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > 1e6) return std::nullopt;
    return static_cast<int>(std::trunc(value));
}

}  // namespace

RangeEntry CheckRangeEntry(const QString& firstText, const QString& lastText, int currentFirst,
                           int currentLast, int todayYear) {
    const auto a = YearOf(firstText);
    const auto b = YearOf(lastText);
    if (!a || !b) return {RangeEntry::kInvalid, 0, 0};
    if (*a == currentFirst && *b == currentLast) return {RangeEntry::kUnchanged, *a, *b};
    const bool valid = 1 <= *a && *a < todayYear && todayYear < *b && *b <= 3000;
    return {valid ? RangeEntry::kValid : RangeEntry::kInvalid, *a, *b};
}

RangeDialog::RangeDialog(int currentFirst, int currentLast, int todayYear, QWidget* parent)
    : QDialog(parent),
      currentFirst_(currentFirst),
      currentLast_(currentLast),
      todayYear_(todayYear) {
    setObjectName("frmRange");
    setWindowTitle(QString::fromUtf8(kCaption));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* label1 = new QLabel(
        QString::fromUtf8("Рабочий диапазон годов\nпо старому стилю\n(максимально: от 1 до 3000)"),
        this);
    label1->setObjectName("Label1");
    label1->setAlignment(Qt::AlignCenter);
    Text1 = new QLineEdit(QString::number(currentFirst), this);
    Text1->setObjectName("Text1");
    Text2 = new QLineEdit(QString::number(currentLast), this);
    Text2->setObjectName("Text2");
    Text1->setAccessibleName(QString::fromUtf8("Первый год диапазона"));
    Text2->setAccessibleName(QString::fromUtf8("Последний год диапазона"));
    for (QLineEdit* box : {Text1, Text2}) {
        box->setAccessibleDescription(
            QString::fromUtf8("Год по старому стилю, от 1 до 3000; сегодняшний год внутри"));
    }
    for (QLineEdit* box : {Text1, Text2}) {
        box->setAlignment(Qt::AlignCenter);
        box->setMaximumWidth(80);
        box->installEventFilter(this);
        connect(box, &QLineEdit::returnPressed, this, &RangeDialog::NewRange);
    }
    auto* label2 = new QLabel(QString::fromUtf8("–"), this);
    label2->setObjectName("Label2");
    auto* line1 = new QFrame(this);
    line1->setObjectName("Line1");
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);
    auto* cbOk = new QPushButton(QString::fromUtf8("Да"), this);
    cbOk->setObjectName("cbOk");
    cbOk->setAutoDefault(false);
    auto* cbCancel = new QPushButton(QString::fromUtf8("Отмена"), this);
    cbCancel->setObjectName("cbCancel");
    cbCancel->setAutoDefault(false);
    connect(cbOk, &QPushButton::clicked, this, &RangeDialog::NewRange);
    connect(cbCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* years = new QHBoxLayout;
    years->addStretch();
    years->addWidget(Text1);
    years->addWidget(label2);
    years->addWidget(Text2);
    years->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cbOk);
    buttons->addWidget(cbCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addLayout(years);
    layout->addWidget(line1);
    layout->addLayout(buttons);
    adjustSize();
    PlaceAtUpperThird(this);
}

void RangeDialog::NewRange() {
    const RangeEntry entry =
        CheckRangeEntry(Text1->text(), Text2->text(), currentFirst_, currentLast_, todayYear_);
    switch (entry.verdict) {
        case RangeEntry::kUnchanged:
            accept();
            return;
        case RangeEntry::kInvalid:
            QMessageBox::warning(this, QString::fromUtf8(kCaption),
                                 QString::fromUtf8("Недопустимые значения!"));
            return;
        case RangeEntry::kValid:
            emit rangeChanged(entry.first, entry.last);
            accept();
            return;
    }
}

bool RangeDialog::eventFilter(QObject* watched, QEvent* event) {
    // A box that takes the focus selects its whole text, however the focus came.
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace velorith
