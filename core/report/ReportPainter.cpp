#include "core/report/ReportPainter.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace lanze {

void ReportPainter::applyPageSize(QPagedPaintDevice& device, const LaidOutPage& page) {
    const QPageSize size(QSizeF(page.width, page.height), QPageSize::Millimeter, QString(),
                         QPageSize::ExactMatch);
    QPageLayout layout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    device.setPageLayout(layout);
}

void ReportPainter::paintPage(QPainter& painter, const LaidOutReport& report, const LaidOutPage& page) {
    QPaintDevice* device = painter.device();
    const double sx = device->logicalDpiX() / 25.4;
    const double sy = device->logicalDpiY() / 25.4;
    auto rect = [&](const ReportItem& it) { return QRectF(it.x * sx, it.y * sy, it.w * sx, it.h * sy); };
    auto pen = [&](const ReportItem& it) {
        QPen p(it.color);
        p.setWidthF(std::max(it.penWidth * sx, 1.0));
        if (it.dashed) {
            p.setStyle(Qt::DashLine);
        }
        return p;
    };
    painter.save();
    for (const ReportItem& it : page.items) {
        switch (it.kind) {
            case ReportItem::Kind::Text: {
                const QRectF r = rect(it);
                if (it.frame) {
                    QPen p(it.color);
                    p.setWidthF(std::max(0.2 * sx, 1.0));
                    painter.setPen(p);
                    painter.setBrush(Qt::NoBrush);
                    painter.drawRect(r);
                }
                if (it.text.isEmpty()) {
                    break;
                }
                painter.setFont(ReportLayout::qfont(it.font));
                painter.setPen(it.color);
                int flags = it.wrap ? int(Qt::TextWordWrap) : int(Qt::TextDontClip);
                flags |= it.align == ReportItem::Align::Center  ? Qt::AlignHCenter
                         : it.align == ReportItem::Align::Right ? Qt::AlignRight
                                                                : Qt::AlignLeft;
                flags |= it.valign == ReportItem::VAlign::Middle   ? Qt::AlignVCenter
                         : it.valign == ReportItem::VAlign::Bottom ? Qt::AlignBottom
                                                                   : Qt::AlignTop;
                painter.drawText(r, flags, it.text);
                break;
            }
            case ReportItem::Kind::Line:
                painter.setPen(pen(it));
                painter.drawLine(QPointF(it.x * sx, it.y * sy), QPointF(it.x2 * sx, it.y2 * sy));
                break;
            case ReportItem::Kind::Box:
                painter.setPen(pen(it));
                painter.setBrush(it.fill ? QBrush(*it.fill) : QBrush(Qt::NoBrush));
                painter.drawRect(rect(it));
                break;
            case ReportItem::Kind::Picture: {
                const QString path =
                    QFileInfo(it.text).isAbsolute() ? it.text : QDir(report.folder).filePath(it.text);
                const QImage image(path);
                if (image.isNull()) {
                    break;  // a missing logo leaves its place empty
                }
                const QRectF box = rect(it);
                QSizeF fit = QSizeF(image.size()).scaled(box.size(), Qt::KeepAspectRatio);
                const QRectF target(box.x() + (box.width() - fit.width()) / 2,
                                    box.y() + (box.height() - fit.height()) / 2, fit.width(), fit.height());
                painter.drawImage(target, image);
                break;
            }
        }
    }
    painter.restore();
}

bool ReportPainter::paint(const LaidOutReport& report, QPagedPaintDevice& device, int copies) {
    if (report.pages.empty()) {
        return true;
    }
    applyPageSize(device, report.pages.front());
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    bool first = true;
    for (int copy = 0; copy < std::max(copies, 1); ++copy) {
        for (const LaidOutPage& page : report.pages) {
            if (!first) {
                applyPageSize(device, page);
                device.newPage();
            }
            first = false;
            paintPage(painter, report, page);
        }
    }
    return painter.end();
}

bool ReportPainter::toPdf(const LaidOutReport& report, const QString& file, QString* error, int copies) {
    {
        QPdfWriter writer(file);
        writer.setResolution(kResolution);
        writer.setCreator(QStringLiteral("lanze"));
        writer.setTitle(report.name);
        if (paint(report, writer, copies)) {
            return true;
        }
    }
    if (error) {
        *error = QStringLiteral("无法写入 PDF 文件：%1").arg(QDir::toNativeSeparators(file));
    }
    return false;
}

}  // namespace lanze
