#include "catalogue/ui/TFzhonglei_shezhi.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalogue/Categories.h"
#include "core/Messages.h"
#include "core/ui/DataGrid.h"

namespace lanze {

TFzhonglei_shezhi::TFzhonglei_shezhi(Database& db, QWidget* parent)
    : RecordListWindow(Categories::rows(db), parent) {
    setObjectName(QStringLiteral("TFzhonglei_shezhi"));
    setWindowTitle(QStringLiteral("业务类别设置"));
    resize(400, 420);
    grid()->setColumns(
        {GridColumn(TableRows::kIdentityField, QString()).hidden(),
         GridColumn(QStringLiteral("编号"), QString()).hidden(),
         GridColumn(QStringLiteral("种类"), QStringLiteral("种类"), CellKind::Text, 200),
         // Typing a sort number puts the category into its edit state; "保存" then numbers it last.
         GridColumn(QStringLiteral("排序编号"), QStringLiteral("排序编号"), CellKind::Integer, 90)
             .editableInGrid()});
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("业务类别"));
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("业务类别"), this));
    row->addWidget(name_, 1);
    top()->addLayout(row);
    connect(name_, &QLineEdit::textEdited, this, [this] { touchRow(); });
    setPositionField(QStringLiteral("种类"));

    add_ = addButton(QStringLiteral("添加"), [this] {
        beginInsert();
        name_->setFocus();
    });
    save_ = addButton(QStringLiteral("保存"),
                      [this] { postPending([this](RowEdit& edit) { Categories::save(database(), edit); }); });
    delete_ = addButton(QStringLiteral("删除"), [this] {
        // A category being added is not in the table yet: deleting it drops it.
        if (pending() && pending()->isInsert()) {
            if (Messages::current().confirm(Categories::kConfirmDelete)) {
                cancelPending();
            }
            return;
        }
        removeCurrent(Categories::kConfirmDelete);
    });
    addMoveButtons(QStringLiteral("编号"));
    pendingChanged();
}

Query TFzhonglei_shezhi::listQuery() {
    return Query(database(), Categories::listSql(database()));
}

void TFzhonglei_shezhi::showRow(const GridRecord& row) {
    name_->setText(row.text(QStringLiteral("种类")));
}

QString TFzhonglei_shezhi::collectBoxes(RowValues& values) {
    values.setText(QStringLiteral("种类"), name_->text());
    return QString();
}

void TFzhonglei_shezhi::pendingChanged() {
    const auto& row = pending();
    save_->setEnabled(row.has_value());
    add_->setEnabled(!row);
    delete_->setEnabled(!row || row->isInsert());
}

}  // namespace lanze
