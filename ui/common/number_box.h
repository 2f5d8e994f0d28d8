#pragma once
// The number boxes' key rule, shared by every window that has one.
class QLineEdit;

namespace dv {

// Typed and pasted alike: digits, "." and Backspace.
void installNumericKeyFilter(QLineEdit* box);

}  // namespace dv
