#include "core/grid/GridRecord.h"

#include <cmath>

#include "core/db/Query.h"

namespace lanze {

FieldIndex::FieldIndex(const QStringList& names) : names_(names) {
    for (int i = 0; i < names.size(); ++i) {
        index_.insert(names[i].toLower(), i);
    }
}

QVariant GridRecord::value(const QString& field) const {
    const int i = fields_ ? fields_->indexOf(field) : -1;
    return i >= 0 && i < values_.size() ? values_[i] : QVariant();
}

QString GridRecord::text(const QString& field) const {
    return Query::toText(value(field));
}

qint64 GridRecord::integer(const QString& field) const {
    const QVariant v = value(field);
    bool ok = false;
    const qint64 i = v.toLongLong(&ok);
    return ok ? i : std::llround(v.toString().trimmed().toDouble());
}

double GridRecord::number(const QString& field) const {
    return value(field).toString().trimmed().toDouble();
}

bool GridRecord::yesNo(const QString& field) const {
    return Query::toYesNo(value(field));
}

Money GridRecord::money(const QString& field) const {
    return Query::toMoney(value(field));
}

QDate GridRecord::date(const QString& field) const {
    return dateTime(field).date();
}

QDateTime GridRecord::dateTime(const QString& field) const {
    return Query::toDateTime(value(field));
}

}  // namespace lanze
