#pragma once
// Our own drawings of the three wind exposure categories: B (built-up
// surroundings), C (open terrain with scattered obstructions) and D (flat,
// unobstructed ground by open water).
#include <QChar>
#include <QPixmap>
#include <QSize>

namespace dv {

// An empty (transparent) picture for any other letter.
QPixmap exposurePicture(QChar exposure, const QSize& size);

}  // namespace dv
