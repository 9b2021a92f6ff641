// The five date selectors (reckoning, year, month, week, weekday), each between a "<" and a ">"
// label that step back and forward. The bar fills the lists and tells a user's choice from the
// program's own setting of an entry: while the selector lock is held, a change of entry is not
// a choice.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QObject>
#include <array>
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

  protected:
    void wheelEvent(QWheelEvent* event) override;

  public:
    // The first entry the opened list shows.
    static int FirstVisible(int current) { return current > 9 ? current - 9 : 0; }
};

// "<" or ">": a press with any button but the right one steps, and so does a double click.
class StepLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void step();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
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
    StepLabel* Prev(int i) const { return prev_.at(static_cast<std::size_t>(i)); }
    StepLabel* Next(int i) const { return next_.at(static_cast<std::size_t>(i)); }

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
    // The index each list showed before the latest change: what a choice is compared with.
    int OldComboIndex(int i) const { return shown_.at(static_cast<std::size_t>(i)); }

  signals:
    void comboChosen(int i, int newIndex, int oldIndex);  // GoCombo
    void stepPrev(int i);                                 // GoPrev
    void stepNext(int i);                                 // GoNext

  public slots:
    void Combo1_Click(int i);

  private:
    std::array<SelectorCombo*, kSelectorCount> combos_{};
    std::array<StepLabel*, kSelectorCount> prev_{};
    std::array<StepLabel*, kSelectorCount> next_{};
    std::array<int, kSelectorCount> shown_{};
};

}  // namespace velorith
