#pragma once
// The number boxes' key rule, shared by every window that has one.
class QLineEdit;

namespace dv {

// Typed keys: digits, "." and Backspace. A paste goes in as it stands, for
// the box's save to check.
void installNumericKeyFilter(QLineEdit* box);

}  // namespace dv
