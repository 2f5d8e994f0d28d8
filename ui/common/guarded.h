#pragma once
// Runs a window's handler so that no error escapes into Qt: an AppError is
// shown as "Error <n>: <text>" in a message box, through the project view
// when there is one, else on its own.
#include <functional>

class QWidget;

namespace dv {

class ProjectView;

// reporter: where the message goes; the project view when null and one is
// set, else a message box of our own over owner.
void runGuarded(QWidget* owner, const std::function<void()>& handler, ProjectView* reporter = nullptr);

}  // namespace dv
