#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

#include "core/db/Query.h"

namespace lanze {

// A statement built from fixed pieces together with the values of its named parameters, kept apart
// from any connection so that callers can inspect both and run it on either engine.
struct Statement {
    struct Parameter {
        enum class Kind { Text, Date, YesNo };
        QString name;
        Kind kind;
        QVariant value;  // QString, QDate or bool by kind
        bool operator==(const Parameter&) const = default;
    };

    QString sql;
    QList<Parameter> parameters;

    void addText(const QString& name, const QString& value) {
        parameters.append({name, Parameter::Kind::Text, value});
    }
    void addDate(const QString& name, const QDate& value) {
        parameters.append({name, Parameter::Kind::Date, value});
    }
    void addYesNo(const QString& name, bool value) {
        parameters.append({name, Parameter::Kind::YesNo, value});
    }

    void bind(Query& query) const;
    // Binds and runs the statement; the result is positioned before its first row. Throws DbError.
    Query run(Database& db) const;
};

}  // namespace lanze
