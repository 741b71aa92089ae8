#pragma once

#include "signin/ui/PasswordChangeDialog.h"

namespace lanze {

// Changes the signed-in operator's own password.
class Txiugai_mima : public PasswordChangeDialog {
    Q_OBJECT
  public:
    explicit Txiugai_mima(Database& db, QWidget* parent = nullptr);

  protected:
    QString change(const QString& oldPassword, const QString& newPassword, const QString& repeat) override;
};

}  // namespace lanze
