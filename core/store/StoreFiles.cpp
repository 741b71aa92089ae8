#include "core/store/StoreFiles.h"

#include <QDir>
#include <QStandardPaths>

namespace lanze {

QString StoreFiles::defaultHome() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("lanze"));
}

QString StoreFiles::resolveHome(const QString& fromCommandLine) {
    if (!fromCommandLine.isEmpty()) {
        return QDir::cleanPath(QDir().absoluteFilePath(fromCommandLine));
    }
    const QString env = qEnvironmentVariable("LANZE_HOME");
    if (!env.isEmpty()) {
        return QDir::cleanPath(QDir().absoluteFilePath(env));
    }
    return defaultHome();
}

}  // namespace lanze
