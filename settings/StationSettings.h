#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace lanze {

// This station's settings in cysz.ini: one section per setting, holding one key "类型". A missing
// section or key, and the stored text "default", both mean the built-in default.
class StationSettings {
  public:
    static inline const QString kKey = QStringLiteral("类型");
    static inline const QString kFallback = QStringLiteral("default");

    struct Setting {
        QString section;
        QString defaultValue;
    };
    // Every setting the program reads, with its default, in the order of the file.
    static const QList<Setting>& all();
    static QString defaultOf(const QString& section);

    explicit StationSettings(QString storeDir);

    // The value with the default applied; sections not in all() default to empty.
    QString read(const QString& section) const;
    // Every known setting, defaults applied.
    QHash<QString, QString> readAll() const;
    // Writes one value (empty stays present and empty). Returns false with a reason on failure.
    bool write(const QString& section, const QString& value, QString* error = nullptr) const;
    // Writes several values in one rewrite of the file.
    bool write(const QHash<QString, QString>& values, QString* error = nullptr) const;

    QString filePath() const;

  private:
    QString storeDir_;
};

}  // namespace lanze
