#include "shell/cell_grid.h"

#include <QHeaderView>
#include <QMouseEvent>

#include "shell/paper_palette.h"
#include "shell/settings_store.h"

namespace velorith {

QColor ToQColor(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

CellGrid::CellGrid(const std::vector<int>& colTwips, const std::vector<int>& rowTwips,
                   bool numbersRight, QWidget* parent)
    : QTableWidget(static_cast<int>(rowTwips.size()), static_cast<int>(colTwips.size()), parent),
      numbersRight_(numbersRight) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setShowGrid(true);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    setPalette(OnPaper(palette()));  // light cells and dark lines and letters in any theme
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    int width = 0;
    int height = 0;
    for (int c = 0; c < columnCount(); ++c) {
        int px = colTwips[static_cast<std::size_t>(c)] / kTwipsPerPixel;
        setColumnWidth(c, px);
        width += px;
    }
    for (int r = 0; r < rowCount(); ++r) {
        int px = rowTwips[static_cast<std::size_t>(r)] / kTwipsPerPixel;
        setRowHeight(r, px);
        height += px;
    }
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c)
            setItem(r, c, new QTableWidgetItem());  // the grid owns its items
    }
    fixedSize_ = QSize(width + 2 * frameWidth(), height + 2 * frameWidth());
    setFixedSize(fixedSize_);
}

void CellGrid::SetCell(int row, int col, const GridCell& cell) {
    QTableWidgetItem* it = item(row, col);
    if (it == nullptr) return;
    it->setText(cell.text);
    it->setBackground(ToQColor(cell.back));
    it->setForeground(ToQColor(cell.fore));
    QFont f = font();
    f.setBold(cell.bold);
    it->setFont(f);
    it->setTextAlignment(col == 0 || !numbersRight_ ? Qt::AlignLeft | Qt::AlignVCenter
                                                    : Qt::AlignRight | Qt::AlignVCenter);
}

void CellGrid::SetBackground(const Rgb& color) {
    setPalette(OnPaper(palette(), ToQColor(color)));
}

void CellGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit rightClicked(event->globalPosition().toPoint());
        return;
    }
    QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) emit leftClicked(index.row(), index.column());
}

// A double click is two presses for the grid, as the first press already acted.
void CellGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace velorith
