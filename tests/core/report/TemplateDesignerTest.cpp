#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>

#include "core/Messages.h"
#include "core/report/ui/ReportPreview.h"
#include "core/report/ui/TemplateDesigner.h"

using namespace lanze;

namespace {
const QByteArray kTemplate = QByteArray(R"(page width=75 height=60
band title height=10
text x=0 y=0 w=71 h=6 size=12 bold "[公司名称]"
band data height=6
text x=0 y=0 w=50 h=5 "[产品名称]"
)");

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

TEST(TemplateDesigner, MarksFaultsKeepsThemFromTheFileUnlessConfirmedAndReverts) {
    MessageRecorder messages;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("自定义报表.frf"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(kTemplate);
    f.close();

    TemplateDesigner designer(path);
    designer.show();
    EXPECT_TRUE(designer.lastLoad().ok());
    EXPECT_FALSE(designer.previewImage().isNull());
    EXPECT_EQ(designer.faults()->count(), 1);
    EXPECT_EQ(designer.faults()->item(0)->text(), QStringLiteral("没有错误"));

    // A fault on line 4 is listed with its line and marked in the editor.
    designer.editor()->setPlainText(
        QString::fromUtf8(kTemplate).replace(QStringLiteral("band data"), QStringLiteral("band dta")));
    designer.refresh();
    ASSERT_FALSE(designer.lastLoad().ok());
    ASSERT_EQ(designer.faults()->count(), 1);
    EXPECT_TRUE(designer.faults()->item(0)->text().contains(QStringLiteral("第 4 行")));
    ASSERT_EQ(designer.editor()->extraSelections().size(), 1);
    EXPECT_EQ(designer.editor()->extraSelections()[0].cursor.blockNumber(), 3);

    if (const char* shots = getenv("LANZE_SCREENSHOTS")) {
        designer.grab().save(
            QDir(QString::fromLocal8Bit(shots)).filePath(QStringLiteral("designer-fault.png")));
    }

    // Saving a faulty template asks first; Cancel leaves the file as it was.
    messages.answerNext(false);
    EXPECT_FALSE(designer.save());
    EXPECT_EQ(readAll(path), kTemplate);
    EXPECT_TRUE(messages.last().contains(QStringLiteral("错误")));

    // A good edit is saved as typed.
    const QString edited =
        QString::fromUtf8(kTemplate).replace(QStringLiteral("h=6 size=12"), QStringLiteral("h=8 size=16"));
    designer.editor()->setPlainText(edited);
    EXPECT_TRUE(designer.save());
    EXPECT_EQ(readAll(path), edited.toUtf8());
    EXPECT_FALSE(designer.isModified());

    // Revert throws away what was typed since.
    designer.editor()->setPlainText(QStringLiteral("nonsense"));
    designer.revert();
    EXPECT_EQ(designer.editor()->toPlainText(), edited);
    EXPECT_TRUE(designer.lastLoad().ok());
    if (const char* shots = getenv("LANZE_SCREENSHOTS")) {
        designer.grab().save(QDir(QString::fromLocal8Bit(shots)).filePath(QStringLiteral("designer.png")));
    }
}

TEST(ReportPreview, ShowsEveryPageAndOffersPdfExport) {
    const TemplateLoad load = TemplateParser::parse(QString::fromUtf8(kTemplate), QStringLiteral("预览.frf"));
    ASSERT_TRUE(load.ok());
    ReportTemplate t = *load.report;
    t.lengthenFirstPage(ReportTemplate::extraLengthForLines(22, 3));
    ReportRows rows;
    rows.columns = {QStringLiteral("产品名称")};
    for (int i = 0; i < 12; ++i) {
        rows.rows.append({QStringLiteral("菜%1").arg(i)});
    }
    const LaidOutReport report =
        ReportLayout::layOut(t, VariableMap{{QStringLiteral("公司名称"), QStringLiteral("岚泽小馆")}}, rows);
    ASSERT_EQ(report.pages.size(), 2u);
    QPrinter printer(QPrinter::HighResolution);
    auto dialog = ReportPreview::create(report, printer, 2);
    dialog->show();
    QApplication::processEvents();
    EXPECT_EQ(printer.copyCount(), 2);
    auto* pages = dialog->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->pageCount(), 2);
    const auto actions = dialog->findChildren<QAction*>();
    EXPECT_TRUE(std::any_of(actions.begin(), actions.end(),
                            [](QAction* a) { return a->text() == QStringLiteral("导出PDF"); }));
    if (const char* shots = getenv("LANZE_SCREENSHOTS")) {
        pages->setViewMode(QPrintPreviewWidget::AllPagesView);
        QApplication::processEvents();
        dialog->grab().save(QDir(QString::fromLocal8Bit(shots)).filePath(QStringLiteral("preview.png")));
    }
}
