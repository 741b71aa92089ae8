#include "core/ui/RecordListWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "core/Messages.h"
#include "core/ui/DataGrid.h"
#include "core/ui/RecordEditor.h"

namespace lanze {

RecordListWindow::RecordListWindow(TableRows rows, QWidget* parent)
    : QDialog(parent), rows_(std::move(rows)), grid_(new DataGrid(this)) {
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setFooterVisible(false);
    top_ = new QVBoxLayout;
    side_ = new QVBoxLayout;
    buttons_ = new QHBoxLayout;
    buttons_->addStretch();

    auto* middle = new QHBoxLayout;
    middle->addWidget(grid_, 1);
    middle->addLayout(side_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top_);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons_);

    connect(grid_, &DataGrid::currentRowChanged, this, [this] {
        if (!reloading_) {
            rowMoved();
        }
    });
    connect(grid_, &DataGrid::rowEditing, this, &RecordListWindow::gridRowEditing);
}

void RecordListWindow::gridRowEditing(int row) {
    // A cell handed in as the cursor left its row (a click on another row), or typed while a new row
    // is being added, which the grid does not show: the cell goes back to what it held.
    if (row != grid_->currentRow() || (pending_ && pending_->isInsert())) {
        grid_->model()->dropPendingEdits();
        return;
    }
    touchRow();
}

QPushButton* RecordListWindow::addButton(const QString& caption, const std::function<void()>& action) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(caption);
    b->setAutoDefault(false);
    buttons_->addWidget(b);
    connect(b, &QPushButton::clicked, this, [action] { action(); });
    return b;
}

void RecordListWindow::addMoveButtons(const QString& keyField) {
    moveKeyField_ = keyField;
    auto arrow = [this](const QString& name, Qt::ArrowType type, bool up) {
        auto* b = new QPushButton(this);
        b->setObjectName(name);
        b->setToolTip(name);
        b->setAutoDefault(false);
        b->setIcon(style()->standardIcon(type == Qt::UpArrow ? QStyle::SP_ArrowUp : QStyle::SP_ArrowDown));
        connect(b, &QPushButton::clicked, this, [this, up] { move(up); });
        side_->addWidget(b);
    };
    side_->addStretch();
    arrow(QStringLiteral("上移"), Qt::UpArrow, true);
    arrow(QStringLiteral("下移"), Qt::DownArrow, false);
    side_->addStretch();
}

void RecordListWindow::move(bool up) {
    if (!hasCurrentRow()) {
        return;
    }
    const qint64 key = currentRecord().integer(moveKeyField_);
    guarded([&] {
        GridModel* model = grid_->model();
        model->fetchAll();
        QList<qint64> shown;
        for (int r = 0; r < model->rowCount(); ++r) {
            shown << model->record(r).integer(moveKeyField_);
        }
        const SortOrder::Move moved =
            SortOrder(database(), rows_.table(), moveKeyField_).moveWithin(shown, key, up);
        if (moved != SortOrder::Move::Moved) {
            Messages::current().info(SortOrder::message(moved));
            return;
        }
        reload(moveKeyField_, key);
    });
}

void RecordListWindow::rowMoved() {
    grid_->model()->dropPendingEdits();
    if (pending_) {
        pending_.reset();
        pendingChanged();
    }
    showRow(hasCurrentRow() ? currentRecord() : GridRecord());
    currentRowChanged();
}

void RecordListWindow::beginInsert() {
    pending_ = RowEdit::inserting();
    showRow(GridRecord());
    pendingChanged();
}

void RecordListWindow::touchRow() {
    if (pending_) {
        return;
    }
    pending_ = hasCurrentRow() ? RowEdit::editing(currentIdentity(), {}) : RowEdit::inserting();
    pendingChanged();
}

void RecordListWindow::cancelPending() {
    rowMoved();
}

bool RecordListWindow::postPending(const std::function<void(RowEdit&)>& writer) {
    if (!pending_) {
        return false;
    }
    RowEdit edit = *pending_;
    if (!edit.isInsert()) {
        edit.values().setAll(grid_->model()->pendingValues(grid_->currentRow()));
    }
    if (const QString refusal = collectBoxes(edit.values()); !refusal.isEmpty()) {
        Messages::current().warning(refusal);
        return false;
    }
    const bool written = guarded([&] {
        if (writer) {
            writer(edit);
        } else {
            edit.write(rows_);
        }
        pending_.reset();
        pendingChanged();
    });
    if (written) {
        reload(positionField_, edit.values().text(positionField_));
    }
    return written;
}

void RecordListWindow::reload(const QString& field, const QVariant& value) {
    const int previous = grid_->currentRow();
    const bool hadPending = pending_.has_value();
    pending_.reset();
    if (hadPending) {
        pendingChanged();
    }
    reloading_ = true;
    try {
        grid_->setQuery(listQuery());
    } catch (const DbError& e) {
        reloading_ = false;
        Messages::current().error(e.message());
        rowMoved();
        return;
    }
    GridModel* model = grid_->model();
    model->fetchAll();
    int row = -1;
    if (!field.isEmpty()) {
        for (int r = 0; r < model->rowCount(); ++r) {
            if (model->record(r).value(field) == value || model->record(r).text(field) == value.toString()) {
                row = r;
                break;
            }
        }
    }
    if (row < 0 && model->rowCount() > 0) {
        row = qBound(0, previous, model->rowCount() - 1);
    }
    if (row >= 0) {
        int column = 0;
        while (column < model->columnCount() - 1 && grid_->view()->isColumnHidden(column)) {
            ++column;
        }
        grid_->view()->setCurrentIndex(model->index(row, column));
    }
    reloading_ = false;
    rowMoved();
}

bool RecordListWindow::hasCurrentRow() const {
    return grid_->currentRow() >= 0;
}

GridRecord RecordListWindow::currentRecord() const {
    return grid_->currentRecord();
}

RowIdentity RecordListWindow::currentIdentity() const {
    return hasCurrentRow() ? rows_.identityOf(currentRecord()) : RowIdentity();
}

bool RecordListWindow::guarded(const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const RowChangedElsewhere& e) {
        Messages::current().warning(e.message());
        reload();
    } catch (const DbError& e) {
        Messages::current().error(e.message());
    }
    return false;
}

bool RecordListWindow::removeCurrent(const QString& question) {
    if (!hasCurrentRow()) {
        return false;
    }
    const RowIdentity row = currentIdentity();
    if (!Messages::current().confirm(question)) {
        return false;
    }
    return guarded([&] {
        rows_.remove(row);
        reload();
    });
}

std::optional<RowEdit> RecordListWindow::editCurrent() {
    if (!hasCurrentRow()) {
        return std::nullopt;
    }
    std::optional<RowEdit> edit;
    guarded([&] {
        // The row as the list shows it, or none: a row id may name another row by now.
        const std::optional<RowIdentity> row = rows_.reread(currentIdentity());
        if (!row) {
            throw RowChangedElsewhere();
        }
        edit = RowEdit::editing(*row, *row->asRead());
    });
    return edit;
}

bool RecordListWindow::openEditor(RecordEditor& editor, RowEdit edit, const QString& positionField) {
    editor.begin(rows_, std::move(edit));
    const bool written = editor.exec() == QDialog::Accepted && editor.written();
    if (written) {
        reload(positionField, editor.written()->text(positionField));
    } else {
        // A row another station changed in between closes the editor: the list shows it as it is now.
        reload();
    }
    return written;
}

void RecordListWindow::showEvent(QShowEvent* event) {
    reload();
    QDialog::showEvent(event);
}

void RecordListWindow::done(int result) {
    // What was typed into the bound boxes or the grid and not posted is dropped.
    grid_->model()->dropPendingEdits();
    if (pending_) {
        pending_.reset();
        pendingChanged();
    }
    QDialog::done(result);
    emit closed();
}

}  // namespace lanze
