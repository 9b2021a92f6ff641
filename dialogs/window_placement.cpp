#include "dialogs/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace velorith {

void PlaceAtUpperThird(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.left() + (area.width() - size.width()) / 2,
                 area.top() + (area.height() - size.height()) / 3);
}

}  // namespace velorith
