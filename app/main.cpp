// Dorvane: estimates and prices the framing of a building's walls.
#include "core/startup.h"
#include "platform/app_error.h"
#include "ui/common/app_info.h"
#include "ui/project/frmDorvMain.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(dv::appTitle());
    // The desktop entry installed with the program gives its menu name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("dorvane"));
    dv::frmDorvMain* window = nullptr;
    try {
        dv::Main(
            QCoreApplication::applicationDirPath(),
            [&]() -> dv::ProjectView* {
                window = new dv::frmDorvMain;
                window->setAttribute(Qt::WA_DeleteOnClose);
                return window;
            },
            [] { QCoreApplication::processEvents(); });
    } catch (const dv::AppError& e) {
        delete window;
        QMessageBox::critical(nullptr, dv::appTitle(), dv::errorMessageText(e.number(), e.description()));
        return 1;
    } catch (const std::exception& e) {
        delete window;
        QMessageBox::critical(nullptr, dv::appTitle(), QString::fromUtf8(e.what()));
        return 1;
    }
    window->show();
    return app.exec();
}
