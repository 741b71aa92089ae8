#pragma once

#include "core/ui/RecordListWindow.h"

class QLineEdit;
class QTimeEdit;

namespace lanze {

// The discount periods: a new period from the two time pickers and the rate box, deletion of the
// current one.
class TFyouhui_shiduan : public RecordListWindow {
    Q_OBJECT
  public:
    explicit TFyouhui_shiduan(Database& db, QWidget* parent = nullptr);

  protected:
    Query listQuery() override;

  private:
    void add();

    QTimeEdit* from_;
    QTimeEdit* to_;
    QLineEdit* rate_;
};

}  // namespace lanze
