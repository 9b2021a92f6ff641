#include "shell/paper_palette.h"

namespace velorith {

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

}  // namespace velorith
