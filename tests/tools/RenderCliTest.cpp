#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QTemporaryDir>

namespace {

struct CliResult {
    int status;
    QString out;
    QString err;
};

CliResult run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

CliResult render(const QStringList& args) {
    return run(QStringLiteral(LANZE_ADMIN), QStringList{QStringLiteral("render")} + args);
}

// Width and height of the first page in points.
QSizeF firstPage(const QString& pdf) {
    const QString info = run(QStringLiteral("pdfinfo"), {pdf}).out;
    const auto m = QRegularExpression(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)")).match(info);
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

}  // namespace

TEST(RenderCli, RendersAShippedTemplateOfANewStoreLengthenedForTheLines) {
    QTemporaryDir tmp;
    const QDir shop(QDir(tmp.path()).filePath(QStringLiteral("shop")));
    ASSERT_EQ(run(QStringLiteral(LANZE_ADMIN), {QStringLiteral("create"), shop.path()}).status, 0);
    const QString pdf = QDir(tmp.path()).filePath(QStringLiteral("out.pdf"));
    const CliResult r = render({shop.filePath(QStringLiteral("自定义报表.frf")), QStringLiteral("--pdf"), pdf,
                                QStringLiteral("--lines"), QStringLiteral("3")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("1 页")));
    // The shipped style one is 118 mm long for one line; three lines add Trunc(22 × 2.8 × 2) = 12.3 mm.
    EXPECT_NEAR(firstPage(pdf).height(), (118 + 12.3) * 72 / 25.4, 0.51);

    const CliResult receipt =
        render({QStringLiteral("--receipt"), QStringLiteral("kitchen"), QStringLiteral("--width"),
                QStringLiteral("58"), QStringLiteral("--pdf"), pdf});
    ASSERT_EQ(receipt.status, 0) << receipt.err.toStdString();
    EXPECT_NEAR(firstPage(pdf).width(), 56.9 * 72 / 25.4, 0.51);
    EXPECT_NEAR(firstPage(pdf).height(), (32 * 3 + 118) * 0.75, 0.51);
}

TEST(RenderCli, BrokenTemplateNamesItsLineAndWritesNothing) {
    QTemporaryDir tmp;
    const QString file = QDir(tmp.path()).filePath(QStringLiteral("坏.frf"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("page width=75 height=50\nband title height=5\ntext x=0 y=0 w=10 h=5 \"[公司名称\"\n");
    f.close();
    const QString pdf = QDir(tmp.path()).filePath(QStringLiteral("out.pdf"));
    const CliResult r = render({file, QStringLiteral("--pdf"), pdf});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("坏.frf 第 3 行"))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(render({file}).status, 2);
    for (const char* lines : {"-5", "x"}) {
        EXPECT_EQ(
            render({file, QStringLiteral("--pdf"), pdf, QStringLiteral("--lines"), QLatin1String(lines)})
                .status,
            2)
            << lines;
    }
    EXPECT_EQ(
        render({QStringLiteral("--receipt"), QStringLiteral("bogus"), QStringLiteral("--pdf"), pdf}).status,
        2);
}
