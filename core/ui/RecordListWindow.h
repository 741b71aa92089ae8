#pragma once

#include <QDialog>
#include <functional>

#include "core/db/Query.h"
#include "core/grid/GridRecord.h"
#include "core/records/RowEdit.h"
#include "core/records/SortOrder.h"
#include "core/records/TableRows.h"

class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

namespace lanze {

class DataGrid;
class RecordEditor;

// A maintenance window over one table: a grid of the table's rows, a row of buttons and, where the
// list is ordered by hand, up and down arrows beside the grid. Rows are edited in a modal RecordEditor,
// in boxes of the window itself, or in the grid's editable columns; either way the window reads its
// list again after a change and keeps the cursor on the changed row.
class RecordListWindow : public QDialog {
    Q_OBJECT
  public:
    explicit RecordListWindow(TableRows rows, QWidget* parent = nullptr);

    DataGrid* grid() const { return grid_; }
    TableRows& rows() { return rows_; }
    Database& database() const { return rows_.database(); }

    // Reads the list again, the cursor on the first row whose field holds the value (on the row at
    // the same place when none does, or no field is given).
    void reload(const QString& field = QString(), const QVariant& value = QVariant());
    bool hasCurrentRow() const;
    GridRecord currentRecord() const;
    RowIdentity currentIdentity() const;

    // Runs one command of the window. A database error goes to the error box; a row changed by
    // another station gives its message and the list is read again. Returns whether it ran through.
    bool guarded(const std::function<void()>& command);

    // Asks the question (OK/Cancel) and on OK removes the current row. Nothing without a current row.
    bool removeCurrent(const QString& question);
    // Hands the editor a row and shows it; after "确定" the list is read again, the cursor on the row
    // whose positionField holds the written value. Returns whether the row was written.
    bool openEditor(RecordEditor& editor, RowEdit edit, const QString& positionField);
    // "修改": the current row read afresh into an edit. Nothing without a current row.
    std::optional<RowEdit> editCurrent();

    // Editing in boxes of the window itself (no editor): the row they hold, if any is being edited.
    const std::optional<RowEdit>& pending() const { return pending_; }

  signals:
    // The window was closed; lists fed by its table may read it again.
    void closed();

  protected:
    // The list statement, with the identity field 行号 among its columns.
    virtual Query listQuery() = 0;
    // After the cursor moved to another row (also after the list was read again).
    virtual void currentRowChanged() {}

    QPushButton* addButton(const QString& caption, const std::function<void()>& action);
    // The two arrows beside the grid that move the current row up or down in the list as shown; rows
    // are found by the key field of the list.
    void addMoveButtons(const QString& keyField);
    // Boxes of the window bound to the current row. "添加" starts a new row and empties the boxes;
    // typing into a box or an editable grid cell starts editing the current row; posting writes the
    // row with what the cells and boxes hold; moving to another row or closing the window drops what
    // was not posted.
    void beginInsert();
    void touchRow();
    // Reads the boxes and writes the row: by default one statement; a window that must write more
    // passes its own writer. Returns whether the row was written.
    bool postPending(const std::function<void(RowEdit&)>& writer = {});
    void cancelPending();
    // The field the list finds a posted row by.
    void setPositionField(const QString& field) { positionField_ = field; }
    // Shows a row in the bound boxes; an empty record while a new row is started.
    virtual void showRow(const GridRecord& row) { Q_UNUSED(row); }
    // Reads the bound boxes into the row's values; the refusal text for bad input, else empty.
    virtual QString collectBoxes(RowValues& values) {
        Q_UNUSED(values);
        return QString();
    }
    // The pending row started, was posted or was dropped: buttons follow.
    virtual void pendingChanged() {}

    // Controls above the grid.
    QVBoxLayout* top() const { return top_; }
    QHBoxLayout* buttonRow() const { return buttons_; }

    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    void move(bool up);
    void rowMoved();
    void gridRowEditing(int row);

    TableRows rows_;
    DataGrid* grid_;
    QVBoxLayout* top_;
    QVBoxLayout* side_;
    QHBoxLayout* buttons_;
    QString moveKeyField_;
    std::optional<RowEdit> pending_;
    QString positionField_;
    bool reloading_ = false;
};

}  // namespace lanze
