#include "core/report/ReportTemplate.h"

#include <cmath>

namespace lanze {

const ReportBand* ReportTemplate::band(ReportBand::Kind kind) const {
    for (const ReportBand& b : bands) {
        if (b.kind == kind) {
            return &b;
        }
    }
    return nullptr;
}

ReportBand& ReportTemplate::addBand(ReportBand::Kind kind, double height) {
    ReportBand b;
    b.kind = kind;
    b.height = height;
    bands.push_back(b);
    return bands.back();
}

int ReportTemplate::firstPageLength() const {
    return int(std::lround(pageHeight * 10)) + firstPageExtra_;
}

void ReportTemplate::setFirstPageLength(int units) {
    firstPageExtra_ = units - int(std::lround(pageHeight * 10));
}

int ReportTemplate::extraLengthForLines(int itemBandHeight, int lines) {
    if (lines <= 1 || itemBandHeight <= 0) {
        return 0;
    }
    // 2.8 kept as 28/10 so that 22 × 2.8 × 2 truncates to 123 and not to a rounding accident.
    return int((qint64(itemBandHeight) * 28 * (lines - 1)) / 10);
}

}  // namespace lanze
