#pragma once
// The length translator: typed dimension text to decimal inches, and
// decimal inches back to feet-inches-sixteenths display text.
#include <QString>

namespace dv {

// Reads a typed length ("12' 6 1/2\"", "12 6 8", "2.5", "300mm", "") and
// returns inches. A bare number is feet. Raises AppError InvalidInputFormat
// "Invalid Input string format." on text it cannot read.
double ConvertInputToInches(const QString& text, int sizeClass = 0);

// Inches to display text such as "12' 6 1/2\"" (sixteenths, reduced).
QString FormatInchesForDisplay(double inches);

// The length of the last FormatInchesForDisplay call (0 after a reset).
extern double gLastDisplayValue;
// The text of the last FormatInchesForDisplay call.
extern QString gLastDisplayText;

// a - tol < b < a + tol.
bool IsWithinTolerance(double a, double b, float tol);
QString FixTrailingDecimal(const QString& text, int wholeOnly);

}  // namespace dv
