#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace lanze {

// Where a report's [名称] placeholders get their values: the caller answers by name. A name the caller
// does not know prints as empty text.
class ReportVariables {
  public:
    virtual ~ReportVariables() = default;
    virtual std::optional<QString> value(const QString& name) const = 0;
};

// Variables held in a map; the usual provider.
class VariableMap : public ReportVariables {
  public:
    VariableMap() = default;
    VariableMap(std::initializer_list<std::pair<QString, QString>> values) {
        for (const auto& [k, v] : values) {
            values_.insert(k, v);
        }
    }
    void set(const QString& name, const QString& value) { values_.insert(name, value); }
    std::optional<QString> value(const QString& name) const override {
        const auto it = values_.constFind(name);
        return it == values_.constEnd() ? std::nullopt : std::optional<QString>(*it);
    }
    const QHash<QString, QString>& values() const { return values_; }

  private:
    QHash<QString, QString> values_;
};

// The rows a data band repeats over: named columns and text cells, already formatted by the caller.
struct ReportRows {
    QStringList columns;
    QList<QStringList> rows;

    qsizetype size() const { return rows.size(); }
    bool hasColumn(const QString& name) const { return columns.contains(name); }
    QString cell(qsizetype row, const QString& column) const {
        const qsizetype c = columns.indexOf(column);
        if (c < 0 || row < 0 || row >= rows.size() || c >= rows.at(row).size()) {
            return QString();
        }
        return rows.at(row).at(c);
    }
};

}  // namespace lanze
