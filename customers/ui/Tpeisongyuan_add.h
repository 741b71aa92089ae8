#pragma once

#include "core/ui/RecordEditor.h"

class QLineEdit;

namespace lanze {

// The worker editor: name, phone, vehicle and commission per order of the row the list hands it.
class Tpeisongyuan_add : public RecordEditor {
    Q_OBJECT
  public:
    explicit Tpeisongyuan_add(QWidget* parent = nullptr);

  protected:
    void load(const RowValues& values) override;
    QString collect(RowValues& values) override;

  private:
    QLineEdit* name_;
    QLineEdit* phone_;
    QLineEdit* vehicle_;
    QLineEdit* commission_;
};

}  // namespace lanze
