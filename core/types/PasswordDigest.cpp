#include "core/types/PasswordDigest.h"

#include <QCryptographicHash>

#include "core/text/Gbk.h"

namespace lanze {

QString passwordDigest(const QString& typed) {
    return QString::fromLatin1(QCryptographicHash::hash(Gbk::encode(typed), QCryptographicHash::Md5).toHex());
}

}  // namespace lanze
