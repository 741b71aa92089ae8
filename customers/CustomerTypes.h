#pragma once

#include <QString>

#include "core/records/TableRows.h"

namespace lanze {

class Database;

// Customer types (客户类型) with their discount rate in tenths of the price; the order windows give a
// customer the discount of the customer's type. Customers keep a deleted type's name.
class CustomerTypes {
  public:
    static inline const QString kNote = QStringLiteral("注意：折扣率为10就是不打折，9就是打9折。");

    static TableRows rows(Database& db) { return TableRows::byRowId(db, QStringLiteral("客户类型")); }
    static QString deleteQuestion(const QString& typeName) {
        return QStringLiteral("确实要删除[") + typeName + QStringLiteral("]吗？");
    }
    // The editor's two boxes into the row. An empty rate is stored empty (no discount by type); a rate
    // that is not a number from 0 to 10 is refused: the refusal text comes back and nothing is set.
    static QString fill(RowValues& row, const QString& typeName, const QString& rateText);
};

}  // namespace lanze
