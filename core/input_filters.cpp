#include "core/input_filters.h"

#include "core/translator.h"
#include "platform/app_error.h"
#include "platform/numbers.h"

#include <cmath>

namespace dv {


namespace {

constexpr double kLengthCapFeet = 300;
constexpr double kMaxRoofSlope = 12;

bool isDigitKey(int keyCode) { return keyCode >= '0' && keyCode <= '9'; }

bool numericKeyKept(int keyCode) { return keyCode == 8 || keyCode == '.' || isDigitKey(keyCode); }

// 1-based position of c in text, 0 when absent.
int positionOf(const QString& text, QChar c) { return static_cast<int>(text.indexOf(c)) + 1; }

}  // namespace

int FilterLengthKey(int keyCode)
{
    switch (keyCode) {
    case 8:    // Backspace
    case ' ':
    case '"':  // inch mark
    case '\'':  // foot mark
    case '.':
    case '/':
        return keyCode;
    default:
        return isDigitKey(keyCode) ? keyCode : 0;
    }
}

bool IsTypedNumberText(const QString& text)
{
    int digits = 0;
    for (const QChar c : text) {
        if (isDigitKey(c.unicode()))
            ++digits;
        else if (c != QLatin1Char('.'))
            return false;
    }
    return digits > 0 && text.count(QLatin1Char('.')) <= 1;
}

void FilterNumericKey(int& keyCode)
{
    if (!numericKeyKept(keyCode))
        keyCode = 0;
}

QString LimitLengthText(const QString& typed)
{
    // Spaces before the number do not change what is read, so they do not
    // hide the number from the cap either; they are given back as typed.
    int lead = 0;
    while (lead < typed.size() && typed[lead] == QLatin1Char(' '))
        ++lead;
    if (lead > 0)
        return typed.left(lead) + LimitLengthText(typed.mid(lead));
    const QString& text = typed;
    // A comma and a point together give no one length: left for the
    // translator to refuse.
    if (text.isEmpty() || (text.contains(QLatin1Char(',')) && text.contains(QLatin1Char('.'))))
        return text;
    // The cap measures the first number the way the translator will read
    // it. Text the translator cannot read is left for it to report.
    LengthUnit unit = LengthUnit::Feet;
    try {
        unit = LeadingNumberUnit(text);
    } catch (const AppError&) {
        return text;
    }
    if (unit == LengthUnit::Metric) {
        // A metric length beyond the cap becomes 300 feet.
        try {
            return ConvertInputToInches(text) / 12 > kLengthCapFeet ? QStringLiteral("300'") : text;
        } catch (const AppError&) {
            return text;
        }
    }

    const QChar inchMark(QLatin1Char('"'));
    int m = 0;
    for (QChar marker : {QChar(QLatin1Char(' ')), inchMark, QChar(QLatin1Char('\'')), QChar(QLatin1Char('/')),
                         QChar(QLatin1Char('.'))}) {
        const int p = positionOf(text, marker);
        if (p > 0 && (m == 0 || p < m))
            m = p;
    }
    // The leading number as the translator reads a bare number ("," is a
    // decimal point to it); a leading part that is no number is left for
    // the translator to read or refuse.
    const QString before = m == 0 ? text : text.left(m - 1);
    if (before.trimmed().isEmpty())
        return text;
    double leading = 0;
    try {
        leading = ConvertInputToInches(before) / 12;
    } catch (const AppError& e) {
        if (e.number() != err::InvalidInputFormat)
            throw;
        return text;
    }
    if (m == 0)
        return leading > kLengthCapFeet ? QStringLiteral("300") : text;
    if (text[m - 1] == inchMark) {
        // An inch count: 300 feet at most.
        if (leading / 12 > kLengthCapFeet)
            return QStringLiteral("300'") + text.mid(m);
        return text;
    }
    const QString rest = text.mid(m - 1);
    // A text in inches alone ("400 1/2\"", "3700.5\"") has its leading
    // number in inches; "400 6\"" is read as feet and inches.
    if (unit == LengthUnit::Inches) {
        if (leading / 12 > kLengthCapFeet)
            return QStringLiteral("3600") + rest;
        return text;
    }
    if (leading > kLengthCapFeet)
        return QStringLiteral("300") + rest;
    return text;
}

QString SetRoofSlopeText(const QString& rise) { return rise + QStringLiteral("/12"); }

double ReadLengthText(const QString& text) { return ReadTypedLength(LimitLengthText(text)); }

bool ReadTypedNumber(const QString& text, double* value)
{
    *value = 0;
    double v = 0;
    if (!IsTypedNumberText(text) || !parseStrictNumber(text, &v))
        return false;
    *value = v;
    return true;
}

bool IsRoofSlope(double rise) { return rise > 0 && rise <= kMaxRoofSlope; }

bool IsStoredRoofSlope(double rise) { return rise == 0 || IsRoofSlope(rise); }

bool IsCornerCount(double count) { return count >= 0 && count == std::floor(count) && std::isfinite(count); }

}  // namespace dv
