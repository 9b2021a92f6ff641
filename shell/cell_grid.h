// A small grid of coloured cells with no headers, drawn from GridCell values: the month grid
// and the three-reckonings grid. It reports left clicks by cell and right clicks by place.
#pragma once

#include <QTableWidget>
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
    QSize sizeHint() const override { return fixedSize_; }

  signals:
    void leftClicked(int row, int col);
    void rightClicked(const QPoint& globalPos);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QSize fixedSize_;
    bool numbersRight_ = true;
};

QColor ToQColor(const Rgb& c);

}  // namespace velorith
