#include <gtest/gtest.h>
#include <QListWidget>
#include <QTableView>
#include <QTimeEdit>

#include "core/Messages.h"
#include "core/db/Query.h"
#include "core/types/NumberInput.h"
#include "core/ui/DataGrid.h"
#include "orders/DiscountPeriods.h"
#include "orders/DishReturn.h"
#include "orders/TasteChoice.h"
#include "orders/ui/TFkouwei_bianji.h"
#include "orders/ui/TFtuicai.h"
#include "orders/ui/TFyouhui_shiduan.h"
#include "orders/ui/Tfkouwei_shezhi.h"
#include "tests/support/TestStore.h"
#include "tests/support/WindowDriver.h"

using namespace lanze;
using namespace lanze::test;

namespace {

Money yuan(const char* text) {
    return *Money::parse(QString::fromUtf8(text));
}

class OrderDialogs : public StoreTest {
  protected:
    void addTaste(const QString& name, std::optional<Money> surcharge) {
        Query q(db(), "insert into 口味 (口味,加价) values (:口味,:加价)");
        q.bindText("口味", name);
        surcharge ? q.bindMoney("加价", *surcharge) : q.bindNull("加价");
        q.exec();
    }
    QStringList rows(const QString& sql, const QStringList& columns) {
        Query q(db(), sql);
        q.exec();
        QStringList out;
        while (q.next()) {
            QStringList cells;
            for (const QString& c : columns) {
                cells << (q.isNull(c) ? QStringLiteral("<null>") : q.text(c));
            }
            out << cells.join('|');
        }
        return out;
    }

    MessageRecorder messages;
};

TEST_P(OrderDialogs, ChosenTastesAreJoinedAndTheirSurchargesAdded) {
    addTaste("微辣", Money());
    addTaste("加蛋", yuan("2"));
    addTaste("老式", std::nullopt);

    TasteChoice line(QString(), yuan("10"), yuan("10"));
    line.choose(db(), "微辣");
    line.choose(db(), "加蛋");
    EXPECT_EQ(line.tastes(), "微辣,加蛋");
    EXPECT_EQ(line.price(), yuan("12"));
    line.choose(db(), "老式");  // no surcharge recorded
    line.choose(db(), "不在表里");
    EXPECT_EQ(line.tastes(), "微辣,加蛋,老式,不在表里");
    EXPECT_EQ(line.price(), yuan("12"));

    TFkouwei_bianji editor(db());
    editor.setLine(QString(), yuan("10"), yuan("10"));
    editor.show();
    auto* list = editor.findChild<QListWidget*>("口味列表");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "微辣");
    editor.choose("微辣");
    editor.choose("加蛋");
    EXPECT_EQ(boxText(&editor, "当前口味"), "微辣,加蛋");
    EXPECT_EQ(boxText(&editor, "现价"), "12");
    click(&editor, "确定");
    EXPECT_EQ(editor.result(), "微辣,加蛋");
    EXPECT_EQ(editor.currentPrice(), yuan("12"));

    // A price typed by hand counts; one that is not a number is refused and the dialog stays.
    editor.setLine("微辣", yuan("10"), yuan("10"));
    editor.show();
    EXPECT_TRUE(editor.result().isEmpty());
    type(&editor, "现价", "十二");
    click(&editor, "确定");
    EXPECT_EQ(messages.last(), "现价必须是数字");
    EXPECT_TRUE(editor.isVisible());
    type(&editor, "现价", "11");
    editor.choose("加蛋");
    EXPECT_EQ(editor.currentPrice(), yuan("13"));

    // Cancelling gives the line back as it was given, so the caller writing it back changes nothing.
    click(&editor, "取消");
    EXPECT_EQ(editor.result(), "微辣");
    EXPECT_EQ(editor.currentPrice(), yuan("10"));
}

TEST_P(OrderDialogs, TheReturnDialogGivesTheQuantityOrZero) {
    TFtuicai dialog;
    dialog.show();
    EXPECT_EQ(boxText(&dialog, "退菜数量"), "1");
    type(&dialog, "退菜数量", "2.5");
    click(&dialog, "退菜");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.quantity(), yuan("2.5"));

    dialog.show();
    EXPECT_EQ(dialog.quantity(), Money());  // every show starts from 0
    EXPECT_EQ(boxText(&dialog, "退菜数量"), "1");
    click(&dialog, "取消");
    EXPECT_EQ(dialog.quantity(), Money());

    dialog.show();
    for (const char* bad : {"两份", "0", "-1", ""}) {
        type(&dialog, "退菜数量", QString::fromUtf8(bad));
        click(&dialog, "退菜");
        EXPECT_TRUE(dialog.isVisible()) << bad;
        EXPECT_EQ(messages.last(), DishReturn::kRefused);
    }
    dialog.close();
    EXPECT_EQ(dialog.quantity(), Money());
}

TEST_P(OrderDialogs, DiscountPeriodsAreStoredAsEnteredAndMatchOnlyWithinTheDay) {
    TFyouhui_shiduan window(db());
    window.show();
    auto* from = window.findChild<QTimeEdit*>("从");
    auto* to = window.findChild<QTimeEdit*>("到");
    from->setTime(QTime(22, 0));
    to->setTime(QTime(2, 0));
    click(&window, "新建");
    EXPECT_EQ(messages.texts(), QStringList{"折扣率不能为空"});
    for (const char* bad : {"八折", "12"}) {
        type(&window, "折扣率", QString::fromUtf8(bad));
        click(&window, "新建");
        EXPECT_EQ(messages.last(), NumberInput::kRateRefused);
    }
    EXPECT_EQ(window.grid()->model()->rowCount(), 0);

    type(&window, "折扣率", "8");
    click(&window, "新建");
    from->setTime(QTime(11, 30));
    to->setTime(QTime(13, 0));
    type(&window, "折扣率", "9.5");
    click(&window, "新建");
    const QStringList columns{"开始时间", "结束时间", "折扣率"};
    EXPECT_EQ(rows("select * from 优惠时段 order by 开始时间 desc", columns),
              (QStringList{"22:00:00|02:00:00|8", "11:30:00|13:00:00|9.5"}));
    EXPECT_EQ(window.currentRecord().text("开始时间"), "11:30:00");

    struct Case {
        QTime now;
        std::optional<double> rate;
    };
    for (const Case& c :
         {Case{QTime(23, 0), std::nullopt}, Case{QTime(1, 0), std::nullopt}, Case{QTime(22, 0), std::nullopt},
          Case{QTime(11, 30), 9.5}, Case{QTime(13, 0), 9.5}, Case{QTime(13, 0, 1), std::nullopt}}) {
        EXPECT_EQ(DiscountPeriods::rateAt(db(), c.now), c.rate) << c.now.toString().toStdString();
    }

    messages.answerNext(false);
    click(&window, "删除");
    EXPECT_EQ(messages.last(), "确实要进行删除吗？？");
    EXPECT_EQ(rows("select * from 优惠时段", columns).size(), 2);
    click(&window, "删除");
    EXPECT_EQ(rows("select * from 优惠时段", columns), QStringList{"22:00:00|02:00:00|8"});
    click(&window, "删除");
    messages.clear();
    click(&window, "删除");  // an empty grid: nothing asked
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_P(OrderDialogs, TheTasteListEditsInItsBoxesAndZeroesMissingSurcharges) {
    addTaste("少盐", std::nullopt);
    Tfkouwei_shezhi window(db());
    auto* add = window.findChild<QPushButton*>("添加");
    auto* save = window.findChild<QPushButton*>("保存");
    window.show();
    const QStringList columns{"口味", "加价"};
    EXPECT_EQ(rows("select * from 口味", columns), QStringList{"少盐|0"});
    EXPECT_EQ(boxText(&window, "加价"), "0");
    EXPECT_TRUE(add->isEnabled());
    EXPECT_FALSE(save->isEnabled());

    click(&window, "添加");
    EXPECT_FALSE(add->isEnabled());
    EXPECT_TRUE(save->isEnabled());
    EXPECT_EQ(boxText(&window, "服务要求"), "");
    type(&window, "服务要求", "加辣");
    type(&window, "加价", "1.5元");
    click(&window, "保存");
    EXPECT_EQ(messages.last(), "加价必须是数字");
    EXPECT_EQ(rows("select * from 口味", columns).size(), 1);
    type(&window, "加价", "");
    click(&window, "保存");
    EXPECT_TRUE(add->isEnabled());
    EXPECT_FALSE(save->isEnabled());
    EXPECT_EQ(rows("select * from 口味 order by 口味", columns), (QStringList{"加辣|<null>", "少盐|0"}));
    EXPECT_EQ(window.currentRecord().text("口味"), "加辣");

    // Typing into a box edits the current row; closing the window drops what was not saved.
    auto* taste = window.findChild<QLineEdit*>("服务要求");
    taste->setText("特辣");
    emit taste->textEdited("特辣");
    EXPECT_TRUE(save->isEnabled());
    EXPECT_FALSE(add->isEnabled());
    window.close();
    EXPECT_EQ(rows("select * from 口味 order by 口味", columns), (QStringList{"加辣|<null>", "少盐|0"}));

    // Shown again: the taste saved without a surcharge now has 0, and an edit is saved in place.
    window.show();
    EXPECT_EQ(rows("select * from 口味 order by 口味", columns), (QStringList{"加辣|0", "少盐|0"}));
    const QString current = window.currentRecord().text("口味");
    auto* surcharge = window.findChild<QLineEdit*>("加价");
    surcharge->setText("3");
    emit surcharge->textEdited("3");
    click(&window, "保存");
    EXPECT_EQ(rows("select * from 口味 where 加价=30000", {"口味"}), QStringList{current});
    EXPECT_EQ(rows("select * from 口味", columns).size(), 2);

    messages.answerNext(false);
    click(&window, "删除");
    EXPECT_EQ(messages.last(), "确实要进行删除吗？？");
    EXPECT_EQ(rows("select * from 口味", columns).size(), 2);
    click(&window, "删除");
    EXPECT_EQ(rows("select * from 口味", columns).size(), 1);
}

INSTANTIATE_ENGINES(OrderDialogs);

}  // namespace
