#pragma once

#include <QDialog>

#include "core/types/Money.h"

class QLineEdit;

namespace lanze {

// The dish-return dialog of order modification: how many of a line to return. The caller reads
// quantity() after the dialog closed: 0 when it was cancelled.
class TFtuicai : public QDialog {
    Q_OBJECT
  public:
    explicit TFtuicai(QWidget* parent = nullptr);

    Money quantity() const { return quantity_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void confirm();

    QLineEdit* box_;
    Money quantity_;
};

}  // namespace lanze
