#include "orders/ui/TFyouhui_shiduan.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "core/Messages.h"
#include "core/ui/DataGrid.h"
#include "orders/DiscountPeriods.h"

namespace lanze {

TFyouhui_shiduan::TFyouhui_shiduan(Database& db, QWidget* parent)
    : RecordListWindow(DiscountPeriods::rows(db), parent) {
    setObjectName(QStringLiteral("TFyouhui_shiduan"));
    setWindowTitle(QStringLiteral("优惠时段设置"));
    resize(460, 400);
    grid()->setColumns(
        {GridColumn(TableRows::kIdentityField, QString()).hidden(),
         GridColumn(QStringLiteral("开始时间"), QStringLiteral("开始时间"), CellKind::Text, 110),
         GridColumn(QStringLiteral("结束时间"), QStringLiteral("结束时间"), CellKind::Text, 110),
         GridColumn(QStringLiteral("折扣率"), QStringLiteral("折扣率"), CellKind::Number, 90)});
    auto picker = [this](const QString& name) {
        auto* t = new QTimeEdit(this);
        t->setObjectName(name);
        t->setDisplayFormat(DiscountPeriods::kTimeFormat);
        return t;
    };
    from_ = picker(QStringLiteral("从"));
    to_ = picker(QStringLiteral("到"));
    rate_ = new QLineEdit(this);
    rate_->setObjectName(QStringLiteral("折扣率"));
    rate_->setMaximumWidth(70);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("从"), this));
    row->addWidget(from_);
    row->addWidget(new QLabel(QStringLiteral("到"), this));
    row->addWidget(to_);
    row->addWidget(new QLabel(QStringLiteral("折扣率"), this));
    row->addWidget(rate_);
    row->addStretch();
    top()->addLayout(row);

    addButton(QStringLiteral("新建"), [this] { add(); });
    addButton(QStringLiteral("删除"), [this] { removeCurrent(DiscountPeriods::kConfirmDelete); });
}

Query TFyouhui_shiduan::listQuery() {
    return Query(database(), rows().listSql());
}

void TFyouhui_shiduan::add() {
    guarded([this] {
        const QString refusal = DiscountPeriods::add(database(), from_->time(), to_->time(), rate_->text());
        if (!refusal.isEmpty()) {
            Messages::current().warning(refusal);
            return;
        }
        // The new period is the table's last row.
        reload();
        const int last = grid()->model()->rowCount() - 1;
        if (last >= 0) {
            grid()->view()->selectRow(last);
        }
    });
}

}  // namespace lanze
