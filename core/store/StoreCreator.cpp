#include "core/store/StoreCreator.h"

#include <QDir>
#include <QFileInfo>

#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/Query.h"
#include "core/db/Schema.h"
#include "core/db/Transaction.h"
#include "core/report/ReportTemplates.h"
#include "core/store/StoreFiles.h"
#include "core/store/WorkMode.h"
#include "core/types/PasswordDigest.h"

namespace lanze {

namespace {
void seedRows(Database& db, const QString& adminPassword) {
    Query::run(db, QStringLiteral("insert into 串口编号 (编号) values (0)"));
    Query::run(db, QStringLiteral("insert into 来电路数 (路数) values ('MODEM')"));
    Query::run(db, QStringLiteral("insert into 录音设备 (录音设备,路数) values ('','1')"));
    Query::run(db, QStringLiteral("insert into 颜色显示 (需要颜色) values (true)"));
    Query(db, QStringLiteral("insert into 初始化密码 (初始化密码) values (:初始化密码)"))
        .bindText(QStringLiteral("初始化密码"), StoreCreator::kInitialisationPassword)
        .exec();
    Query::run(db, QStringLiteral("insert into 版本号 (版本号) values (0)"));

    Query(db, QStringLiteral(
                  "insert into 店名 (店名,电话,网址,服务用语,打印幅面,打印样式,标题左边距,左边距,右边距,"
                  "上边距,下边距,打印图片,积分规则,单价修改,退菜规则,提成设置,次提成金额) values "
                  "(:店名,'','',:服务用语,'76mm','普通样式',0,0,0,0,0,false,:积分规则,'可以','任意','次数',"
                  ":次提成金额)"))
        .bindText(QStringLiteral("店名"), QStringLiteral("岚泽家政"))
        .bindText(QStringLiteral("服务用语"), QStringLiteral("谢谢惠顾，欢迎再次光临！"))
        .bindMoney(QStringLiteral("积分规则"), Money::fromYuan(1))
        .bindMoney(QStringLiteral("次提成金额"), Money())
        .exec();

    // Time bands of the statistics: one band per hour of the day.
    for (const QString& table :
         {QStringLiteral("点餐时间统计临时表"), QStringLiteral("送餐时间统计临时表")}) {
        Query band(
            db,
            QStringLiteral("insert into %1 (时间段1,时间段2,数量) values (:时间段1,:时间段2,0)").arg(table));
        for (int h = 0; h < 24; ++h) {
            band.bindText(QStringLiteral("时间段1"),
                          QStringLiteral("%1:00:00").arg(h, 2, 10, QLatin1Char('0')))
                .bindText(QStringLiteral("时间段2"),
                          QStringLiteral("%1:59:59").arg(h, 2, 10, QLatin1Char('0')))
                .exec();
        }
    }

    const QString allGranted(31, QLatin1Char('1'));
    Query admin(db, QStringLiteral(
                        "insert into 登陆 (用户,密码,权限,right1,right2,right3,right4,right5,right6,right7,"
                        "right8,right9) values (:用户,:密码,:权限,:r,:r,:r,:r,:r,:r,:r,:r,:r)"));
    admin.bindText(QStringLiteral("用户"), StoreCreator::kAdminUser)
        .bindText(QStringLiteral("密码"), passwordDigest(adminPassword))
        .bindText(QStringLiteral("权限"), QStringLiteral("管理员"))
        .bindText(QStringLiteral("r"), allGranted)
        .exec();
}
}  // namespace

bool StoreCreator::holdsStore(Database& db) {
    QSqlQuery probe(db.handle());
    return probe.exec(QStringLiteral("select 1 from 登陆 where 1=0"));
}

void StoreCreator::createDatabase(Database& db, const QString& adminPassword) {
    if (holdsStore(db)) {
        throw DbError(QStringLiteral("这个数据库里已经有店铺数据：%1").arg(db.target().describe()));
    }
    if (adminPassword.isEmpty()) {
        throw DbError(QStringLiteral("管理员密码不能为空"));
    }
    Transaction tx(db);
    Schema::create(db);
    seedRows(db, adminPassword);
    tx.commit();
}

void StoreCreator::createPatchDatabase(const QString& path) {
    auto patch = Database::open(ConnectionTarget::fromSqliteFile(path), Database::OpenMode::Create);
    patch->execute(QStringLiteral("create table if not exists 命令表 (版本号 INTEGER, sql语句 TEXT)"));
}

bool StoreCreator::isUnusedFolder(const QString& dir) {
    const QDir d(dir);
    return !d.exists() || (!QFileInfo::exists(d.filePath(StoreFiles::kWorkMode)) &&
                           !QFileInfo::exists(d.filePath(StoreFiles::kDatabase)));
}

void StoreCreator::createFolder(const QString& dir, const QString& adminPassword) {
    if (!isUnusedFolder(dir)) {
        throw DbError(QStringLiteral("这个目录里已经有店铺数据：%1").arg(QDir::toNativeSeparators(dir)));
    }
    if (!QDir().mkpath(dir)) {
        throw DbError(QStringLiteral("无法创建目录：%1").arg(QDir::toNativeSeparators(dir)));
    }
    const QDir d(dir);
    const QString dbFile = d.filePath(StoreFiles::kDatabase);
    try {
        auto db = Database::open(ConnectionTarget::fromSqliteFile(dbFile), Database::OpenMode::Create);
        createDatabase(*db, adminPassword);
    } catch (...) {
        // Leave no half-made database behind: the next start would take it for a store.
        for (const char* suffix : {"", "-wal", "-shm"}) {
            QFile::remove(dbFile + QLatin1String(suffix));
        }
        throw;
    }
    if (!QFileInfo::exists(d.filePath(StoreFiles::kPatchDatabase))) {
        createPatchDatabase(d.filePath(StoreFiles::kPatchDatabase));
    }
    WorkMode mode;
    mode.mode = WorkMode::kServer;
    mode.write(dir);
    ReportTemplates::installMissing(dir);
}

}  // namespace lanze
