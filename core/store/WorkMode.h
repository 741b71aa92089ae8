#pragma once

#include <QString>

#include "core/db/ConnectionTarget.h"

namespace lanze {

// moshi.ini: whether this station holds the data itself ("服务器") or uses another's ("工作站"), and in
// workstation mode where the data is: a folder holding db1.db, or a PostgreSQL URI.
struct WorkMode {
    static inline const QString kServer = QStringLiteral("服务器");
    static inline const QString kWorkstation = QStringLiteral("工作站");

    QString mode = kServer;  // as read; "default" already replaced
    QString directory;       // as read, "default" when missing

    bool isServer() const { return mode == kServer; }

    static WorkMode read(const QString& storeDir);
    // Throws DbError when the file cannot be written.
    void write(const QString& storeDir) const;

    // The database this station opens. A relative folder resolves against the store folder; the
    // folder is used as written, so "default" (no folder set) names a file that does not exist.
    ConnectionTarget databaseTarget(const QString& storeDir) const;
};

}  // namespace lanze
