#include "signin/ui/Tcaozuoyuan_list.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/SignInState.h"
#include "core/Messages.h"
#include "core/db/DbError.h"
#include "signin/Operators.h"
#include "signin/Permissions.h"
#include "signin/ui/Tcaozuoyuan_add.h"

namespace lanze {

Tcaozuoyuan_list::Tcaozuoyuan_list(Database& db, QWidget* parent) : QDialog(parent), db_(db) {
    setObjectName(QStringLiteral("Tcaozuoyuan_list"));
    setWindowTitle(QStringLiteral("操作员列表"));
    resize(560, 420);
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("tree"));
    tree_->setHeaderHidden(true);
    checks_ = new QListWidget(this);
    checks_->setObjectName(QStringLiteral("checkList"));

    auto* lists = new QHBoxLayout;
    lists->addWidget(tree_);
    lists->addWidget(checks_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(buttons);
    auto button = [&](const QString& caption, void (Tcaozuoyuan_list::*slot)()) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(caption);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, slot);
    };
    button(QStringLiteral("新建"), &Tcaozuoyuan_list::addOperator);
    button(QStringLiteral("修改"), &Tcaozuoyuan_list::editOperator);
    button(QStringLiteral("删除"), &Tcaozuoyuan_list::deleteOperator);
    button(QStringLiteral("退出"), &QDialog::accept);

    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { selectNode(item); });
    connect(checks_, &QListWidget::itemChanged, this, [this] {
        if (!filling_) {
            saveChecks();
        }
    });
}

void Tcaozuoyuan_list::showEvent(QShowEvent* event) {
    rebuildTree();
    QDialog::showEvent(event);
}

void Tcaozuoyuan_list::rebuildTree() {
    tree_->clear();
    filling_ = true;
    checks_->clear();
    filling_ = false;
    editedGroup_ = 0;
    editedUser_.clear();
    try {
        for (const QString& user : Operators(db_).userNames()) {
            auto* node = new QTreeWidgetItem(tree_, {user});
            for (int g = 1; g <= Permissions::kGroups; ++g) {
                new QTreeWidgetItem(node, {Permissions::groupText(g)});
            }
        }
    } catch (const DbError& e) {
        Messages::current().error(e.message());
    }
}

void Tcaozuoyuan_list::selectNode(QTreeWidgetItem* item) {
    if (!item || !item->parent()) {
        return;
    }
    filling_ = true;
    checks_->clear();
    editedGroup_ = 0;
    editedUser_ = item->parent()->text(0);
    const int group = Permissions::groupOf(item->text(0));
    try {
        // A user renamed or deleted since the tree was built has no rights to show: the list stays empty
        // and ticks are not written.
        if (const auto rights = Operators(db_).groupRights(editedUser_, group)) {
            for (const Permissions::Entry& e : Permissions::group(group)) {
                auto* row = new QListWidgetItem(e.name, checks_);
                row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
                row->setCheckState(Permissions::flag(*rights, e.position) ? Qt::Checked : Qt::Unchecked);
            }
            editedGroup_ = group;
        }
    } catch (const DbError& e) {
        Messages::current().error(e.message());
    }
    filling_ = false;
}

void Tcaozuoyuan_list::saveChecks() {
    if (editedGroup_ == 0) {
        return;
    }
    QList<bool> ticked;
    for (int i = 0; i < checks_->count(); ++i) {
        ticked << (checks_->item(i)->checkState() == Qt::Checked);
    }
    try {
        Operators(db_).saveGroupRights(editedUser_, editedGroup_, ticked);
    } catch (const DbError& e) {
        Messages::current().error(e.message());
    }
}

void Tcaozuoyuan_list::addOperator() {
    Tcaozuoyuan_add editor(db_, std::nullopt, this);
    editor.exec();
    rebuildTree();
}

void Tcaozuoyuan_list::editOperator() {
    QTreeWidgetItem* item = tree_->currentItem();
    if (!item || item->parent()) {
        Messages::current().warning(Operators::kChooseOperator);
        return;
    }
    std::optional<Operators::Record> record;
    try {
        record = Operators(db_).byName(item->text(0));
    } catch (const DbError& e) {
        Messages::current().error(e.message());
        return;
    }
    if (record) {
        Tcaozuoyuan_add editor(db_, record->id, this);
        editor.exec();
    }
}

void Tcaozuoyuan_list::deleteOperator() {
    QTreeWidgetItem* item = tree_->currentItem();
    if (!item) {
        return;
    }
    const QString user = item->text(0);
    const QString& signedIn = signInState().operatorName;
    if (const QString refusal = Operators::removalRefusal(user, signedIn); !refusal.isEmpty()) {
        Messages::current().warning(refusal);
        return;
    }
    if (item->parent()) {
        Messages::current().warning(Operators::kChooseOperator);
        return;
    }
    if (!Messages::current().confirm(Operators::kConfirmDelete)) {
        return;
    }
    try {
        if (Operators(db_).remove(user, signedIn)) {
            delete item;
        }
    } catch (const DbError& e) {
        Messages::current().error(e.message());
    }
}

}  // namespace lanze
