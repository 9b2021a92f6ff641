#include "dialogs/font_choice.h"

#include <QCheckBox>
#include <QFont>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLineEdit>
#include <QListView>
#include <QVariant>
#include <cmath>
#include <cstdlib>
#include <limits>

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

namespace {

// The family's own name for the style with this boldness and slant: the plain width, and the
// weight nearest to normal or bold. Empty when the family has no such style.
QString StyleNamed(const QString& family, bool bold, bool italic) {
    const int target = bold ? QFont::Bold : QFont::Normal;
    QString best;
    int bestScore = std::numeric_limits<int>::max();
    for (const QString& style : QFontDatabase::styles(family)) {
        // Oblique counts as slanted; QFontDatabase::italic() knows italic alone.
        const QFont face = QFontDatabase::font(family, style, 10);
        if ((face.style() != QFont::StyleNormal) != italic) continue;
        const int weight = face.weight();
        if ((weight >= QFont::DemiBold) != bold) continue;
        int score = std::abs(weight - target);
        for (const char* width : {"Condensed", "Narrow", "Expanded", "Wide"}) {
            if (style.contains(QLatin1String(width), Qt::CaseInsensitive)) score += 1000;
        }
        if (score < bestScore) best = style, bestScore = score;
    }
    return best;
}

}  // namespace

void LockFontStyle(QFontDialog& dialog, bool bold, bool italic) {
    // The dialog builds its family, style and size choosers in that order, each a box over a
    // list; the style pair is the middle one.
    const auto lists = dialog.findChildren<QListView*>();
    const auto boxes = dialog.findChildren<QLineEdit*>();
    if (lists.size() >= 3) lists[1]->setEnabled(false);
    if (boxes.size() >= 3) boxes[1]->setEnabled(false);
    // The effects box holds the two check boxes, underline and strike-out.
    for (QCheckBox* effect : dialog.findChildren<QCheckBox*>()) {
        effect->setChecked(false);
        if (QWidget* box = effect->parentWidget(); box != &dialog) {
            box->hide();
        } else {
            effect->hide();
        }
    }
    // A new family would otherwise show the style the list kept, or its first one when the
    // family lacks it (DejaVu Sans lists "Oblique" first and calls its upright style "Book").
    const auto keepStyle = [&dialog, bold, italic](const QFont& shown) {
        if (shown.bold() == bold && shown.italic() == italic) return;
        if (dialog.property("velorithRestyling").toBool()) return;  // a family without it
        dialog.setProperty("velorithRestyling", true);
        QFont styled = shown;
        styled.setBold(bold);
        styled.setItalic(italic);
        styled.setStyleName(StyleNamed(shown.family(), bold, italic));
        dialog.setCurrentFont(styled);
        dialog.setProperty("velorithRestyling", false);
    };
    QObject::connect(&dialog, &QFontDialog::currentFontChanged, &dialog, keepStyle);
    keepStyle(dialog.currentFont());
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
        LockFontStyle(dialog, current.bold, current.italic);
        if (dialog.exec() == QDialog::Accepted) chosen = dialog.selectedFont();
    }
    if (!chosen) return std::nullopt;
    return ReportFontFrom(*chosen, current);
}

}  // namespace velorith
