#include "ui/profiles/number_text.h"
#include "core/input_filters.h"
#include "core/profiles.h"

#include "platform/app_error.h"
#include "platform/money.h"

namespace dv {

bool acceptsNumberText(const QString& text, NumberField field)
{
    if (field == NumberField::Hours && text.isEmpty())
        return true;
    double value = 0;
    if (!ReadTypedNumber(text, &value))
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
