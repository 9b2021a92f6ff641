#include "shell/cell_grid.h"

#include <algorithm>

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QTextDocument>
#include <QToolTip>
#include <cmath>

#include "shell/paper_palette.h"
#include "shell/settings_store.h"

namespace velorith {

QColor ToQColor(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

namespace {

// A cell that asks its grid what a screen reader should hear of it.
class CellItem : public QTableWidgetItem {
  public:
    explicit CellItem(const CellGrid* grid) : grid_(grid) {}
    QVariant data(int role) const override {
        if (role == Qt::AccessibleTextRole || role == Qt::AccessibleDescriptionRole) {
            const QString text =
                grid_->AccessibleText(row(), column(), role == Qt::AccessibleDescriptionRole);
            if (!text.isEmpty()) return text;
        }
        return QTableWidgetItem::data(role);
    }

  private:
    const CellGrid* grid_;
};

constexpr qreal kNumberGap = 1.0;  // clear space between the dot and the number's ink
constexpr qreal kEdgeGap = 0.5;    // and between the dot and the cell's edge

qreal DistanceToRect(const QPointF& p, const QRectF& r) {
    const qreal dx = std::max({r.left() - p.x(), 0.0, p.x() - r.right()});
    const qreal dy = std::max({r.top() - p.y(), 0.0, p.y() - r.bottom()});
    return std::hypot(dx, dy);
}

QRectF Circle(const QPointF& c, qreal r) {
    return QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r);
}

}  // namespace

QRectF DotBesideNumber(const QRectF& cell, const QRectF& number, qreal radius) {
    const QRectF inner = cell.adjusted(kEdgeGap, kEdgeGap, -kEdgeGap, -kEdgeGap);
    // Left of the number, in the room the right alignment leaves.
    const qreal room = number.left() - kNumberGap - inner.left();
    const qreal beside = std::min(radius, room / 2);
    // In the top or the bottom left corner, clear of the number's ink, when a larger dot fits
    // there than beside it.
    for (qreal r = radius; r > std::max(beside, 1.0 - 1e-9); r -= 0.05) {
        for (const qreal y : {inner.top() + r, inner.bottom() - r}) {
            const QPointF c(inner.left() + r, y);
            if (DistanceToRect(c, number) >= r + kNumberGap) return Circle(c, r);
        }
    }
    if (beside >= 1.0) return Circle(QPointF(inner.left() + room / 2, inner.center().y()), beside);
    return {};
}

QRectF CellGrid::NumberRect(int row, int col) const {
    const QTableWidgetItem* it = item(row, col);
    if (it == nullptr || it->text().isEmpty()) return {};
    const QRect cell = visualRect(model()->index(row, col));
    const QFontMetricsF metrics(it->font());
    // As the style lays out an item's text: inside a margin, aligned as the item says.
    const qreal margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const QRectF text = QRectF(cell).adjusted(margin, 0, -margin, 0);
    const qreal width = metrics.horizontalAdvance(it->text());
    const Qt::Alignment align = Qt::Alignment(it->textAlignment());
    const qreal left = (align & Qt::AlignRight) ? text.right() - width : text.left();
    const qreal baseline = text.top() + (text.height() - metrics.height()) / 2 + metrics.ascent();
    return metrics.tightBoundingRect(it->text()).translated(left, baseline);
}

QRectF CellGrid::FastDotRect(int row, int col) const {
    const QRect cell = visualRect(model()->index(row, col));
    const qreal radius = std::max<qreal>(1.5, cell.height() / 10.0);
    QRectF number = NumberRect(row, col);
    if (number.isEmpty()) number = QRectF(cell.right(), cell.center().y(), 0, 0);
    return DotBesideNumber(QRectF(cell), number, radius);
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
            setItem(r, c, new CellItem(this));  // the grid owns its items
    }
    fixedSize_ = QSize(width + 2 * frameWidth(), height + 2 * frameWidth());
    setFixedSize(fixedSize_);
}

void CellGrid::SetCell(int row, int col, const GridCell& cell) {
    QTableWidgetItem* it = item(row, col);
    if (it == nullptr) return;
    it->setText(cell.text);
    QColor back = ToQColor(cell.back);
    QColor fore = ToQColor(cell.fore);
    if (system_) {
        back = GroundOn(back, QApplication::palette());
        fore = InkOn(fore, back);
    }
    it->setBackground(back);
    it->setForeground(fore);
    QFont f = font();
    f.setBold(cell.bold);
    it->setFont(f);
    it->setTextAlignment(col == 0 || !numbersRight_ ? Qt::AlignLeft | Qt::AlignVCenter
                                                    : Qt::AlignRight | Qt::AlignVCenter);
}

void CellGrid::SetBackground(const Rgb& color) {
    paper_ = ToQColor(color);
    setPalette(WidgetColours(palette(), paper_, system_, QApplication::palette()));
}

void CellGrid::SetSystemColours(bool on) {
    system_ = on;
    setPalette(WidgetColours(palette(), paper_, system_, QApplication::palette()));
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
    // A fast day carries a small dot beside its number, where the right alignment leaves
    // room, in the cell's own text colour: the cells' fills and colours stay.
    painter.setRenderHint(QPainter::Antialiasing);
    for (const QPoint& at : marks.fastCells) {
        const QRectF dot = FastDotRect(at.y(), at.x());
        if (dot.isEmpty()) continue;
        const QTableWidgetItem* it = item(at.y(), at.x());
        QColor ink = it ? it->foreground().color() : QColor(0, 0, 128);
        ink.setAlpha(190);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(dot);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (marks.todayRow >= 0) {
        // A frame in the ordinary days' navy, inside the cell: its fill stays as it is.
        QRect cell = visualRect(model()->index(marks.todayRow, marks.todayCol));
        const QTableWidgetItem* it = item(marks.todayRow, marks.todayCol);
        const QColor navy(0, 0, 128);
        painter.setPen(QPen(system_ && it ? InkOn(navy, it->background().color()) : navy, 2));
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
