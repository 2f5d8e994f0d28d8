#include "core/translator.h"

#include "core/locale_number.h"
#include "platform/app_error.h"
#include "platform/numbers.h"

#include <QLocale>
#include <locale.h>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <string>

namespace dv {


namespace {

const QChar kFootMark(QLatin1Char('\''));
const QChar kInchMark(QLatin1Char('"'));
const QChar kSpace(QLatin1Char(' '));
constexpr long kDivisionByZero = 11;

[[noreturn]] void raiseInvalidArgument()
{
    throw AppError(err::InvalidProcedureCall, QStringLiteral("Invalid procedure call or argument"));
}
[[noreturn]] void raiseOverflow() { throw AppError(err::Overflow, QStringLiteral("Overflow")); }

// Text positions below count from 1, 0 meaning "not found", because the
// reading rules are stated in terms of marks and the characters around them.
int findFrom(const QString& s, QChar c, int start = 1)
{
    const int k = s.indexOf(c, start < 1 ? 0 : start - 1);
    return k < 0 ? 0 : k + 1;
}
// `count` characters from position `start`; a negative count means the
// marks of the text stand in an order no length is written in.
QString midText(const QString& s, int start, int count)
{
    if (count < 0 || start < 1)
        raiseInvalidArgument();
    return s.mid(start - 1, count);
}
QString midText(const QString& s, int start)
{
    if (start < 1)
        raiseInvalidArgument();
    return s.mid(start - 1);
}
QString leftText(const QString& s, int count)
{
    if (count < 0)
        raiseInvalidArgument();
    return s.left(count);
}

// Leading and trailing spaces removed (spaces only: a tab is not a blank of
// a length text).
QString trimSpaces(const QString& s)
{
    int b = 0;
    int e = s.size();
    while (b < e && s[b] == kSpace)
        ++b;
    while (e > b && s[e - 1] == kSpace)
        --e;
    return s.mid(b, e - b);
}

double val(const QString& s) { return LeadingNumber(s); }

// Whole numbers of the reading rules: rounded ones with halves to even,
// truncated ones toward zero; both refuse what a 32-bit integer cannot
// hold.
std::int32_t truncToLong(double v)
{
    const double t = std::trunc(v);
    if (!std::isfinite(t) || t < -2147483648.0 || t > 2147483647.0)
        raiseOverflow();
    return static_cast<std::int32_t>(t);
}
float toSingle(double v)
{
    if (!std::isfinite(v) || std::fabs(v) > FLT_MAX)
        raiseOverflow();
    return static_cast<float>(v);
}

int mapInputClass(int inputType)
{
    switch (inputType) {
    case 3:
        return 3;
    case 4:
    case 9:
        return 4;
    case 6:
    case 8:
    case 999:
        return 6;
    default:
        return 5;
    }
}

// A number with "." and up to 14 decimals, no grouping, trailing zeros and
// a leading zero dropped (1.5E-05 -> ".000015", 100 -> "100.").
QString pointFormat(double v)
{
    QString s = QString::number(v, 'f', 14);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.startsWith(QLatin1String("0.")))
        s.remove(0, 1);
    else if (s.startsWith(QLatin1String("-0.")))
        s.remove(1, 1);
    return s;
}

// Decimal commas, and the user's own separator where it is neither "," nor
// ".", written as "." so that numbers read the same in every locale.
QString withPoint(const QString& t)
{
    QString s = CommaToPoint(t);
    const QString sep = GetDecimalSeparator();
    if (!sep.isEmpty() && sep != QLatin1String(".") && sep != QLatin1String(","))
        s.replace(sep, QLatin1String("."));
    return s;
}

bool holdsInvalidCharacter(const QString& t)
{
    static const QString invalid = QStringLiteral("ABCDEGHJLOPQRSUVWXYZ`~!@#$%&_|\\{};:<>?");
    for (QChar c : t)
        if (invalid.contains(c))
            return true;
    return false;
}

// Every space directly before `mark` removed.
QString dropSpacesBefore(const QString& t, QChar mark)
{
    QString out;
    out.reserve(t.size());
    for (QChar c : t) {
        if (c == mark)
            while (out.endsWith(kSpace))
                out.chop(1);
        out += c;
    }
    return out;
}

// A space typed between a number and its foot mark ("12  '6", or a pasted
// "5 'm") would otherwise cost the number before the mark; the mark is
// joined to its number instead.
QString joinFootMarks(const QString& t)
{
    if (!t.contains(QLatin1String(" '")))
        return t;
    return dropSpacesBefore(t, kFootMark);
}

// Every space directly after "/" removed.
QString dropSpacesAfterSlash(const QString& t)
{
    QString out;
    out.reserve(t.size());
    bool afterSlash = false;
    for (QChar c : t) {
        if (afterSlash && c == kSpace)
            continue;
        afterSlash = c == QLatin1Char('/');
        out += c;
    }
    return out;
}

int detectForm(const QString& t)
{
    const bool space = t.contains(kSpace);
    const bool foot = t.contains(kFootMark);
    const bool inch = t.contains(kInchMark);
    const bool point = t.contains(QLatin1Char('.'));
    if (t.contains(QLatin1String("KM")))
        return 9;
    if (t.contains(QLatin1String("MM")))
        return 3;
    if (t.contains(QLatin1Char('M')))
        return 4;
    if (t.contains(QLatin1Char('/')))
        return 0;
    if (point && (space || foot))
        return 1;
    if (foot && t.indexOf(kFootMark) != t.size() - 1)
        return 2;
    if (space && !inch && !point)
        return 2;
    if (t.contains(QLatin1String("IN")) || (inch && point && !foot))
        return 8;
    if (t.contains(QLatin1String("FT")) || foot)
        return 2;
    if (point)
        return 10;
    if (space)
        return 2;
    if (t.contains(QLatin1Char('-')))
        return 10;
    if (inch)
        return 8;
    return 10;
}

// Feet, inches and a fraction such as 12'6 1/2" or 6 1/2 (a fraction
// without any mark is a part of a foot).
double readFraction(const QString& t)
{
    const int s = findFrom(t, QLatin1Char('/'));
    int j = 0;
    for (int k = s - 1; k >= 1; --k) {
        if (t[k - 1] == kSpace || t[k - 1] == kFootMark) {
            j = k;
            break;
        }
    }
    const bool inchMarked = findFrom(t, kInchMark, s) > 0;
    const std::int16_t numerator = toInt16(val(midText(t, j + 1, s - 1 - j)));
    const std::int16_t denominator = toInt16(val(midText(t, s + 1, 2)));
    if (denominator == 0)
        throw AppError(kDivisionByZero, QStringLiteral("Division by zero"));
    const double fraction = static_cast<double>(numerator) / denominator;

    std::int32_t feet = 0;
    std::int32_t inches = 0;
    const int f = findFrom(t, kFootMark);
    const int sp = findFrom(t, kSpace);
    if (sp > 0) {
        if (f > 0) {
            inches = toInt32(val(midText(t, f + 1, sp - f)));
            feet = toInt32(val(leftText(t, f)));
        } else {
            const std::int32_t n = toInt32(val(leftText(t, sp)));
            (inchMarked ? inches : feet) = n;
        }
    } else if (f > 0) {
        feet = toInt32(val(leftText(t, f)));
    }
    if (inchMarked || f > 0)
        return 12.0 * feet + inches + fraction;
    return 12.0 * feet + inches + fraction * 12.0;
}

// Decimal feet (12.5') or feet and decimal inches (12'6.5", 12 6.5).
double readDecimalWithMarks(const QString& t, double leading)
{
    const int p = findFrom(t, kFootMark);
    const int d = findFrom(t, QLatin1Char('.'));
    if (d == 0 || d < p)
        return leading * 12.0;
    const int s = p > 0 ? p : findFrom(t, kSpace);
    const std::int32_t feet = toInt32(val(leftText(t, s)));
    QString u = t;
    if (u.endsWith(kInchMark))
        u.chop(1);
    return 12.0 * feet + val(midText(u, s + 1));
}

// Feet, inches and sixteenths of an inch, reduced ("12' 6 1/2\"").
QString renderFeetInches(double length)
{
    std::int32_t feet = truncToLong(length / 12.0);
    std::int32_t inches = truncToLong(length - 12.0 * feet);
    std::int32_t sixteenths = toInt16((length - 12.0 * feet - inches) * 16.0);
    if (IsWithinTolerance(sixteenths, 16, 0.01f)) {
        inches += 1;
        sixteenths = 0;
    }
    if (IsWithinTolerance(inches, 12.0, 0.01f)) {
        if (feet == 2147483647)
            raiseOverflow();
        feet += 1;
        inches = 0;
    }
    int numerator = sixteenths;
    int denominator = 16;
    while (numerator != 0 && numerator % 2 == 0 && denominator > 2) {
        numerator /= 2;
        denominator /= 2;
    }
    const QString inchMark(kInchMark);
    const QString fraction = sixteenths != 0
                                 ? QString::number(numerator) + QLatin1Char('/') + QString::number(denominator)
                                 : QString();
    const QString f = QString::number(feet) + kFootMark;
    const QString i = QString::number(inches);
    if (!fraction.isEmpty()) {
        if (feet != 0 && inches != 0)
            return f + kSpace + i + kSpace + fraction + inchMark;
        if (feet != 0)
            return f + kSpace + fraction + inchMark;
        if (inches != 0)
            return i + kSpace + fraction + inchMark;
        return fraction + inchMark;
    }
    if (feet != 0 && inches != 0)
        return f + kSpace + i + inchMark;
    if (feet != 0)
        return f;
    return (inches != 0 ? i : QString()) + inchMark;
}

// Decimal inches in a "#0.00"-style format: at least one digit before the
// separator, as many decimals as the format has "0"s after its point.
QString renderDecimalInches(double length, const QString& format)
{
    const QString f = format.isEmpty() ? QStringLiteral("#0.000") : format;
    const int point = f.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : static_cast<int>(f.size() - point - 1);
    QString s = QString::number(length, 'f', decimals);
    const QString sep = GetDecimalSeparator();
    if (!sep.isEmpty())
        s.replace(QLatin1Char('.'), sep);
    return s + kInchMark;
}

// A double in its default text form: 15 significant digits,
// the user's decimal separator, exponent form for very small or large
// magnitudes ("1.5E-05").
QString defaultDoubleText(double v)
{
    // Written in C notation whatever LC_NUMERIC says, then given the
    // user's separator: the C library's own rounding of the 15th digit is
    // kept (an exact half goes to the even neighbour).
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    char buf[64];
    const locale_t previous = cLocale != locale_t(nullptr) ? uselocale(cLocale) : locale_t(nullptr);
    std::snprintf(buf, sizeof buf, "%.15G", v);
    if (previous != locale_t(nullptr))
        uselocale(previous);
    QString s = QString::fromLatin1(buf);
    const QString sep = GetDecimalSeparator();
    if (!sep.isEmpty())
        s.replace(QLatin1Char('.'), sep);
    return s;
}

}  // namespace

QString TrimAtNull(const QString& text)
{
    const int k = text.indexOf(QChar(0));
    return k < 0 ? QString() : text.left(k);
}

QString GetDecimalSeparator()
{
    // The separator is handed over in a 100-character buffer of which at
    // most 99 are filled, the rest NULs.
    QString buffer = QLocale().decimalPoint().left(99);
    buffer += QString(100 - buffer.size(), QChar(0));
    return TrimAtNull(buffer);
}

QString CommaToPoint(const QString& text)
{
    QString s = text;
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    return s;
}

QString NormalizeSpaces(const QString& text)
{
    const QString sep = GetDecimalSeparator();
    const QChar sep0 = sep.isEmpty() ? QChar() : sep[0];
    QString out;
    out.reserve(text.size());
    bool suppress = false;
    int spaces = 0;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != kSpace) {
            out += c;
            if (c == QLatin1Char('/'))
                suppress = true;
            spaces = 0;
            continue;
        }
        const QChar next = i + 1 < n ? text[i + 1] : QChar();
        if (i + 1 < n && (next == kFootMark || next == kInchMark || (!sep.isEmpty() && next == sep0)))
            suppress = true;
        ++spaces;
        if (spaces == 1 && !suppress && next != QLatin1Char('/'))
            out += kSpace;
        suppress = false;
    }
    return out;
}

double LeadingNumber(const QString& text)
{
    const int n = text.size();
    int i = 0;
    auto skipBlanks = [&] {
        while (i < n && (text[i] == kSpace || text[i] == QLatin1Char('\t') || text[i] == QLatin1Char('\n')))
            ++i;
    };
    auto isDigit = [&](int k) { return k < n && text[k].unicode() >= '0' && text[k].unicode() <= '9'; };

    std::string buf;
    skipBlanks();
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        if (text[i] == QLatin1Char('-'))
            buf += '-';
        ++i;
    }
    int digits = 0;
    bool point = false;
    for (;;) {
        skipBlanks();
        if (isDigit(i)) {
            buf += static_cast<char>(text[i].unicode());
            ++digits;
            ++i;
        } else if (!point && i < n && text[i] == QLatin1Char('.')) {
            buf += '.';
            point = true;
            ++i;
        } else {
            break;
        }
    }
    if (digits == 0)
        return 0;
    if (i < n) {
        const char16_t e = text[i].toUpper().unicode();
        if (e == u'E' || e == u'D') {
            int k = i + 1;
            std::string exponent = "e";
            auto skipAt = [&] {
                while (k < n && (text[k] == kSpace || text[k] == QLatin1Char('\t') || text[k] == QLatin1Char('\n')))
                    ++k;
            };
            skipAt();
            if (k < n && (text[k] == QLatin1Char('+') || text[k] == QLatin1Char('-'))) {
                exponent += static_cast<char>(text[k].unicode());
                ++k;
            }
            int expDigits = 0;
            for (;;) {
                skipAt();
                if (!isDigit(k))
                    break;
                exponent += static_cast<char>(text[k].unicode());
                ++expDigits;
                ++k;
            }
            if (expDigits > 0)
                buf += exponent;
        }
    }
    const double v = CNotationNumber(buf.c_str());
    if (!std::isfinite(v))
        raiseOverflow();
    return v;
}

bool IsNumericText(const QString& text) { return ParseLocaleNumber(text, nullptr) != LocaleNumber::NotANumber; }

bool IsWithinTolerance(double a, double b, float tol) { return a - tol < b && b < a + tol; }

double dFtInSxValue(const QString& text, int unitClass)
{
    QString t = trimSpaces(text).toUpper();
    if (t.startsWith(QLatin1Char('[')))
        t.remove(0, 1);
    if (t.endsWith(QLatin1Char(']')))
        t.chop(1);
    bool negative = false;
    if (t.startsWith(QLatin1Char('-'))) {
        negative = true;
        t = trimSpaces(t.mid(1));
    }

    float feet = 0;
    float inches = 0;
    float sixteenths = 0;
    int p = findFrom(t, kFootMark);
    if (p == 0)
        p = findFrom(t, kSpace);
    if (p == 0) {
        if (t.contains(QLatin1String("FT")))
            feet = toSingle(val(t));
        else if (t.contains(kInchMark) || t.contains(QLatin1String("IN")))
            inches = toSingle(val(t));
        else if (unitClass == 5)
            feet = toSingle(val(t));
        else
            inches = toSingle(val(t));
    } else {
        feet = toSingle(val(leftText(t, p)));
        int q = findFrom(t, kInchMark);
        if (q == 0)
            q = findFrom(t, kSpace, p + 1);
        if (q > 0) {
            QString m = trimSpaces(midText(t, p, q - p));
            if (m.startsWith(kFootMark))
                m = trimSpaces(m.mid(1));
            const int sp = m.indexOf(kSpace);
            if (sp >= 0) {
                inches = toSingle(val(m.left(sp)));
                m = trimSpaces(m.mid(sp + 1));
            }
            inches = toSingle(val(m));
            sixteenths = toSingle(val(midText(t, q + 1)));
        } else {
            const QString r = midText(t, p + 1);
            if (r != QString(kInchMark) || t.contains(kFootMark)) {
                inches = toSingle(val(r));
            } else {
                inches = feet;
                feet = 0;
            }
        }
    }
    const double result = 12.0 * static_cast<double>(feet) + static_cast<double>(inches) +
                          static_cast<double>(sixteenths) / 16.0;
    return negative ? -result : result;
}

// The worker's clean-up of a capital text: a leading "-" taken off (it
// makes the length negative), each mark joined to its number, brackets
// around the text dropped.
static QString takeSignAndCleanMarks(QString t, bool* negative)
{
    *negative = false;
    if (t.startsWith(QLatin1Char('-')) && !t.contains(QLatin1Char('='))) {
        *negative = true;
        t = trimSpaces(t.mid(1));
    }
    t = joinFootMarks(t);
    const int footSpace = t.indexOf(QLatin1String("' "));
    if (footSpace >= 0)
        t.remove(footSpace + 1, 1);
    t = dropSpacesBefore(t, kInchMark);
    if (t.startsWith(QLatin1Char('[')))
        t.remove(0, 1);
    if (t.endsWith(QLatin1Char(']')))
        t.chop(1);
    return dropSpacesAfterSlash(t);
}

// The text ConvertInputToInches hands to the worker, with the class in
// which the worker reads a bare number: millimetres or metres when the text
// names them, feet otherwise. Text that is no length raises
// InvalidInputFormat.
static QString acceptedLengthText(const QString& text, int* inputClass)
{
    QString typed = text.isEmpty() ? QStringLiteral("0") : text;
    const QString sep = GetDecimalSeparator();
    if (!sep.isEmpty() && sep != QLatin1String("."))
        typed.replace(QLatin1Char('.'), sep[0]);

    QString w = NormalizeSpaces(trimSpaces(typed));
    const bool millimetres = w.contains(QLatin1String("mm"), Qt::CaseInsensitive);
    const bool metres = !millimetres && w.contains(QLatin1Char('m'), Qt::CaseInsensitive);
    if (w.contains(QLatin1Char('/'))) {
        // a fraction text
    } else if (millimetres || metres) {
        w = trimSpaces(typed);
    } else if (!w.contains(kInchMark) && !w.contains(kFootMark) && !w.contains(kSpace) && !IsNumericText(w)) {
        throw AppError(err::InvalidInputFormat, QStringLiteral("Invalid Input string format."));
    }
    *inputClass = millimetres ? 3 : metres ? 4 : 5;
    return w;
}

// Millimetres (3), metres (4) or kilometres (9) in inches.
static double metricToInches(int unit, double n)
{
    switch (unit) {
    case 3:
        return n / 25.4;
    case 4:
        return n * 1000.0 / 25.4;
    default:
        return n * 1000.0 * 1000.0 / 25.4;
    }
}

QString FormattedOutput(const QString& input, int inputType, int outputType, double& value,
                        const QString& format, int /*unmarkedAsInches*/)
{
    const int inputClass = mapInputClass(inputType);
    QString t = input;
    // Exponent notation is written out first so that its letter is not
    // taken for a unit. The number may carry the user's decimal separator.
    if (t.contains(QLatin1Char('E')))
        t = pointFormat(LeadingNumber(withPoint(t)));

    t = trimSpaces(withPoint(t)).toUpper();
    value = 0;
    if (t.isEmpty())
        return QString();
    if (!IsNumericText(t) && holdsInvalidCharacter(t)) {
        value = 0;
        return QStringLiteral("INVALID");
    }

    bool negative = false;
    t = takeSignAndCleanMarks(t, &negative);

    const int form = detectForm(t);
    const double leading = val(t);
    double length = 0;
    switch (form) {
    case 10:
        // A bare number: its meaning is the input class's.
        if (inputClass == 3 || inputClass == 4)
            length = metricToInches(inputClass, leading);
        else if (inputClass == 5)
            length = leading * 12.0;
        else
            length = leading;
        break;
    case 3:
    case 4:
    case 9:
        length = metricToInches(form, leading);
        break;
    case 8:
        length = leading;
        break;
    case 0:
        length = readFraction(t);
        break;
    case 2:
        if (t.contains(kInchMark) && !t.contains(kSpace) && !t.contains(kFootMark))
            length = leading;
        else
            length = dFtInSxValue(t, inputClass == 5 ? 5 : 6);
        break;
    default:  // 1
        length = readDecimalWithMarks(t, leading);
        break;
    }
    if (!std::isfinite(length))
        raiseOverflow();

    QString rendered;
    if (outputType == 0)
        rendered = length == 0 ? QStringLiteral("0") : renderFeetInches(length);
    else if (outputType == 6)
        rendered = renderDecimalInches(length, format);
    else
        raiseInvalidArgument();

    QString result;
    if (length > 0 && negative) {
        value = -length;
        result = QLatin1Char('-') + trimSpaces(rendered);
    } else {
        value = length;
        result = trimSpaces(rendered);
    }
    if (LeadingNumber(withPoint(rendered)) == 0) {
        result = QStringLiteral("0");
        value = 0;
    }
    return result;
}

double ConvertInputToInches(const QString& text, int /*sizeClass*/)
{
    int inputClass = 5;
    const QString w = acceptedLengthText(text, &inputClass);
    double value = 0;
    FormattedOutput(w, inputClass, 6, value, QStringLiteral("#0.00"));
    return value;
}

double ReadTypedLength(const QString& text)
{
    // A comma is a decimal point to the translator, so a text that holds
    // both (a thousands separator, "1,000.5") has no one reading.
    if (text.contains(QLatin1Char(',')) && text.contains(QLatin1Char('.')))
        throw AppError(err::InvalidInputFormat, QStringLiteral("Invalid Input string format."));
    int inputClass = 5;
    const QString w = acceptedLengthText(text, &inputClass);
    double value = 0;
    // A box holds a length, never less than none: a pasted sign is refused.
    if (FormattedOutput(w, inputClass, 6, value, QStringLiteral("#0.00")) == QLatin1String("INVALID") || value < 0)
        throw AppError(err::InvalidInputFormat, QStringLiteral("Invalid Input string format."));
    return value;
}

LengthUnit LeadingNumberUnit(const QString& text)
{
    int inputClass = 5;
    QString t = acceptedLengthText(text, &inputClass);
    if (inputClass != 5)
        return LengthUnit::Metric;
    // A number in exponent notation is read whole, as feet.
    if (t.contains(QLatin1Char('E')))
        return LengthUnit::Feet;
    bool negative = false;
    t = takeSignAndCleanMarks(trimSpaces(withPoint(t)).toUpper(), &negative);
    const bool foot = t.contains(kFootMark);
    const bool inch = t.contains(kInchMark);
    const bool space = t.contains(kSpace);
    switch (detectForm(t)) {
    case 8:
        return LengthUnit::Inches;
    case 0:
        // Without a foot mark, an inch mark after the "/" makes the number
        // before the first space inches (400 1/2 and an inch mark), or the
        // numerator a part of an inch.
        return !foot && findFrom(t, kInchMark, findFrom(t, QLatin1Char('/'))) > 0 ? LengthUnit::Inches
                                                                                 : LengthUnit::Feet;
    case 2:
        // A number with an inch mark alone is inches; the feet-inches-
        // sixteenths reader takes a first number followed by a space or a
        // foot mark as feet (400 6, or 301 6 8, and an inch mark).
        return inch && !space && !foot ? LengthUnit::Inches : LengthUnit::Feet;
    default:
        // Decimal feet, feet and decimal inches (400 6.5 and an inch mark),
        // bare feet.
        return LengthUnit::Feet;
    }
}

QString FixTrailingDecimal(const QString& text, int wholeOnly)
{
    if (text.isEmpty())
        return QStringLiteral("0");
    const QString sep = GetDecimalSeparator();
    if (sep.isEmpty() || !text.endsWith(sep))
        return text;
    double v = 0;
    if (ParseLocaleNumber(text, &v) != LocaleNumber::Number)
        return text;
    QString s = QString::number(v, 'f', wholeOnly != 0 ? 0 : 1);
    s.replace(QLatin1Char('.'), sep);
    return s == sep ? QStringLiteral("0") : s;
}

QString FormatInchesForDisplay(double inches) { return FormatInchesForDisplay(inches, nullptr); }

QString FormatInchesForDisplay(double inches, double* keptInches)
{
    checkedFinite(inches, "a length to display");
    double v = inches;
    QString text = FormattedOutput(defaultDoubleText(inches), 6, 0, v, QStringLiteral("#########"));
    text = FixTrailingDecimal(text, 0);
    text = trimSpaces(text);
    if (keptInches)
        *keptInches = v;
    return text;
}

}  // namespace dv
