#pragma once

#include <QWidget>

class QTableView;

namespace lanze {

class GridModel;

// The footer row under a data grid: one cell per visible column, lined up with the columns as they
// are resized, moved and scrolled sideways. It paints what the model's footer says.
class GridFooterStrip : public QWidget {
    Q_OBJECT
  public:
    GridFooterStrip(QTableView* view, GridModel* model, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // Where the footer cell of a column lies in the strip: under the column as it is now placed and
    // scrolled. Empty for a hidden column.
    QRect cellRect(int column) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int viewportLeft() const;

    QTableView* view_;
    GridModel* model_;
};

}  // namespace lanze
