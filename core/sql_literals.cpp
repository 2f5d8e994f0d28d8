#include "core/sql_literals.h"
#include "core/app_state.h"
#include "platform/app_error.h"
#include "platform/numbers.h"

#include <QRegularExpression>
#include <cmath>

namespace dv {

bool looksLikeDate(const QString& text)
{
    static const QRegularExpression re(QStringLiteral(
        R"(^\s*(\d{1,4}[/\-.]\d{1,2}([/\-.]\d{1,4})?|\d{1,2}:\d{2}(:\d{2})?(\s*[AaPp][Mm])?)\s*$)"));
    // "3.5" is a number, not a date: a single "." with two parts is left to
    // the number test.
    static const QRegularExpression decimal(QStringLiteral(R"(^\s*\d+\.\d+\s*$)"));
    return re.match(text).hasMatch() && !decimal.match(text).hasMatch();
}

QString LeftWhole(const QString& text, int count)
{
    if (count <= 0)
        return QString();
    if (text.size() <= count)
        return text;
    return text.left(text.at(count - 1).isHighSurrogate() ? count - 1 : count);
}

QString SQLValue(QString& text, std::int16_t quoteNumbers)
{
    // At most 255 characters, never half of one: a character outside the
    // basic plane takes two code units, and both stay or both go.
    if (text.size() > 255)
        text = LeftWhole(text, 255);
    if (text.contains(QLatin1Char('\'')))
        text.replace(QLatin1Char('\''), QLatin1Char('`'));
    if (text.isEmpty())
        return QStringLiteral("Null");
    // SQLite has no date literal, so a date-like text is stored as the text
    // the user typed, quoted like any other.
    if (!looksLikeDate(text)) {
        // Only a number in plain "." notation may go in bare; anything the
        // parser would read otherwise (a decimal comma, "1,000") is quoted so
        // it can never split into two values.
        double d = 0;
        if (quoteNumbers == 0 && parseStrictNumber(text, &d))
            return text;
    }
    return QLatin1Char('\'') + text.trimmed() + QLatin1Char('\'');
}

QString RestoreQuotes(const QString& text)
{
    if (!text.contains(QLatin1Char('`')))
        return text;
    QString r = text;
    r.replace(QLatin1Char('`'), QLatin1Char('\''));
    return r;
}

std::int16_t CenterLabelLeft(std::int16_t anchorLeft, std::int16_t /*anchorTop*/, std::int16_t labelWidth)
{
    const double half = std::nearbyint(static_cast<double>(labelWidth) / 2.0);
    return toInt16(static_cast<double>(anchorLeft) - half);
}

QString ValueAfterColon(const QString& line)
{
    const int i = line.indexOf(QLatin1Char(':'));
    if (i < 0)
        return QString();
    return line.mid(i + 2);
}

}  // namespace dv
