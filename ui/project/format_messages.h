#pragma once
// The "Improper Input Format" messages the wall editor's boxes and its save
// both give.
#include "core/project_view.h"

#include <QString>

namespace dv {

inline const QString kSlopeFormat = QStringLiteral(
    "Please check your 'Roof Slope' input for proper formatting.  You must format your input as a number.");
inline const QString kCornersFormat = QStringLiteral(
    "Please check your 'Number of Corners' input for proper formatting.  You must format your input as a number.");

inline void ShowImproperFormat(ProjectView& view, const QString& text)
{
    view.messageBox(text, QStringLiteral("Improper Input Format"), MsgButtons::Ok, MsgIcon::Exclamation);
}

}  // namespace dv
