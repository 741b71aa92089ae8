#include "customers/CustomerTypes.h"

#include "core/types/NumberInput.h"

namespace lanze {

QString CustomerTypes::fill(RowValues& row, const QString& typeName, const QString& rateText) {
    const NumberReading<double> rate = NumberInput::discountRate(rateText);
    if (!rate.ok()) {
        return rate.refusal;
    }
    row.setText(QStringLiteral("客户类型"), typeName);
    if (rate.value) {
        row.setNumber(QStringLiteral("折扣率"), *rate.value);
    } else {
        row.setNull(QStringLiteral("折扣率"));
    }
    return QString();
}

}  // namespace lanze
