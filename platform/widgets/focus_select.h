#pragma once
// Text boxes select their whole text when they get the focus, whether by
// keyboard or by mouse.
class QLineEdit;

namespace dv {

void selectAllOnFocus(QLineEdit* box);

}  // namespace dv
