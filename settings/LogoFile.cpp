#include "settings/LogoFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

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
    // The rename replaces the old picture in one step: there is never a moment without a logo.
    std::error_code error;
    std::filesystem::rename(partial.toStdString(), target.toStdString(), error);
    if (error) {
        QFile::remove(partial);
        return false;
    }
    return true;
}

}  // namespace lanze
