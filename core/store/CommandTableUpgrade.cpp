#include "core/store/CommandTableUpgrade.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <utility>
#include <vector>

#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/Query.h"
#include "core/db/Transaction.h"

namespace lanze {

qint64 CommandTableUpgrade::versionNumber(const QString& text) {
    QString digits = text.trimmed();
    digits.remove(QLatin1Char('.'));
    bool ok = false;
    const qint64 v = digits.toLongLong(&ok);
    if (ok) {
        return v;
    }
    // A version read back from a numeric column may carry a fraction (".0"): whole part only.
    const double d = text.trimmed().toDouble(&ok);
    return ok ? qint64(d) : 0;
}

CommandTableUpgrade::Result CommandTableUpgrade::run(Database& store, const QString& patchFile) {
    if (!QFileInfo(patchFile).isFile()) {
        throw DbError(QStringLiteral("找不到升级数据库：%1").arg(patchFile));
    }
    auto patch = Database::open(ConnectionTarget::fromSqliteFile(patchFile));

    // Read the whole command table in stored order. The versions are compared here, after the dots are
    // removed, so a table that holds "2010.12.01" and one that holds 20101201 behave the same.
    std::vector<std::pair<qint64, QString>> rows;
    {
        Query q(*patch, QStringLiteral("select 版本号, sql语句 from 命令表 order by rowid"));
        q.exec();
        while (q.next()) {
            rows.emplace_back(versionNumber(q.text(QStringLiteral("版本号"))),
                              q.text(QStringLiteral("sql语句")));
        }
    }

    // The whole upgrade is one exclusive transaction: a second station starting at the same moment waits,
    // then finds the version already raised and runs nothing twice.
    Transaction tx(store, Transaction::Lock::Exclusive);
    Result r;
    r.commandTableEmpty = rows.empty();
    {
        Query q(store, QStringLiteral("select * from 版本号"));
        r.currentVersion = q.first() ? versionNumber(q.text(QStringLiteral("版本号"))) : 0;
    }
    // The target is the table's highest version, but never below the recorded one. Stations that share
    // one database each bring their own buding.db; one not yet given the newer file must not lower the
    // recorded version, or the rows between would run a second time when the newer file starts again.
    r.targetVersion = r.currentVersion;
    for (const auto& row : rows) {
        r.targetVersion = std::max(r.targetVersion, row.first);
    }

    for (const auto& [version, sql] : rows) {
        if (version <= r.currentVersion || version > r.targetVersion) {
            continue;
        }
        const QString adapted = store.dialect().adaptLegacyStatement(sql);
        if (adapted.isEmpty()) {
            ++r.executed;
            continue;
        }
        // A statement that fails (a column that exists already, say) is skipped and never retried. The
        // savepoint undoes just that statement; the server would otherwise refuse the rest of the
        // transaction after an error.
        store.execute(QStringLiteral("savepoint lanze_upgrade_row"));
        QSqlQuery q(store.handle());
        if (q.exec(adapted)) {
            store.execute(QStringLiteral("release savepoint lanze_upgrade_row"));
            ++r.executed;
        } else {
            store.execute(QStringLiteral("rollback to savepoint lanze_upgrade_row"));
            store.execute(QStringLiteral("release savepoint lanze_upgrade_row"));
            ++r.failed;
        }
    }

    // With an empty command table there is no target: the recorded version stays as it was rather than
    // being cleared.
    Query::run(store, QStringLiteral("delete from 版本号"));
    Query(store, QStringLiteral("insert into 版本号 (版本号) values (:版本号)"))
        .bindInteger(QStringLiteral("版本号"), r.targetVersion)
        .exec();
    tx.commit();
    return r;
}

void SignInFixups::run(Database& store) {
    const QStringList statements = {
        QStringLiteral("ALTER TABLE 产品销售开票 ALTER COLUMN 购物日期 datetime"),
        QStringLiteral("ALTER TABLE 产品销售开票 ALTER COLUMN 电话 text (255)"),
        QStringLiteral("ALTER TABLE 订单删除日志 ALTER COLUMN 购物日期 datetime"),
        QStringLiteral("update 种类 set 排序编号=编号 where 排序编号 is null"),
        QStringLiteral("update 菜单表 set 排序编号=id where 排序编号 is null"),
        QStringLiteral("update 菜单表 set 当前库存=0,单位成本=0,库存总额=0 where 当前库存 is null"),
        QStringLiteral("update 订单删除日志 set 删除人=:删除人 where 删除人 is null"),
        QStringLiteral("ALTER TABLE 客户资料 ALTER COLUMN 联系电话 text (255)"),
        QStringLiteral("ALTER TABLE 多个地址 ALTER COLUMN 客户编号 integer"),
    };
    for (const QString& sql : statements) {
        const QString adapted = store.dialect().adaptLegacyStatement(sql);
        if (adapted.isEmpty()) {
            continue;
        }
        Query q(store, adapted);
        if (adapted.contains(QStringLiteral(":删除人"))) {
            q.bindText(QStringLiteral("删除人"), QStringLiteral("老记录"));
        }
        q.exec();
    }
}

}  // namespace lanze
