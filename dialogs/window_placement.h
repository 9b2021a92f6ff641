// Where the program's small windows appear: centred across the screen and a third of the way
// down, so they sit a little higher than the middle.
#pragma once

class QWidget;

namespace velorith {

void PlaceAtUpperThird(QWidget* window);

}  // namespace velorith
