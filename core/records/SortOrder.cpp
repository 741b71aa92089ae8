#include "core/records/SortOrder.h"

#include "core/db/DbError.h"
#include "core/db/Query.h"
#include "core/db/Transaction.h"
#include "core/records/TableRows.h"

namespace lanze {

SortOrder::SortOrder(Database& db, QString table, QString keyColumn)
    : db_(db), table_(std::move(table)), key_(std::move(keyColumn)) {}

QString SortOrder::message(Move move) {
    switch (move) {
        case Move::AtTop:
            return kAtTop;
        case Move::AtBottom:
            return kAtBottom;
        case Move::Moved:
            break;
    }
    return QString();
}

QList<qint64> SortOrder::keysInOrder() const {
    Query q(db_, QStringLiteral("select %1 from %2 order by %3, %1").arg(key_, table_, kSortColumn));
    q.exec();
    QList<qint64> keys;
    while (q.next()) {
        keys << q.integer(key_);
    }
    return keys;
}

SortOrder::Move SortOrder::moveUp(qint64 key) {
    return moveWithin(keysInOrder(), key, true);
}

SortOrder::Move SortOrder::moveDown(qint64 key) {
    return moveWithin(keysInOrder(), key, false);
}

SortOrder::Move SortOrder::moveWithin(const QList<qint64>& shownKeys, qint64 key, bool up) {
    const qsizetype at = shownKeys.indexOf(key);
    const qsizetype neighbour = up ? at - 1 : at + 1;
    // A key the list does not show has no neighbour either: it stays where it is.
    if (at < 0 || neighbour < 0) {
        return up ? Move::AtTop : Move::AtBottom;
    }
    if (neighbour >= shownKeys.size()) {
        return Move::AtBottom;
    }
    swap(key, shownKeys[neighbour]);
    return Move::Moved;
}

void SortOrder::swap(qint64 key, qint64 neighbour) {
    Transaction t(db_);
    QVariant mine = sortNumberOf(key);
    QVariant theirs = sortNumberOf(neighbour);
    // Two rows with the same number (or none) would swap to the same order and the row would not move:
    // the table is numbered 1, 2, 3 ... in its present order first, which keeps every row's place.
    if (mine.isNull() || theirs.isNull() || mine.toLongLong() == theirs.toLongLong()) {
        renumber();
        mine = sortNumberOf(key);
        theirs = sortNumberOf(neighbour);
    }
    write(key, theirs.toLongLong());
    write(neighbour, mine.toLongLong());
    t.commit();
}

QVariant SortOrder::sortNumberOf(qint64 key) const {
    Query q(db_, QStringLiteral("select %1 from %2 where %3=:%3").arg(kSortColumn, table_, key_));
    q.bindInteger(key_, key);
    // A row another station deleted since the list was read: the list is read again, nothing moves.
    if (!q.first()) {
        throw RowChangedElsewhere();
    }
    return q.value(kSortColumn);
}

void SortOrder::write(qint64 key, qint64 number) {
    Query q(db_, QStringLiteral("update %1 set %2=:%2 where %3=:%3").arg(table_, kSortColumn, key_));
    q.bindInteger(kSortColumn, number);
    q.bindInteger(key_, key);
    q.exec();
}

void SortOrder::renumber() {
    qint64 number = 0;
    for (qint64 key : keysInOrder()) {
        write(key, ++number);
    }
}

qint64 SortOrder::nextSortNumber() const {
    Query q(db_, QStringLiteral("select max(%1) as 最大 from %2").arg(kSortColumn, table_));
    if (!q.first() || q.isNull(QStringLiteral("最大"))) {
        return 1;
    }
    return q.integer(QStringLiteral("最大")) + 1;
}

}  // namespace lanze
