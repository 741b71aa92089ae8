#include "core/report/ui/ReportPreview.h"

#include <QAction>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

#include "core/Messages.h"
#include "core/report/ReportPainter.h"
#include "core/report/ReportPrinting.h"

namespace lanze {

void ReportPreview::exportPdf(const LaidOutReport& report, QWidget* parent) {
    const QString file =
        QFileDialog::getSaveFileName(parent, QStringLiteral("导出PDF"), report.name + QStringLiteral(".pdf"),
                                     QStringLiteral("PDF 文件 (*.pdf)"));
    if (file.isEmpty()) {
        return;
    }
    QString error;
    if (!ReportPainter::toPdf(report, file, &error)) {
        Messages::current().warning(error);
    }
}

std::unique_ptr<QPrintPreviewDialog> ReportPreview::create(const LaidOutReport& report, QPrinter& printer,
                                                           int copies, QWidget* parent) {
    printer.setDocName(report.name);
    if (!report.pages.empty()) {
        ReportPainter::applyPageSize(printer, report.pages.front());
    }
    printer.setCopyCount(std::max(copies, 1));
    auto dialog = std::make_unique<QPrintPreviewDialog>(&printer, parent);
    QPrintPreviewDialog* d = dialog.get();
    d->setWindowTitle(QStringLiteral("打印预览 - %1").arg(report.name));
    QObject::connect(d, &QPrintPreviewDialog::paintRequested, d, [&report](QPrinter* target) {
        // Printing from the preview comes here too, with the printer chosen in its print dialog; that
        // printer makes the copies set there (preset to ours).
        target->setFullPage(true);
        ReportPainter::paint(report, *target, 1);
    });
    if (auto* bar = d->findChild<QToolBar*>()) {
        bar->addSeparator();
        QAction* pdf = bar->addAction(QStringLiteral("导出PDF"));
        QObject::connect(pdf, &QAction::triggered, d, [&report, d] { exportPdf(report, d); });
    }
    d->resize(900, 800);
    return dialog;
}

void ReportPreview::show(const LaidOutReport& report, int copies, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    create(report, printer, copies, parent)->exec();
}

void ReportPreview::install() {
    ReportPrinting::installPreviewer([](const LaidOutReport& report, int copies) { show(report, copies); });
}

}  // namespace lanze
