#pragma once
// The logo at the top of every report page, and the small GIF encoder that
// writes it: the build draws it beside the executable.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace dv {

// "Ostrel-HALVEK_348.gif", read from the program folder for every page.
QString pageLogoFileName();
// The logo: 348 x 44 pixels, drawn at 96 pixels to the inch.
QImage drawPageLogoPicture();
// The image as a GIF file (one frame, at most 256 colours).
QByteArray encodeGif(const QImage& image);

}  // namespace dv
