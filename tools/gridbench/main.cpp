// Load and paint times of the shared data grid on 100 000 orders, with the board's columns, footers
// and row colours, on a new store of each engine.
// Usage: lanze-gridbench [--rows N] [--size WxH] [--shot FILE.png] [postgresql://user@host:port/db]
// --shot saves a picture of the grid (SQLite run) after two title clicks, scrolled sideways half way.
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUuid>

#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/Query.h"
#include "core/store/StoreCreator.h"
#include "core/ui/DataGrid.h"

using namespace lanze;

namespace {

// Orders of one business day, one line each, spread over the four dispatch and payment states.
void fillOrders(Database& db, int rows) {
    Query q(db,
            QStringLiteral(
                "with recursive n(i) as (select 1 union all select i+1 from n where i<:行数) "
                "insert into 产品销售开票 "
                "(单据编号,购物日期,时间,产品名称,数量,单价,应付货款,折后金额,发货完毕,交款完毕,"
                "订单状态,订单类型,上下午,配送工,客户编号,客户姓名,区域,地址,电话,发货备注) "
                "select '20261211'||substr('000000'||i, -6, 6), :购物日期, '11:30:00', '宫保鸡丁', 1+(i%3), "
                "180000, 180000*(1+(i%3)), 180000*(1+(i%3))+(i%7)*1000, (i%2)=1, (i%4)>=2, '未发货未收款', "
                "'外卖', "
                "'午餐', '王师傅', 'K'||(i%5000), '张先生'||(i%997), '城东区', '人民路'||(i%311)||'号', "
                "'1380000'||substr('0000'||(i%9999), -4, 4), '' from n"));
    q.bindInteger(QStringLiteral("行数"), rows)
        .bindDate(QStringLiteral("购物日期"), QDate(2026, 12, 11))
        .exec();
}

QList<GridColumn> boardColumns() {
    return {
        GridColumn(QStringLiteral("订单状态"), QStringLiteral("订单状态"), CellKind::Text, 100)
            .withFooter(ColumnFooter::text(QStringLiteral("当前订单："))),
        GridColumn(QStringLiteral("单据编号"), QStringLiteral("单据编号"), CellKind::Text, 110)
            .withFooter(ColumnFooter::count(QStringLiteral("###张"))),
        GridColumn(QStringLiteral("时间"), QStringLiteral("时间"), CellKind::Text, 70),
        GridColumn(QStringLiteral("客户姓名"), QStringLiteral("客户姓名"), CellKind::Text, 90),
        GridColumn(QStringLiteral("电话"), QStringLiteral("电话"), CellKind::Text, 100),
        GridColumn(QStringLiteral("区域"), QStringLiteral("区域"), CellKind::Text, 70),
        GridColumn(QStringLiteral("地址"), QStringLiteral("地址"), CellKind::Text, 130),
        GridColumn(QStringLiteral("份数"), QStringLiteral("项目数"), CellKind::Number, 60)
            .withFooter(ColumnFooter::sum()),
        GridColumn(QStringLiteral("应付货款"), QStringLiteral("应付货款"), CellKind::Money, 90)
            .withFooter(ColumnFooter::sum()),
        GridColumn(QStringLiteral("配送工"), QStringLiteral("工作人员"), CellKind::Text, 80),
        GridColumn(QStringLiteral("发货备注"), QStringLiteral("发货备注"), CellKind::Memo, 120),
    };
}

Query boardQuery(Database& db) {
    Query q(db, QStringLiteral(
                    "select 单据编号,配送工,客户编号,客户姓名,区域,地址,交款完毕,发货完毕,时间,电话,折后金额 "
                    "as 应付货款,"
                    "发货备注,订单状态,sum(数量) as 份数 from 产品销售开票 where 购物日期=:rq "
                    "and ((订单类型='外卖') or (订单类型 is null)) group by "
                    "单据编号,配送工,客户编号,客户姓名,区域,地址,"
                    "交款完毕,发货完毕,时间,电话,折后金额,发货备注,订单状态 order by 单据编号"));
    q.bindDate(QStringLiteral("rq"), QDate(2026, 12, 11));
    return q;
}

CellColours stateColour(const GridRecord& row, const GridColumn&) {
    const bool sent = row.yesNo(QStringLiteral("发货完毕"));
    const bool paid = row.yesNo(QStringLiteral("交款完毕"));
    const QColor colour = sent ? (paid ? QColor(255, 255, 170) : QColor(255, 149, 149))
                               : (paid ? QColor(192, 220, 192) : QColor(166, 202, 240));
    return {colour, std::nullopt};
}

double ms(QElapsedTimer& t) {
    const double v = t.nsecsElapsed() / 1e6;
    t.restart();
    return v;
}

void measure(const QString& label, Database& db, int rows, QSize size, const QString& shot,
             QTextStream& out) {
    QElapsedTimer t;
    t.start();
    fillOrders(db, rows);
    out << label << QStringLiteral(": %1 orders stored in %2 ms\n").arg(rows).arg(ms(t), 0, 'f', 0);

    // The statement alone, read to its last row: what the database costs without the grid.
    t.restart();
    {
        Query alone = boardQuery(db);
        alone.exec();
        while (alone.next()) {
        }
    }
    out << QStringLiteral("  board statement alone, every row read: %1 ms\n").arg(ms(t), 0, 'f', 1);

    DataGrid grid;
    grid.resize(size);
    grid.setColumns(boardColumns());
    grid.setMultiSelect(true);
    grid.model()->setColourHook(stateColour);
    t.restart();
    grid.setQuery(boardQuery(db));
    const double load = ms(t);
    grid.show();
    QApplication::processEvents();
    grid.grab();
    const double paint = ms(t);
    out << QStringLiteral("  load (query, first %1 rows, footer totals): %2 ms\n")
               .arg(grid.model()->rowCount())
               .arg(load, 0, 'f', 1);
    out << QStringLiteral("  first paint: %1 ms\n").arg(paint, 0, 'f', 1);
    out << QStringLiteral("  footer: %1 | %2 | %3\n")
               .arg(grid.model()->footerText(1), grid.model()->footerText(7), grid.model()->footerText(8));
    t.restart();
    grid.clickTitle(3);
    grid.grab();
    out << QStringLiteral("  title sort ascending + paint: %1 ms\n").arg(ms(t), 0, 'f', 1);
    grid.clickTitle(3);
    grid.clickTitle(3);
    grid.grab();
    out << QStringLiteral("  two more clicks (descending, query order) + paint: %1 ms\n")
               .arg(ms(t), 0, 'f', 1);

    // Ctrl+End after reading every row: what a user meets who pulls the scroll bar to the very end.
    grid.model()->fetchAll();
    out << QStringLiteral("  read the remaining rows (%1 in all): %2 ms\n")
               .arg(grid.model()->rowCount())
               .arg(ms(t), 0, 'f', 1);
    grid.view()->scrollToBottom();
    QApplication::processEvents();
    grid.grab();
    out << QStringLiteral("  jump to the last row + paint: %1 ms\n").arg(ms(t), 0, 'f', 1);
    grid.view()->selectAll();
    const int selected = int(grid.selectedValues(QStringLiteral("单据编号")).size());
    out << QStringLiteral("  select all and read %1 order numbers: %2 ms\n")
               .arg(selected)
               .arg(ms(t), 0, 'f', 1);

    if (!shot.isEmpty()) {
        // Two titles with markers (the rows follow the last one), a selected row, scrolled sideways.
        grid.clickTitle(3);
        grid.clickTitle(6);
        grid.view()->clearSelection();
        grid.view()->selectRow(2);
        grid.view()->scrollToTop();
        QScrollBar* sideways = grid.view()->horizontalScrollBar();
        sideways->setValue(sideways->maximum() / 2);
        QApplication::processEvents();
        grid.grab().save(shot);
        out << QStringLiteral("  picture: %1\n").arg(shot);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTextStream out(stdout);
    int rows = 100000;
    QString shot;
    QSize size(1200, 700);
    QString server;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--rows") && i + 1 < args.size()) {
            rows = args[++i].toInt();
        } else if (args[i] == QLatin1String("--size") && i + 1 < args.size()) {
            const QStringList wh = args[++i].split(QLatin1Char('x'));
            size = QSize(wh.value(0).toInt(), wh.value(1).toInt());
        } else if (args[i] == QLatin1String("--shot") && i + 1 < args.size()) {
            shot = args[++i];
        } else {
            server = args[i];
        }
    }
    try {
        QTemporaryDir dir;
        auto lite = Database::open(ConnectionTarget::fromSqliteFile(dir.filePath(QStringLiteral("db1.db"))),
                                   Database::OpenMode::Create);
        StoreCreator::createDatabase(*lite);
        measure(QStringLiteral("SQLite"), *lite, rows, size, shot, out);
        if (!server.isEmpty()) {
            ConnectionTarget target = ConnectionTarget::fromServerUri(server);
            const QString schema =
                QStringLiteral("grid_") + QUuid::createUuid().toString(QUuid::Id128).left(12);
            Database::open(target)->execute(QStringLiteral("create schema %1").arg(schema));
            ConnectionTarget inSchema = target;
            inSchema.schema = schema;
            {
                auto pg = Database::open(inSchema);
                StoreCreator::createDatabase(*pg);
                measure(QStringLiteral("PostgreSQL"), *pg, rows, size, QString(), out);
            }
            Database::open(target)->execute(QStringLiteral("drop schema %1 cascade").arg(schema));
        }
    } catch (const DbError& e) {
        out << e.message() << "\n";
        return 1;
    }
    return 0;
}
