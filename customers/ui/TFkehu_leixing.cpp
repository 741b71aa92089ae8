#include "customers/ui/TFkehu_leixing.h"

#include "core/ui/DataGrid.h"
#include "customers/CustomerTypes.h"
#include "customers/ui/TFkhlx_add.h"

namespace lanze {

TFkehu_leixing::TFkehu_leixing(Database& db, TFkhlx_add* editor, QWidget* parent)
    : RecordListWindow(CustomerTypes::rows(db), parent), editor_(editor ? editor : new TFkhlx_add(this)) {
    setObjectName(QStringLiteral("TFkehu_leixing"));
    setWindowTitle(QStringLiteral("客户类型设置"));
    resize(420, 360);
    grid()->setColumns(
        {GridColumn(TableRows::kIdentityField, QString()).hidden(),
         GridColumn(QStringLiteral("客户类型"), QStringLiteral("客户类型"), CellKind::Text, 180),
         GridColumn(QStringLiteral("折扣率"), QStringLiteral("折扣率"), CellKind::Number, 100)});
    addButton(QStringLiteral("添加"),
              [this] { openEditor(*editor_, RowEdit::inserting(), QStringLiteral("客户类型")); });
    addButton(QStringLiteral("修改"), [this] {
        if (auto edit = editCurrent()) {
            openEditor(*editor_, std::move(*edit), QStringLiteral("客户类型"));
        }
    });
    addButton(QStringLiteral("删除"), [this] {
        if (hasCurrentRow()) {
            removeCurrent(CustomerTypes::deleteQuestion(currentRecord().text(QStringLiteral("客户类型"))));
        }
    });
}

Query TFkehu_leixing::listQuery() {
    return Query(database(), rows().listSql());
}

}  // namespace lanze
