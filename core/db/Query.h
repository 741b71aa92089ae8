#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include "core/db/Database.h"
#include "core/db/NamedParameters.h"
#include "core/types/Money.h"

namespace lanze {

// One statement on the store connection: named parameters bound by type, results read by column name.
//
//   Query q(db, "select * from 客户资料 where 联系电话 like :联系电话");
//   q.bindText("联系电话", "%" + phone + "%").exec();
//   while (q.next()) { name = q.text("客户姓名"); balance = q.money("帐户余额"); }
//
// Every failure throws DbError with the engine's text. Column names are matched without regard to
// letter case (the server folds unquoted names to lower case: Right1 comes back as right1).
class Query {
  public:
    Query(Database& db, const QString& sql);

    Query& bindText(const QString& name, const QString& value);
    Query& bindInteger(const QString& name, qint64 value);
    Query& bindNumber(const QString& name, double value);
    Query& bindYesNo(const QString& name, bool value);
    Query& bindMoney(const QString& name, Money value);
    Query& bindDate(const QString& name, const QDate& value);          // stored at 00:00:00
    Query& bindDateTime(const QString& name, const QDateTime& value);  // to the second
    Query& bindNull(const QString& name);

    // Runs the statement. Returns *this so that a select can be followed by next().
    Query& exec();
    bool next();
    // Runs a select and reports whether it returned a row, positioned on it.
    bool first();

    bool isNull(const QString& column) const;
    QString text(const QString& column) const;  // null gives ""
    qint64 integer(const QString& column) const;
    double number(const QString& column) const;
    bool yesNo(const QString& column) const;
    Money money(const QString& column) const;
    QDate date(const QString& column) const;
    QDateTime dateTime(const QString& column) const;
    QVariant value(const QString& column) const;

    int rowsAffected() const { return query_.numRowsAffected(); }
    // Hands the executed statement to a grid model.
    QSqlQuery release() { return std::move(query_); }
    // A new, not yet executed statement around this one's text with the same bound values, for a grid
    // that sorts or totals the rows of the statement it was given: wrapped("select * from (", ") g").
    Query wrapped(const QString& before, const QString& after) const;
    bool isExecuted() const { return query_.isActive(); }
    // Rows are read one after the other by default. A grid that reads its rows a batch at a time while
    // other statements run in between switches this off before exec on the server: the server's
    // streamed results are lost when the connection runs another statement.
    Query& setForwardOnly(bool on) {
        query_.setForwardOnly(on);
        return *this;
    }
    Database& database() const { return db_; }

    // Convenience for a single statement that returns nothing.
    static void run(Database& db, const QString& sql) { Query(db, sql).exec(); }

    // Conversions shared with the grid models, which read raw values.
    static Money toMoney(const QVariant& v);
    static QDateTime toDateTime(const QVariant& v);
    static QString toText(const QVariant& v);
    static bool toYesNo(const QVariant& v);

  private:
    int columnIndex(const QString& column) const;

    Database& db_;
    QString originalSql_;
    PositionalStatement statement_;
    QHash<QString, QVariant> values_;
    QSqlQuery query_;
    bool prepared_ = false;
};

}  // namespace lanze
