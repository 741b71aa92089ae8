#pragma once

#include <QString>

namespace lanze {

// Names of the files in a store folder, and where the store folder is.
struct StoreFiles {
    static inline const QString kWorkMode = QStringLiteral("moshi.ini");
    static inline const QString kStationSettings = QStringLiteral("cysz.ini");
    static inline const QString kDatabase = QStringLiteral("db1.db");
    static inline const QString kPatchDatabase = QStringLiteral("buding.db");
    static inline const QString kSkin = QStringLiteral("skin.skn");
    static inline const QString kLogo = QStringLiteral("店标.bmp");
    static inline const QString kOperationLog = QStringLiteral("操作日志.txt");
    static inline const QString kRecordings = QStringLiteral("录音文件");

    // --home DIR, else the environment variable LANZE_HOME, else ~/.local/share/lanze.
    static QString defaultHome();
    static QString resolveHome(const QString& fromCommandLine);
};

}  // namespace lanze
