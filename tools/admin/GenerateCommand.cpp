#include <QElapsedTimer>
#include <stdexcept>

#include "core/db/Database.h"
#include "core/store/DemoData.h"
#include "tools/admin/AdminCommand.h"

namespace lanze {

namespace {
int number(const QString& text, const QString& option, int minimum) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < minimum) {
        throw std::invalid_argument(QStringLiteral("%1 需要不小于 %2 的整数，而不是“%3”")
                                        .arg(option)
                                        .arg(minimum)
                                        .arg(text)
                                        .toStdString());
    }
    return n;
}
}  // namespace

int generateCommand(const QStringList& argsIn, QTextStream& out, QTextStream& err) {
    QStringList args = argsIn;
    DemoDataOptions o;
    o.days =
        number(takeOption(args, QStringLiteral("--days"), QStringLiteral("30")), QStringLiteral("--days"), 0);
    o.customers = number(takeOption(args, QStringLiteral("--customers"), QStringLiteral("2000")),
                         QStringLiteral("--customers"), 1);
    o.ordersPerDay = number(takeOption(args, QStringLiteral("--orders-per-day"), QStringLiteral("300")),
                            QStringLiteral("--orders-per-day"), 1);
    bool seedOk = false;
    o.seed = takeOption(args, QStringLiteral("--seed"), QStringLiteral("1")).toULongLong(&seedOk);
    if (!seedOk) {
        throw std::invalid_argument("--seed 需要一个非负整数");
    }
    const QString until = takeOption(args, QStringLiteral("--until"));
    if (!until.isEmpty()) {
        o.lastDay = QDate::fromString(until, QStringLiteral("yyyy-MM-dd"));
        if (!o.lastDay.isValid()) {
            throw std::invalid_argument("--until 需要 yyyy-MM-dd 格式的日期");
        }
    }
    if (args.size() != 1) {
        err << "用法：lanze-admin generate DIR|URI --days N [--customers N] [--seed S] [--orders-per-day N] "
               "[--until yyyy-MM-dd]\n";
        return 2;
    }
    auto db = openStoreArgument(args.first());
    QElapsedTimer clock;
    clock.start();
    const auto s = DemoData::generate(*db, o, [&](int done) {
        if (done % 30 == 0 || done == o.days) {
            err << "已生成 " << done << "/" << o.days << " 天（" << clock.elapsed() / 1000 << " 秒）\n";
            err.flush();
        }
    });
    out << "已生成：客户 " << s.customers << "，菜品 " << s.menuItems << "，订单 " << s.orders << "（"
        << s.orderLines << " 行），来电记录 " << s.calls << "，用时 " << clock.elapsed() / 1000.0 << " 秒\n";
    return 0;
}

}  // namespace lanze
