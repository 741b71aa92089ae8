#include "signin/ui/Txiugai_mima.h"

#include "app/SignInState.h"
#include "signin/Operators.h"

namespace lanze {

Txiugai_mima::Txiugai_mima(Database& db, QWidget* parent)
    : PasswordChangeDialog(db, QStringLiteral("修改密码"), parent) {
    setObjectName(QStringLiteral("Txiugai_mima"));
}

QString Txiugai_mima::change(const QString& oldPassword, const QString& newPassword, const QString& repeat) {
    return PasswordChange::changeOperator(db(), signInState().operatorName, oldPassword, newPassword, repeat);
}

}  // namespace lanze
