#include "core/store/SkinFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "core/store/StoreFiles.h"

static void registerSkinResource() {
    Q_INIT_RESOURCE(skin);
}

namespace lanze {

QString SkinFile::defaultStyleSheet() {
    registerSkinResource();
    QFile f(QStringLiteral(":/skin/skin.skn"));
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(f.readAll());
}

QString SkinFile::path(const QString& storeDir) {
    return QDir(storeDir).filePath(StoreFiles::kSkin);
}

bool SkinFile::ensure(const QString& storeDir) {
    const QString file = path(storeDir);
    if (QFile::exists(file)) {
        return true;
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return false;
    }
    out.write(defaultStyleSheet().toUtf8());
    return out.commit();
}

}  // namespace lanze
