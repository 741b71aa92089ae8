#include "core/db/Query.h"

#include <QSqlError>
#include <QSqlRecord>
#include <cmath>

#include "core/db/DbError.h"

namespace lanze {

Query::Query(Database& db, const QString& sql)
    : db_(db),
      originalSql_(sql),
      statement_(NamedParameters::rewrite(sql, db.dialect())),
      query_(db.handle()) {
    query_.setForwardOnly(true);
    query_.setNumericalPrecisionPolicy(QSql::HighPrecision);
}

Query& Query::bindText(const QString& name, const QString& value) {
    // An empty text is stored as empty, not null: searches such as "客户编号=''" depend on it.
    values_.insert(name, value.isNull() ? QString(QLatin1String("")) : value);
    return *this;
}

Query& Query::bindInteger(const QString& name, qint64 value) {
    values_.insert(name, QVariant::fromValue<qlonglong>(value));
    return *this;
}

Query& Query::bindNumber(const QString& name, double value) {
    values_.insert(name, value);
    return *this;
}

Query& Query::bindYesNo(const QString& name, bool value) {
    if (db_.dialect().isSQLite()) {
        values_.insert(name, QVariant::fromValue<qlonglong>(value ? 1 : 0));
    } else {
        values_.insert(name, value);
    }
    return *this;
}

Query& Query::bindMoney(const QString& name, Money value) {
    values_.insert(name, QVariant::fromValue<qlonglong>(value.units()));
    return *this;
}

Query& Query::bindDate(const QString& name, const QDate& value) {
    if (!value.isValid()) {
        return bindNull(name);
    }
    values_.insert(name, value.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 00:00:00"));
    return *this;
}

Query& Query::bindDateTime(const QString& name, const QDateTime& value) {
    if (!value.isValid()) {
        return bindNull(name);
    }
    values_.insert(name, value.toString(Dialect::dateTimeFormat()));
    return *this;
}

Query& Query::bindNull(const QString& name) {
    values_.insert(name, QVariant(QMetaType::fromType<QString>()));
    return *this;
}

Query& Query::exec() {
    if (statement_.names.isEmpty()) {
        // Without parameters the text runs as it stands: the server prepares only data statements, and
        // schema changes and maintenance statements come this way too.
        if (!query_.exec(statement_.sql)) {
            throw DbError(query_.lastError().text().trimmed() + QStringLiteral("\n") + originalSql_);
        }
        return *this;
    }
    if (!prepared_) {
        if (!query_.prepare(statement_.sql)) {
            throw DbError(query_.lastError().text().trimmed() + QStringLiteral("\n") + originalSql_);
        }
        prepared_ = true;
    }
    for (int i = 0; i < statement_.names.size(); ++i) {
        const auto it = values_.constFind(statement_.names[i]);
        if (it == values_.constEnd()) {
            throw DbError(QStringLiteral("参数 :%1 没有赋值\n%2").arg(statement_.names[i], originalSql_));
        }
        query_.bindValue(i, *it);
    }
    if (!query_.exec()) {
        throw DbError(query_.lastError().text().trimmed() + QStringLiteral("\n") + originalSql_);
    }
    return *this;
}

bool Query::next() {
    return query_.next();
}

bool Query::first() {
    exec();
    return query_.next();
}

int Query::columnIndex(const QString& column) const {
    const int i = query_.record().indexOf(column);
    if (i < 0) {
        throw DbError(QStringLiteral("结果中没有列 %1\n%2").arg(column, originalSql_));
    }
    return i;
}

QVariant Query::value(const QString& column) const {
    return query_.value(columnIndex(column));
}

bool Query::isNull(const QString& column) const {
    return query_.isNull(columnIndex(column));
}

Query Query::wrapped(const QString& before, const QString& after) const {
    Query q(db_, before + originalSql_ + after);
    q.values_ = values_;
    return q;
}

QString Query::text(const QString& column) const {
    return toText(value(column));
}

QString Query::toText(const QVariant& v) {
    if (v.isNull()) {
        return QString(QLatin1String(""));
    }
    if (v.typeId() == QMetaType::QDateTime) {
        return v.toDateTime().toString(Dialect::dateTimeFormat());
    }
    return v.toString();
}

qint64 Query::integer(const QString& column) const {
    const QVariant v = value(column);
    if (v.isNull()) {
        return 0;
    }
    bool ok = false;
    const qint64 i = v.toLongLong(&ok);
    if (ok) {
        return i;
    }
    const double d = v.toString().trimmed().toDouble(&ok);
    if (!ok) {
        throw DbError(QStringLiteral("列 %1 的值“%2”不是整数").arg(column, v.toString()));
    }
    return std::llround(d);
}

double Query::number(const QString& column) const {
    const QVariant v = value(column);
    if (v.isNull()) {
        return 0.0;
    }
    bool ok = false;
    const double d = v.toString().trimmed().toDouble(&ok);
    if (!ok) {
        throw DbError(QStringLiteral("列 %1 的值“%2”不是数字").arg(column, v.toString()));
    }
    return d;
}

bool Query::yesNo(const QString& column) const {
    return toYesNo(value(column));
}

bool Query::toYesNo(const QVariant& v) {
    if (v.isNull()) {
        return false;
    }
    if (v.typeId() == QMetaType::Bool) {
        return v.toBool();
    }
    const QString s = v.toString().trimmed().toLower();
    return !(s.isEmpty() || s == QLatin1String("0") || s == QLatin1String("false") ||
             s == QLatin1String("f"));
}

Money Query::toMoney(const QVariant& v) {
    if (v.isNull()) {
        return Money();
    }
    switch (v.typeId()) {
        case QMetaType::LongLong:
        case QMetaType::Int:
        case QMetaType::ULongLong:
        case QMetaType::UInt:
            return Money::fromUnits(v.toLongLong());
        case QMetaType::Double:
            // Sums the engine computed in floating point still count ten-thousandths.
            return Money::fromUnits(std::llround(v.toDouble()));
        default: {
            // The server returns sums of BIGINT as numeric text: a count of ten-thousandths, with
            // decimals only after an average or a division.
            const QString s = v.toString().trimmed();
            bool ok = false;
            const qint64 units = s.toLongLong(&ok);
            if (ok) {
                return Money::fromUnits(units);
            }
            const auto parsed = Money::parse(s);
            if (!parsed) {
                throw DbError(QStringLiteral("“%1”不是金额").arg(s));
            }
            return Money::fromUnits(parsed->rounded(0).units() / Money::kScale);
        }
    }
}

Money Query::money(const QString& column) const {
    return toMoney(value(column));
}

QDateTime Query::toDateTime(const QVariant& v) {
    if (v.isNull()) {
        return {};
    }
    if (v.typeId() == QMetaType::QDateTime) {
        return v.toDateTime();
    }
    if (v.typeId() == QMetaType::QDate) {
        return v.toDate().startOfDay();
    }
    const QString s = v.toString().trimmed();
    QDateTime dt = QDateTime::fromString(s, Dialect::dateTimeFormat());
    if (!dt.isValid()) {
        dt = QDateTime::fromString(s, Qt::ISODate);
    }
    if (!dt.isValid()) {
        const QDate d = QDate::fromString(s.left(10), QStringLiteral("yyyy-MM-dd"));
        if (d.isValid()) {
            dt = d.startOfDay();
        }
    }
    return dt;
}

QDateTime Query::dateTime(const QString& column) const {
    return toDateTime(value(column));
}

QDate Query::date(const QString& column) const {
    return dateTime(column).date();
}

}  // namespace lanze
