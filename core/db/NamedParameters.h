#pragma once

#include <QString>
#include <QStringList>

#include "core/db/Dialect.h"

namespace lanze {

// A statement with its ":name" parameters replaced by positional "?" markers, and the name that
// belongs to each marker in order. Names may be any letters, CJK included (":联系电话"), digits and
// underscores; quoted strings, quoted identifiers, comments and "::" casts are left alone.
struct PositionalStatement {
    QString sql;
    QStringList names;  // one entry per marker; a name used twice appears twice
};

class NamedParameters {
  public:
    // Also turns the keyword "like" into the dialect's case-insensitive form.
    static PositionalStatement rewrite(const QString& sql, const Dialect& dialect);
};

}  // namespace lanze
