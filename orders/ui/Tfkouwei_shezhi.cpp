#include "orders/ui/Tfkouwei_shezhi.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Messages.h"
#include "core/ui/DataGrid.h"
#include "orders/TasteList.h"

namespace lanze {

Tfkouwei_shezhi::Tfkouwei_shezhi(Database& db, QWidget* parent)
    : RecordListWindow(TasteList::rows(db), parent) {
    setObjectName(QStringLiteral("Tfkouwei_shezhi"));
    setWindowTitle(QStringLiteral("服务要求设置"));
    resize(420, 440);
    grid()->setColumns({GridColumn(TableRows::kIdentityField, QString()).hidden(),
                        GridColumn(QStringLiteral("口味"), QStringLiteral("服务要求"), CellKind::Text, 200),
                        GridColumn(QStringLiteral("加价"), QStringLiteral("加价"), CellKind::Money, 90)});
    taste_ = new QLineEdit(this);
    taste_->setObjectName(QStringLiteral("服务要求"));
    surcharge_ = new QLineEdit(this);
    surcharge_->setObjectName(TasteList::kSurchargeCaption);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("服务要求"), taste_);
    form->addRow(TasteList::kSurchargeCaption, surcharge_);
    top()->addLayout(form);
    for (QLineEdit* box : {taste_, surcharge_}) {
        connect(box, &QLineEdit::textEdited, this, [this] { touchRow(); });
    }
    setPositionField(QStringLiteral("口味"));

    add_ = addButton(QStringLiteral("添加"), [this] {
        beginInsert();
        taste_->setFocus();
    });
    save_ = addButton(QStringLiteral("保存"), [this] { postPending(); });
    addButton(QStringLiteral("删除"), [this] {
        if (pending() && pending()->isInsert()) {
            if (Messages::current().confirm(TasteList::kConfirmDelete)) {
                cancelPending();
            }
            return;
        }
        removeCurrent(TasteList::kConfirmDelete);
    });
    pendingChanged();
}

void Tfkouwei_shezhi::showEvent(QShowEvent* event) {
    guarded([this] { TasteList::zeroMissingSurcharges(database()); });
    RecordListWindow::showEvent(event);
}

Query Tfkouwei_shezhi::listQuery() {
    return Query(database(), rows().listSql());
}

void Tfkouwei_shezhi::showRow(const GridRecord& row) {
    taste_->setText(row.text(QStringLiteral("口味")));
    surcharge_->setText(
        row.isNull(QStringLiteral("加价")) ? QString() : row.money(QStringLiteral("加价")).toPlainString());
}

QString Tfkouwei_shezhi::collectBoxes(RowValues& values) {
    return TasteList::fill(values, taste_->text(), surcharge_->text());
}

void Tfkouwei_shezhi::pendingChanged() {
    save_->setEnabled(pending().has_value());
    add_->setEnabled(!pending());
}

}  // namespace lanze
