#pragma once
// The length translator: typed dimension text to decimal inches, and
// decimal inches back to feet-inches-sixteenths display text.
#include <QString>

namespace dv {

// Reads a typed length ("12' 6 1/2\"", "12 6 8", "2.5", "300mm", "") and
// returns inches. A bare number is feet. Raises AppError InvalidInputFormat
// "Invalid Input string format." on text it cannot read; a fraction over 0
// raises error 11 "Division by zero", marks in an order no length is written
// in InvalidProcedureCall, numbers too large for their parts Overflow.
double ConvertInputToInches(const QString& text, int sizeClass = 0);

// ConvertInputToInches for text typed or pasted into a length box: text
// holding a character no length is written with ("12 abc", "3 feet") is
// refused with InvalidInputFormat instead of reading as 0, and so is a
// length below zero ("-10") and a text holding both a comma and a point
// ("1,000.5").
double ReadTypedLength(const QString& text);

// What the first number of a length text counts, as ConvertInputToInches
// reads it: "400 6\"" is 400 feet and 6 inches, "400 1/2\"" and "3700.5\""
// are inches alone, "3000 mm" names its metric unit. InvalidInputFormat for
// text it cannot read.
enum class LengthUnit { Feet, Inches, Metric };
LengthUnit LeadingNumberUnit(const QString& text);

// Inches to display text such as "12' 6 1/2\"" (sixteenths, reduced, a half
// sixteenth to the even neighbour); "0" below half a sixteenth. BadValue for
// a length that is not finite, Overflow for feet beyond 32 bits.
QString FormatInchesForDisplay(double inches);
// The same, with the length that is kept in *keptInches: the length itself,
// not rounded to the display, and 0 where the display shows 0.
QString FormatInchesForDisplay(double inches, double* keptInches);

// a - tol < b < a + tol.
bool IsWithinTolerance(double a, double b, float tol);
QString FixTrailingDecimal(const QString& text, int wholeOnly);

// The shared worker of both directions. Reads `input` (a bare number means
// what `inputType` says: 3 millimetres, 4/9 metres, 6/8/999 inches, any other
// code feet), leaves the inches read in `value` and returns that length as
// text in form `outputType`: 0 feet-inches-sixteenths, 6 decimal inches with
// `format` ("#0.00"; "#0.000" when empty). Text holding a character no
// length can hold gives "INVALID" and 0.
QString FormattedOutput(const QString& input, int inputType, int outputType, double& value,
                        const QString& format, int unmarkedAsInches = 0);
// Inches for a feet-inches-sixteenths text without "/"; unitClass 5 reads a
// lone number as feet, 6 as inches.
double dFtInSxValue(const QString& text, int unitClass);
// The user's decimal separator ("" when it cannot be read).
QString GetDecimalSeparator();
// The text before the first NUL; "" when the text holds none.
QString TrimAtNull(const QString& text);
// Collapses runs of spaces and drops a space before a mark, the decimal
// separator or "/", and the first space after a "/".
QString NormalizeSpaces(const QString& text);
// Every "," replaced by ".".
QString CommaToPoint(const QString& text);
// The leading number of a text: blanks, tabs and line feeds skipped
// anywhere, "." as decimal point whatever the locale, E or D exponent; 0
// when the text starts with no number. AppError Overflow when the number is
// beyond the double range.
double LeadingNumber(const QString& text);
// True when the text is a number under the user's locale (blanks around,
// sign, digit grouping, one decimal separator, exponent).
bool IsNumericText(const QString& text);

}  // namespace dv
