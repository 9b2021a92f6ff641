// The keys of the month grid. Days run down a column and weeks across, so the vertical arrows
// step by a day and the horizontal ones by a week; Page Up and Page Down step by a month, with
// Ctrl by a year; Home goes to today. Each step is the step of the matching selector's "<" or
// ">", so it crosses months and years and is refused at the ends of the working range alike.
#pragma once

#include <QKeyCombination>
#include <optional>

namespace velorith {

struct GridKeyStep {
    bool today = false;  // Home: go to today; selector and dir are unused then
    int selector = 0;    // the selector whose step this is (Selector of navigation.h)
    int dir = 0;         // -1 back, 1 forward
    bool operator==(const GridKeyStep&) const = default;
};

// The step a key asks for; none for every other key and for these keys with other modifiers.
std::optional<GridKeyStep> GridKeyStepOf(QKeyCombination key);
// The same for the large month, whose days run across the rows: the arrows move to the
// neighbouring cell there too, so the horizontal ones step by a day and the vertical by a week.
std::optional<GridKeyStep> MonthViewKeyStepOf(QKeyCombination key);

}  // namespace velorith
