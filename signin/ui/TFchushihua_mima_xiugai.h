#pragma once

#include "signin/ui/PasswordChangeDialog.h"

namespace lanze {

// Changes the password that guards data initialisation; it is kept as typed.
class TFchushihua_mima_xiugai : public PasswordChangeDialog {
    Q_OBJECT
  public:
    explicit TFchushihua_mima_xiugai(Database& db, QWidget* parent = nullptr);

  protected:
    QString change(const QString& oldPassword, const QString& newPassword, const QString& repeat) override;
};

}  // namespace lanze
