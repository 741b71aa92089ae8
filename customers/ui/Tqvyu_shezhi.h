#pragma once

#include "core/ui/RecordListWindow.h"

class QLineEdit;

namespace lanze {

// The region list: a name box to add a region and deletion of the chosen one.
class Tqvyu_shezhi : public RecordListWindow {
    Q_OBJECT
  public:
    explicit Tqvyu_shezhi(Database& db, QWidget* parent = nullptr);

  protected:
    Query listQuery() override;

  private:
    void add();

    QLineEdit* name_;
};

}  // namespace lanze
