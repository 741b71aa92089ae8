#include "orders/TasteList.h"

#include "core/db/Query.h"
#include "core/types/NumberInput.h"

namespace lanze {

void TasteList::zeroMissingSurcharges(Database& db) {
    Query::run(db, QStringLiteral("update 口味 set 加价=0 where 加价 is null"));
}

QString TasteList::fill(RowValues& row, const QString& taste, const QString& surchargeText) {
    const NumberReading<Money> surcharge = NumberInput::money(surchargeText, kSurchargeCaption);
    if (!surcharge.ok()) {
        return surcharge.refusal;
    }
    row.setText(QStringLiteral("口味"), taste);
    if (surcharge.value) {
        row.setMoney(QStringLiteral("加价"), *surcharge.value);
    } else {
        row.setNull(QStringLiteral("加价"));
    }
    return QString();
}

}  // namespace lanze
