#pragma once

#include <QString>
#include <QStringList>

#include "core/db/Database.h"

namespace lanze {

// The dine-in table numbers (table 餐台号), offered by the dine-in order window.
class TableNumbers {
  public:
    static inline const QString kEmpty = QStringLiteral("餐台号不能为空");
    static inline const QString kDuplicate = QStringLiteral("餐台号重复：%1");

    static QStringList list(Database& db);
    // Adds one number. Returns the refusal text, empty when added. Throws DbError.
    static QString add(Database& db, const QString& number);
    // Replaces the whole list as edited (blank lines dropped, numbers trimmed) in one transaction.
    // Returns the refusal text, empty when saved; a refused list changes nothing.
    static QString save(Database& db, const QStringList& numbers);
    static void remove(Database& db, const QString& number);
};

}  // namespace lanze
