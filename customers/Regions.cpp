#include "customers/Regions.h"

#include "core/db/Query.h"

namespace lanze {

QString Regions::add(Database& db, const QString& name) {
    if (name.isEmpty()) {
        return kEnterName;
    }
    addUnchecked(db, name);
    return QString();
}

void Regions::addUnchecked(Database& db, const QString& name) {
    Query(db, QStringLiteral("insert into 区域 (区域) values (:区域)"))
        .bindText(QStringLiteral("区域"), name)
        .exec();
}

QStringList Regions::names(Database& db) {
    Query q(db, QStringLiteral("select * from 区域 order by 区域"));
    q.exec();
    QStringList out;
    while (q.next()) {
        out << q.text(QStringLiteral("区域"));
    }
    return out;
}

QStringList Regions::filterList(Database& db) {
    return QStringList{kHeadOffice} + names(db);
}

}  // namespace lanze
