#include "shell/paper_palette.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <vector>

namespace velorith {

namespace {

constexpr double kReadable = 4.5;  // ordinary text
constexpr double kGroundSaturation = 0.6;

double Luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

}  // namespace

QPalette OnPaper(QPalette palette, const QColor& paper) {
    const QColor ink(Qt::black);
    const QColor faint(128, 128, 128);  // disabled text and placeholders
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        palette.setColor(group, QPalette::Base, paper);
        palette.setColor(group, QPalette::AlternateBase, paper);
        palette.setColor(group, QPalette::Button, paper);
        palette.setColor(group, QPalette::Text, disabled ? faint : ink);
        palette.setColor(group, QPalette::ButtonText, disabled ? faint : ink);
        palette.setColor(group, QPalette::WindowText, disabled ? faint : ink);
        palette.setColor(group, QPalette::PlaceholderText, faint);
        palette.setColor(group, QPalette::Mid, QColor(160, 160, 160));  // the grid's lines
    }
    return palette;
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsDarkPalette(const QPalette& system) {
    return system.color(QPalette::Active, QPalette::Base).lightnessF() < 0.5;
}

QColor GroundOn(const QColor& paper, const QPalette& system) {
    if (!IsDarkPalette(system)) return paper;
    const QColor base = system.color(QPalette::Active, QPalette::Base);
    // A strong colour marks something (the selected day) and keeps its look.
    if (paper.hslSaturationF() >= kGroundSaturation && paper.lightnessF() <= 0.6) return paper;
    if (paper.hslSaturationF() < 0.05) return base;  // white paper is the desktop's own field
    const float lightness = std::max(base.lightnessF(), 1.0F - paper.lightnessF());
    return QColor::fromHslF(paper.hslHueF(), paper.hslSaturationF() * 0.6F,
                            std::min(lightness, 0.3F));
}

QColor InkOn(const QColor& ink, const QColor& ground) {
    // White letters on the selected day's red read as they always have: large and bold.
    if (Contrast(ink, ground) >= 3.0) return ink;
    const bool lighten = Luminance(ground) < 0.18;
    QColor best = ink;
    const float hue = ink.hslHueF() < 0 ? 0 : ink.hslHueF();
    for (int step = 1; step <= 20; ++step) {
        const float t = static_cast<float>(step) / 20.0F;
        float l = ink.lightnessF();
        l = lighten ? l + (1.0F - l) * t : l * (1.0F - t);
        best = QColor::fromHslF(hue, ink.hslSaturationF(), std::clamp(l, 0.0F, 1.0F));
        if (Contrast(best, ground) >= kReadable) break;
    }
    return best;
}

QPalette WidgetColours(const QPalette& own, const QColor& paper, bool system,
                       const QPalette& desktop) {
    if (!system) return OnPaper(own, paper);
    QPalette palette = desktop;
    const QColor ground = GroundOn(paper, desktop);
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, ground);
        palette.setColor(group, QPalette::AlternateBase, ground);
        palette.setColor(group, QPalette::Button, ground);
    }
    return palette;
}

void ReadableInk(QTextDocument& doc, const QColor& ground) {
    // The changes are gathered first: merging a format splits and joins the fragments walked.
    struct Change {
        int position;
        int length;
        QColor ink;
    };
    std::vector<Change> changes;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) continue;
            const QTextCharFormat format = fragment.charFormat();
            if (!format.hasProperty(QTextFormat::ForegroundBrush)) continue;
            const QColor ink = format.foreground().color();
            const QColor readable = InkOn(ink, ground);
            if (readable != ink)
                changes.push_back({fragment.position(), fragment.length(), readable});
        }
    }
    QTextCursor cursor(&doc);
    for (const Change& change : changes) {
        cursor.setPosition(change.position);
        cursor.setPosition(change.position + change.length, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setForeground(change.ink);
        cursor.mergeCharFormat(format);
    }
}

}  // namespace velorith
