#include "ui/project/frmDorvPlzWait.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QVBoxLayout>
#include <QWindow>

namespace dv {

frmDorvPlzWait::frmDorvPlzWait(QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmDorvPlzWait"));
    setWindowTitle(QStringLiteral("Please Wait..."));
    setAttribute(Qt::WA_DeleteOnClose);
    lblPlzWait = new QLabel(QStringLiteral("Please wait a moment while the information is processed."), this);
    lblPlzWait->setObjectName(QStringLiteral("lblPlzWait"));
    lblPlzWait->setAlignment(Qt::AlignCenter);
    lblPlzWait->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addWidget(lblPlzWait);
    setFixedSize(360, 110);
}

void frmDorvPlzWait::showAndPaint()
{
    show();
    raise();
    // Only what the window system needs for drawing runs here; the user's
    // clicks wait until the calculation is over.
    QElapsedTimer waited;
    waited.start();
    do {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    } while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < 500);
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace dv
