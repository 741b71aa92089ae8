#include "app/TDM.h"

#include <QDir>

#include "core/db/DbError.h"
#include "core/store/SkinFile.h"
#include "core/store/StoreCreator.h"
#include "core/store/StoreFiles.h"
#include "core/store/WorkMode.h"

namespace lanze {

namespace {
TDM* current = nullptr;
}

TDM::TDM(QString storeDir) : storeDir_(std::move(storeDir)) {
    if (!current) {
        current = this;
    }
}

TDM::~TDM() {
    if (current == this) {
        current = nullptr;
    }
}

TDM* TDM::instance() {
    return current;
}

QString TDM::storeFile(const QString& name) const {
    return QDir(storeDir_).filePath(name);
}

TDM::StartResult TDM::start() {
    StartResult r;
    db_.reset();
    try {
        if (StoreCreator::isUnusedFolder(storeDir_)) {
            StoreCreator::createFolder(storeDir_);
            r.createdStore = true;
        }
        const WorkMode mode = WorkMode::read(storeDir_);
        db_ = Database::open(mode.databaseTarget(storeDir_));
        // A database that opens but holds no store (an empty file, a fresh server database) is as
        // useless to the stations as one that does not open.
        if (!StoreCreator::holdsStore(*db_)) {
            throw DbError(QStringLiteral("数据库中没有店铺数据：%1").arg(db_->target().describe()));
        }
    } catch (const DbError& e) {
        db_.reset();
        r.connectionError = e.message();
        return r;
    }
    r.connected = true;
    // The sign-in switches the skin on from this file; a folder that lost it gets the shipped look back.
    SkinFile::ensure(storeDir_);
    try {
        r.upgrade = CommandTableUpgrade::run(*db_, storeFile(StoreFiles::kPatchDatabase));
    } catch (const DbError& e) {
        r.upgradeError = e.message();
    }
    return r;
}

}  // namespace lanze
