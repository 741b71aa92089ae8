#include "signin/ui/TFchushihua_mima_xiugai.h"

#include "signin/Operators.h"

namespace lanze {

TFchushihua_mima_xiugai::TFchushihua_mima_xiugai(Database& db, QWidget* parent)
    : PasswordChangeDialog(db, QStringLiteral("初始化密码修改"), parent) {
    setObjectName(QStringLiteral("TFchushihua_mima_xiugai"));
}

QString TFchushihua_mima_xiugai::change(const QString& oldPassword, const QString& newPassword,
                                        const QString& repeat) {
    return PasswordChange::changeInitialisation(db(), oldPassword, newPassword, repeat);
}

}  // namespace lanze
