#pragma once

#include "core/ui/RecordListWindow.h"

namespace lanze {

class Tpeisongyuan_add;

// The worker list: new, change and delete workers through the worker editor.
class Tpeisongyuan_list : public RecordListWindow {
    Q_OBJECT
  public:
    // The editor is the program's long-lived one; without it the window makes its own.
    explicit Tpeisongyuan_list(Database& db, Tpeisongyuan_add* editor = nullptr, QWidget* parent = nullptr);

  protected:
    Query listQuery() override;

  private:
    Tpeisongyuan_add* editor_;
};

}  // namespace lanze
