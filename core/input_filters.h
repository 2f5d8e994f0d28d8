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

}  // namespace dv
