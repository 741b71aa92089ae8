#pragma once

#include <QString>
#include <optional>

#include "core/report/ReportLayout.h"

namespace lanze {

// What the printing windows call: load a template of the store folder, and send a filled report to the
// preview or straight to a printer. Faults are shown to the user (file and line for a broken
// template) and the caller goes on with its next ticket; nothing here throws.
class TemplateReport {
  public:
    enum class Output { Preview, Print };

    // folder/fileName, the shipped default being written first when it is missing. On a fault shows
    // it and returns nothing.
    static std::optional<ReportTemplate> load(const QString& folder, const QString& fileName);

    // Preview (with printing from it) or printing without a dialog on the printer chosen for
    // printerName (the default printer when that one is not installed). False, after showing why, when
    // nothing could be printed.
    static bool produce(const LaidOutReport& report, Output output, const QString& printerName = QString(),
                        int copies = 1);
};

}  // namespace lanze
