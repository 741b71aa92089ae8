#include "customers/ui/Tqvyu_shezhi.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/Messages.h"
#include "core/ui/DataGrid.h"
#include "customers/Regions.h"

namespace lanze {

Tqvyu_shezhi::Tqvyu_shezhi(Database& db, QWidget* parent) : RecordListWindow(Regions::rows(db), parent) {
    setObjectName(QStringLiteral("Tqvyu_shezhi"));
    setWindowTitle(QStringLiteral("客户区域设置"));
    resize(360, 400);
    grid()->setColumns({GridColumn(TableRows::kIdentityField, QString()).hidden(),
                        GridColumn(QStringLiteral("区域"), QStringLiteral("区域"), CellKind::Text, 240)});
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("区域名称"));
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("区域名称"), this));
    row->addWidget(name_, 1);
    top()->addLayout(row);
    addButton(QStringLiteral("添加"), [this] { add(); });
    addButton(QStringLiteral("删除"), [this] { removeCurrent(Regions::kConfirmDelete); });
}

Query Tqvyu_shezhi::listQuery() {
    return Query(database(), Regions::listSql(database()));
}

void Tqvyu_shezhi::add() {
    const QString name = name_->text();
    guarded([&] {
        if (const QString refusal = Regions::add(database(), name); !refusal.isEmpty()) {
            Messages::current().info(refusal);
            return;
        }
        reload(QStringLiteral("区域"), name);
    });
}

}  // namespace lanze
