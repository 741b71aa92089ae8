#pragma once

#include "core/ui/RecordListWindow.h"

namespace lanze {

class TFkhlx_add;

// The customer type list: add, change and delete types through the type editor.
class TFkehu_leixing : public RecordListWindow {
    Q_OBJECT
  public:
    // The editor is the program's long-lived one; without it the window makes its own.
    explicit TFkehu_leixing(Database& db, TFkhlx_add* editor = nullptr, QWidget* parent = nullptr);

  protected:
    Query listQuery() override;

  private:
    TFkhlx_add* editor_;
};

}  // namespace lanze
