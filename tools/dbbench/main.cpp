// Baseline of the data layer: one indexed lookup and one 1000-row insert transaction, on a new store
// of each engine. Usage: lanze-dbbench [postgresql://user@host:port/db]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUuid>
#include <algorithm>
#include <vector>

#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/Query.h"
#include "core/db/Transaction.h"
#include "core/store/StoreCreator.h"

using namespace lanze;

namespace {
double medianMs(std::vector<qint64> ns) {
    std::sort(ns.begin(), ns.end());
    return ns[ns.size() / 2] / 1e6;
}

void insertOrderLines(Database& db, int count, int batch) {
    Transaction tx(db);
    Query q(db, QStringLiteral(
                    "insert into 产品销售开票 "
                    "(单据编号,购物日期,产品名称,数量,单价,应付货款,客户编号,发货完毕,交款完毕) "
                    "values (:单据编号,:购物日期,:产品名称,:数量,:单价,:应付货款,:客户编号,false,false)"));
    const QDate day(2026, 1, 1);
    for (int i = 0; i < count; ++i) {
        q.bindText(QStringLiteral("单据编号"),
                   QStringLiteral("B%1%2").arg(batch).arg(i, 6, 10, QLatin1Char('0')))
            .bindDate(QStringLiteral("购物日期"), day.addDays(i % 365))
            .bindText(QStringLiteral("产品名称"), QStringLiteral("宫保鸡丁"))
            .bindNumber(QStringLiteral("数量"), 1)
            .bindMoney(QStringLiteral("单价"), Money::fromYuan(18))
            .bindMoney(QStringLiteral("应付货款"), Money::fromYuan(18))
            .bindText(QStringLiteral("客户编号"), QString::number(i % 5000))
            .exec();
    }
    tx.commit();
}

void measure(const QString& label, Database& db, QTextStream& out) {
    // A store of 50 000 lines first, so the lookup meets a table of a real size.
    for (int b = 0; b < 50; ++b) {
        insertOrderLines(db, 1000, b);
    }
    std::vector<qint64> inserts;
    for (int b = 50; b < 60; ++b) {
        QElapsedTimer t;
        t.start();
        insertOrderLines(db, 1000, b);
        inserts.push_back(t.nsecsElapsed());
    }
    std::vector<qint64> lookups;
    Query lookup(db, QStringLiteral("select * from 产品销售开票 where 单据编号=:单据编号"));
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer t;
        t.start();
        lookup
            .bindText(QStringLiteral("单据编号"), QStringLiteral("B25%1").arg(i * 3, 6, 10, QLatin1Char('0')))
            .exec();
        int rows = 0;
        while (lookup.next()) {
            ++rows;
        }
        lookups.push_back(t.nsecsElapsed());
        if (rows != 1) {
            throw DbError(QStringLiteral("lookup found %1 rows").arg(rows));
        }
    }
    out << label << ": indexed lookup " << QString::number(medianMs(lookups), 'f', 3)
        << " ms, 1000-row insert transaction " << QString::number(medianMs(inserts), 'f', 1)
        << " ms (medians)\n";
    out.flush();
}
}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    try {
        QTemporaryDir dir;
        auto lite = Database::open(ConnectionTarget::fromSqliteFile(dir.filePath(QStringLiteral("db1.db"))),
                                   Database::OpenMode::Create);
        StoreCreator::createDatabase(*lite);
        measure(QStringLiteral("SQLite (WAL, full sync)"), *lite, out);

        if (argc > 1) {
            ConnectionTarget t = ConnectionTarget::fromServerUri(QString::fromLocal8Bit(argv[1]));
            const QString schema =
                QStringLiteral("bench_") + QUuid::createUuid().toString(QUuid::Id128).left(12);
            auto admin = Database::open(t);
            admin->execute(QStringLiteral("create schema ") + schema);
            t.schema = schema;
            {
                auto pg = Database::open(t);
                StoreCreator::createDatabase(*pg);
                measure(QStringLiteral("PostgreSQL (loopback)"), *pg, out);
            }
            admin->execute(QStringLiteral("drop schema %1 cascade").arg(schema));
        }
    } catch (const DbError& e) {
        QTextStream(stderr) << e.message() << "\n";
        return 1;
    }
    return 0;
}
