#pragma once

#include <QString>
#include <optional>

#include "core/types/Money.h"

namespace lanze {

// What a number box of an editor holds: nothing (an empty box, stored as null), a value, or a refusal
// text for the message box. A refused box writes nothing.
template <typename T>
struct NumberReading {
    std::optional<T> value;
    QString refusal;
    bool ok() const { return refusal.isEmpty(); }
};

class NumberInput {
  public:
    static inline const QString kRateRefused = QStringLiteral("折扣率必须是0到10之间的数字");

    // A discount rate in tenths of the price: 10 is no discount, 0 gives the goods away.
    static NumberReading<double> discountRate(const QString& text);
    // An amount of money; the refusal names the box: "加价必须是数字".
    static NumberReading<Money> money(const QString& text, const QString& caption);
    static QString moneyRefusal(const QString& caption) { return caption + QStringLiteral("必须是数字"); }
};

}  // namespace lanze
