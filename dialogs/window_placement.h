// Where the program's small windows appear: centred across the screen and a third of the way
// down, so they sit a little higher than the middle.
#pragma once

#include <QRect>

class QWidget;

namespace velorith {

void PlaceAtUpperThird(QWidget* window);

// A stored window rectangle made to fit `area` (a screen's available part): no larger than the
// area, yet no smaller than `minimum`, and moved the least distance that brings it inside. A
// window stored on a larger monitor thus opens whole on a smaller one.
QRect FitIntoArea(const QRect& wanted, const QRect& area, const QSize& minimum);

}  // namespace velorith
