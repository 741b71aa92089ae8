#include "orders/ui/TFkouwei_bianji.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Messages.h"
#include "core/db/DbError.h"
#include "core/types/NumberInput.h"
#include "core/ui/DialogButtons.h"

namespace lanze {

namespace {
const QString kPriceCaption = QStringLiteral("现价");
}

TFkouwei_bianji::TFkouwei_bianji(Database& db, QWidget* parent) : QDialog(parent), db_(db) {
    setObjectName(QStringLiteral("TFkouwei_bianji"));
    setWindowTitle(QStringLiteral("口味编辑"));
    resize(380, 420);
    auto box = [this](const QString& name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        return e;
    };
    tastes_ = box(QStringLiteral("当前口味"));
    basePrice_ = box(QStringLiteral("原价"));
    basePrice_->setReadOnly(true);
    price_ = box(kPriceCaption);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("口味列表"));
    auto* hint = new QLabel(TasteChoice::kHint, this);
    hint->setStyleSheet(QStringLiteral("color: #c00000"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("当前口味："), tastes_);
    form->addRow(QStringLiteral("原价："), basePrice_);
    form->addRow(QStringLiteral("现价："), price_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addLayout(form);
    layout->addWidget(list_, 1);
    const DialogButtons buttons = DialogButtons::make(this);
    layout->addLayout(buttons.row);
    connect(buttons.ok, &QPushButton::clicked, this, &TFkouwei_bianji::confirm);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { choose(item->text()); });
}

void TFkouwei_bianji::setLine(const QString& tastes, Money basePrice, Money currentPrice) {
    choice_ = TasteChoice(tastes, basePrice, currentPrice);
    given_ = choice_;
    showChoice();
}

void TFkouwei_bianji::showChoice() {
    tastes_->setText(choice_.tastes());
    basePrice_->setText(choice_.basePrice().toPlainString());
    price_->setText(choice_.price().toPlainString());
}

void TFkouwei_bianji::done(int r) {
    if (r != QDialog::Accepted) {
        choice_ = given_;
        result_ = given_.tastes();
        showChoice();
    }
    QDialog::done(r);
}

void TFkouwei_bianji::showEvent(QShowEvent* event) {
    result_.clear();
    list_->clear();
    try {
        list_->addItems(TasteChoice::names(db_));
    } catch (const DbError& e) {
        Messages::current().error(e.message());
    }
    QDialog::showEvent(event);
}

bool TFkouwei_bianji::readBoxes() {
    const NumberReading<Money> price = NumberInput::money(price_->text(), kPriceCaption);
    if (!price.ok()) {
        Messages::current().warning(price.refusal);
        return false;
    }
    choice_.setTastes(tastes_->text());
    choice_.setPrice(price.value.value_or(Money()));
    return true;
}

void TFkouwei_bianji::choose(const QString& taste) {
    if (!readBoxes()) {
        return;
    }
    try {
        choice_.choose(db_, taste);
    } catch (const DbError& e) {
        Messages::current().error(e.message());
    }
    showChoice();
}

void TFkouwei_bianji::confirm() {
    if (!readBoxes()) {
        return;
    }
    result_ = choice_.tastes();
    accept();
}

}  // namespace lanze
