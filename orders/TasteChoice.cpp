#include "orders/TasteChoice.h"

#include "core/db/Query.h"

namespace lanze {

QStringList TasteChoice::names(Database& db) {
    Query q(db, QStringLiteral("select * from 口味"));
    q.exec();
    QStringList out;
    while (q.next()) {
        out << q.text(QStringLiteral("口味"));
    }
    return out;
}

void TasteChoice::choose(Database& db, const QString& taste) {
    tastes_ = tastes_.isEmpty() ? taste : tastes_ + QLatin1Char(',') + taste;
    Query q(db, QStringLiteral("select * from 口味 where 口味=:口味"));
    q.bindText(QStringLiteral("口味"), taste);
    if (q.first()) {
        price_ += q.money(QStringLiteral("加价"));
    }
}

}  // namespace lanze
