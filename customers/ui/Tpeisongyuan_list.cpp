#include "customers/ui/Tpeisongyuan_list.h"

#include "core/ui/DataGrid.h"
#include "customers/Workers.h"
#include "customers/ui/Tpeisongyuan_add.h"

namespace lanze {

Tpeisongyuan_list::Tpeisongyuan_list(Database& db, Tpeisongyuan_add* editor, QWidget* parent)
    : RecordListWindow(Workers::rows(db), parent), editor_(editor ? editor : new Tpeisongyuan_add(this)) {
    setObjectName(QStringLiteral("Tpeisongyuan_list"));
    setWindowTitle(QStringLiteral("工作人员列表"));
    resize(720, 420);
    grid()->setColumns(
        {GridColumn(TableRows::kIdentityField, QString()).hidden(),
         GridColumn(QStringLiteral("姓名"), QStringLiteral("姓名"), CellKind::Text, 110),
         GridColumn(QStringLiteral("电话"), QStringLiteral("电话"), CellKind::Text, 130),
         GridColumn(QStringLiteral("所用车辆"), QStringLiteral("所用车辆"), CellKind::Text, 110),
         GridColumn(QStringLiteral("送餐次数提成"), Workers::kCommissionTitle, CellKind::Money, 300)});
    const QString name = QStringLiteral("姓名");
    addButton(QStringLiteral("新建"), [this, name] { openEditor(*editor_, RowEdit::inserting(), name); });
    addButton(QStringLiteral("修改"), [this, name] {
        if (auto edit = editCurrent()) {
            openEditor(*editor_, std::move(*edit), name);
        }
    });
    addButton(QStringLiteral("删除"), [this] { removeCurrent(Workers::kConfirmDelete); });
}

Query Tpeisongyuan_list::listQuery() {
    return Query(database(), rows().listSql());
}

}  // namespace lanze
