#include "dialogs/font_choice.h"

#include <QFont>
#include <QFontDialog>
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
        bool ok = false;
        const QFont font =
            QFontDialog::getFont(&ok, preset, parent, QString(), QFontDialog::DontUseNativeDialog);
        if (ok) chosen = font;
    }
    if (!chosen) return std::nullopt;
    return ReportFontFrom(*chosen, current);
}

}  // namespace velorith
