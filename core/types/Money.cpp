#include "core/types/Money.h"

#include <cmath>

namespace lanze {

namespace {
std::int64_t pow10(int n) {
    std::int64_t p = 1;
    while (n-- > 0) {
        p *= 10;
    }
    return p;
}

// Integer division rounding half away from zero.
std::int64_t divRound(std::int64_t value, std::int64_t divisor) {
    std::int64_t q = value / divisor;
    std::int64_t r = value % divisor;
    if (2 * (r < 0 ? -r : r) >= divisor) {
        q += value < 0 ? -1 : 1;
    }
    return q;
}
}  // namespace

std::optional<Money> Money::parse(const QString& text) {
    QString s = text.trimmed();
    s.remove(QLatin1Char(','));
    if (s.isEmpty()) {
        return std::nullopt;
    }
    bool negative = false;
    int i = 0;
    if (s[0] == QLatin1Char('-') || s[0] == QLatin1Char('+')) {
        negative = s[0] == QLatin1Char('-');
        i = 1;
    }
    std::int64_t whole = 0;
    std::int64_t fraction = 0;  // in units of 10^-5 so that the fifth decimal can round
    int fractionDigits = 0;
    bool sawDigit = false;
    bool sawPoint = false;
    bool roundUp = false;
    for (; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == QLatin1Char('.') && !sawPoint) {
            sawPoint = true;
            continue;
        }
        if (!c.isDigit() || c.unicode() > 127) {
            return std::nullopt;
        }
        const int d = c.unicode() - '0';
        sawDigit = true;
        if (!sawPoint) {
            if (whole > (INT64_MAX / kScale - 9) / 10) {
                return std::nullopt;
            }
            whole = whole * 10 + d;
        } else if (fractionDigits < 4) {
            fraction = fraction * 10 + d;
            ++fractionDigits;
        } else if (fractionDigits == 4) {
            roundUp = d >= 5;
            ++fractionDigits;
        }
    }
    if (!sawDigit) {
        return std::nullopt;
    }
    while (fractionDigits < 4) {
        fraction *= 10;
        ++fractionDigits;
    }
    std::int64_t units = whole * kScale + fraction + (roundUp ? 1 : 0);
    return Money(negative ? -units : units);
}

Money Money::fromDouble(double yuan) {
    return Money(std::llround(yuan * kScale));
}

Money Money::rounded(int decimals) const {
    if (decimals >= 4) {
        return *this;
    }
    const std::int64_t step = pow10(4 - (decimals < 0 ? 0 : decimals));
    return Money(divRound(units_, step) * step);
}

QString Money::toString(int decimals) const {
    if (decimals < 0) {
        decimals = 0;
    }
    if (decimals > 4) {
        decimals = 4;
    }
    const std::int64_t scaled = divRound(units_, pow10(4 - decimals));
    const std::int64_t absScaled = scaled < 0 ? -scaled : scaled;
    const std::int64_t div = pow10(decimals);
    QString out = QString::number(absScaled / div);
    if (decimals > 0) {
        out += QLatin1Char('.') + QString::number(absScaled % div).rightJustified(decimals, QLatin1Char('0'));
    }
    return scaled < 0 ? QLatin1Char('-') + out : out;
}

QString Money::toPlainString() const {
    QString s = toString(4);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0'))) {
            s.chop(1);
        }
        if (s.endsWith(QLatin1Char('.'))) {
            s.chop(1);
        }
    }
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

Money Money::operator*(double factor) const {
    return Money(std::llround(static_cast<long double>(units_) * factor));
}

Money Money::operator/(double divisor) const {
    return Money(std::llround(static_cast<long double>(units_) / divisor));
}

}  // namespace lanze
