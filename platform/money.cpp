#include "platform/money.h"
#include "platform/app_error.h"
#include "platform/numbers.h"

#include <cmath>
#include <limits>

namespace dv {

namespace {
// Money's range, +/- 922,337,203,685,477.5807.
constexpr double kMaxMoney = 922337203685477.0;
}

Money Money::fromDouble(double v)
{
    if (!std::isfinite(v))
        throw AppError(err::BadValue, QStringLiteral("A money amount is not a finite number."));
    if (std::fabs(v) > kMaxMoney)
        throw AppError(err::Overflow, QStringLiteral("Overflow"));
    return fromRaw(static_cast<std::int64_t>(std::nearbyint(v * 10000.0)));
}

Money Money::fromText(const QString& text)
{
    double d = 0;
    if (!parseStrictNumber(text, &d))
        throw AppError(err::TypeMismatch, QStringLiteral("Type mismatch"));
    return fromDouble(d);
}

QString Money::toText() const
{
    std::int64_t r = raw_;
    const bool neg = r < 0;
    // raw_ can't be INT64_MIN: fromDouble limits the range.
    std::uint64_t a = neg ? static_cast<std::uint64_t>(-r) : static_cast<std::uint64_t>(r);
    QString s = QString::number(a / 10000);
    std::uint64_t frac = a % 10000;
    if (frac != 0) {
        QString f = QString::number(frac).rightJustified(4, QLatin1Char('0'));
        while (f.endsWith(QLatin1Char('0')))
            f.chop(1);
        s += QLatin1Char('.') + f;
    }
    return neg ? QLatin1Char('-') + s : s;
}

Money Money::operator+(Money o) const
{
    std::int64_t r;
    if (__builtin_add_overflow(raw_, o.raw_, &r))
        throw AppError(err::Overflow, QStringLiteral("Overflow"));
    return fromRaw(r);
}

Money Money::operator-(Money o) const
{
    std::int64_t r;
    if (__builtin_sub_overflow(raw_, o.raw_, &r))
        throw AppError(err::Overflow, QStringLiteral("Overflow"));
    return fromRaw(r);
}

}  // namespace dv
