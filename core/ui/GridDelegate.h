#pragma once

#include <QStyledItemDelegate>

namespace lanze {

// Cell editor of a data grid: a column with a pick list is edited through a drop-down of its values
// (the user may still type one that is not in the list); other columns use Qt's own editors. The first
// change the user makes in an editor is announced, so the window can put the row into its edit state
// while the user is still typing.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    // The pick list of the index's column, as the model answers it.
    static QStringList pickListOf(const QModelIndex& index);

  signals:
    void editStarted(const QModelIndex& index);
};

}  // namespace lanze
