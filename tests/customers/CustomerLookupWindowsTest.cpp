#include <gtest/gtest.h>
#include <QKeyEvent>
#include <QTableView>
#include <QTest>

#include "app/ui/KnownWindows.h"
#include "app/ui/WindowRegistry.h"
#include "core/Messages.h"
#include "core/db/Query.h"
#include "core/types/NumberInput.h"
#include "core/ui/DataGrid.h"
#include "customers/CustomerTypes.h"
#include "customers/Regions.h"
#include "customers/Workers.h"
#include "customers/ui/TFkehu_leixing.h"
#include "customers/ui/TFkhlx_add.h"
#include "customers/ui/TFqvyu_add.h"
#include "customers/ui/Tpeisongyuan_add.h"
#include "customers/ui/Tpeisongyuan_list.h"
#include "customers/ui/Tqvyu_shezhi.h"
#include "tests/support/TestStore.h"
#include "tests/support/WindowDriver.h"

using namespace lanze;
using namespace lanze::test;

namespace {

class CustomerLookups : public StoreTest {
  protected:
    QStringList column(const QString& sql, const QString& name) {
        Query q(db(), sql);
        q.exec();
        QStringList out;
        while (q.next()) {
            out << (q.isNull(name) ? QStringLiteral("<null>") : q.text(name));
        }
        return out;
    }
    // Fills the editor that the list opens and clicks a button of it.
    static void fillAndClick(QList<std::pair<QString, QString>> boxes, QString button) {
        onNextModal([boxes, button](QDialog* editor) {
            for (const auto& [box, text] : boxes) {
                type(editor, box, text);
            }
            click(editor, button);
        });
    }
    static void selectRow(RecordListWindow& list, const QString& field, const QString& value) {
        GridModel* m = list.grid()->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            if (m->record(r).text(field) == value) {
                list.grid()->view()->setCurrentIndex(m->index(r, 1));
                return;
            }
        }
        ADD_FAILURE() << "no row " << value.toStdString();
    }

    MessageRecorder messages;
};

TEST_P(CustomerLookups, CustomerTypesSaveCancelRefuseAndDelete) {
    TFkehu_leixing list(db());
    list.show();
    const QString types = QStringLiteral("select * from 客户类型 order by 客户类型");

    fillAndClick({{"客户类型", "金卡"}, {"折扣率", "9"}}, "确定");
    click(&list, "添加");
    fillAndClick({{"客户类型", "普通"}, {"折扣率", ""}}, "确定");
    click(&list, "添加");
    // Closing the editor writes nothing.
    fillAndClick({{"客户类型", "银卡"}, {"折扣率", "9.5"}}, "取消");
    click(&list, "添加");
    EXPECT_EQ(column(types, "客户类型"), (QStringList{"普通", "金卡"}));
    EXPECT_EQ(column(types, "折扣率"), (QStringList{"<null>", "9"}));
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(list.currentRecord().text("客户类型"), "普通");  // the row just written

    // Bad rates are refused with the message; the editor stays open and nothing is written.
    for (const char* bad : {"九折", "11", "-0.5"}) {
        onNextModal([this, bad](QDialog* editor) {
            EXPECT_EQ(boxText(editor, "客户类型"), "普通");
            type(editor, "折扣率", QString::fromUtf8(bad));
            click(editor, "确定");
            EXPECT_TRUE(editor->isVisible());
            EXPECT_EQ(messages.last(), NumberInput::kRateRefused);
        });
        click(&list, "修改");
    }
    EXPECT_EQ(column(types, "折扣率"), (QStringList{"<null>", "9"}));

    fillAndClick({{"折扣率", "8.5"}}, "确定");
    click(&list, "修改");
    EXPECT_EQ(column(types, "折扣率"), (QStringList{"8.5", "9"}));

    selectRow(list, "客户类型", "金卡");
    messages.answerNext(false);
    click(&list, "删除");
    EXPECT_EQ(messages.last(), "确实要删除[金卡]吗？");
    EXPECT_EQ(column(types, "客户类型").size(), 2);
    click(&list, "删除");
    EXPECT_EQ(column(types, "客户类型"), QStringList{"普通"});
    click(&list, "删除");
    click(&list, "删除");  // an empty table: no question, nothing happens
    EXPECT_EQ(messages.texts().count("确实要删除[普通]吗？"), 1);
    EXPECT_EQ(column(types, "客户类型"), QStringList{});
}

TEST_P(CustomerLookups, WorkersSaveCancelRefuseAndDelete) {
    bool closed = false;
    Tpeisongyuan_list list(db());
    QObject::connect(&list, &RecordListWindow::closed, [&closed] { closed = true; });
    list.show();
    const QString workers = QStringLiteral("select * from 员工列表 order by 姓名");

    fillAndClick({{"员工姓名", "张三"}, {"联系电话", "139"}, {"所用车辆", "电动车"}, {"提成金额", "1.5"}},
                 "确定");
    click(&list, "新建");
    fillAndClick({{"员工姓名", "李四"}}, "取消");
    click(&list, "新建");
    onNextModal([this](QDialog* editor) {
        type(editor, "员工姓名", "王五");
        type(editor, "提成金额", "一元");
        click(editor, "确定");
        EXPECT_EQ(messages.last(), "提成金额必须是数字");
        EXPECT_TRUE(editor->isVisible());
    });
    click(&list, "新建");
    EXPECT_EQ(column(workers, "姓名"), QStringList{"张三"});
    EXPECT_EQ(column(workers, "送餐次数提成"), QStringList{"15000"});

    onNextModal([](QDialog* editor) {
        EXPECT_EQ(boxText(editor, "提成金额"), "1.5");
        type(editor, "员工姓名", "张三丰");
        type(editor, "提成金额", "");
        click(editor, "确定");
    });
    click(&list, "修改");
    EXPECT_EQ(column(workers, "姓名"), QStringList{"张三丰"});
    EXPECT_EQ(column(workers, "送餐次数提成"), QStringList{"<null>"});
    EXPECT_EQ(column(workers, "所用车辆"), QStringList{"电动车"});
    EXPECT_EQ(Workers::names(db()), QStringList{"张三丰"});

    messages.answerNext(false);
    click(&list, "删除");
    EXPECT_EQ(messages.last(), "确实要删除吗？");
    EXPECT_EQ(column(workers, "姓名").size(), 1);
    click(&list, "删除");
    EXPECT_TRUE(column(workers, "姓名").isEmpty());

    EXPECT_FALSE(closed);
    list.close();
    EXPECT_TRUE(closed);
}

TEST_P(CustomerLookups, AnEditOfARowAnotherStationChangedIsRefused) {
    Query::run(db(), "insert into 客户类型 (客户类型,折扣率) values ('金卡',9)");
    TFkehu_leixing list(db());
    list.show();
    auto other = store->openAnother();
    onNextModal([this, &other](QDialog* editor) {
        Query::run(*other, "update 客户类型 set 折扣率=8");
        type(editor, "折扣率", "7");
        click(editor, "确定");
        EXPECT_EQ(messages.last(), "这条记录已被其他站点修改，请重新打开");
        EXPECT_FALSE(editor->isVisible());
    });
    click(&list, "修改");
    EXPECT_EQ(column("select * from 客户类型", "折扣率"), QStringList{"8"});
    // The list shows the row as it is now, and it can be edited again.
    EXPECT_EQ(list.currentRecord().number("折扣率"), 8);
    fillAndClick({{"折扣率", "7"}}, "确定");
    click(&list, "修改");
    EXPECT_EQ(column("select * from 客户类型", "折扣率"), QStringList{"7"});
}

TEST_P(CustomerLookups, DeletingAStaleRowLeavesTheRowThatTookItsIdAlone) {
    Regions::add(db(), "城东");
    Regions::add(db(), "城西");
    Tqvyu_shezhi regions(db());
    regions.show();
    selectRow(regions, "区域", "城西");

    // Another station replaces the last region; the new row gets the old one's id.
    auto other = store->openAnother();
    Query::run(*other, "delete from 区域 where 区域='城西'");
    if (GetParam() == Engine::PostgreSQL) {
        Query::run(*other, "vacuum 区域");
    }
    Query::run(*other, "insert into 区域 (区域) values ('城南')");

    click(&regions, "删除");
    EXPECT_EQ(messages.last(), "这条记录已被其他站点修改，请重新打开");
    EXPECT_EQ(Regions::names(db()), (QStringList{"城东", "城南"}));
    EXPECT_EQ(regions.grid()->model()->rowCount(), 2);
}

TEST_P(CustomerLookups, TheWorkerEditorWalksItsBoxesWithEnter) {
    Tpeisongyuan_add editor;
    editor.begin(Workers::rows(db()), RowEdit::inserting());
    editor.show();
    type(&editor, "员工姓名", "钱七");
    editor.findChild<QLineEdit*>("员工姓名")->setFocus();
    for (const char* next : {"联系电话", "所用车辆", "确定"}) {
        QTest::keyClick(editor.focusWidget(), Qt::Key_Return);
        EXPECT_EQ(editor.focusWidget()->objectName(), QString::fromUtf8(next));
    }
    editor.findChild<QLineEdit*>("提成金额")->setFocus();
    QTest::keyClick(editor.focusWidget(), Qt::Key_Return);
    EXPECT_EQ(editor.focusWidget()->objectName(), "确定");
    // Only Enter on "确定" itself writes the row.
    EXPECT_EQ(column("select * from 员工列表", "姓名"), QStringList{});
    QTest::keyClick(editor.focusWidget(), Qt::Key_Return);
    EXPECT_EQ(column("select * from 员工列表", "姓名"), QStringList{"钱七"});
}

TEST_P(CustomerLookups, RegionsRefuseAnEmptyNameWhileTheQuickAddAcceptsIt) {
    Tqvyu_shezhi regions(db());
    regions.show();
    click(&regions, "添加");
    EXPECT_EQ(messages.texts(), QStringList{"请输入添加的部门信息"});
    for (const char* name : {"城西", "城东"}) {
        type(&regions, "区域名称", QString::fromUtf8(name));
        click(&regions, "添加");
    }
    EXPECT_EQ(regions.grid()->model()->rowCount(), 2);
    EXPECT_EQ(regions.currentRecord().text("区域"), "城东");
    EXPECT_EQ(Regions::filterList(db()), (QStringList{"总部", "城东", "城西"}));

    selectRow(regions, "区域", "城西");
    messages.answerNext(false);
    click(&regions, "删除");
    EXPECT_EQ(messages.last(), "确实要删除吗？");
    EXPECT_EQ(Regions::names(db()).size(), 2);
    click(&regions, "删除");
    EXPECT_EQ(Regions::names(db()), QStringList{"城东"});

    TFqvyu_add quick(db());
    type(&quick, "区域", "旧名字");
    quick.show();
    EXPECT_EQ(boxText(&quick, "区域"), "");  // cleared on show
    click(&quick, "确定");
    EXPECT_FALSE(quick.isVisible());
    EXPECT_EQ(Regions::names(db()), (QStringList{"", "城东"}));
}

TEST_P(CustomerLookups, TheMainWindowOpensTheListsWithTheirLongLivedEditors) {
    WindowRegistry windows;
    registerKnownWindows(windows, db());
    for (const char* name : {"TFkehu_leixing", "TFkhlx_add", "Tqvyu_shezhi", "TFqvyu_add",
                             "Tpeisongyuan_list", "Tpeisongyuan_add", "TFkouwei_bianji", "TFtuicai",
                             "TFyouhui_shiduan", "Tfkouwei_shezhi", "TFzhonglei_shezhi"}) {
        EXPECT_NE(windows.window(QString::fromUtf8(name)), nullptr) << name;
    }
    auto* list = windows.window<Tpeisongyuan_list>("Tpeisongyuan_list");
    list->show();
    // The list's "新建" opens the registry's editor.
    onNextModal([&windows](QDialog* editor) {
        EXPECT_EQ(editor, windows.window("Tpeisongyuan_add"));
        type(editor, "员工姓名", "赵六");
        click(editor, "确定");
    });
    click(list, "新建");
    EXPECT_EQ(Workers::names(db()), QStringList{"赵六"});
}

INSTANTIATE_ENGINES(CustomerLookups);

}  // namespace
