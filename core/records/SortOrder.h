#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace lanze {

class Database;

// The order the user gives a list through its sort numbers (排序编号): moving a row up or down swaps its
// number with the neighbouring row's, both writes in one transaction. Rows are addressed by the table's
// key column.
class SortOrder {
  public:
    enum class Move { Moved, AtTop, AtBottom };

    static inline const QString kAtTop = QStringLiteral("已经是最上层了");
    static inline const QString kAtBottom = QStringLiteral("已经是最底层了");
    static inline const QString kSortColumn = QStringLiteral("排序编号");

    SortOrder(Database& db, QString table, QString keyColumn);

    // Swaps with the neighbour in the whole table ordered by sort number (then key). Throws DbError;
    // RowChangedElsewhere when either row is gone.
    Move moveUp(qint64 key);
    Move moveDown(qint64 key);
    // Swaps with the neighbour in a list as it is shown (a filtered list): shownKeys in shown order.
    Move moveWithin(const QList<qint64>& shownKeys, qint64 key, bool up);

    // The message for the ends of the list; empty for a row that moved.
    static QString message(Move move);

    // The largest sort number plus one; 1 for an empty table.
    qint64 nextSortNumber() const;
    // The keys of the table in sort order.
    QList<qint64> keysInOrder() const;

  private:
    void swap(qint64 key, qint64 neighbour);
    QVariant sortNumberOf(qint64 key) const;
    void write(qint64 key, qint64 number);
    void renumber();

    Database& db_;
    QString table_;
    QString key_;
};

}  // namespace lanze
