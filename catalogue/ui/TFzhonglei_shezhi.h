#pragma once

#include "core/ui/RecordListWindow.h"

class QLineEdit;
class QPushButton;

namespace lanze {

// The item categories with their order: a name box bound to the current category, the sort number
// editable in the grid, add, save, delete and the two arrows that move a category up or down.
class TFzhonglei_shezhi : public RecordListWindow {
    Q_OBJECT
  public:
    explicit TFzhonglei_shezhi(Database& db, QWidget* parent = nullptr);

  protected:
    Query listQuery() override;
    void showRow(const GridRecord& row) override;
    QString collectBoxes(RowValues& values) override;
    void pendingChanged() override;

  private:
    QLineEdit* name_;
    QPushButton* add_;
    QPushButton* save_;
    QPushButton* delete_;
};

}  // namespace lanze
