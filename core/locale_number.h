#pragma once
// Numbers as the user writes them: the user's decimal separator and digit
// grouping, as the length boxes and their caps read them.
#include <QString>

namespace dv {

// A number in C notation ("-12.5e3") whatever the process's C locale; an
// infinite value when it is beyond the double range.
double CNotationNumber(const char* text);

enum class LocaleNumber { NotANumber, Number, OutOfRange };

// Reads text that is a number under the user's locale: blanks around, an
// optional sign, digits (the locale's grouping allowed between them), at
// most one decimal separator, an optional exponent (E or D). OutOfRange is
// a well-formed number beyond the double range; *out is set only for Number.
LocaleNumber ParseLocaleNumber(const QString& text, double* out);

// The same, for a caller that needs the value: AppError TypeMismatch on
// text that is not a number, Overflow on one beyond the double range.
double LocaleNumberValue(const QString& text);

}  // namespace dv
