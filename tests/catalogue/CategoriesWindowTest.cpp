#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include "catalogue/Categories.h"
#include "catalogue/ui/TFzhonglei_shezhi.h"
#include "core/Messages.h"
#include "core/db/Query.h"
#include "core/ui/DataGrid.h"
#include "tests/support/TestStore.h"
#include "tests/support/WindowDriver.h"

using namespace lanze;
using namespace lanze::test;

namespace {

class CategoriesWindow : public StoreTest {
  protected:
    // "名字序号" for every category in sort order.
    QStringList order() {
        Query q(db(), "select * from 种类 order by 排序编号");
        q.exec();
        QStringList out;
        while (q.next()) {
            out << q.text("种类") + QString::number(q.integer("排序编号"));
        }
        return out;
    }
    void addByWindow(TFzhonglei_shezhi& w, const QString& name) {
        click(&w, "添加");
        type(&w, "业务类别", name);
        click(&w, "保存");
    }
    void select(TFzhonglei_shezhi& w, const QString& name) {
        GridModel* m = w.grid()->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            if (m->record(r).text("种类") == name) {
                w.grid()->view()->setCurrentIndex(m->index(r, 2));
                return;
            }
        }
        ADD_FAILURE() << "no category " << name.toStdString();
    }
    void edit(TFzhonglei_shezhi& w, const QString& name) {
        auto* box = w.findChild<QLineEdit*>("业务类别");
        box->setText(name);
        emit box->textEdited(name);
    }
    bool enabled(TFzhonglei_shezhi& w, const char* button) {
        return w.findChild<QPushButton*>(QString::fromUtf8(button))->isEnabled();
    }

    MessageRecorder messages;
};

TEST_P(CategoriesWindow, SavingNumbersTheCategoryLastAndTheButtonsFollowTheRow) {
    TFzhonglei_shezhi w(db());
    w.show();
    EXPECT_TRUE(enabled(w, "添加") && enabled(w, "删除"));
    EXPECT_FALSE(enabled(w, "保存"));

    click(&w, "添加");
    EXPECT_FALSE(enabled(w, "添加"));
    EXPECT_TRUE(enabled(w, "保存") && enabled(w, "删除"));
    type(&w, "业务类别", "保洁");
    click(&w, "保存");
    EXPECT_EQ(order(), QStringList{"保洁1"});  // the first of an empty table gets 1
    EXPECT_TRUE(enabled(w, "添加"));
    EXPECT_FALSE(enabled(w, "保存"));
    addByWindow(w, "搬家");
    addByWindow(w, "维修");
    EXPECT_EQ(order(), (QStringList{"保洁1", "搬家2", "维修3"}));
    EXPECT_EQ(w.currentRecord().text("种类"), "维修");

    // An edited category moves to the end of the order.
    select(w, "保洁");
    EXPECT_EQ(boxText(&w, "业务类别"), "保洁");
    edit(w, "家庭保洁");
    EXPECT_TRUE(enabled(w, "保存"));
    EXPECT_FALSE(enabled(w, "添加") || enabled(w, "删除"));
    click(&w, "保存");
    EXPECT_EQ(order(), (QStringList{"搬家2", "维修3", "家庭保洁4"}));
    EXPECT_EQ(w.currentRecord().text("种类"), "家庭保洁");

    // Moving to another row or closing drops an unsaved change.
    edit(w, "不要");
    select(w, "搬家");
    EXPECT_TRUE(enabled(w, "添加"));
    click(&w, "添加");
    type(&w, "业务类别", "也不要");
    w.close();
    EXPECT_EQ(order(), (QStringList{"搬家2", "维修3", "家庭保洁4"}));

    w.show();
    select(w, "维修");
    messages.answerNext(false);
    click(&w, "删除");
    EXPECT_EQ(messages.last(), "确实要进行删除吗？？");
    EXPECT_EQ(order().size(), 3);
    click(&w, "删除");
    EXPECT_EQ(order(), (QStringList{"搬家2", "家庭保洁4"}));
}

TEST_P(CategoriesWindow, ArrowsSwapWithTheNeighbourAndStopAtTheEnds) {
    TFzhonglei_shezhi w(db());
    w.show();
    for (const char* name : {"甲", "乙", "丙"}) {
        addByWindow(w, QString::fromUtf8(name));
    }
    select(w, "甲");
    click(&w, "上移");
    EXPECT_EQ(messages.texts(), QStringList{"已经是最上层了"});
    EXPECT_EQ(order(), (QStringList{"甲1", "乙2", "丙3"}));

    click(&w, "下移");
    EXPECT_EQ(order(), (QStringList{"乙1", "甲2", "丙3"}));
    EXPECT_EQ(w.currentRecord().text("种类"), "甲");  // the cursor follows the moved row
    click(&w, "下移");
    EXPECT_EQ(order(), (QStringList{"乙1", "丙2", "甲3"}));
    click(&w, "下移");
    EXPECT_EQ(messages.last(), "已经是最底层了");
    EXPECT_EQ(order(), (QStringList{"乙1", "丙2", "甲3"}));
    click(&w, "上移");
    EXPECT_EQ(order(), (QStringList{"乙1", "甲2", "丙3"}));
    EXPECT_EQ(Categories::names(db()), (QStringList{"乙", "甲", "丙"}));
}

INSTANTIATE_ENGINES(CategoriesWindow);

}  // namespace
