#pragma once
// Fixed-point money with four decimals: a 64-bit count of ten-thousandths.
// Conversions from doubles round halves to the even neighbour at the fourth
// decimal.
#include <QString>
#include <cstdint>

namespace dv {

class Money {
public:
    constexpr Money() = default;
    static constexpr Money fromRaw(std::int64_t raw) { Money m; m.raw_ = raw; return m; }
    // Throws AppError (overflow / bad value) for NaN, infinities and values
    // outside the range of the type.
    static Money fromDouble(double v);
    // Parses "12.5", "-3", " 7.25 " (a "." decimal point, no grouping);
    // throws AppError TypeMismatch on anything else.
    static Money fromText(const QString& text);

    constexpr std::int64_t raw() const { return raw_; }
    double toDouble() const { return static_cast<double>(raw_) / 10000.0; }
    // Plain text for SQL and files: no grouping, "." and up to four decimals,
    // no trailing zeros ("12.5", "0", "-3.0125").
    QString toText() const;

    Money operator+(Money o) const;
    Money operator-(Money o) const;
    Money& operator+=(Money o) { *this = *this + o; return *this; }
    bool operator==(const Money&) const = default;
    auto operator<=>(const Money&) const = default;

private:
    std::int64_t raw_ = 0;
};

}  // namespace dv
