#include "orders/DiscountPeriods.h"

#include "core/db/Query.h"
#include "core/types/NumberInput.h"

namespace lanze {

QString DiscountPeriods::add(Database& db, const QTime& from, const QTime& to, const QString& rateText) {
    if (rateText.trimmed().isEmpty()) {
        return kRateEmpty;
    }
    const NumberReading<double> rate = NumberInput::discountRate(rateText);
    if (!rate.ok()) {
        return rate.refusal;
    }
    RowValues row;
    row.setText(QStringLiteral("开始时间"), from.toString(kTimeFormat))
        .setText(QStringLiteral("结束时间"), to.toString(kTimeFormat))
        .setNumber(QStringLiteral("折扣率"), *rate.value);
    rows(db).insert(row);
    return QString();
}

std::optional<double> DiscountPeriods::rateAt(Database& db, const QTime& time) {
    Query q(db, QStringLiteral("select * from 优惠时段 where 开始时间<=:现在 and 结束时间>=:现在"));
    q.bindText(QStringLiteral("现在"), time.toString(kTimeFormat));
    if (!q.first() || q.isNull(QStringLiteral("折扣率"))) {
        return std::nullopt;
    }
    return q.number(QStringLiteral("折扣率"));
}

}  // namespace lanze
