#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>
#include <variant>

#include "core/types/Money.h"

namespace lanze {

class Query;
struct TableDef;

// The column values of one row as an editor holds them before they are written: each value keeps its
// kind, so that it is bound as what it is (money as ten-thousandths, yes/no as the engine keeps it).
// A column set to null is written as null; a column not set at all is left out of the statement.
class RowValues {
  public:
    using Value = std::variant<std::monostate, QString, qint64, double, Money, bool, QDateTime>;

    RowValues& setText(const QString& column, const QString& value) { return set(column, value); }
    RowValues& setInteger(const QString& column, qint64 value) { return set(column, value); }
    RowValues& setNumber(const QString& column, double value) { return set(column, value); }
    RowValues& setMoney(const QString& column, Money value) { return set(column, value); }
    RowValues& setYesNo(const QString& column, bool value) { return set(column, value); }
    RowValues& setDateTime(const QString& column, const QDateTime& value) { return set(column, value); }
    RowValues& setNull(const QString& column) { return set(column, std::monostate{}); }
    // Every value of the other row, over what this one holds for the same columns.
    RowValues& setAll(const RowValues& other) {
        for (const auto& [column, value] : other.values_) {
            set(column, value);
        }
        return *this;
    }

    bool contains(const QString& column) const { return find(column) != nullptr; }
    // A column not set reads as null.
    bool isNull(const QString& column) const;
    QString text(const QString& column) const;  // null gives ""
    qint64 integer(const QString& column) const;
    double number(const QString& column) const;
    Money money(const QString& column) const;
    bool yesNo(const QString& column) const;
    QDateTime dateTime(const QString& column) const;

    QStringList columns() const;
    bool isEmpty() const { return values_.isEmpty(); }

    // Binds every value under its column name: ":客户类型" gets 客户类型.
    void bindTo(Query& query) const;

    bool operator==(const RowValues& other) const { return values_ == other.values_; }

  private:
    RowValues& set(const QString& column, Value value);
    const Value* find(const QString& column) const;

    QList<std::pair<QString, Value>> values_;
};

}  // namespace lanze
