#include "core/input_filters.h"

#include "core/locale_number.h"

namespace dv {


namespace {

constexpr double kLengthCapFeet = 300;

bool isDigitKey(int keyCode) { return keyCode >= '0' && keyCode <= '9'; }

// The characters of a pasted text that `keep` would let through as keys.
// Backspace is a key, not a character of the text, so it is never kept.
template <typename Keep>
QString filterText(const QString& text, Keep keep)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (c.unicode() != 8 && keep(static_cast<int>(c.unicode())))
            out += c;
    return out;
}

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

void FilterNumericKey(int& keyCode)
{
    if (!numericKeyKept(keyCode))
        keyCode = 0;
}

QString FilterPastedLengthText(const QString& text)
{
    return filterText(text, [](int code) { return FilterLengthKey(code) != 0; });
}

QString FilterPastedNumericText(const QString& text) { return filterText(text, numericKeyKept); }

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
    const QChar inchMark(QLatin1Char('"'));
    int m = 0;
    for (QChar marker : {QChar(QLatin1Char(' ')), inchMark, QChar(QLatin1Char('\'')), QChar(QLatin1Char('/')),
                         QChar(QLatin1Char('.'))}) {
        const int p = positionOf(text, marker);
        if (p > 0 && (m == 0 || p < m))
            m = p;
    }
    if (m == 0) {
        if (text.isEmpty())
            return text;
        if (LocaleNumberValue(text) > kLengthCapFeet)
            return QStringLiteral("300");
        return text;
    }

    const QString before = text.left(m - 1);
    // Nothing to cap when no number stands before the first marker (".5",
    // "\"6"): the translator reads the text as it is.
    if (before.trimmed().isEmpty())
        return text;
    const double leading = LocaleNumberValue(before);
    if (text[m - 1] == inchMark) {
        // An inch count: 300 feet at most.
        if (leading / 12 > kLengthCapFeet)
            return QStringLiteral("300'") + text.mid(m);
        return text;
    }
    const QString rest = text.mid(m - 1);
    // A text in inches alone ("400 1/2\"", "3700.5\"") has its leading
    // number in inches as well, so it is measured as inches.
    if (text.contains(inchMark) && !text.contains(QLatin1Char('\''))) {
        if (leading / 12 > kLengthCapFeet)
            return QStringLiteral("3600") + rest;
        return text;
    }
    if (leading > kLengthCapFeet)
        return QStringLiteral("300") + rest;
    return text;
}

QString SetRoofSlopeText(const QString& rise) { return rise + QStringLiteral("/12"); }

}  // namespace dv
