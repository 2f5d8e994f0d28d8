#include "platform/widgets/on_screen.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace dv {

void keepOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    const int x = std::max(free.left(), std::min(frame.left(), free.right() + 1 - frame.width()));
    const int y = std::max(free.top(), std::min(frame.top(), free.bottom() + 1 - frame.height()));
    // The position of a top-level window is that of its frame.
    if (x != frame.left() || y != frame.top())
        window->move(x, y);
}

}  // namespace dv
