#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace lanze {

// The store's operation log, 操作日志.txt in the store folder: one entry per line. The main window keeps
// the lines in memory; adding an entry rewrites the whole file. Written as UTF-8; files written by older
// stations in GBK are read as well.
class OperationLog {
  public:
    explicit OperationLog(const QString& storeDir);

    QString path() const { return path_; }
    const QStringList& lines() const { return lines_; }

    // Loads the file's lines when it exists; keeps no lines otherwise.
    void load();
    // Appends the entry and saves all lines, replacing the file. Returns false with a reason when the
    // file cannot be written; the entry stays in memory either way.
    bool add(const QString& entry, QString* error = nullptr);

    // Entry after copying the database to backupFile (the name of the copy as written).
    static QString backupEntry(const QString& backupFile, qint64 orderLines, const QDateTime& at);
    // Entry after restoring the database from restoredFile.
    static QString restoreEntry(const QString& restoredFile, qint64 orderLines, const QDateTime& at);

  private:
    bool save(QString* error) const;

    QString path_;
    QStringList lines_;
};

}  // namespace lanze
