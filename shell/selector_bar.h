// The five date selectors (reckoning, year, month, week, weekday), each between a "<" and a ">"
// button that step back and forward. The bar fills the lists and tells a user's choice from the
// program's own setting of an entry: while the selector lock is held, a change of entry is not
// a choice.
#pragma once

#include <QComboBox>
#include <QObject>
#include <QToolButton>
#include <array>
#include <functional>
#include <vector>

#include "reckoning/date_state.h"
#include "reckoning/navigation.h"

namespace velorith {

// The selectors, left to right; each chooses and steps the date by one unit.
enum Selector : int {
    kCalSelector = 0,
    kYearSelector,
    kMonthSelector,
    kWeekSelector,
    kDaySelector
};
inline constexpr int kSelectorCount = 5;

constexpr DateUnit UnitOf(int selector) {
    return static_cast<DateUnit>(selector);
}

// A selector list whose drop-down opens below it with the chosen entry nine places below the
// top, so the user sees what lies before it as well as after.
class SelectorCombo : public QComboBox {
    Q_OBJECT
  public:
    explicit SelectorCombo(QWidget* parent = nullptr);
    void showPopup() override;

    // The first entry the opened list shows.
    static int FirstVisible(int current) { return current > 9 ? current - 9 : 0; }

    // Keys of the closed list that belong to the selected day rather than to the list: Left and
    // Right step like "<" and ">", Home goes to today (the year and week lists only: their
    // first entry is a century or a year away), Page Up and Page Down step a month as in the
    // month grid. The handler returns true when it used the key.
    void SetDayKeys(std::function<bool(const QKeyEvent&)> handler) {
        dayKeys_ = std::move(handler);
    }

  protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::function<bool(const QKeyEvent&)> dayKeys_;
};

// "<" or ">": a press with any button but the right one steps, and so does a double click; from
// the keyboard (Space, or an assistive tool's press) it steps once.
class StepButton : public QToolButton {
    Q_OBJECT
  public:
    StepButton(const QString& text, QWidget* parent);

  signals:
    void step();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// Holds the selector lock for a scope and gives it back as it was on every way out, so a
// nested setting of a list inside another keeps the outer one's lock.
class ComboLockGuard {
  public:
    explicit ComboLockGuard(bool& lock) : lock_(lock), was_(lock) { lock_ = true; }
    ~ComboLockGuard() { lock_ = was_; }
    ComboLockGuard(const ComboLockGuard&) = delete;
    ComboLockGuard& operator=(const ComboLockGuard&) = delete;

  private:
    bool& lock_;
    bool was_;
};

class SelectorBar : public QObject {
    Q_OBJECT
  public:
    // Creates the controls as children of `panel`; the caller places them.
    explicit SelectorBar(QWidget* panel);

    SelectorCombo* Combo(int i) const { return combos_.at(static_cast<std::size_t>(i)); }
    StepButton* Prev(int i) const { return prev_.at(static_cast<std::size_t>(i)); }
    StepButton* Next(int i) const { return next_.at(static_cast<std::size_t>(i)); }

    // Sets the list indices that mirror the date state, under the selector lock.
    void SetIndices(const DateState& state);
    void SetIndex(int i, int index);  // one list, under the lock
    // Refills the year and month lists when the year bounds changed; true when refilled.
    bool SetYearsMonths(const DateState& state);
    void SetWeeks(const std::vector<std::string>& labels);
    void SetWeekDays(const std::vector<QString>& names);
    void SetBackground(const QColor& color);
    // Sets selector i's entry as a choice of the program's own (no lock): Combo1_Click runs.
    void Choose(int i, int index);

    bool ComboLock = false;
    // The lists wear the desktop's colours, the reckoning's tint carried over (paper_palette.h).
    bool SystemColours = false;
    // The index each list showed before the latest change: what a choice is compared with.
    int OldComboIndex(int i) const { return shown_.at(static_cast<std::size_t>(i)); }

  signals:
    void comboChosen(int i, int newIndex, int oldIndex);  // GoCombo
    void stepPrev(int i);                                 // GoPrev
    void stepNext(int i);                                 // GoNext
    void today();                                         // Home in the year or week list

  public slots:
    void Combo1_Click(int i);

  private:
    std::array<SelectorCombo*, kSelectorCount> combos_{};
    std::array<StepButton*, kSelectorCount> prev_{};
    std::array<StepButton*, kSelectorCount> next_{};
    std::array<int, kSelectorCount> shown_{};
};

}  // namespace velorith
