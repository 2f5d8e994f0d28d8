#pragma once
// Windows the program places itself lie on the screen.
class QWidget;

namespace dv {

// Moves a top-level window, at its present size, into the free area of the
// screen it is on (the screen less its panels and docks), as far as it
// fits: a window larger than that area keeps its top left corner on it.
// A window already inside is not moved.
void keepOnScreen(QWidget* window);

}  // namespace dv
