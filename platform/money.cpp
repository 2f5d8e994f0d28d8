#include "platform/money.h"
#include "platform/app_error.h"
#include "platform/numbers.h"

#include <cmath>
#include <algorithm>
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
    if (!parseStrictNumber(text, nullptr))
        throw AppError(err::TypeMismatch, QStringLiteral("Type mismatch"));
    // The text is strict "."-notation: sign, digits, fraction, exponent.
    const QString t = text.trimmed();
    int i = 0;
    bool neg = false;
    if (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))
        neg = t[i++] == QLatin1Char('-');
    QString digits;
    int pointAt = -1;
    for (; i < t.size() && t[i] != QLatin1Char('e') && t[i] != QLatin1Char('E'); ++i) {
        if (t[i] == QLatin1Char('.'))
            pointAt = digits.size();
        else
            digits += t[i];
    }
    if (pointAt < 0)
        pointAt = digits.size();
    if (i < t.size()) {
        bool ok = false;
        const int e = t.mid(i + 1).toInt(&ok);
        if (!ok || e > 64 || e < -64)
            throw AppError(err::Overflow, QStringLiteral("Overflow"));
        pointAt += e;
    }
    // Integer digits of value x 10^4, then the next digit and whether any
    // non-zero digit follows, for halves to even.
    const int cut = pointAt + 4;
    std::uint64_t raw = 0;
    int next = 0;
    bool rest = false;
    constexpr std::uint64_t kMaxRaw = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    for (int k = 0; k <= cut; ++k) {
        const int d = (k >= 0 && k < digits.size()) ? digits[k].unicode() - '0' : 0;
        if (k < cut) {
            if (raw > (kMaxRaw - d) / 10)
                throw AppError(err::Overflow, QStringLiteral("Overflow"));
            raw = raw * 10 + d;
        } else if (k == cut) {
            next = d;
        }
    }
    for (int k = std::max(cut + 1, 0); k < digits.size(); ++k)
        rest = rest || digits[k] != QLatin1Char('0');
    if (next > 5 || (next == 5 && (rest || (raw & 1))))
        ++raw;
    if (raw > kMaxRaw || static_cast<double>(raw) / 10000.0 > kMaxMoney)
        throw AppError(err::Overflow, QStringLiteral("Overflow"));
    const auto r = static_cast<std::int64_t>(raw);
    return fromRaw(neg ? -r : r);
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

namespace {
// "#######.00" / "#0.00" text of a count of cents.
QString centsText(std::int64_t cents, bool digitBeforePoint)
{
    const bool neg = cents < 0;
    const std::uint64_t a = neg ? static_cast<std::uint64_t>(-cents) : static_cast<std::uint64_t>(cents);
    const std::uint64_t whole = a / 100;
    QString s = (whole != 0 || digitBeforePoint) ? QString::number(whole) : QString();
    s += QLatin1Char('.') + QString::number(a % 100).rightJustified(2, QLatin1Char('0'));
    return (neg && a != 0) ? QLatin1Char('-') + s : s;
}

// Cents of a money amount, halves away from zero.
std::int64_t centsAwayFromZero(Money m)
{
    const std::int64_t r = m.raw();
    const std::int64_t q = r / 100, rem = r % 100;
    if (rem >= 50)
        return q + 1;
    if (rem <= -50)
        return q - 1;
    return q;
}
}  // namespace

QString formatAmount(double v)
{
    if (!std::isfinite(v))
        throw AppError(err::BadValue, QStringLiteral("A money amount is not a finite number."));
    // 15 significant digits as an exact decimal text, then cents.
    const QString fifteen = QString::number(v, 'g', 15);
    return formatAmount(Money::fromText(fifteen.contains(QLatin1Char('e')) ? QString::number(v, 'f', 6) : fifteen));
}

QString formatAmount(Money m)
{
    // Four decimals give the cents exactly; halves go away from zero.
    return centsText(centsAwayFromZero(m), false);
}

QString formatPrice(Money m) { return centsText(centsAwayFromZero(m), true); }

Money roundCentsHalfEven(Money m)
{
    const std::int64_t r = m.raw();
    std::int64_t q = r / 100, rem = r % 100;
    if (rem > 50 || (rem == 50 && (q & 1)))
        ++q;
    else if (rem < -50 || (rem == -50 && (q & 1)))
        --q;
    return Money::fromRaw(q * 100);
}

}  // namespace dv
