#pragma once

#include <QString>

namespace lanze {

// Operators' passwords are kept as the lower-case hexadecimal MD5 digest of the typed text, taken over
// its GBK bytes as the stations have always done (for plain ASCII passwords the bytes are the same).
QString passwordDigest(const QString& typed);

}  // namespace lanze
