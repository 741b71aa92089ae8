#include "signin/ui/PasswordChangeDialog.h"

#include <QFormLayout>

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "core/Messages.h"
#include "core/db/DbError.h"
#include "core/ui/DialogButtons.h"
#include "signin/Operators.h"

namespace lanze {

namespace {
QLineEdit* maskedEdit(const QString& name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setEchoMode(QLineEdit::Password);
    return e;
}
}  // namespace

PasswordChangeDialog::PasswordChangeDialog(Database& db, const QString& caption, QWidget* parent)
    : QDialog(parent), db_(db) {
    setWindowTitle(caption);
    setMinimumWidth(300);
    old_ = maskedEdit(QStringLiteral("原始密码"), this);
    new_ = maskedEdit(QStringLiteral("新密码"), this);
    repeat_ = maskedEdit(QStringLiteral("密码验证"), this);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("原始密码"), old_);
    form->addRow(QStringLiteral("新密码"), new_);
    form->addRow(QStringLiteral("密码验证"), repeat_);
    const DialogButtons buttons = DialogButtons::make(this);
    form->addRow(buttons.row);
    connect(buttons.ok, &QPushButton::clicked, this, &PasswordChangeDialog::confirm);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void PasswordChangeDialog::showEvent(QShowEvent* event) {
    old_->clear();
    new_->clear();
    repeat_->clear();
    QDialog::showEvent(event);
}

void PasswordChangeDialog::confirm() {
    QString message;
    try {
        message = change(old_->text(), new_->text(), repeat_->text());
    } catch (const DbError& e) {
        Messages::current().error(e.message());
        return;
    }
    if (message == PasswordChange::kChanged) {
        Messages::current().info(message);
        accept();
    } else {
        Messages::current().warning(message);
    }
}

}  // namespace lanze
