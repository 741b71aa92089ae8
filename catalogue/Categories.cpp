#include "catalogue/Categories.h"

#include "core/db/Query.h"
#include "core/db/Transaction.h"

namespace lanze {

void Categories::save(Database& db, RowEdit edit) {
    Transaction t(db);
    edit.values().setInteger(SortOrder::kSortColumn, order(db).nextSortNumber());
    TableRows table = rows(db);
    edit.write(table);
    t.commit();
}

QStringList Categories::names(Database& db) {
    Query q(db, QStringLiteral("select * from 种类") + kOrder);
    q.exec();
    QStringList out;
    while (q.next()) {
        out << q.text(QStringLiteral("种类"));
    }
    return out;
}

}  // namespace lanze
