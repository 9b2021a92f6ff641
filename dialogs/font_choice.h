// Choosing the report font. Bold and italic are kept as they are whatever the font dialog
// returns, and the size is a whole number of points, halves rounded to even.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QFont;
class QFontDialog;
class QWidget;

namespace velorith {

struct ReportFont {
    QString name;
    int size = 10;
    bool bold = false;
    bool italic = false;
    bool operator==(const ReportFont&) const = default;
};

int RoundHalfEven(double value);

// The new report font from what the dialog returned; bold and italic stay those of current.
ReportFont ReportFontFrom(const QFont& chosen, const ReportFont& current);

// Locks the dialog's style choice: the report keeps its own bold and italic, so the dialog must
// not offer to change them. The style shown (and so the preview) is the report's bold and
// italic, kept so when another family is chosen; underline and strike-out, which the report
// does not use, are hidden.
void LockFontStyle(QFontDialog& dialog, bool bold, bool italic);

// Asks with the font dialog; none when cancelled. The ask function stands in for the dialog in
// tests: it gets the preset font and returns the chosen one or none.
using FontAsker = std::function<std::optional<QFont>(const QFont& preset, QWidget* parent)>;
std::optional<ReportFont> ChooseReportFont(const ReportFont& current, QWidget* parent,
                                           const FontAsker& ask = {});

}  // namespace velorith
