#pragma once
// Our own drawings of the wall editor's pictures: the eave and gable walls
// with their dimension lines, and the member pictures of the columns and
// rough-openings pages. The build draws them once into JPEG files beside
// the program; the window loads those files by name.
//
// The dimension lines are drawn where the window centres its dimension
// labels, so a label always sits on its line. Positions below are pixels of
// the picture; the window places the pictures at fixed points.
#include <QImage>
#include <QPoint>
#include <QString>

class QLabel;

namespace dv {

enum class WallPicture { EaveWall, GableWall, ClearPicture, ColumnPicture, HeaderPicture };

// File name in the program folder ("EaveWall.jpg" ...).
QString wallPictureFileName(WallPicture picture);
QImage drawWallPicture(WallPicture picture);

// Where the window places the pictures, in pixels of the editor's picture
// frame (the wall picture at 3720, 480 twips).
constexpr QPoint kWallPictureAt(248, 32);
constexpr QPoint kMemberPictureAt(8, 32);

// Loads the named picture from the program folder into the image control;
// a file that is missing or unreadable leaves the control blank.
void loadPicture(QLabel* image, WallPicture picture);
// The folder the pictures are loaded from: the program folder, unless a
// test sets another (an empty text restores the program folder).
void setPictureFolder(const QString& folder);

}  // namespace dv
