#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "core/Messages.h"
#include "core/report/ReportPrinting.h"
#include "core/report/ReportTemplates.h"
#include "core/report/TemplateParser.h"
#include "core/report/TemplateReport.h"

using namespace lanze;

namespace {
const QString kGood = QStringLiteral(R"(page width=75 height=80 margin=2
band title height=10
text x=0 y=0 w=71 h=5 "[公司名称]"
)");
}  // namespace

TEST(TemplateParser, ReadsPageBandsAndItems) {
    const TemplateLoad load = TemplateParser::parse(QStringLiteral(R"(# comment
page width=56.9 height=auto margin-left=3 margin=1
font family="Noto Serif CJK SC" size=8 bold
band data height=6
  text x=1 y=0.5 w=40 h=5 size=12 italic align=right valign=middle wrap color=#ff0000 "引号\"与\\反斜杠"
  line x1=0 y1=5 x2=52 y2=5 width=0.4 dash
  box x=0 y=0 w=52 h=6 fill=#eeeeee
  picture x=0 y=0 w=10 h=5 file="店标.bmp"
)"),
                                                    QStringLiteral("t.frf"));
    ASSERT_TRUE(load.ok()) << load.errorText().toStdString();
    const ReportTemplate& t = *load.report;
    EXPECT_DOUBLE_EQ(t.pageWidth, 56.9);
    EXPECT_TRUE(t.autoHeight);
    EXPECT_DOUBLE_EQ(t.marginLeft, 3);
    EXPECT_DOUBLE_EQ(t.marginTop, 1);
    ASSERT_EQ(t.bands.size(), 1u);
    const auto& items = t.bands[0].items;
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].text, QStringLiteral("引号\"与\\反斜杠"));
    EXPECT_EQ(items[0].font.family, QStringLiteral("Noto Serif CJK SC"));  // inherited
    EXPECT_TRUE(items[0].font.bold);
    EXPECT_TRUE(items[0].font.italic);
    EXPECT_DOUBLE_EQ(items[0].font.size, 12);
    EXPECT_EQ(items[0].align, ReportItem::Align::Right);
    EXPECT_EQ(items[0].color, QColor(255, 0, 0));
    EXPECT_EQ(items[0].sourceLine, 5);
    EXPECT_TRUE(items[1].dashed);
    EXPECT_DOUBLE_EQ(items[1].x2, 52);
    EXPECT_EQ(items[2].fill, QColor(0xee, 0xee, 0xee));
    EXPECT_EQ(items[3].text, QStringLiteral("店标.bmp"));
}

TEST(TemplateParser, ReportsEachFaultWithItsLineAndGivesNoTemplate) {
    struct Case {
        QString text;
        int line;
        QString fragment;
    };
    const QString page = QStringLiteral("page width=75 height=80\n");
    for (const Case& c : {
             Case{page + QStringLiteral("band title height=5\ntxt x=0 y=0 w=1 h=1 \"a\""), 3,
                  QStringLiteral("txt")},
             Case{page + QStringLiteral("text x=0 y=0 w=1 h=1 \"a\""), 2, QStringLiteral("band")},
             Case{page + QStringLiteral("band title height=5\ntext x=0 y=0 w=1 h=1 \"没有结束"), 3,
                  QStringLiteral("引号")},
             Case{page + QStringLiteral("band title height=abc"), 2, QStringLiteral("abc")},
             Case{page + QStringLiteral("band title height=5\ntext x=0 y=0 w=1 \"a\""), 3,
                  QStringLiteral("“h”")},
             Case{page + QStringLiteral("band title height=5\ntext x=0 y=0 w=1 h=1 colour=red \"a\""), 3,
                  QStringLiteral("colour")},
             Case{page + QStringLiteral("band title height=5\ntext x=0 y=0 w=1 h=1 \"[公司名称\""), 3,
                  QStringLiteral("]")},
             Case{page + QStringLiteral("band footer height=5"), 2, QStringLiteral("footer")},
             Case{page + QStringLiteral("band data height=5\nband data height=5"), 3,
                  QStringLiteral("已经有了")},
             Case{page + QStringLiteral("band title height=5\nline x1=0 y1=0 x2=1 y2=-3"), 3,
                  QStringLiteral("小于 0")},
             Case{page + page, 2, QStringLiteral("page")},
             Case{QStringLiteral("band title height=5\n"), 1, QStringLiteral("page")},
             Case{page + QStringLiteral("band title height=5\ntext x=0 y=0 w=1 h=1 color=nocolor \"a\""), 3,
                  QStringLiteral("nocolor")},
         }) {
        SCOPED_TRACE(c.text.toStdString());
        const TemplateLoad load = TemplateParser::parse(c.text, QStringLiteral("坏.frf"));
        EXPECT_FALSE(load.ok());
        ASSERT_EQ(load.errors.size(), 1u);
        EXPECT_EQ(load.errors[0].line, c.line);
        EXPECT_TRUE(load.errors[0].message.contains(c.fragment)) << load.errors[0].message.toStdString();
        EXPECT_TRUE(load.errorText().startsWith(QStringLiteral("坏.frf 第 %1 行：").arg(c.line)));
    }
}

TEST(TemplateParser, FindsEveryFaultInOnePass) {
    const TemplateLoad load = TemplateParser::parse(
        QStringLiteral(
            "page width=75 height=80\nband title height=5\nbogus\ntext \"a\"\nbox x=1 y=1 w=1 h=1\n"),
        QStringLiteral("x.frf"));
    ASSERT_EQ(load.errors.size(), 2u);
    EXPECT_EQ(load.errors[0].line, 3);
    EXPECT_EQ(load.errors[1].line, 4);
}

TEST(TemplateParser, MissingFileIsReportedAsAFaultOfTheFile) {
    QTemporaryDir dir;
    const TemplateLoad load = TemplateParser::loadFile(dir.filePath(QStringLiteral("没有的.frf")));
    EXPECT_FALSE(load.ok());
    ASSERT_EQ(load.errors.size(), 1u);
    EXPECT_EQ(load.errors[0].line, 0);
    EXPECT_EQ(load.errors[0].file, QStringLiteral("没有的.frf"));
    EXPECT_TRUE(load.errorText().contains(QStringLiteral("找不到")));
}

TEST(TemplateParser, ReadsGbkFilesToo) {
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("旧.frf")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    QStringEncoder gbk("GBK");
    f.write(gbk.encode(kGood + QStringLiteral("text x=0 y=5 w=71 h=5 \"谢谢惠顾\"\n")));
    f.close();
    const TemplateLoad load = TemplateParser::loadFile(f.fileName());
    ASSERT_TRUE(load.ok()) << load.errorText().toStdString();
    EXPECT_EQ(load.report->bands[0].items[1].text, QStringLiteral("谢谢惠顾"));
    EXPECT_EQ(load.report->folder, QDir(dir.path()).absolutePath());
}

TEST(TemplateReport, BrokenOrMissingTemplateIsShownAndNothingIsReturned) {
    MessageRecorder messages;
    QTemporaryDir dir;
    QFile f(QDir(dir.path()).filePath(QStringLiteral("B小票.frf")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(kGood.toUtf8() + "text x=0 y=0 w=10 h=5 size=huge \"x\"\n");
    f.close();
    EXPECT_FALSE(TemplateReport::load(dir.path(), QStringLiteral("B小票.frf")));
    EXPECT_EQ(messages.last(), QStringLiteral("B小票.frf 第 4 行：属性“size”应是数字，而不是“huge”"));

    EXPECT_FALSE(TemplateReport::load(dir.path(), QStringLiteral("没有这个.frf")));
    EXPECT_TRUE(messages.last().contains(QStringLiteral("没有这个.frf")));

    // The next ticket still loads.
    const auto next = TemplateReport::load(dir.path(), QStringLiteral("C小票.frf"));
    ASSERT_TRUE(next);
    EXPECT_EQ(messages.shown().size(), 2);
}

TEST(TemplateReport, PrintingWithoutPrinterOrPreviewTellsWhy) {
    MessageRecorder messages;
    ReportPrinting::installPreviewer(nullptr);
    const TemplateLoad load = TemplateParser::parse(kGood, QStringLiteral("t.frf"));
    const LaidOutReport report = ReportLayout::layOut(*load.report, VariableMap());
    EXPECT_FALSE(TemplateReport::produce(report, TemplateReport::Output::Preview));
    EXPECT_EQ(messages.shown().size(), 1);
    int previewed = 0;
    ReportPrinting::installPreviewer([&](const LaidOutReport&, int copies) { previewed = copies; });
    EXPECT_TRUE(TemplateReport::produce(report, TemplateReport::Output::Preview, QString(), 2));
    EXPECT_EQ(previewed, 2);
    ReportPrinting::installPreviewer(nullptr);
    if (ReportPrinting::installedPrinters().isEmpty()) {
        EXPECT_FALSE(TemplateReport::produce(report, TemplateReport::Output::Print, QStringLiteral("后厨")));
        EXPECT_EQ(messages.last(), ReportPrinting::kNoPrinter);
    }
}

TEST(TemplateParser, GarbageIsReportedNotCrashedOn) {
    QByteArray binary;
    for (int i = 0; i < 4096; ++i) {
        binary.append(char((i * 7919) % 256));
    }
    const QString page = QStringLiteral("page width=75 height=80\nband title height=5\n");
    for (const QString& text : {
             QString::fromLatin1(binary),
             page + QStringLiteral("text x=nan y=0 w=1 h=1 \"a\""),
             page + QStringLiteral("text x=inf y=0 w=1 h=1 \"a\""),
             page + QStringLiteral("text x=1e309 y=0 w=1 h=1 \"a\""),
             page + QStringLiteral("text x=0 y=0 w=1 h=1 size=0.001 \"a\""),
             page + QStringLiteral("text x=0 y=0 w=1 h=1 \"a\" \"b\""),
             page + QStringLiteral("text = \"a\""),
             page + QStringLiteral("text x=\"1\" y=0 w=1 h=1 \"\\"),
             page + QStringLiteral("\"only a text\""),
             QStringLiteral("page width=75 height=80 margin=40"),
             page + QStringLiteral("text x=0 y=0 w=1 h=1 \"[\"").repeated(20000),
         }) {
        const TemplateLoad load = TemplateParser::parse(text, QStringLiteral("坏.frf"));
        EXPECT_FALSE(load.ok()) << text.left(80).toStdString();
        EXPECT_FALSE(load.errors.empty());
    }
}
