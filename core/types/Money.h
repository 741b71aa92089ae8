#pragma once

#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

namespace lanze {

// An exact currency amount: a count of ten-thousandths of a yuan, as the shop's books have always
// been kept. Never passes through binary floating point on its way to or from the database.
class Money {
  public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(std::int64_t tenThousandths) { return Money(tenThousandths); }
    static constexpr Money fromYuan(std::int64_t yuan) { return Money(yuan * kScale); }
    // Parses decimal text such as "12.5", "-0.30", "1,234.56" or " 7 ". More than four decimals are
    // rounded half away from zero. Returns nothing for anything that is not a number.
    static std::optional<Money> parse(const QString& text);
    // For values computed as double (quantity × price): rounded half away from zero.
    static Money fromDouble(double yuan);

    constexpr std::int64_t units() const { return units_; }
    double toDouble() const { return double(units_) / kScale; }
    bool isZero() const { return units_ == 0; }

    // Fixed number of decimals (0 to 4), rounded half away from zero: "12.50".
    QString toString(int decimals = 2) const;
    // Shortest exact text: "12.5", "3", "-0.0001".
    QString toPlainString() const;

    // Rounds to a multiple of 10^-decimals yuan, half away from zero.
    Money rounded(int decimals) const;

    constexpr Money operator+(Money o) const { return Money(units_ + o.units_); }
    constexpr Money operator-(Money o) const { return Money(units_ - o.units_); }
    constexpr Money operator-() const { return Money(-units_); }
    Money& operator+=(Money o) {
        units_ += o.units_;
        return *this;
    }
    Money& operator-=(Money o) {
        units_ -= o.units_;
        return *this;
    }
    // Amount times a quantity or rate, rounded to the nearest ten-thousandth.
    Money operator*(double factor) const;
    Money operator/(double divisor) const;

    constexpr auto operator<=>(const Money&) const = default;

  private:
    constexpr explicit Money(std::int64_t units) : units_(units) {}
    std::int64_t units_ = 0;
};

}  // namespace lanze
