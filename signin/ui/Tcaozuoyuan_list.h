#pragma once

#include <QDialog>

class QListWidget;
class QListWidgetItem;
class QTreeWidget;
class QTreeWidgetItem;

namespace lanze {

class Database;

// The operator list: a tree of operators with their five permission groups, and the check list of the
// group chosen. Every tick is saved at once.
class Tcaozuoyuan_list : public QDialog {
    Q_OBJECT
  public:
    explicit Tcaozuoyuan_list(Database& db, QWidget* parent = nullptr);

    void rebuildTree();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void selectNode(QTreeWidgetItem* item);
    void saveChecks();
    void addOperator();
    void editOperator();
    void deleteOperator();

    Database& db_;
    QTreeWidget* tree_;
    QListWidget* checks_;
    QString editedUser_;
    int editedGroup_ = 0;  // 0 while no group is chosen: ticks are not written
    bool filling_ = false;
};

}  // namespace lanze
