// A small grid of coloured cells with no headers, drawn from GridCell values: the month grid
// and the three-reckonings grid. It reports left clicks by cell and right clicks by place.
#pragma once

#include <QPoint>

#include <QTableWidget>
#include <functional>
#include <vector>

#include "shell/month_grid_model.h"

namespace velorith {

class CellGrid : public QTableWidget {
    Q_OBJECT
  public:
    // Column widths and row heights in twips; the grid is sized to hold them all.
    // Columns from 1 on hold numbers and are right-aligned when numbersRight is set.
    CellGrid(const std::vector<int>& colTwips, const std::vector<int>& rowTwips, bool numbersRight,
             QWidget* parent = nullptr);

    void SetCell(int row, int col, const GridCell& cell);
    // Sets every cell of a model with drawing suspended, so the grid repaints once.
    template <class Model>
    void Show(const Model& model) {
        setUpdatesEnabled(false);
        for (int r = 0; r < Model::kRows; ++r) {
            for (int c = 0; c < Model::kCols; ++c)
                SetCell(r, c, model.Cell(r, c));
        }
        setUpdatesEnabled(true);
        viewport()->update();
    }
    void SetBackground(const Rgb& color);
    // With the system's colours the cells' grounds and inks are carried over to the desktop's
    // palette (see paper_palette.h); the next Show draws them so.
    void SetSystemColours(bool on);
    bool SystemColours() const { return system_; }
    QSize sizeHint() const override { return fixedSize_; }

    // Column widths, row heights and the frame grow by `factor` from the sizes the grid was
    // made with; the font is the caller's to scale, and the cells take it at the next Show.
    void SetScale(double factor);

    // Cells the grid marks over their own colours: today with a frame, and the selected cell
    // with a focus rectangle while the grid has the keyboard focus. Row -1 marks nothing.
    struct Marks {
        int todayRow = -1;
        int todayCol = -1;
        int focusRow = -1;
        int focusCol = -1;
        std::vector<QPoint> fastCells;  // (column, row) of the days that are fast days
    };
    // The grid asks for its marks each time it draws; without a source it marks nothing.
    void SetMarkSource(std::function<Marks()> source) { marks_ = std::move(source); }
    // The tooltip of a cell, as plain text; empty for none.
    void SetToolTipSource(std::function<QString(int row, int col)> source) {
        toolTips_ = std::move(source);
    }
    // What a screen reader says of a cell (its name, or with `description` its longer text);
    // empty leaves the cell's own text.
    void SetAccessibleSource(std::function<QString(int row, int col, bool description)> source) {
        accessible_ = std::move(source);
    }
    QString AccessibleText(int row, int col, bool description) const {
        return accessible_ ? accessible_(row, col, description) : QString();
    }
    // Where the number of a cell is drawn (its glyphs, in viewport coordinates), and where a
    // fast day's dot goes beside it: the dot never touches the number, whatever the font.
    QRectF NumberRect(int row, int col) const;
    QRectF FastDotRect(int row, int col) const;
    // A key pressed while the grid has the focus; true when it was used. The grid's own moves
    // of a current cell are never made.
    void SetKeyHandler(std::function<bool(const QKeyEvent&)> handler) {
        keys_ = std::move(handler);
    }

  signals:
    void leftClicked(int row, int col);
    void rightClicked(const QPoint& globalPos);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    QSize fixedSize_;
    bool numbersRight_ = true;
    bool system_ = false;
    QColor paper_ = QColor(Qt::white);
    std::vector<int> colTwips_;
    std::vector<int> rowTwips_;
    std::function<Marks()> marks_;
    std::function<QString(int, int)> toolTips_;
    std::function<bool(const QKeyEvent&)> keys_;
    std::function<QString(int, int, bool)> accessible_;
};

// Where a dot of radius up to `radius` fits in `cell` without touching `number` (both in the
// same coordinates, the number right-aligned in the cell): beside it on the left, else above or
// below it; an empty rectangle when the cell has no room left at all.
QRectF DotBesideNumber(const QRectF& cell, const QRectF& number, qreal radius);

QColor ToQColor(const Rgb& c);

}  // namespace velorith
