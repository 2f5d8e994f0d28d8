#pragma once
// The messages the wall editor's boxes, its save and its opening editor
// share.
#include "core/project_view.h"

#include <QString>

namespace dv {

inline const QString kSlopeFormat = QStringLiteral(
    "Please check your 'Roof Slope' input for proper formatting.  You must format your input as a number.");
inline const QString kCornersFormat = QStringLiteral(
    "Please check your 'Number of Corners' input for proper formatting.  You must format your input as a number.");

// Openings may not be wider, all together, than the wall that holds them.
inline const QString kOpeningsExceedWall = QStringLiteral(
    "Your input Rough Opening Width's exceed the length of this wall.  Please review your input and make the "
    "necessary adjustments.");

// Widths are stored with 15 significant digits, so openings that fill the
// wall exactly (three of 6' 8" in 20') may add up a hair above its length.
// Far below a sixteenth of an inch.
inline constexpr double kLengthTolerance = 1e-7;

inline void ShowImproperFormat(ProjectView& view, const QString& text)
{
    view.messageBox(text, QStringLiteral("Improper Input Format"), MsgButtons::Ok, MsgIcon::Exclamation);
}

}  // namespace dv
