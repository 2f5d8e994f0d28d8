// The tests of the windows, the print document and the reports, headless.
#include "tests/reset_state.h"
#include "ui/project/wall_pictures.h"

#include <QApplication>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    return dvtest::runTests(argc, argv, [] { dv::setPictureFolder(QString()); });
}
