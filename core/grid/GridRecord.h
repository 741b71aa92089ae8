#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QSharedPointer>
#include <QString>
#include <QVariantList>

#include "core/types/Money.h"

namespace lanze {

// The positions of a query result's columns by name, shared by every row of one result. Names are
// matched without regard to letter case, as Query does.
class FieldIndex {
  public:
    FieldIndex() = default;
    explicit FieldIndex(const QStringList& names);
    int indexOf(const QString& name) const { return index_.value(name.toLower(), -1); }
    int size() const { return int(names_.size()); }
    const QStringList& names() const { return names_; }

  private:
    QStringList names_;
    QHash<QString, int> index_;
};

// One row of a grid's query, read by field name with the same conversions as Query. A field the query
// did not return reads as null.
class GridRecord {
  public:
    GridRecord() = default;
    GridRecord(QSharedPointer<const FieldIndex> fields, QVariantList values)
        : fields_(std::move(fields)), values_(std::move(values)) {}

    bool hasField(const QString& field) const { return fields_ && fields_->indexOf(field) >= 0; }
    QVariant value(const QString& field) const;
    bool isNull(const QString& field) const { return value(field).isNull(); }
    QString text(const QString& field) const;
    qint64 integer(const QString& field) const;
    double number(const QString& field) const;
    bool yesNo(const QString& field) const;
    Money money(const QString& field) const;
    QDate date(const QString& field) const;
    QDateTime dateTime(const QString& field) const;

    const QVariantList& values() const { return values_; }

  private:
    QSharedPointer<const FieldIndex> fields_;
    QVariantList values_;
};

}  // namespace lanze
