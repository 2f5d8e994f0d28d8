#pragma once
// Fixed-point money with four decimals: a 64-bit count of ten-thousandths.
// Conversions from doubles and from longer decimal texts round halves to the
// even neighbour at the fourth decimal.
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
    // Parses "12.5", "-3", " 7.25 ", "1e3" (a "." decimal point, no
    // grouping) as an exact decimal, never through a double: "49.995" is
    // 49.995. Throws AppError TypeMismatch on anything else and Overflow
    // beyond the range.
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

// Amount text of the pattern "#######.00": no digit is forced before the
// point, two after it, no grouping ("1380.00", ".50", ".00", "-.25"). A double
// is first taken to 15 significant digits, then to cents with halves away
// from zero, so 58.305 (1380 x 4.225%) prints "58.31".
QString formatAmount(double v);
QString formatAmount(Money m);
// Price text of the pattern "#0.00": as formatAmount, with a digit before the
// point ("0.50", "0.00").
QString formatPrice(Money m);
// The amount rounded to whole cents, halves to the even neighbour.
Money roundCentsHalfEven(Money m);

}  // namespace dv
