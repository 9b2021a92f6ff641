#include "shell/selector_bar.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QWheelEvent>

#include "calendar/phrases.h"
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

void SelectorCombo::keyPressEvent(QKeyEvent* event) {
    // An open list keeps every key of its own.
    const bool open = view() != nullptr && view()->isVisible();
    if (!open && dayKeys_ && dayKeys_(*event)) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

StepButton::StepButton(const QString& text, QWidget* parent) : QToolButton(parent) {
    setText(text);
    setAutoRaise(true);  // drawn as the plain arrow it always was, framed under the mouse
    setCursor(Qt::PointingHandCursor);
    // Like the labels they were, the steps leave the focus where it is; the keyboard reaches
    // them through the arrows of their selector.
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QToolButton::clicked, this, &StepButton::step);
}

// The step comes with the press, not the release, and a double click steps once more.
void StepButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) {
        setDown(true);
        emit step();
    }
    event->accept();
}

void StepButton::mouseReleaseEvent(QMouseEvent* event) {
    setDown(false);
    event->accept();
}

void StepButton::mouseDoubleClickEvent(QMouseEvent* event) {
    emit step();
    event->accept();
}

SelectorBar::SelectorBar(QWidget* panel) : QObject(panel) {
    static constexpr const char* kCals[] = {"от Сотворения Мира", "от Р.Х. (старый стиль)",
                                            "от Р.Х. (новый стиль)"};
    // What each selector is to a screen reader, and what its two steps do.
    struct Names {
        const char* list;
        const char* description;
        const char* back;
        const char* forward;
    };
    static constexpr Names kNames[kSelectorCount] = {
        {"Летоисчисление", "Летоисчисление, в котором показана дата", "Предыдущее летоисчисление",
         "Следующее летоисчисление"},
        {"Год", "Год выбранной даты", "Предыдущий год", "Следующий год"},
        {"Месяц", "Месяц выбранной даты", "Предыдущий месяц", "Следующий месяц"},
        {"Седмица", "Седмица выбранной даты", "Предыдущая седмица", "Следующая седмица"},
        {"День недели", "День недели выбранной даты", "Предыдущий день", "Следующий день"},
    };
    for (int i = 0; i < kSelectorCount; ++i) {
        auto* combo = new SelectorCombo(panel);
        combo->setObjectName(QStringLiteral("Combo1_%1").arg(i));
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(4);
        const Names& names = kNames[i];
        combo->setAccessibleName(QString::fromUtf8(names.list));
        combo->setAccessibleDescription(
            QString::fromUtf8(names.description) +
            QStringLiteral(". Стрелки влево и вправо: шаг назад и вперёд"));
        combo->setToolTip(QString::fromUtf8(names.list));
        auto* back = new StepButton(QStringLiteral("<"), panel);
        back->setObjectName(QStringLiteral("Label1_%1").arg(i));
        auto* forward = new StepButton(QStringLiteral(">"), panel);
        forward->setObjectName(QStringLiteral("Label2_%1").arg(i));
        back->setToolTip(QString::fromUtf8(names.back));
        back->setAccessibleName(QString::fromUtf8(names.back));
        forward->setToolTip(QString::fromUtf8(names.forward));
        forward->setAccessibleName(QString::fromUtf8(names.forward));
        // The year and week lists run over centuries and a whole year: Home there means today,
        // as in the month grid, not the first entry.
        const bool homeIsToday = i == kYearSelector || i == kWeekSelector;
        combo->SetDayKeys([this, i, homeIsToday](const QKeyEvent& key) {
            if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
            switch (key.key()) {
                case Qt::Key_Left:
                    emit stepPrev(i);
                    return true;
                case Qt::Key_Right:
                    emit stepNext(i);
                    return true;
                case Qt::Key_Home:
                    if (homeIsToday) emit today();
                    return homeIsToday;
                case Qt::Key_End:
                    return homeIsToday;  // the list's last entry is no place to jump to either
                default:
                    return false;
            }
        });
        combos_.at(static_cast<std::size_t>(i)) = combo;
        prev_.at(static_cast<std::size_t>(i)) = back;
        next_.at(static_cast<std::size_t>(i)) = forward;
        connect(combo, &QComboBox::currentIndexChanged, this, [this, i] { Combo1_Click(i); });
        connect(back, &StepButton::step, this, [this, i] { emit stepPrev(i); });
        connect(forward, &StepButton::step, this, [this, i] { emit stepNext(i); });
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
        combo->setPalette(
            WidgetColours(combo->palette(), color, SystemColours, QApplication::palette()));
    }
}

}  // namespace velorith
