#include "orders/ui/TFtuicai.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Messages.h"
#include "core/ui/DialogButtons.h"
#include "orders/DishReturn.h"

namespace lanze {

TFtuicai::TFtuicai(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFtuicai"));
    setWindowTitle(QStringLiteral("退菜"));
    setMinimumWidth(260);
    box_ = new QLineEdit(QStringLiteral("1"), this);
    box_->setObjectName(QStringLiteral("退菜数量"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(DishReturn::kPrompt, this));
    layout->addWidget(box_);
    const DialogButtons buttons = DialogButtons::make(this, QStringLiteral("退菜"), QStringLiteral("取消"));
    layout->addLayout(buttons.row);
    connect(buttons.ok, &QPushButton::clicked, this, &TFtuicai::confirm);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(box_, &QLineEdit::returnPressed, this, &TFtuicai::confirm);
}

void TFtuicai::showEvent(QShowEvent* event) {
    quantity_ = Money();
    box_->setText(QStringLiteral("1"));
    box_->selectAll();
    box_->setFocus();
    QDialog::showEvent(event);
}

void TFtuicai::confirm() {
    const std::optional<Money> q = DishReturn::quantity(box_->text());
    if (!q) {
        Messages::current().warning(DishReturn::kRefused);
        return;
    }
    quantity_ = *q;
    accept();
}

}  // namespace lanze
