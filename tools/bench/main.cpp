// lanze-bench: times the statements the order board runs all day, on a real store (best one filled by
// "lanze-admin generate"), as the median of several runs.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlRecord>
#include <QTextStream>
#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

#include "board/BoardQuery.h"
#include "board/TodayStatistics.h"
#include "core/db/ConnectionTarget.h"
#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/Query.h"
#include "core/db/Schema.h"
#include "core/store/WorkMode.h"

using namespace lanze;

namespace {

struct Options {
    QString store;
    int runs = 15;
    QDate day;
    bool withoutIndexes = false;
};

std::unique_ptr<Database> openStore(const QString& dirOrUri) {
    if (ConnectionTarget::looksLikeServerUri(dirOrUri)) {
        return Database::open(ConnectionTarget::fromServerUri(dirOrUri));
    }
    if (!QFileInfo(dirOrUri).isDir()) {
        throw DbError(QStringLiteral("没有这个店铺目录：%1").arg(dirOrUri));
    }
    return Database::open(WorkMode::read(dirOrUri).databaseTarget(dirOrUri));
}

// Reads every value of every row, as a grid model does when it shows the result.
qint64 drain(Query& q) {
    QSqlQuery raw = q.release();
    qint64 rows = 0;
    const int columns = raw.record().count();
    while (raw.next()) {
        for (int c = 0; c < columns; ++c) {
            (void)raw.value(c);
        }
        ++rows;
    }
    return rows;
}

struct Case {
    QString name;
    std::function<qint64()> run;  // returns the rows it read
};

struct Result {
    double median = 0, min = 0, max = 0;
    double cpuMedian =
        0;  // this process's processor time: what the embedded engine costs when the machine is busy
    qint64 rows = 0;
};

double cpuMilliseconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

Result measure(const Case& c, int runs) {
    c.run();  // warm the caches as a station that has been running does
    std::vector<double> ms;
    std::vector<double> cpu;
    Result r;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        const double cpuStart = cpuMilliseconds();
        t.start();
        r.rows = c.run();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
        cpu.push_back(cpuMilliseconds() - cpuStart);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    r.cpuMedian = cpu[cpu.size() / 2];
    r.median = ms[ms.size() / 2];
    r.min = ms.front();
    r.max = ms.back();
    return r;
}

std::vector<Case> cases(Database& db, const QDate& day) {
    QStringList numbers;
    {
        Query q(db, QStringLiteral("select 单据编号 from 产品销售开票 where 购物日期=:rq group by 单据编号"));
        q.bindDate(QStringLiteral("rq"), day).exec();
        while (q.next()) {
            numbers << q.text(QStringLiteral("单据编号"));
        }
    }
    auto run = [&db](const Statement& s) {
        Query q = s.run(db);
        return drain(q);
    };
    BoardSearch month;
    month.dateRange = true;
    month.from = day.addDays(-29);
    month.to = day;
    BoardSearch monthWorker = month;
    monthWorker.state = StateFilter::DispatchedPaid;
    {
        Query q(db, QStringLiteral("select 姓名 from 员工列表"));
        if (q.first()) {
            monthWorker.worker = q.text(QStringLiteral("姓名"));
        }
    }
    auto next = std::make_shared<int>(0);
    return {
        {QStringLiteral("看板刷新（全天，含堂食列表）"),
         [=] {
             return run(BoardQuery::refresh(day, DayPart::AllDay, BoardSort::OrderNumber)) +
                    run(BoardQuery::dineInRefresh(day, DayPart::AllDay, BoardSort::OrderNumber));
         }},
        {QStringLiteral("看板刷新（中午）"),
         [=] { return run(BoardQuery::refresh(day, DayPart::Noon, BoardSort::OrderNumber)); }},
        {QStringLiteral("查询：一个月，全部状态"),
         [=] {
             return run(BoardQuery::search(month, day, DayPart::AllDay, BoardSort::OrderNumber)) +
                    run(BoardQuery::dineInSearch(month, day, DayPart::AllDay, BoardSort::OrderNumber));
         }},
        {QStringLiteral("查询：一个月，工作人员+已派工已收款"),
         [=] { return run(BoardQuery::search(monthWorker, day, DayPart::AllDay, BoardSort::Region)); }},
        {QStringLiteral("订单明细"),
         [=] {
             if (numbers.isEmpty()) {
                 return qint64(0);
             }
             const QString n = numbers.at((*next)++ % numbers.size());
             return run(BoardQuery::detail(n));
         }},
        {QStringLiteral("今日统计（七项）"),
         [&db, day] {
             TodayStatistics::compute(db, day);
             return qint64(7);
         }},
        {QStringLiteral("菜品柱状图"),
         [&db, day] { return qint64(TodayStatistics::itemChart(db, day, DayPart::AllDay).size()); }},
    };
}

void report(QTextStream& out, const QString& title, const std::vector<Case>& list, int runs) {
    out << "\n" << title << "（" << runs << " 次的中位数，毫秒）\n";
    out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
               .arg(QStringLiteral("项目"), -34)
               .arg(QStringLiteral("中位"), 9)
               .arg(QStringLiteral("最快"), 9)
               .arg(QStringLiteral("最慢"), 9)
               .arg(QStringLiteral("CPU中位"), 9)
               .arg(QStringLiteral("行数"), 7);
    for (const Case& c : list) {
        const Result r = measure(c, runs);
        out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                   .arg(c.name, -34)
                   .arg(r.median, 9, 'f', 2)
                   .arg(r.min, 9, 'f', 2)
                   .arg(r.max, 9, 'f', 2)
                   .arg(r.cpuMedian, 9, 'f', 2)
                   .arg(r.rows, 7);
        out.flush();
    }
}

int usage(QTextStream& err) {
    err << "用法：lanze-bench DIR|URI [--runs N] [--day yyyy-MM-dd] [--without-indexes]\n"
           "  --day              看板的营业日，默认为店铺里最后一个有订单的日子\n"
           "  --without-indexes  另外在去掉索引后再测一遍，测完重建索引\n";
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);
    Options o;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == QLatin1String("--runs") && i + 1 < args.size()) {
            o.runs = std::max(1, args.at(++i).toInt());
        } else if (a == QLatin1String("--day") && i + 1 < args.size()) {
            o.day = QDate::fromString(args.at(++i), QStringLiteral("yyyy-MM-dd"));
            if (!o.day.isValid()) {
                return usage(err);
            }
        } else if (a == QLatin1String("--without-indexes")) {
            o.withoutIndexes = true;
        } else if (o.store.isEmpty() && !a.startsWith(QLatin1String("--"))) {
            o.store = a;
        } else {
            return usage(err);
        }
    }
    if (o.store.isEmpty()) {
        return usage(err);
    }
    try {
        auto db = openStore(o.store);
        if (db->dialect().isPostgres()) {
            db->execute(QStringLiteral("analyze"));  // as the server's own autovacuum would have done
        }
        qint64 lines = 0;
        {
            Query q(*db, QStringLiteral("select count(*) as cc, max(购物日期) as last from 产品销售开票"));
            if (q.first()) {
                lines = q.integer(QStringLiteral("cc"));
                if (!o.day.isValid()) {
                    o.day = q.date(QStringLiteral("last"));
                }
            }
        }
        if (!o.day.isValid()) {
            err << "店铺里没有订单：先用 lanze-admin generate 生成数据\n";
            return 1;
        }
        out << "店铺：" << db->target().describe() << "（" << db->dialect().name() << "），订单行 " << lines
            << "，营业日 " << o.day.toString(QStringLiteral("yyyy-MM-dd")) << "\n";
        report(out, QStringLiteral("有索引"), cases(*db, o.day), o.runs);
        if (o.withoutIndexes) {
            Schema::dropIndexes(*db);
            try {
                if (db->dialect().isPostgres()) {
                    db->execute(QStringLiteral("analyze"));
                }
                report(out, QStringLiteral("无索引"), cases(*db, o.day), o.runs);
            } catch (...) {
                Schema::createIndexes(*db);
                throw;
            }
            Schema::createIndexes(*db);
        }
    } catch (const DbError& e) {
        err << "错误：" << e.message() << "\n";
        return 1;
    }
    return 0;
}
