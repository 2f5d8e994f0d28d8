#pragma once
// The message box every window shows: text, title, buttons and icon as the
// project view names them, the answer as a MsgResult.
#include "core/project_view.h"

class QWidget;

namespace dv {

MsgResult execMessageBox(QWidget* owner, const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon);

}  // namespace dv
