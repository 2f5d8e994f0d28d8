#pragma once
// Number rules shared by every part of the program: how numbers are written
// into SQL text and files, and how they are rounded.
#include <QString>
#include <cstdint>

namespace dv {

// A double as SQL text: "." decimal point, no grouping, up to 15 significant
// digits, no trailing zeros, whatever the user's locale. Throws AppError for
// NaN and infinities, which must never reach a statement.
QString sqlNumber(double v);
QString sqlNumber(long long v);
inline QString sqlNumber(int v) { return sqlNumber(static_cast<long long>(v)); }
inline QString sqlNumber(short v) { return sqlNumber(static_cast<long long>(v)); }
inline QString sqlNumber(long v) { return sqlNumber(static_cast<long long>(v)); }

// Whole number nearest to v, halves to the even neighbour (10.5 -> 10).
double roundHalfEven(double v);
// Round(x + 0.5): a fractional x goes up, a whole even x stays, a whole odd
// x goes one up (10.2 -> 11, 10 -> 10, 11 -> 12).
double raiseToWhole(double v);
// Conversions to 16- and 32-bit integers: rounded half-even,
// AppError Overflow when the value does not fit (or is not finite).
std::int16_t toInt16(double v);
std::int32_t toInt32(double v);
// Throws AppError BadValue with the given context when v is not finite.
double checkedFinite(double v, const char* what);
// Division that refuses to give an infinite or undefined value.
double safeDivide(double num, double den, const char* what);

// Strict parse of a number in "." notation (optional sign, digits, optional
// fraction, optional exponent, surrounding blanks allowed). Returns false
// for anything else, including NaN/infinity texts and out-of-range values.
bool parseStrictNumber(const QString& text, double* out);

}  // namespace dv
