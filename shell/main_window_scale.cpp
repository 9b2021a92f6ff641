// Wide screens: the right-hand panel, its selectors, grids and buttons grow with the window,
// by the smaller of the width's and the height's growth over the design size, up to 1.75 and
// in eighths so that a resize by a few pixels does not redraw the panel. At the design size
// every place and font is the design's own.
#include <QComboBox>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "shell/cell_grid.h"
#include "shell/main_window.h"
#include "shell/selector_bar.h"
#include "shell/settings_store.h"

namespace velorith {

namespace {

constexpr double kMaxPanelScale = 1.75;
constexpr double kPanelFontPoints = 8;   // the dialog font of the panel
constexpr double kButtonFontPoints = 9;  // "Сегодня" and "Закрыть"

double PanelScaleFor(int widthPx, int heightPx) {
    const double grow =
        std::min(static_cast<double>(widthPx) * kTwipsPerPixel / kDefaultWidthTwips,
                 static_cast<double>(heightPx) * kTwipsPerPixel / kDefaultHeightTwips);
    return std::clamp(std::floor(grow * 8) / 8, 1.0, kMaxPanelScale);
}

}  // namespace

void MainWindow::ScaleRightPanel() {
    const double f = PanelScaleFor(width(), height());
    if (f == panelScale_) return;
    panelScale_ = f;
    auto px = [f](int twips) { return static_cast<int>(std::lround(twips * f / kTwipsPerPixel)); };

    QFont panelFont = selectorPanel_->font();
    panelFont.setPointSizeF(kPanelFontPoints * f);
    selectorPanel_->setFont(panelFont);
    closePanel_->setFont(panelFont);
    QFont buttonFont = todayButton_->font();
    buttonFont.setPointSizeF(kButtonFontPoints * f);
    todayButton_->setFont(buttonFont);
    closeButton_->setFont(buttonFont);

    selectorPanel_->setGeometry(selectorPanel_->x(), px(120), px(2625), px(5325));
    for (int i = 0; i < kSelectorCount; ++i) {
        const int top = px(45 + 360 * i);
        selectors_->Combo(i)->setGeometry(px(225), top, px(2175), px(315));
        selectors_->Prev(i)->setGeometry(px(45) - 2, top, px(135) + 4, px(315));
        selectors_->Next(i)->setGeometry(px(2445) - 2, top, px(135) + 4, px(315));
    }
    monthGrid_->SetScale(f);
    monthGrid_->move(px(225), px(1905));
    datesGrid_->SetScale(f);
    datesGrid_->move(px(225), px(3825));
    todayButton_->setGeometry(px(225), px(4725), px(2175), px(495));
    closePanel_->setGeometry(closePanel_->x(), closePanel_->y(), px(2625), px(600));
    closeButton_->setGeometry(px(225), px(45), px(2175), px(495));
    // The cells carry their own font, taken from the grid's when they are set.
    monthGrid_->Show(grid_);
    datesGrid_->Show(dates_);
}

}  // namespace velorith
