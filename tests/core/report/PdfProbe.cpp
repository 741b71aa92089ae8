#include "PdfProbe.h"

#include <gtest/gtest.h>
#include <QFont>
#include <QHash>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>

#include "core/report/ReportPainter.h"

namespace lanze::test {

namespace {
QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << p.readAllStandardError().toStdString();
        return QString();
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}
// The PDF writer names each glyph by the lowest code point that maps to it, so CJK fonts that share
// a glyph between a radical and an ideograph (⻥ and 鱼) read back as the radical. Map those back
// through the font itself: the ideograph drawn with the same glyph.
QString unifyRadicals(const QString& text) {
    static const QHash<QChar, QChar> supplement = [] {
        QHash<QChar, QChar> map;
        const QRawFont font = QRawFont::fromFont(QFont(QStringLiteral("Noto Sans CJK SC")));
        QString radicals;
        for (char16_t c = 0x2E80; c <= 0x2FDF; ++c) {
            radicals += QChar(c);
        }
        QString ideographs;
        for (char16_t c = 0x4E00; c <= 0x9FFF; ++c) {
            ideographs += QChar(c);
        }
        const QList<quint32> r = font.glyphIndexesForString(radicals);
        const QList<quint32> i = font.glyphIndexesForString(ideographs);
        QHash<quint32, QChar> byGlyph;
        for (qsizetype k = i.size() - 1; k >= 0; --k) {
            byGlyph.insert(i[k], ideographs.at(k));
        }
        for (qsizetype k = 0; k < r.size(); ++k) {
            if (r[k] != 0 && byGlyph.contains(r[k])) {
                map.insert(radicals.at(k), byGlyph.value(r[k]));
            }
        }
        return map;
    }();
    QString out = text;
    for (QChar& c : out) {
        c = supplement.value(c, c);
    }
    return out;
}

}  // namespace

QString PdfProbe::text(const QString& pdf, int page) {
    QStringList args{QStringLiteral("-layout")};
    if (page > 0) {
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
             << QString::number(page);
    }
    args << pdf << QStringLiteral("-");
    return unifyRadicals(run(QStringLiteral("pdftotext"), args));
}

std::vector<QSizeF> PdfProbe::pageSizes(const QString& pdf) {
    const QString info = run(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                                         QStringLiteral("-l"), QStringLiteral("9999"), pdf});
    static const QRegularExpression re(
        QStringLiteral(R"(Page\s+\d+\s+size:\s+([\d.]+)\s+x\s+([\d.]+)\s+pts)"));
    std::vector<QSizeF> sizes;
    auto it = re.globalMatch(info);
    while (it.hasNext()) {
        const auto m = it.next();
        sizes.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return sizes;
}

RenderedPdf::RenderedPdf(const LaidOutReport& report) {
    path_ = dir_.filePath(QStringLiteral("report.pdf"));
    QString error;
    EXPECT_TRUE(ReportPainter::toPdf(report, path_, &error)) << error.toStdString();
}

}  // namespace lanze::test
