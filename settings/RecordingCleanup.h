#pragma once

#include <QDateTime>
#include <QString>

namespace lanze {

// Deletes old call recordings from the store's folder 录音文件.
class RecordingCleanup {
  public:
    static constexpr int kDefaultDays = 90;

    struct Result {
        int deleted = 0;
        int failed = 0;  // files older than the limit that could not be removed
    };

    // Removes every file (folders are left alone) in <storeDir>/录音文件 last modified before
    // now − days. A missing folder deletes nothing.
    static Result run(const QString& storeDir, int days, const QDateTime& now = QDateTime::currentDateTime());
    // "共删除" + count + "条记录"
    static QString report(const Result& result);
};

}  // namespace lanze
