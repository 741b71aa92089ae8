#pragma once

#include <memory>

#include "core/db/Query.h"
#include "core/db/Transaction.h"
#include "core/grid/GridModel.h"
#include "tests/support/TestStore.h"

namespace lanze::test {

// A small order table for grid tests. Rows come back from query() in 序号 order, which is neither the
// order of 客户 nor of 金额, so a sort and the return to query order are both visible.
class GridFixture : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        scratch = std::make_unique<ScratchDatabase>(GetParam());
        const Dialect& d = db().dialect();
        db().execute(
            QStringLiteral("create table 单 (序号 %1, 单据编号 %2, 客户 %2, 金额 %3, 份数 %4, 发货完毕 %5, "
                           "交款完毕 %5, 备注 %2, 时间 %6)")
                .arg(d.integerType(), d.textType(), d.moneyType(), d.numberType(), d.boolType(),
                     d.dateTimeType()));
    }

    Database& db() { return scratch->db(); }

    void insert(int number, const QString& customer, const QString& amount, double portions, bool sent,
                bool paid, const QString& note = QString()) {
        Query(db(), QStringLiteral(
                        "insert into 单 (序号,单据编号,客户,金额,份数,发货完毕,交款完毕,备注,时间) values "
                        "(:序号,:单据编号,:客户,:金额,:份数,:发货完毕,:交款完毕,:备注,:时间)"))
            .bindInteger(QStringLiteral("序号"), number)
            .bindText(QStringLiteral("单据编号"),
                      QStringLiteral("202612110%1").arg(number, 3, 10, QLatin1Char('0')))
            .bindText(QStringLiteral("客户"), customer)
            .bindMoney(QStringLiteral("金额"), *Money::parse(amount))
            .bindNumber(QStringLiteral("份数"), portions)
            .bindYesNo(QStringLiteral("发货完毕"), sent)
            .bindYesNo(QStringLiteral("交款完毕"), paid)
            .bindText(QStringLiteral("备注"), note)
            .bindDateTime(QStringLiteral("时间"),
                          QDateTime(QDate(2026, 12, 11), QTime(11, 0).addSecs(number * 60)))
            .exec();
    }

    // Four orders, one in each dispatch and payment state. Customer names sort the same under any
    // collation: their first letters decide.
    void insertFour() {
        insert(1, QStringLiteral("B乙"), QStringLiteral("0.1"), 1, false, false,
               QStringLiteral("多放辣\n少放盐"));
        insert(2, QStringLiteral("D丁"), QStringLiteral("10"), 2, false, true);
        insert(3, QStringLiteral("A甲"), QStringLiteral("0.2"), 1.5, true, false);
        insert(4, QStringLiteral("C丙"), QStringLiteral("9"), 3, true, true);
    }

    Query query() {
        Query q(db(), QStringLiteral("select * from 单 where 序号>=:从 order by 序号"));
        q.bindInteger(QStringLiteral("从"), 0);
        return q;
    }

    static QList<GridColumn> columns() {
        return {
            GridColumn(QStringLiteral("发货完毕"), QStringLiteral("已派工"), CellKind::YesNo)
                .withFooter(ColumnFooter::text(QStringLiteral("当前订单："))),
            GridColumn(QStringLiteral("单据编号"), QString())
                .withFooter(ColumnFooter::count(QStringLiteral("###张"))),
            GridColumn(QStringLiteral("客户"), QStringLiteral("客户姓名")),
            GridColumn(QStringLiteral("金额"), QStringLiteral("应付货款"), CellKind::Money)
                .withFooter(ColumnFooter::sum()),
            GridColumn(QStringLiteral("份数"), QStringLiteral("项目数"), CellKind::Number)
                .withFooter(ColumnFooter::sum()),
            GridColumn(QStringLiteral("时间"), QString(), CellKind::DateTime, 140),
            GridColumn(QStringLiteral("备注"), QStringLiteral("发货备注"), CellKind::Memo),
            GridColumn(QStringLiteral("交款完毕"), QString(), CellKind::YesNo).hidden(),
        };
    }

    std::unique_ptr<ScratchDatabase> scratch;
};

// The values of one column from top to bottom, as shown.
inline QStringList shown(const GridModel& model, int column) {
    QStringList values;
    for (int r = 0; r < model.rowCount(); ++r) {
        values << model.index(r, column).data().toString();
    }
    return values;
}

}  // namespace lanze::test
