#pragma once
// What may be typed into the program's text boxes, and the limits applied
// to a typed length and a roof slope.
#include <QString>

namespace dv {

// The last slope text built by SetRoofSlopeText ("6/12").

// keyCode when it can be part of a length (digits, space, ' " . / and
// Backspace), else 0.
int FilterLengthKey(int keyCode);
// Sets keyCode to 0 unless it is a digit, "." or Backspace.
void FilterNumericKey(int& keyCode);
// A number as a number box's keys let it be typed: digits with at most one
// ".", at least one digit. A pasted text is held to the same rule when it
// is read, so no sign, exponent or blank gets in by the clipboard.
bool IsTypedNumberText(const QString& text);

// Caps the leading number of a typed length at 300 feet, measured as the
// translator reads it: "301.5" -> "300.5", "3612\"" -> "300'", "400 6\""
// -> "300 6\""; in a text of inches alone the number is inches ("4000
// 1/2\"" -> "3600 1/2\""); a metric length above the cap becomes "300'".
// Text with no number before its first space, mark, "/" or ".", or that the
// translator cannot read, comes back as it is.
QString LimitLengthText(const QString& text);
// rise + "/12".
QString SetRoofSlopeText(const QString& rise);

// What a value may be. Every way a value comes in (a box typed or pasted
// into, Return, a button, a project file, the profile manager) asks these
// before anything is stored; each window keeps its own messages.

// A length box's text as its leave rule reads it: the leading number
// capped (LimitLengthText), then read by ReadTypedLength. Inches, never
// below 0; AppError InvalidInputFormat for text that is no length.
double ReadLengthText(const QString& text);
// A number as the number boxes' keys let it be typed (IsTypedNumberText):
// digits and at most one point, no sign, exponent or blank. False, with
// *value 0, for any other text.
bool ReadTypedNumber(const QString& text, double* value);
// A roof slope is a rise per 12 above 0 and at most 12. A wall without a
// slope (an eave wall, or a slope not typed yet) keeps 0.
bool IsRoofSlope(double rise);
bool IsStoredRoofSlope(double rise);
// A number of corners is whole and not negative.
bool IsCornerCount(double count);

}  // namespace dv
