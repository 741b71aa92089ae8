#include "core/store/WorkMode.h"

#include <QDir>

#include "core/db/DbError.h"
#include "core/ini/IniFile.h"
#include "core/store/StoreFiles.h"

namespace lanze {

namespace {
const QString kKey = QStringLiteral("值");
const QString kModeSection = QStringLiteral("工作模式");
const QString kDirSection = QStringLiteral("目录");
const QString kDefault = QStringLiteral("default");
}  // namespace

WorkMode WorkMode::read(const QString& storeDir) {
    const IniFile ini = IniFile::load(QDir(storeDir).filePath(StoreFiles::kWorkMode));
    WorkMode m;
    m.mode = ini.value(kModeSection, kKey, kDefault);
    if (m.mode == kDefault) {
        m.mode = kServer;
    }
    m.directory = ini.value(kDirSection, kKey, kDefault);
    return m;
}

void WorkMode::write(const QString& storeDir) const {
    const QString path = QDir(storeDir).filePath(StoreFiles::kWorkMode);
    IniFile ini = IniFile::load(path);
    ini.setValue(kModeSection, kKey, mode);
    ini.setValue(kDirSection, kKey, directory.isEmpty() ? kDefault : directory);
    QString error;
    if (!ini.save(path, &error)) {
        throw DbError(QStringLiteral("无法写入 %1：%2").arg(path, error));
    }
}

ConnectionTarget WorkMode::databaseTarget(const QString& storeDir) const {
    if (isServer()) {
        return ConnectionTarget::fromSqliteFile(QDir(storeDir).filePath(StoreFiles::kDatabase));
    }
    if (ConnectionTarget::looksLikeServerUri(directory)) {
        return ConnectionTarget::fromServerUri(directory);
    }
    // Old stations wrote the share with backslashes; a trailing separator is kept as written.
    QString folder = directory;
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString file = folder + QLatin1Char('/') + StoreFiles::kDatabase;
    return ConnectionTarget::fromSqliteFile(QDir(storeDir).filePath(file));
}

}  // namespace lanze
