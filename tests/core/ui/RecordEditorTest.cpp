#include <gtest/gtest.h>
#include <QLineEdit>

#include "core/Messages.h"
#include "core/db/Query.h"
#include "core/db/Transaction.h"
#include "core/ui/RecordEditor.h"
#include "tests/support/TestStore.h"

using namespace lanze;
using namespace lanze::test;

namespace {

// A category editor that also writes a taste of the same name, as editors that keep rows of several
// tables together do; the name "坏" makes the second write fail.
class TwoTableEditor : public RecordEditor {
  public:
    QLineEdit name;

  protected:
    void load(const RowValues& values) override { name.setText(values.text(QStringLiteral("种类"))); }
    QString collect(RowValues& values) override {
        values.setText(QStringLiteral("种类"), name.text());
        return QString();
    }
    void write(TableRows& rows, const RowEdit& edit) override {
        Transaction t(rows.database());
        edit.write(rows);
        Query(rows.database(), edit.values().text(QStringLiteral("种类")) == QStringLiteral("坏")
                                   ? QStringLiteral("insert into 没有这张表 (口味) values (:口味)")
                                   : QStringLiteral("insert into 口味 (口味) values (:口味)"))
            .bindText(QStringLiteral("口味"), edit.values().text(QStringLiteral("种类")))
            .exec();
        t.commit();
    }
};

class RecordEditorTest : public StoreTest {};

TEST_P(RecordEditorTest, AnEditorsOwnWriterKeepsItsTablesTogether) {
    MessageRecorder messages;
    const qint64 categories = countRows(QStringLiteral("种类"));
    const qint64 tastes = countRows(QStringLiteral("口味"));
    TableRows rows = TableRows::byKey(db(), QStringLiteral("种类"), QStringLiteral("编号"));

    TwoTableEditor editor;
    editor.begin(rows, RowEdit::inserting());
    editor.name.setText(QStringLiteral("坏"));
    editor.confirm();
    EXPECT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().value(0).kind, Messages::Kind::Error);
    EXPECT_NE(editor.row(), nullptr);  // still open for another try
    EXPECT_FALSE(editor.written());
    EXPECT_EQ(countRows(QStringLiteral("种类")), categories);

    editor.name.setText(QStringLiteral("凉菜"));
    editor.confirm();
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    ASSERT_TRUE(editor.written());
    EXPECT_EQ(editor.written()->text(QStringLiteral("种类")), QStringLiteral("凉菜"));
    EXPECT_EQ(countRows(QStringLiteral("种类 where 种类='凉菜'")), 1);
    EXPECT_EQ(countRows(QStringLiteral("口味 where 口味='凉菜'")), 1);
    EXPECT_EQ(countRows(QStringLiteral("种类")), categories + 1);
    EXPECT_EQ(countRows(QStringLiteral("口味")), tastes + 1);
}

INSTANTIATE_ENGINES(RecordEditorTest);

}  // namespace
