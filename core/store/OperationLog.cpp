#include "core/store/OperationLog.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "core/store/StoreFiles.h"
#include "core/text/Gbk.h"

namespace lanze {

namespace {

QString timeText(const QDateTime& at) {
    return at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

}  // namespace

OperationLog::OperationLog(const QString& storeDir)
    : path_(QDir(storeDir).filePath(StoreFiles::kOperationLog)) {}

void OperationLog::load() {
    lines_.clear();
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    const QString text = Gbk::decodeUtf8OrGbk(file.readAll());
    lines_ = text.split(QLatin1Char('\n'));
    for (QString& line : lines_) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
    }
    // The line break after the last entry does not start another one.
    if (!lines_.isEmpty() && lines_.last().isEmpty()) {
        lines_.removeLast();
    }
}

bool OperationLog::add(const QString& entry, QString* error) {
    lines_.append(entry);
    return save(error);
}

bool OperationLog::save(QString* error) const {
    QSaveFile file(path_);
    QByteArray bytes;
    for (const QString& line : lines_) {
        bytes += line.toUtf8();
        bytes += '\n';
    }
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error) {
            *error = QStringLiteral("不能写入%1：%2").arg(path_, file.errorString());
        }
        return false;
    }
    return true;
}

QString OperationLog::backupEntry(const QString& backupFile, qint64 orderLines, const QDateTime& at) {
    return QStringLiteral("数据备份到文件：%1  开票总条数：%2  时间为：%3")
        .arg(backupFile, QString::number(orderLines), timeText(at));
}

QString OperationLog::restoreEntry(const QString& restoredFile, qint64 orderLines, const QDateTime& at) {
    return QStringLiteral("数据还原从文件：%1  开票总条数：%2时间为：%3")
        .arg(restoredFile, QString::number(orderLines), timeText(at));
}

}  // namespace lanze
