#include "core/ui/GridDelegate.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPersistentModelIndex>

#include "core/grid/GridModel.h"

namespace lanze {

QStringList GridDelegate::pickListOf(const QModelIndex& index) {
    return index.data(GridModel::PickListRole).toStringList();
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    const QStringList values = pickListOf(index);
    // Making an editor changes nothing of the delegate; the editor only reports through it.
    auto* self = const_cast<GridDelegate*>(this);
    QWidget* editor = nullptr;
    QLineEdit* line = nullptr;
    if (values.isEmpty()) {
        editor = QStyledItemDelegate::createEditor(parent, option, index);
        line = qobject_cast<QLineEdit*>(editor);
    } else {
        auto* box = new QComboBox(parent);
        box->setEditable(true);
        box->addItems(values);
        line = box->lineEdit();
        editor = box;
        connect(box, &QComboBox::activated, this,
                [self, cell = QPersistentModelIndex(index)] { emit self->editStarted(cell); });
    }
    if (line) {
        // Typed where the value shows: numbers on the right.
        line->setAlignment(Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()) &
                           Qt::AlignHorizontal_Mask);
        connect(line, &QLineEdit::textEdited, this,
                [self, cell = QPersistentModelIndex(index)] { emit self->editStarted(cell); });
    }
    return editor;
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
