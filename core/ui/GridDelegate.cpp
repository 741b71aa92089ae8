#include "core/ui/GridDelegate.h"

#include <QComboBox>

#include "core/grid/GridModel.h"

namespace lanze {

QStringList GridDelegate::pickListOf(const QModelIndex& index) {
    return index.data(GridModel::PickListRole).toStringList();
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    const QStringList values = pickListOf(index);
    if (values.isEmpty()) {
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->addItems(values);
    return box;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor); box && !pickListOf(index).isEmpty()) {
        box->setCurrentText(index.data(Qt::DisplayRole).toString());
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor); box && !pickListOf(index).isEmpty()) {
        model->setData(index, box->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}

}  // namespace lanze
