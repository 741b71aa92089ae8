#pragma once

#include <QString>

#include "core/records/TableRows.h"

namespace lanze {

class Database;

// The taste list (口味) with each taste's surcharge: the names feed the cart's taste pick list, and a
// chosen taste's surcharge is added to the line's price.
class TasteList {
  public:
    static inline const QString kConfirmDelete = QStringLiteral("确实要进行删除吗？？");
    static inline const QString kSurchargeCaption = QStringLiteral("加价");

    static TableRows rows(Database& db) { return TableRows::byRowId(db, QStringLiteral("口味")); }

    // Tastes saved without a surcharge get 0, so that adding it to a price always gives a price.
    static void zeroMissingSurcharges(Database& db);

    // The editor's boxes into the row; a surcharge that is not a number gives the refusal text and
    // nothing is set. An empty surcharge is stored empty and becomes 0 the next time the list opens.
    static QString fill(RowValues& row, const QString& taste, const QString& surchargeText);
};

}  // namespace lanze
