#pragma once

#include <QString>
#include <memory>

#include "core/db/Database.h"
#include "core/store/CommandTableUpgrade.h"

namespace lanze {

// The data module: the one connection of the run to the store database, opened at start from the
// store folder's moshi.ini, with the command-table upgrade run right after.
class TDM {
  public:
    static inline const QString kConnectionFailed =
        QStringLiteral("服务器连接失败，请您打开安装目录下的moshi.ini文件进行共享目录设置！！");

    struct StartResult {
        bool connected = false;
        QString connectionError;  // the engine's reason, for the log; the user sees kConnectionFailed
        bool createdStore = false;
        QString upgradeError;  // shown in the error box; start-up goes on
        CommandTableUpgrade::Result upgrade;
    };

    explicit TDM(QString storeDir);
    ~TDM();

    // Reads moshi.ini, opens the database and runs the upgrade. A folder that holds no store yet gets a
    // new one first; a folder whose moshi.ini names a database that cannot be opened does not.
    StartResult start();

    Database& db() { return *db_; }
    bool isOpen() const { return db_ != nullptr; }
    const QString& storeDir() const { return storeDir_; }
    QString storeFile(const QString& name) const;

    // The data module of the running program (set by the first TDM made).
    static TDM* instance();

  private:
    QString storeDir_;
    std::unique_ptr<Database> db_;
};

}  // namespace lanze
