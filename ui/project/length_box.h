#pragma once
// The length boxes of the wall editor: the rule that reads a box the focus
// leaves, and the read of a box for a save. Both read the text as
// ReadLengthText does (the leading number capped at 300 feet, then the
// translator), so a length reaches the store capped however it was entered.
class QLabel;
class QLineEdit;

namespace dv {

// The leave rule: an empty box is left alone. Otherwise the capped text is
// written into the box at once, then the box shows the length in display
// notation; a label given takes that text and is centred on the anchor
// (anchorX, anchorY in twips). Text that is no length raises AppError
// naming the box, which then holds the capped text.
void applyLengthRule(QLineEdit* box, QLabel* label, int anchorX, int anchorY);

// A box read for a save, as its leave rule reads it: the box shows the
// length in display notation, which is returned in feet. A missing or
// empty box is 0.
double readLengthBox(QLineEdit* box);

}  // namespace dv
