#pragma once
// What the number boxes of the profile windows accept: digits with at most
// one "." as the point and at least one digit, and a value the field it is
// stored in can hold. Nothing else may reach a price, cost, rate or load.
#include <QString>

namespace dv {

enum class NumberField {
    Load,    // a load (double)
    Amount,  // money: four decimals within the money range
    Hours,   // a labour time kept as text; may be empty (no time)
};

// True when text may be stored in a field of that kind.
bool acceptsNumberText(const QString& text, NumberField field);

// "Please check your '<label>' input for proper formatting.  You must
// format your input as a number."
QString numberFormatMessage(const QString& label);

// The title of those messages.
QString numberFormatTitle();

// A name in the form it is stored in: cut to 255 characters, apostrophes as
// back-quotes, surrounding blanks removed.
QString storedName(const QString& typed);

}  // namespace dv
