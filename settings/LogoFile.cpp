#include "settings/LogoFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/store/StoreFiles.h"

namespace lanze {

QString LogoFile::path(const QString& storeDir) {
    return QDir(storeDir).filePath(StoreFiles::kLogo);
}

bool LogoFile::replace(const QString& storeDir, const QString& source) {
    const QString target = path(storeDir);
    if (!QFileInfo(source).isFile()) {
        return false;
    }
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath()) {
        return true;
    }
    // Copy beside the target first, so a failed copy never leaves the shop without its logo.
    const QString partial = target + QStringLiteral(".new");
    QFile::remove(partial);
    if (!QFile::copy(source, partial)) {
        return false;
    }
    QFile::remove(target);
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        return false;
    }
    return true;
}

}  // namespace lanze
