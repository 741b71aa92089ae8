#pragma once

#include <QString>
#include <QStringList>

#include "core/records/RowEdit.h"
#include "core/records/SortOrder.h"

namespace lanze {

class Database;

// Item categories (种类) and their order (排序编号). Items refer to a category by its name, so items of a
// deleted or renamed category keep the old name.
class Categories {
  public:
    static inline const QString kConfirmDelete = QStringLiteral("确实要进行删除吗？？");

    static TableRows rows(Database& db) {
        return TableRows::byKey(db, QStringLiteral("种类"), QStringLiteral("编号"));
    }
    static SortOrder order(Database& db) {
        return SortOrder(db, QStringLiteral("种类"), QStringLiteral("编号"));
    }
    // Ties in the sort number fall back to the key, the same order the arrows work in.
    static inline const QString kOrder = QStringLiteral(" order by 排序编号, 编号");
    static QString listSql(Database& db) { return rows(db).listSql(kOrder); }

    // "保存": the row gets the next sort number and is written, both in one transaction. A changed
    // category therefore moves to the end of the order, as a new one does. Throws DbError.
    static void save(Database& db, RowEdit edit);

    // Every category name in sort order, for the item windows.
    static QStringList names(Database& db);
};

}  // namespace lanze
