#include "shell/month_grid_keys.h"

#include "shell/selector_bar.h"

namespace velorith {

std::optional<GridKeyStep> GridKeyStepOf(QKeyCombination key) {
    // The arrows and the paging keys of the number pad are the same keys.
    const Qt::KeyboardModifiers mods = key.keyboardModifiers() & ~Qt::KeypadModifier;
    const bool ctrl = mods == Qt::ControlModifier;
    if (mods != Qt::NoModifier && !ctrl) return std::nullopt;
    switch (key.key()) {
        case Qt::Key_Up:
            return ctrl ? std::nullopt : std::optional(GridKeyStep{false, kDaySelector, -1});
        case Qt::Key_Down:
            return ctrl ? std::nullopt : std::optional(GridKeyStep{false, kDaySelector, 1});
        case Qt::Key_Left:
            return ctrl ? std::nullopt : std::optional(GridKeyStep{false, kWeekSelector, -1});
        case Qt::Key_Right:
            return ctrl ? std::nullopt : std::optional(GridKeyStep{false, kWeekSelector, 1});
        case Qt::Key_PageUp:
            return GridKeyStep{false, ctrl ? kYearSelector : kMonthSelector, -1};
        case Qt::Key_PageDown:
            return GridKeyStep{false, ctrl ? kYearSelector : kMonthSelector, 1};
        case Qt::Key_Home:
            return ctrl ? std::nullopt : std::optional(GridKeyStep{true, 0, 0});
        default:
            return std::nullopt;
    }
}

std::optional<GridKeyStep> MonthViewKeyStepOf(QKeyCombination key) {
    const std::optional<GridKeyStep> step = GridKeyStepOf(key);
    if (!step) return step;
    switch (key.key()) {
        case Qt::Key_Up:
            return GridKeyStep{false, kWeekSelector, -1};
        case Qt::Key_Down:
            return GridKeyStep{false, kWeekSelector, 1};
        case Qt::Key_Left:
            return GridKeyStep{false, kDaySelector, -1};
        case Qt::Key_Right:
            return GridKeyStep{false, kDaySelector, 1};
        default:
            return step;
    }
}

}  // namespace velorith
