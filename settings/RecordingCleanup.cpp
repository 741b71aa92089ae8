#include "settings/RecordingCleanup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/store/StoreFiles.h"

namespace lanze {

RecordingCleanup::Result RecordingCleanup::run(const QString& storeDir, int days, const QDateTime& now) {
    Result r;
    const QDateTime limit = now.addDays(-qint64(days));
    const QDir folder(QDir(storeDir).filePath(StoreFiles::kRecordings));
    const QFileInfoList files = folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& file : files) {
        if (file.lastModified() < limit) {
            if (QFile::remove(file.absoluteFilePath())) {
                ++r.deleted;
            } else {
                ++r.failed;
            }
        }
    }
    return r;
}

QString RecordingCleanup::report(const Result& result) {
    QString text = QStringLiteral("共删除") + QString::number(result.deleted) + QStringLiteral("条记录");
    if (result.failed > 0) {
        text += QStringLiteral("，%1个文件无法删除").arg(result.failed);
    }
    return text;
}

}  // namespace lanze
