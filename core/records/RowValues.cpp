#include "core/records/RowValues.h"

#include <cmath>

#include "core/db/Query.h"

namespace lanze {

RowValues& RowValues::set(const QString& column, Value value) {
    for (auto& [name, v] : values_) {
        if (name == column) {
            v = std::move(value);
            return *this;
        }
    }
    values_.append({column, std::move(value)});
    return *this;
}

const RowValues::Value* RowValues::find(const QString& column) const {
    for (const auto& [name, v] : values_) {
        if (name == column) {
            return &v;
        }
    }
    return nullptr;
}

bool RowValues::isNull(const QString& column) const {
    const Value* v = find(column);
    return !v || std::holds_alternative<std::monostate>(*v);
}

QString RowValues::text(const QString& column) const {
    const Value* v = find(column);
    if (!v) {
        return QString();
    }
    return std::visit(
        [](const auto& x) -> QString {
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, QString>) {
                return x;
            } else if constexpr (std::is_same_v<T, qint64>) {
                return QString::number(x);
            } else if constexpr (std::is_same_v<T, double>) {
                return QString::number(x, 'g', 15);
            } else if constexpr (std::is_same_v<T, Money>) {
                return x.toPlainString();
            } else if constexpr (std::is_same_v<T, bool>) {
                return x ? QStringLiteral("是") : QStringLiteral("否");
            } else if constexpr (std::is_same_v<T, QDateTime>) {
                return x.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            } else {
                return QString();
            }
        },
        *v);
}

qint64 RowValues::integer(const QString& column) const {
    const Value* v = find(column);
    if (!v) {
        return 0;
    }
    if (const auto* i = std::get_if<qint64>(v)) {
        return *i;
    }
    if (const auto* d = std::get_if<double>(v)) {
        return std::llround(*d);
    }
    return text(column).toLongLong();
}

double RowValues::number(const QString& column) const {
    const Value* v = find(column);
    if (!v) {
        return 0;
    }
    if (const auto* d = std::get_if<double>(v)) {
        return *d;
    }
    if (const auto* i = std::get_if<qint64>(v)) {
        return double(*i);
    }
    if (const auto* m = std::get_if<Money>(v)) {
        return m->toDouble();
    }
    return text(column).toDouble();
}

Money RowValues::money(const QString& column) const {
    const Value* v = find(column);
    if (!v) {
        return Money();
    }
    if (const auto* m = std::get_if<Money>(v)) {
        return *m;
    }
    return Money::parse(text(column)).value_or(Money());
}

bool RowValues::yesNo(const QString& column) const {
    const Value* v = find(column);
    if (const auto* b = v ? std::get_if<bool>(v) : nullptr) {
        return *b;
    }
    return integer(column) != 0;
}

QDateTime RowValues::dateTime(const QString& column) const {
    const Value* v = find(column);
    if (const auto* t = v ? std::get_if<QDateTime>(v) : nullptr) {
        return *t;
    }
    return {};
}

QStringList RowValues::columns() const {
    QStringList names;
    for (const auto& entry : values_) {
        names << entry.first;
    }
    return names;
}

void RowValues::bindTo(Query& query) const {
    for (const auto& [name, v] : values_) {
        std::visit(
            [&query, &name](const auto& x) {
                using T = std::decay_t<decltype(x)>;
                if constexpr (std::is_same_v<T, QString>) {
                    query.bindText(name, x);
                } else if constexpr (std::is_same_v<T, qint64>) {
                    query.bindInteger(name, x);
                } else if constexpr (std::is_same_v<T, double>) {
                    query.bindNumber(name, x);
                } else if constexpr (std::is_same_v<T, Money>) {
                    query.bindMoney(name, x);
                } else if constexpr (std::is_same_v<T, bool>) {
                    query.bindYesNo(name, x);
                } else if constexpr (std::is_same_v<T, QDateTime>) {
                    query.bindDateTime(name, x);
                } else {
                    query.bindNull(name);
                }
            },
            v);
    }
}

}  // namespace lanze
