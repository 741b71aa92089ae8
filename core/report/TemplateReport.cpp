#include "core/report/TemplateReport.h"

#include "core/Messages.h"
#include "core/report/ReportPrinting.h"
#include "core/report/ReportTemplates.h"

namespace lanze {

std::optional<ReportTemplate> TemplateReport::load(const QString& folder, const QString& fileName) {
    TemplateLoad load = ReportTemplates::load(folder, fileName);
    if (!load.ok()) {
        Messages::current().warning(load.errorText());
        return std::nullopt;
    }
    return std::move(load.report);
}

bool TemplateReport::produce(const LaidOutReport& report, Output output, const QString& printerName,
                             int copies) {
    QString error;
    if (output == Output::Preview) {
        if (ReportPrinting::preview(report, copies)) {
            return true;
        }
        error = QStringLiteral("没有可用的打印预览窗口");
    } else if (ReportPrinting::print(report, printerName, copies, &error)) {
        return true;
    }
    Messages::current().warning(error);
    return false;
}

}  // namespace lanze
