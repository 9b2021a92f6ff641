#include "shell/cell_grid.h"

#include <algorithm>

#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>
#include <QToolTip>
#include <cmath>

#include "shell/paper_palette.h"
#include "shell/settings_store.h"

namespace velorith {

QColor ToQColor(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

CellGrid::CellGrid(const std::vector<int>& colTwips, const std::vector<int>& rowTwips,
                   bool numbersRight, QWidget* parent)
    : QTableWidget(static_cast<int>(rowTwips.size()), static_cast<int>(colTwips.size()), parent),
      numbersRight_(numbersRight),
      colTwips_(colTwips),
      rowTwips_(rowTwips) {
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

void CellGrid::SetScale(double factor) {
    int width = 0;
    int height = 0;
    for (int c = 0; c < columnCount(); ++c) {
        int px = static_cast<int>(
            std::lround(colTwips_[static_cast<std::size_t>(c)] * factor / kTwipsPerPixel));
        setColumnWidth(c, px);
        width += px;
    }
    for (int r = 0; r < rowCount(); ++r) {
        int px = static_cast<int>(
            std::lround(rowTwips_[static_cast<std::size_t>(r)] * factor / kTwipsPerPixel));
        setRowHeight(r, px);
        height += px;
    }
    fixedSize_ = QSize(width + 2 * frameWidth(), height + 2 * frameWidth());
    setFixedSize(fixedSize_);
}

void CellGrid::keyPressEvent(QKeyEvent* event) {
    if (keys_ && keys_(*event)) {
        event->accept();
        return;
    }
    event->ignore();  // the window's shortcuts and the dialog keys go on as before
}

void CellGrid::paintEvent(QPaintEvent* event) {
    QTableWidget::paintEvent(event);
    if (!marks_) return;
    const Marks marks = marks_();
    QPainter painter(viewport());
    // A fast day carries a small dot at the left of its cell, where the right-aligned number
    // leaves room, in the cell's own text colour: the specified fills and colours stay.
    painter.setRenderHint(QPainter::Antialiasing);
    for (const QPoint& at : marks.fastCells) {
        const QRect cell = visualRect(model()->index(at.y(), at.x()));
        const QTableWidgetItem* it = item(at.y(), at.x());
        QColor ink = it ? it->foreground().color() : QColor(0, 0, 128);
        ink.setAlpha(190);
        const qreal r = std::max<qreal>(1.5, cell.height() / 10.0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(QPointF(cell.left() + r + 2, cell.center().y() + 0.5), r, r);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (marks.todayRow >= 0) {
        // A frame in the ordinary days' navy, inside the cell: its fill stays as it is.
        QRect cell = visualRect(model()->index(marks.todayRow, marks.todayCol));
        painter.setPen(QPen(QColor(0, 0, 128), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(cell).adjusted(1.5, 1.5, -2.5, -2.5));
    }
    if (hasFocus() && marks.focusRow >= 0) {
        QRect cell = visualRect(model()->index(marks.focusRow, marks.focusCol));
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell.adjusted(1, 1, -3, -3));
    }
}

bool CellGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTips_) {
        auto* help = static_cast<QHelpEvent*>(event);
        QModelIndex index = indexAt(help->pos());
        QString text = index.isValid() ? toolTips_(index.row(), index.column()) : QString();
        if (text.isEmpty()) {
            QToolTip::hideText();
        } else {
            // As rich text the tooltip wraps a long commemoration instead of running wide.
            QToolTip::showText(help->globalPos(), Qt::convertFromPlainText(text), viewport(),
                               visualRect(index));
        }
        return true;
    }
    return QTableWidget::viewportEvent(event);
}

void CellGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    // The grid's own current cell would draw a second focus frame; the marks show the focus.
    if (selectionModel() != nullptr) selectionModel()->clearCurrentIndex();
    viewport()->update();
}

void CellGrid::focusOutEvent(QFocusEvent* event) {
    QTableWidget::focusOutEvent(event);
    viewport()->update();
}

}  // namespace velorith
