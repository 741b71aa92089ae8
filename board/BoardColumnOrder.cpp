#include "board/BoardColumnOrder.h"

#include "core/Messages.h"
#include "core/db/DbError.h"
#include "core/db/Query.h"
#include "core/db/Transaction.h"

namespace lanze {

void BoardColumnOrder::save(Database& db, const QStringList& fieldsLeftToRight) {
    Transaction tx(db);
    Query::run(db, QStringLiteral("delete from 主窗口订单显示顺序"));
    Query insert(db, QStringLiteral(
                         "insert into 主窗口订单显示顺序 (字段名称,排序编号) values (:字段名称,:排序编号)"));
    for (int i = 0; i < fieldsLeftToRight.size(); ++i) {
        insert.bindText(QStringLiteral("字段名称"), fieldsLeftToRight.at(i))
            .bindInteger(QStringLiteral("排序编号"), i)
            .exec();
    }
    tx.commit();
}

BoardColumnOrder::Restored BoardColumnOrder::restore(Database& db, int columnCount, Messages& messages) {
    Restored r;
    try {
        Query q(db, QStringLiteral("select * from 主窗口订单显示顺序 order by 排序编号"));
        q.exec();
        while (q.next()) {
            if (r.fields.size() >= columnCount) {
                r.ok = false;
                break;
            }
            r.fields << q.text(QStringLiteral("字段名称"));
        }
    } catch (const DbError&) {
        r.ok = false;
    }
    if (!r.ok) {
        try {
            Query::run(db, QStringLiteral("delete from 主窗口订单显示顺序"));
        } catch (const DbError&) {
            // The message below asks for a new sign-in either way; a table that cannot be emptied now
            // fails the same way at the next start.
        }
        messages.warning(kDisplayError);
    }
    return r;
}

}  // namespace lanze
