// Draws the wall editor's pictures into JPEG files, and the report pages'
// logo into a GIF file, in the given folder.
#include "reports/page_logo.h"
#include "ui/project/wall_pictures.h"

#include <QDir>
#include <QFile>
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
    const QString logo = folder.filePath(dv::pageLogoFileName());
    QFile file(logo);
    if (!file.open(QIODevice::WriteOnly) || file.write(dv::encodeGif(dv::drawPageLogoPicture())) < 0 || !file.flush()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(logo));
        return 1;
    }
    return 0;
}
