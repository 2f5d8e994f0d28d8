#pragma once
// The project toolbar's pictures, drawn by the program.
#include <QIcon>

namespace dv {

enum class ToolbarPicture { New, Open, Save, Print, Compare };

QIcon toolbarIcon(ToolbarPicture picture);

}  // namespace dv
