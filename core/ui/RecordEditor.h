#pragma once

#include <QDialog>
#include <optional>

#include "core/records/RowEdit.h"

namespace lanze {

// The modal editor of one row of a list window. The list hands it the row (a new one, or the current
// one with its values) with begin(), then shows it. The editor's controls show the row's values;
// "确定" reads them back, writes the row (one statement, unless the editor writes more) and closes;
// closing it in any other way writes nothing. Bad input gives its message, writes nothing and leaves
// the editor open.
class RecordEditor : public QDialog {
    Q_OBJECT
  public:
    explicit RecordEditor(QWidget* parent = nullptr);

    void begin(TableRows rows, RowEdit edit);
    // The row being edited; nullptr before begin() and after the editor closed.
    const RowEdit* row() const { return edit_ ? &*edit_ : nullptr; }
    // The values written by the last "确定", for the list to find the row again.
    const std::optional<RowValues>& written() const { return written_; }

    // What "确定" does.
    void confirm();

  protected:
    // Shows the row's values in the controls.
    virtual void load(const RowValues& values) = 0;
    // Reads the controls into the row's values; returns the refusal text for bad input, else empty.
    virtual QString collect(RowValues& values) = 0;
    // Writes the confirmed row: by default the one statement of the row edit. An editor that writes
    // rows of other tables as well overrides this and runs everything in one Transaction. Throws
    // DbError, or RowChangedElsewhere when the row is no longer as it was read.
    virtual void write(TableRows& rows, const RowEdit& edit) { edit.write(rows); }

    void done(int result) override;

  private:
    std::optional<TableRows> rows_;
    std::optional<RowEdit> edit_;
    std::optional<RowValues> written_;
};

}  // namespace lanze
