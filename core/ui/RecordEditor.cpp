#include "core/ui/RecordEditor.h"

#include "core/Messages.h"

namespace lanze {

RecordEditor::RecordEditor(QWidget* parent) : QDialog(parent) {}

void RecordEditor::begin(TableRows rows, RowEdit edit) {
    rows_ = std::move(rows);
    edit_ = std::move(edit);
    written_.reset();
    load(edit_->values());
}

void RecordEditor::confirm() {
    if (!edit_ || !rows_) {
        reject();
        return;
    }
    RowValues values = edit_->values();
    if (const QString refusal = collect(values); !refusal.isEmpty()) {
        Messages::current().warning(refusal);
        return;
    }
    RowEdit edit = *edit_;
    edit.values() = values;
    try {
        write(*rows_, edit);
    } catch (const RowChangedElsewhere& e) {
        // The row is not what the editor was given: nothing was written, and editing it again needs the
        // list read anew.
        Messages::current().warning(e.message());
        reject();
        return;
    } catch (const DbError& e) {
        Messages::current().error(e.message());
        return;
    }
    written_ = values;
    accept();
}

void RecordEditor::done(int result) {
    edit_.reset();
    QDialog::done(result);
}

}  // namespace lanze
