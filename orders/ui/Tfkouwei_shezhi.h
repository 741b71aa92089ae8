#pragma once

#include "core/ui/RecordListWindow.h"

class QLineEdit;
class QPushButton;

namespace lanze {

// The taste list ("服务要求") with each taste's surcharge, edited in two boxes bound to the current row.
class Tfkouwei_shezhi : public RecordListWindow {
    Q_OBJECT
  public:
    explicit Tfkouwei_shezhi(Database& db, QWidget* parent = nullptr);

  protected:
    Query listQuery() override;
    void showRow(const GridRecord& row) override;
    QString collectBoxes(RowValues& values) override;
    void pendingChanged() override;
    void showEvent(QShowEvent* event) override;

  private:
    QLineEdit* taste_;
    QLineEdit* surcharge_;
    QPushButton* add_;
    QPushButton* save_;
};

}  // namespace lanze
