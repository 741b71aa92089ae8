#include "core/types/NumberInput.h"

#include <cmath>

namespace lanze {

NumberReading<double> NumberInput::discountRate(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        return {};
    }
    bool ok = false;
    const double rate = t.toDouble(&ok);
    if (!ok || !std::isfinite(rate) || rate < 0 || rate > 10) {
        return {std::nullopt, kRateRefused};
    }
    return {rate, QString()};
}

NumberReading<Money> NumberInput::money(const QString& text, const QString& caption) {
    if (text.trimmed().isEmpty()) {
        return {};
    }
    const std::optional<Money> m = Money::parse(text);
    if (!m) {
        return {std::nullopt, moneyRefusal(caption)};
    }
    return {m, QString()};
}

}  // namespace lanze
