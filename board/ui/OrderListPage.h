#pragma once

#include <QStringList>
#include <QWidget>

#include "core/grid/GridColumn.h"
#include "core/grid/GridRecord.h"

class QLabel;

namespace lanze {

class Database;
class DataGrid;
struct Statement;

// A page of the board: a list of orders, one row each, and beside it the lines of the selected order.
// The order board lists the delivery orders (multi-selection, title sorting, movable columns); the
// dine-in bills page lists the dine-in and counter orders.
class OrderListPage : public QWidget {
    Q_OBJECT
  public:
    enum class Kind { Board, DineIn };

    OrderListPage(Kind kind, Database& db, QWidget* parent = nullptr);

    // The board's columns for its fields from the left (the design-time layout when empty). A field
    // the board does not know gets a column of its own, which stays empty.
    static QList<GridColumn> boardColumns(const QStringList& fields = {});
    static QList<GridColumn> dineInColumns();
    static QStringList designFields();

    DataGrid* list() const { return list_; }
    DataGrid* detail() const { return detail_; }

    // Runs the statement. The selected orders, the current one and the scroll position stay where they
    // were when the orders are still listed. Throws DbError; the list is then empty.
    void load(const Statement& statement);
    // Runs the list's statement again (after another station changed orders), keeping the title sort.
    void reload();
    // Fills the detail grid for the current order; empties it without one.
    void showDetail();

    void setColourDisplay(bool on);
    bool colourDisplay() const { return colours_; }

    GridRecord currentRecord() const;
    QString currentOrder() const;
    QStringList selectedOrders() const;

  signals:
    void rowActivated();  // Enter on a row
    void rowDoubleClicked();
    void contextMenuWanted(const QPoint& globalPos);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Position {
        QString current;
        QStringList selected;
        int scroll = 0;
    };
    Position position() const;
    void restore(const Position& p);

    Kind kind_;
    Database& db_;
    DataGrid* list_;
    DataGrid* detail_;
    bool colours_ = false;
    QString shownDetail_;
};

}  // namespace lanze
