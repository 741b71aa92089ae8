#include "signin/ui/Tcaozuoyuan_add.h"

#include <QComboBox>
#include <QFormLayout>

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "core/Messages.h"
#include "core/db/DbError.h"
#include "core/store/StoreCreator.h"
#include "core/ui/DialogButtons.h"
#include "signin/Operators.h"

namespace lanze {

Tcaozuoyuan_add::Tcaozuoyuan_add(Database& db, std::optional<qint64> id, QWidget* parent)
    : QDialog(parent), db_(db), id_(id) {
    setObjectName(QStringLiteral("Tcaozuoyuan_add"));
    setWindowTitle(QStringLiteral("操作员添加"));
    setMinimumWidth(300);
    user_ = new QLineEdit(this);
    user_->setObjectName(QStringLiteral("用户"));
    password_ = new QLineEdit(this);
    password_->setObjectName(QStringLiteral("密码"));
    password_->setEchoMode(QLineEdit::Password);
    repeat_ = new QLineEdit(this);
    repeat_->setObjectName(QStringLiteral("重复密码"));
    repeat_->setEchoMode(QLineEdit::Password);
    role_ = new QComboBox(this);
    role_->setObjectName(QStringLiteral("权限"));
    role_->setEditable(true);
    role_->addItems({Operators::kAdministrator, Operators::kOperator});
    role_->setCurrentIndex(-1);
    role_->setEditText(QString());

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("用户"), user_);
    form->addRow(QStringLiteral("密码"), password_);
    form->addRow(QStringLiteral("重复密码"), repeat_);
    form->addRow(QStringLiteral("权限"), role_);
    const DialogButtons buttons = DialogButtons::make(this);
    form->addRow(buttons.row);
    connect(buttons.ok, &QPushButton::clicked, this, &Tcaozuoyuan_add::confirm);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);

    if (id_) {
        try {
            if (const auto record = Operators(db_).byId(*id_)) {
                user_->setText(record->user);
                role_->setEditText(record->role);
                // The built-in account keeps its name.
                user_->setReadOnly(record->user == StoreCreator::kAdminUser);
            }
        } catch (const DbError& e) {
            Messages::current().error(e.message());
        }
    }
}

void Tcaozuoyuan_add::confirm() {
    Operators operators(db_);
    Operators::Outcome outcome;
    try {
        outcome =
            id_ ? operators.update(*id_, user_->text(), password_->text(), repeat_->text(),
                                   role_->currentText())
                : operators.add(user_->text(), password_->text(), repeat_->text(), role_->currentText());
    } catch (const DbError& e) {
        Messages::current().error(e.message());
        return;
    }
    if (!outcome.done()) {
        Messages::current().warning(outcome.message);
        return;
    }
    if (id_) {
        Messages::current().info(Operators::kEdited);
    }
    accept();
}

}  // namespace lanze
