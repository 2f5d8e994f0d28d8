#include "ui/profiles/number_text.h"
#include "core/profiles.h"

#include "platform/app_error.h"
#include "platform/money.h"
#include "platform/numbers.h"

namespace dv {

namespace {

bool isNumberText(const QString& text)
{
    int points = 0;
    int digits = 0;
    for (QChar c : text) {
        if (c == QLatin1Char('.'))
            ++points;
        else if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ++digits;
        else
            return false;
    }
    return points <= 1 && digits >= 1;
}

}  // namespace

bool acceptsNumberText(const QString& text, NumberField field)
{
    if (field == NumberField::Hours && text.isEmpty())
        return true;
    double value = 0;
    if (!isNumberText(text) || !parseStrictNumber(text, &value))
        return false;
    if (field == NumberField::Amount) {
        try {
            Money::fromDouble(value);
        } catch (const AppError&) {
            return false;
        }
    }
    return true;
}

QString numberFormatMessage(const QString& label)
{
    return QStringLiteral("Please check your '") + label
           + QStringLiteral("' input for proper formatting.  You must format your input as a number.");
}

QString numberFormatTitle() { return QStringLiteral("Improper Input Format"); }

QString storedName(const QString& typed) { return StoredProfileName(typed); }

}  // namespace dv
