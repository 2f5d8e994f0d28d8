// Draws the wall editor's pictures into JPEG files in the given folder.
#include "ui/project/wall_pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dv_makepictures <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    using dv::WallPicture;
    for (WallPicture p : {WallPicture::EaveWall, WallPicture::GableWall, WallPicture::ClearPicture,
                          WallPicture::ColumnPicture, WallPicture::HeaderPicture}) {
        const QString path = folder.filePath(dv::wallPictureFileName(p));
        if (!dv::drawWallPicture(p).save(path, "JPG", 92)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
