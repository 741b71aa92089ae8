#include "customers/ui/TFqvyu_add.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "core/Messages.h"
#include "core/ui/DialogButtons.h"
#include "customers/Regions.h"

namespace lanze {

TFqvyu_add::TFqvyu_add(Database& db, QWidget* parent) : QDialog(parent), db_(db) {
    setObjectName(QStringLiteral("TFqvyu_add"));
    setWindowTitle(QStringLiteral("客户区域增加"));
    setMinimumWidth(280);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("区域"));
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("区域"), name_);
    const DialogButtons buttons = DialogButtons::make(this);
    form->addRow(buttons.row);
    connect(buttons.ok, &QPushButton::clicked, this, &TFqvyu_add::confirm);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFqvyu_add::showEvent(QShowEvent* event) {
    name_->clear();
    name_->setFocus();
    QDialog::showEvent(event);
}

void TFqvyu_add::confirm() {
    try {
        Regions::addUnchecked(db_, name_->text());
    } catch (const DbError& e) {
        Messages::current().error(e.message());
        return;
    }
    accept();
}

}  // namespace lanze
