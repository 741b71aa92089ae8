#include "customers/ui/TFkhlx_add.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/ui/DialogButtons.h"
#include "core/ui/NumberText.h"
#include "customers/CustomerTypes.h"

namespace lanze {

TFkhlx_add::TFkhlx_add(QWidget* parent) : RecordEditor(parent) {
    setObjectName(QStringLiteral("TFkhlx_add"));
    setWindowTitle(QStringLiteral("客户类型编辑"));
    setMinimumWidth(320);
    type_ = new QLineEdit(this);
    type_->setObjectName(QStringLiteral("客户类型"));
    rate_ = new QLineEdit(this);
    rate_->setObjectName(QStringLiteral("折扣率"));
    auto* note = new QLabel(CustomerTypes::kNote, this);
    note->setStyleSheet(QStringLiteral("color: #c00000"));

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("客户类型"), type_);
    form->addRow(QStringLiteral("折扣率"), rate_);
    form->addRow(note);
    const DialogButtons buttons = DialogButtons::make(this);
    form->addRow(buttons.row);
    connect(buttons.ok, &QPushButton::clicked, this, &TFkhlx_add::confirm);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFkhlx_add::load(const RowValues& values) {
    type_->setText(values.text(QStringLiteral("客户类型")));
    rate_->setText(NumberText::number(values, QStringLiteral("折扣率")));
    type_->setFocus();
}

QString TFkhlx_add::collect(RowValues& values) {
    return CustomerTypes::fill(values, type_->text(), rate_->text());
}

}  // namespace lanze
