#include "platform/numbers.h"
#include "platform/app_error.h"

#include <cmath>
#include <QLocale>
#include <limits>

namespace dv {

QString sqlNumber(double v)
{
    if (!std::isfinite(v))
        throw AppError(err::BadValue, QStringLiteral("A calculated value is not a finite number and cannot be stored."));
    if (v == 0.0)
        return QStringLiteral("0");
    // 15 significant digits, no trailing zeros, "." as the point whatever
    // the user's locale.
    QString s = QString::number(v, 'g', 15);
    return s;
}

QString sqlNumber(long long v) { return QString::number(v); }

double roundHalfEven(double v)
{
    return std::nearbyint(v);  // default rounding mode: to nearest, ties to even
}

double raiseToWhole(double v) { return std::nearbyint(v + 0.5); }

std::int16_t toInt16(double v)
{
    double r = std::nearbyint(v);
    if (!std::isfinite(r) || r < -32768.0 || r > 32767.0)
        throw AppError(err::Overflow, QStringLiteral("Overflow"));
    return static_cast<std::int16_t>(r);
}

std::int32_t toInt32(double v)
{
    double r = std::nearbyint(v);
    if (!std::isfinite(r) || r < -2147483648.0 || r > 2147483647.0)
        throw AppError(err::Overflow, QStringLiteral("Overflow"));
    return static_cast<std::int32_t>(r);
}

double checkedFinite(double v, const char* what)
{
    if (!std::isfinite(v))
        throw AppError(err::BadValue,
                       QStringLiteral("The value of %1 is not a finite number.").arg(QString::fromUtf8(what)));
    return v;
}

double safeDivide(double num, double den, const char* what)
{
    if (den == 0.0 || !std::isfinite(num) || !std::isfinite(den))
        throw AppError(err::BadValue,
                       QStringLiteral("Division by zero while computing %1.").arg(QString::fromUtf8(what)));
    return checkedFinite(num / den, what);
}

bool parseStrictNumber(const QString& text, double* out)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 64)
        return false;
    int i = 0;
    const int n = t.size();
    if (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))
        ++i;
    int digits = 0;
    while (i < n && t[i].isDigit() && t[i].unicode() < 128) { ++i; ++digits; }
    if (i < n && t[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && t[i].unicode() < 128 && t[i].isDigit()) { ++i; ++digits; }
    }
    if (digits == 0)
        return false;
    if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            ++i;
        int ed = 0;
        while (i < n && t[i].unicode() < 128 && t[i].isDigit()) { ++i; ++ed; }
        if (ed == 0)
            return false;
    }
    if (i != n)
        return false;
    // Read in C notation whatever LC_NUMERIC says: the text was checked above
    // to be "."-notation, and QLocale::c() never follows the environment.
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return false;
    if (out)
        *out = v;
    return true;
}

}  // namespace dv
