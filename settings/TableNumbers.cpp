#include "settings/TableNumbers.h"

#include "core/db/Query.h"
#include "core/db/Transaction.h"

namespace lanze {

QStringList TableNumbers::list(Database& db) {
    QStringList out;
    Query q(db, QStringLiteral("select 餐台号 from 餐台号"));
    q.exec();
    while (q.next()) {
        out << q.text(QStringLiteral("餐台号"));
    }
    return out;
}

QString TableNumbers::add(Database& db, const QString& number) {
    const QString n = number.trimmed();
    if (n.isEmpty()) {
        return kEmpty;
    }
    Transaction tx(db);
    if (list(db).contains(n)) {
        return kDuplicate.arg(n);
    }
    Query(db, QStringLiteral("insert into 餐台号 (餐台号) values (:餐台号)"))
        .bindText(QStringLiteral("餐台号"), n)
        .exec();
    tx.commit();
    return QString();
}

QString TableNumbers::save(Database& db, const QStringList& numbers) {
    QStringList kept;
    for (const QString& number : numbers) {
        const QString n = number.trimmed();
        if (n.isEmpty()) {
            continue;
        }
        if (kept.contains(n)) {
            return kDuplicate.arg(n);
        }
        kept << n;
    }
    Transaction tx(db);
    Query::run(db, QStringLiteral("delete from 餐台号"));
    Query insert(db, QStringLiteral("insert into 餐台号 (餐台号) values (:餐台号)"));
    for (const QString& n : kept) {
        insert.bindText(QStringLiteral("餐台号"), n).exec();
    }
    tx.commit();
    return QString();
}

void TableNumbers::remove(Database& db, const QString& number) {
    Query(db, QStringLiteral("delete from 餐台号 where 餐台号=:餐台号"))
        .bindText(QStringLiteral("餐台号"), number.trimmed())
        .exec();
}

}  // namespace lanze
