#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

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
    // Opens the editor of the current row's 排序编号 cell and types into it, as a user does.
    QLineEdit* typeSortNumber(TFzhonglei_shezhi& w, const QString& text) {
        QTableView* view = w.grid()->view();
        const QModelIndex cell = view->model()->index(view->currentIndex().row(), 3);
        view->setCurrentIndex(cell);
        view->edit(cell);
        auto* editor = qobject_cast<QLineEdit*>(view->indexWidget(cell));
        if (!editor) {
            ADD_FAILURE() << "no cell editor";
            return nullptr;
        }
        editor->selectAll();
        QTest::keyClicks(editor, text);
        return editor;
    }
    // Enter hands the cell in once the editor has seen the key; a refusal's message follows.
    static void commit(QLineEdit* editor) {
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    QString shownSortNumber(TFzhonglei_shezhi& w) {
        return w.grid()->model()->index(w.grid()->currentRow(), 3).data().toString();
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

TEST_P(CategoriesWindow, SortNumberTypedInTheGridEditsTheRowAndSavingNumbersItLast) {
    TFzhonglei_shezhi w(db());
    w.show();
    for (const char* name : {"甲", "乙", "丙"}) {
        addByWindow(w, QString::fromUtf8(name));
    }
    const QModelIndex nameCell = w.grid()->model()->index(0, 2);
    EXPECT_FALSE(nameCell.flags().testFlag(Qt::ItemIsEditable));

    // The first key typed puts the row into its edit state, before the cell is handed in.
    select(w, "甲");
    QLineEdit* editor = typeSortNumber(w, "9");
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(enabled(w, "保存"));
    EXPECT_FALSE(enabled(w, "添加") || enabled(w, "删除"));
    commit(editor);
    EXPECT_EQ(shownSortNumber(w), "9");
    EXPECT_EQ(order(), (QStringList{"甲1", "乙2", "丙3"}));  // nothing written before "保存"
    // "保存" numbers the edited row last, over the number typed.
    click(&w, "保存");
    EXPECT_EQ(order(), (QStringList{"乙2", "丙3", "甲4"}));
    EXPECT_EQ(w.currentRecord().text("种类"), "甲");
    EXPECT_EQ(shownSortNumber(w), "4");
    EXPECT_TRUE(enabled(w, "添加") && enabled(w, "删除"));
    EXPECT_FALSE(enabled(w, "保存"));

    // A letter is refused with its message; the cell shows the stored number and nothing is written.
    select(w, "乙");
    editor = typeSortNumber(w, "a");
    ASSERT_NE(editor, nullptr);
    commit(editor);
    EXPECT_EQ(messages.texts(), QStringList{"排序编号必须是整数"});
    EXPECT_EQ(messages.shown().last().kind, Messages::Kind::Warning);
    EXPECT_EQ(shownSortNumber(w), "2");
    EXPECT_EQ(order(), (QStringList{"乙2", "丙3", "甲4"}));

    // Closing drops a typed number that was not saved.
    select(w, "丙");
    editor = typeSortNumber(w, "1");
    ASSERT_NE(editor, nullptr);
    commit(editor);
    EXPECT_EQ(shownSortNumber(w), "1");
    w.close();
    EXPECT_EQ(order(), (QStringList{"乙2", "丙3", "甲4"}));
    w.show();
    select(w, "丙");
    EXPECT_EQ(shownSortNumber(w), "3");
    EXPECT_FALSE(enabled(w, "保存"));

    // Moving to another row drops it too.
    editor = typeSortNumber(w, "8");
    ASSERT_NE(editor, nullptr);
    commit(editor);
    select(w, "乙");
    select(w, "丙");
    EXPECT_EQ(shownSortNumber(w), "3");
    EXPECT_TRUE(enabled(w, "添加"));
    EXPECT_EQ(order(), (QStringList{"乙2", "丙3", "甲4"}));
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
