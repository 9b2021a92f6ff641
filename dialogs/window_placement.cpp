#include "dialogs/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace velorith {

void PlaceAtUpperThird(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.left() + (area.width() - size.width()) / 2,
                 area.top() + (area.height() - size.height()) / 3);
}

QRect FitIntoArea(const QRect& wanted, const QRect& area, const QSize& minimum) {
    const QSize size(std::max(std::min(wanted.width(), area.width()), minimum.width()),
                     std::max(std::min(wanted.height(), area.height()), minimum.height()));
    // The right and bottom edges first, then the left and top, so that a window larger than
    // the area (its minimum size) keeps its top left corner, and with it the title bar, visible.
    const int left =
        std::max(std::min(wanted.left(), area.left() + area.width() - size.width()), area.left());
    const int top =
        std::max(std::min(wanted.top(), area.top() + area.height() - size.height()), area.top());
    return QRect(QPoint(left, top), size);
}

}  // namespace velorith
