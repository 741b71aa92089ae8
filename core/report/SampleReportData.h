#pragma once

#include "core/report/ReceiptForm.h"
#include "core/report/ReportData.h"

namespace lanze {

// Made-up values for every variable the program answers, and three made-up rows with the columns of
// cart lines and of purchase lines: what the designer's preview and "lanze-admin render" fill
// templates with.
class SampleReportData {
  public:
    static VariableMap variables();
    static ReportRows rows();
    // The same order for the built-in receipt forms, with `lines` cart lines.
    static ReceiptValues receiptValues();
    static QList<ReceiptLine> receiptLines(int lines);
};

}  // namespace lanze
