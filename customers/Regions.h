#pragma once

#include <QString>
#include <QStringList>

#include "core/records/TableRows.h"

namespace lanze {

class Database;

// Customer regions (区域): offered by the customer windows and the main window's region filter.
class Regions {
  public:
    static inline const QString kEnterName = QStringLiteral("请输入添加的部门信息");
    static inline const QString kConfirmDelete = QStringLiteral("确实要删除吗？");
    static inline const QString kHeadOffice = QStringLiteral("总部");

    static TableRows rows(Database& db) { return TableRows::byRowId(db, QStringLiteral("区域")); }
    static QString listSql(Database& db) { return rows(db).listSql(QStringLiteral(" order by 区域")); }

    // "添加" of the region window: an empty name gives the refusal text and nothing is added.
    static QString add(Database& db, const QString& name);
    // The customer list's add dialog stores whatever its box holds, an empty name included.
    static void addUnchecked(Database& db, const QString& name);

    // Every region in name order.
    static QStringList names(Database& db);
    // The main window's region filter: "总部" followed by every region in name order.
    static QStringList filterList(Database& db);
};

}  // namespace lanze
