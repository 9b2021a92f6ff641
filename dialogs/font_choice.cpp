#include "dialogs/font_choice.h"

#include <QFont>
#include <QFontDialog>
#include <QLineEdit>
#include <QListView>
#include <cmath>

namespace velorith {

int RoundHalfEven(double value) {
    const double whole = std::floor(value);
    const double fraction = value - whole;
    double result = whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) result += 1.0;
    return static_cast<int>(result);
}

ReportFont ReportFontFrom(const QFont& chosen, const ReportFont& current) {
    ReportFont font = current;
    font.name = chosen.family();
    const double points = chosen.pointSizeF() > 0 ? chosen.pointSizeF() : current.size;
    font.size = RoundHalfEven(points);
    return font;
}

void LockFontStyle(QFontDialog& dialog) {
    // The dialog builds its family, style and size choosers in that order, each a box over a
    // list; the style pair is the middle one.
    const auto lists = dialog.findChildren<QListView*>();
    const auto boxes = dialog.findChildren<QLineEdit*>();
    if (lists.size() >= 3) lists[1]->setEnabled(false);
    if (boxes.size() >= 3) boxes[1]->setEnabled(false);
}

std::optional<ReportFont> ChooseReportFont(const ReportFont& current, QWidget* parent,
                                           const FontAsker& ask) {
    QFont preset(current.name);
    preset.setPointSize(current.size);
    preset.setBold(current.bold);
    preset.setItalic(current.italic);
    std::optional<QFont> chosen;
    if (ask) {
        chosen = ask(preset, parent);
    } else {
        QFontDialog dialog(preset, parent);
        dialog.setOption(QFontDialog::DontUseNativeDialog);
        LockFontStyle(dialog);
        if (dialog.exec() == QDialog::Accepted) chosen = dialog.selectedFont();
    }
    if (!chosen) return std::nullopt;
    return ReportFontFrom(*chosen, current);
}

}  // namespace velorith
