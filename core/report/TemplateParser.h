#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "core/report/ReportTemplate.h"

namespace lanze {

// One fault of a template: the file, the line (0 when the fault is the file itself) and what is wrong.
struct TemplateError {
    QString file;
    int line = 0;
    QString message;

    // "自定义报表.frf 第 3 行：…", or "自定义报表.frf：…" for the file as a whole.
    QString text() const;
};

// The outcome of reading a template: the template when it has no fault, otherwise every fault found
// (each line is checked, so an editor can mark all of them at once).
struct TemplateLoad {
    std::optional<ReportTemplate> report;
    std::vector<TemplateError> errors;

    bool ok() const { return report.has_value(); }
    QString errorText() const;  // the faults, one per line
};

// Reads the report template text format (docs/report-templates.md).
class TemplateParser {
  public:
    // name: the file name reported with faults; folder: where the template's pictures are looked up.
    static TemplateLoad parse(const QString& text, const QString& name, const QString& folder = QString());
    // Reads a template file (UTF-8, or GBK when it is not valid UTF-8). A missing or unreadable file is
    // a fault of line 0.
    static TemplateLoad loadFile(const QString& path);
};

}  // namespace lanze
