// The reports are written in navy, red and black for the white paper of a printed calendar, and
// the grids and selectors wear the reckoning's light colour. By default a dark desktop theme
// does not put them on a dark ground or give them light letters: these widgets keep paper and
// ink of their own. With the system's colours chosen instead, the same colours are carried over
// to the desktop's ground: light tints become dark ones, and an ink that would not read on its
// ground is lightened (or darkened) until it does.
#pragma once

#include <QColor>
#include <QPalette>

class QTextDocument;

namespace velorith {

// `palette` with a light ground (`paper`) and black text in every colour group; the selection
// colours stay the theme's.
QPalette OnPaper(QPalette palette, const QColor& paper = QColor(Qt::white));

// The contrast of two colours as the web's accessibility guidelines measure it (1 to 21).
double Contrast(const QColor& a, const QColor& b);

// Whether the desktop's palette draws dark text fields.
bool IsDarkPalette(const QPalette& system);

// A light ground of the calendar's (a reckoning's tint, a red day's pink) on the desktop's
// palette: as it is on a light desktop; on a dark one as dark as the desktop's own fields, its
// hue kept. Saturated grounds (the selected day's red) stay as they are.
QColor GroundOn(const QColor& paper, const QPalette& system);
// An ink of the calendar's on `ground`, changed in lightness only as far as it must be to read.
QColor InkOn(const QColor& ink, const QColor& ground);

// The palette of a pane, grid or selector: the paper's when `system` is false, else the
// desktop's own with the ground carried over.
QPalette WidgetColours(const QPalette& own, const QColor& paper, bool system,
                       const QPalette& desktop);

// Makes every explicitly coloured run of a document readable on `ground`.
void ReadableInk(QTextDocument& doc, const QColor& ground);

}  // namespace velorith
