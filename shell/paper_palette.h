// The reports are written in navy, red and black for the white paper of a printed calendar, and
// the grids and selectors wear the reckoning's light colour. A dark desktop theme must not put
// them on a dark ground or give them light letters: these widgets keep paper and ink of their own.
#pragma once

#include <QColor>
#include <QPalette>

namespace velorith {

// `palette` with a light ground (`paper`) and black text in every colour group; the selection
// colours stay the theme's.
QPalette OnPaper(QPalette palette, const QColor& paper = QColor(Qt::white));

}  // namespace velorith
