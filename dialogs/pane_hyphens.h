// The report panes lay out the hyphen of a numbered word ("Глас 2-й", "28-ой") as a
// non-breaking hyphen, so that a line never breaks inside it. That character lives only in the
// pane's document: whatever leaves a pane as text (copy, save, the search field) gets the
// report's own hyphen back, and a search for a hyphen finds either.
#pragma once

#include <QRegularExpression>
#include <QString>

namespace velorith {

inline constexpr char16_t kPaneHyphen = u'\u2011';

// The text with every pane hyphen turned back into the report's "-".
QString WithReportHyphens(QString text);

// A case-insensitive pattern that finds the literal text in a pane, each "-" of it matching
// the report's hyphen and the pane's one.
QRegularExpression PaneSearchPattern(const QString& text);

}  // namespace velorith
