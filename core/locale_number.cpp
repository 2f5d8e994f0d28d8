#include "core/locale_number.h"

#include "core/translator.h"
#include "platform/app_error.h"

#include <QLocale>
#include <cmath>
#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace dv {

namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isAsciiDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }
bool startsAt(const QString& text, int i, const QString& what)
{
    return !what.isEmpty() && QStringView(text).mid(i).startsWith(what);
}

}  // namespace

double CNotationNumber(const char* text)
{
    // strtod follows LC_NUMERIC, which the toolkit sets from the user's
    // environment; these texts always use ".".
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return cLocale != locale_t(nullptr) ? strtod_l(text, nullptr, cLocale) : std::strtod(text, nullptr);
}

LocaleNumber ParseLocaleNumber(const QString& text, double* out)
{
    const QString point = GetDecimalSeparator();
    QString group = QLocale().groupSeparator();
    if (group == point)
        group.clear();

    int i = 0;
    int n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    while (n > i && isBlank(text[n - 1]))
        --n;
    const QString t = text.mid(i, n - i);
    n = t.size();
    i = 0;

    std::string buf;
    buf.reserve(static_cast<size_t>(n) + 2);
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
        if (t[i] == QLatin1Char('-'))
            buf += '-';
        ++i;
    }
    int digits = 0;
    while (i < n) {
        if (isAsciiDigit(t[i])) {
            buf += static_cast<char>(t[i].unicode());
            ++digits;
            ++i;
        } else if (digits > 0 && startsAt(t, i, group)) {
            i += group.size();
        } else {
            break;
        }
    }
    if (startsAt(t, i, point)) {
        buf += '.';
        i += point.size();
        while (i < n && isAsciiDigit(t[i])) {
            buf += static_cast<char>(t[i].unicode());
            ++digits;
            ++i;
        }
    }
    if (digits == 0)
        return LocaleNumber::NotANumber;
    if (i < n) {
        const char16_t e = t[i].toUpper().unicode();
        if (e != u'E' && e != u'D')
            return LocaleNumber::NotANumber;
        buf += 'e';
        ++i;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
            buf += static_cast<char>(t[i].unicode());
            ++i;
        }
        int expDigits = 0;
        while (i < n && isAsciiDigit(t[i])) {
            buf += static_cast<char>(t[i].unicode());
            ++expDigits;
            ++i;
        }
        if (expDigits == 0 || i != n)
            return LocaleNumber::NotANumber;
    }
    const double v = CNotationNumber(buf.c_str());
    if (!std::isfinite(v))
        return LocaleNumber::OutOfRange;
    if (out)
        *out = v;
    return LocaleNumber::Number;
}

double LocaleNumberValue(const QString& text)
{
    double v = 0;
    switch (ParseLocaleNumber(text, &v)) {
    case LocaleNumber::Number:
        return v;
    case LocaleNumber::OutOfRange:
        throw AppError(err::Overflow, QStringLiteral("Overflow"));
    case LocaleNumber::NotANumber:
        break;
    }
    throw AppError(err::TypeMismatch, QStringLiteral("Type mismatch"));
}

}  // namespace dv
