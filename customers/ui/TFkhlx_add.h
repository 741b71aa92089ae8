#pragma once

#include "core/ui/RecordEditor.h"

class QLineEdit;

namespace lanze {

// The customer type editor: type name and discount rate of the row the type list hands it.
class TFkhlx_add : public RecordEditor {
    Q_OBJECT
  public:
    explicit TFkhlx_add(QWidget* parent = nullptr);

  protected:
    void load(const RowValues& values) override;
    QString collect(RowValues& values) override;

  private:
    QLineEdit* type_;
    QLineEdit* rate_;
};

}  // namespace lanze
