#include "customers/ui/Tpeisongyuan_add.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/ui/DialogButtons.h"
#include "core/ui/EnterMovesFocus.h"
#include "core/ui/NumberText.h"
#include "customers/Workers.h"

namespace lanze {

Tpeisongyuan_add::Tpeisongyuan_add(QWidget* parent) : RecordEditor(parent) {
    setObjectName(QStringLiteral("Tpeisongyuan_add"));
    setWindowTitle(QStringLiteral("工作人员管理"));
    setMinimumWidth(340);
    auto box = [this](const QString& name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        return e;
    };
    name_ = box(QStringLiteral("员工姓名"));
    phone_ = box(QStringLiteral("联系电话"));
    vehicle_ = box(QStringLiteral("所用车辆"));
    commission_ = box(Workers::kCommissionCaption);
    auto* note = new QLabel(Workers::kCommissionNote, this);
    note->setStyleSheet(QStringLiteral("color: #c00000"));

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("员工姓名"), name_);
    form->addRow(QStringLiteral("联系电话"), phone_);
    form->addRow(QStringLiteral("所用车辆"), vehicle_);
    form->addRow(Workers::kCommissionCaption, commission_);
    form->addRow(note);
    const DialogButtons buttons = DialogButtons::make(this);
    form->addRow(buttons.row);
    connect(buttons.ok, &QPushButton::clicked, this, &Tpeisongyuan_add::confirm);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);

    // Enter walks name, phone and vehicle, then lands on "确定"; from the commission box too.
    enterMovesFocus(name_, phone_);
    enterMovesFocus(phone_, vehicle_);
    enterMovesFocus(vehicle_, buttons.ok);
    enterMovesFocus(commission_, buttons.ok);
}

void Tpeisongyuan_add::load(const RowValues& values) {
    name_->setText(values.text(QStringLiteral("姓名")));
    phone_->setText(values.text(QStringLiteral("电话")));
    vehicle_->setText(values.text(QStringLiteral("所用车辆")));
    commission_->setText(NumberText::money(values, QStringLiteral("送餐次数提成")));
    name_->setFocus();
}

QString Tpeisongyuan_add::collect(RowValues& values) {
    return Workers::fill(values, name_->text(), phone_->text(), vehicle_->text(), commission_->text());
}

}  // namespace lanze
