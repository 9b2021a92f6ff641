#include "shell/selector_bar.h"

#include <QAbstractItemView>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QWheelEvent>

#include "reckoning/name_tables.h"
#include "shell/busy_pointer.h"
#include "shell/paper_palette.h"

namespace velorith {

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

// Styles that open a list as a pop-up menu over the whole screen ignore the number of visible
// entries that the window fits to its height; with this hint off the list drops down below its
// selector and keeps that height.
class DropDownListStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

SelectorCombo::SelectorCombo(QWidget* parent) : QComboBox(parent) {
    auto* style = new DropDownListStyle();
    style->setParent(this);  // a widget does not own the style it is given
    setStyle(style);
    // The wheel neither gives focus nor, over a selector without it, changes the date: a page
    // scrolled past the bar must not move the calendar silently.
    setFocusPolicy(Qt::StrongFocus);
}

void SelectorCombo::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();  // the window under the bar may scroll
        return;
    }
    QComboBox::wheelEvent(event);
}

void SelectorCombo::showPopup() {
    QComboBox::showPopup();
    QAbstractItemView* list = view();
    if (list == nullptr || count() == 0) return;
    list->scrollTo(model()->index(FirstVisible(currentIndex()), modelColumn()),
                   QAbstractItemView::PositionAtTop);
}

void StepLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) emit step();
    event->accept();
}

void StepLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    emit step();
    event->accept();
}

SelectorBar::SelectorBar(QWidget* panel) : QObject(panel) {
    static constexpr const char* kCals[] = {"от Сотворения Мира", "от Р.Х. (старый стиль)",
                                            "от Р.Х. (новый стиль)"};
    for (int i = 0; i < kSelectorCount; ++i) {
        auto* combo = new SelectorCombo(panel);
        combo->setObjectName(QStringLiteral("Combo1_%1").arg(i));
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(4);
        auto* back = new StepLabel(QStringLiteral("<"), panel);
        back->setObjectName(QStringLiteral("Label1_%1").arg(i));
        auto* forward = new StepLabel(QStringLiteral(">"), panel);
        forward->setObjectName(QStringLiteral("Label2_%1").arg(i));
        for (StepLabel* label : {back, forward}) {
            label->setAlignment(Qt::AlignCenter);
            label->setCursor(Qt::PointingHandCursor);
        }
        combos_.at(static_cast<std::size_t>(i)) = combo;
        prev_.at(static_cast<std::size_t>(i)) = back;
        next_.at(static_cast<std::size_t>(i)) = forward;
        connect(combo, &QComboBox::currentIndexChanged, this, [this, i] { Combo1_Click(i); });
        connect(back, &StepLabel::step, this, [this, i] { emit stepPrev(i); });
        connect(forward, &StepLabel::step, this, [this, i] { emit stepNext(i); });
    }
    {
        const ComboLockGuard lock(ComboLock);
        for (const char* name : kCals)
            Combo(0)->addItem(QString::fromUtf8(name));
    }
    shown_[0] = Combo(0)->currentIndex();
}

void SelectorBar::Combo1_Click(int i) {
    if (ComboLock) return;
    int now = Combo(i)->currentIndex();
    int before = shown_.at(static_cast<std::size_t>(i));
    if (now != before) emit comboChosen(i, now, before);
    // Whatever the choice led to (a put-back, a redraw that set the list anew), the list now
    // shows the state; that is what the next choice is compared with.
    shown_.at(static_cast<std::size_t>(i)) = Combo(i)->currentIndex();
}

void SelectorBar::SetIndex(int i, int index) {
    const ComboLockGuard lock(ComboLock);
    Combo(i)->setCurrentIndex(index);
    shown_.at(static_cast<std::size_t>(i)) = Combo(i)->currentIndex();
}

void SelectorBar::SetIndices(const DateState& s) {
    const DateRec& d = s.Cur();
    SetIndex(0, s.CurCal - 1);
    SetIndex(1, d.Year - s.MinYears[s.CurCal]);
    SetIndex(2, d.Month - 1);
    SetIndex(3, d.Week - 1);
    SetIndex(4, WeekDayPos(s.FirstWeekday, s.CurWeekDay) - 1);
}

void SelectorBar::Choose(int i, int index) {
    Combo(i)->setCurrentIndex(index);
}

bool SelectorBar::SetYearsMonths(const DateState& s) {
    QComboBox* years = Combo(1);
    int first = years->count() > 0 ? years->itemText(0).toInt() : 0;
    int last = years->count() > 0 ? years->itemText(years->count() - 1).toInt() : 0;
    if (first == s.MinYears[s.CurCal] && last == s.MaxYears[s.CurCal]) return false;
    BusyPointer busy;
    const ComboLockGuard lock(ComboLock);
    years->clear();
    QStringList list;
    for (int y = s.MinYears[s.CurCal]; y <= s.MaxYears[s.CurCal]; ++y)
        list << QString::number(y);
    years->addItems(list);
    QComboBox* months = Combo(2);
    months->clear();
    for (int m = 1; m <= 12; ++m) {
        months->addItem(QStringLiteral("(%1) %2").arg(m).arg(
            FromView(MonthNames(CalendarMonth(s.CurCal, m), kNominative))));
    }
    shown_[1] = years->currentIndex();
    shown_[2] = months->currentIndex();
    return true;
}

void SelectorBar::SetWeeks(const std::vector<std::string>& labels) {
    BusyPointer busy;
    const ComboLockGuard lock(ComboLock);
    QComboBox* weeks = Combo(3);
    weeks->clear();
    for (const std::string& label : labels)
        weeks->addItem(QString::fromStdString(label));
    // A label longer than the closed list still shows whole in the open one.
    weeks->view()->setMinimumWidth(weeks->view()->sizeHintForColumn(0) +
                                   2 * weeks->view()->frameWidth());
    shown_[3] = weeks->currentIndex();
}

void SelectorBar::SetWeekDays(const std::vector<QString>& names) {
    const ComboLockGuard lock(ComboLock);
    QComboBox* days = Combo(4);
    days->clear();
    for (const QString& name : names)
        days->addItem(name);
    shown_[4] = days->currentIndex();
}

void SelectorBar::SetBackground(const QColor& color) {
    for (SelectorCombo* combo : combos_) {
        combo->setPalette(OnPaper(combo->palette(), color));
    }
}

}  // namespace velorith
