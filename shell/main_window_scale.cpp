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

    QFont panelFont = Con1->font();
    panelFont.setPointSizeF(kPanelFontPoints * f);
    Con1->setFont(panelFont);
    Con2->setFont(panelFont);
    QFont buttonFont = cbToday->font();
    buttonFont.setPointSizeF(kButtonFontPoints * f);
    cbToday->setFont(buttonFont);
    cbExit->setFont(buttonFont);

    Con1->setGeometry(Con1->x(), px(120), px(2625), px(5325));
    for (int i = 0; i < kSelectorCount; ++i) {
        const int top = px(45 + 360 * i);
        selectors_->Combo(i)->setGeometry(px(225), top, px(2175), px(315));
        selectors_->Prev(i)->setGeometry(px(45) - 2, top, px(135) + 4, px(315));
        selectors_->Next(i)->setGeometry(px(2445) - 2, top, px(135) + 4, px(315));
    }
    MSFlexGrid1->SetScale(f);
    MSFlexGrid1->move(px(225), px(1905));
    MSFlexGrid2->SetScale(f);
    MSFlexGrid2->move(px(225), px(3825));
    cbToday->setGeometry(px(225), px(4725), px(2175), px(495));
    Con2->setGeometry(Con2->x(), Con2->y(), px(2625), px(600));
    cbExit->setGeometry(px(225), px(45), px(2175), px(495));
    // The cells carry their own font, taken from the grid's when they are set.
    MSFlexGrid1->Show(grid_);
    MSFlexGrid2->Show(dates_);
}

}  // namespace velorith
