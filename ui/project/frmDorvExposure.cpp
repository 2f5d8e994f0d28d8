#include "ui/project/frmDorvExposure.h"
#include "ui/common/app_info.h"
#include "ui/project/exposure_pictures.h"
#include "ui/common/guarded.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace dv {

namespace {

const QSize kPictureSize(220, 150);

QLabel* makePicture(const QString& name, QChar exposure, QWidget* parent)
{
    auto* image = new QLabel(parent);
    image->setObjectName(name);
    image->setPixmap(exposurePicture(exposure, kPictureSize));
    image->setFixedSize(kPictureSize);
    image->setCursor(Qt::PointingHandCursor);
    image->setToolTip(QStringLiteral("Click to choose this exposure"));
    return image;
}

QLabel* makeCaption(const QString& text, QWidget* parent, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    return label;
}

}  // namespace

frmDorvExposure::frmDorvExposure(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("frmDorvExposure"));
    setAttribute(Qt::WA_DeleteOnClose);
    Image1 = makePicture(QStringLiteral("Image1"), QLatin1Char('C'), this);
    Image2 = makePicture(QStringLiteral("Image2"), QLatin1Char('D'), this);
    Image3 = makePicture(QStringLiteral("Image3"), QLatin1Char('B'), this);
    for (QLabel* image : {Image1, Image2, Image3})
        image->installEventFilter(this);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->addWidget(Image3, 0, 0);
    grid->addWidget(Image1, 0, 1);
    grid->addWidget(Image2, 0, 2);
    grid->addWidget(makeCaption(QStringLiteral("Exposure B"), this, true), 1, 0);
    grid->addWidget(makeCaption(QStringLiteral("Exposure C"), this, true), 1, 1);
    grid->addWidget(makeCaption(QStringLiteral("Exposure D"), this, true), 1, 2);
    grid->addWidget(makeCaption(QStringLiteral("Generally open terrain"), this, false), 2, 1);
    grid->addWidget(makeCaption(QStringLiteral("Lake extending 1 mile or greater"), this, false), 2, 2);
    grid->setRowStretch(3, 1);
    Form_Load();
}

void frmDorvExposure::Form_Load() { setWindowTitle(appTitle() + QStringLiteral(" [Exposure Description]")); }

bool frmDorvExposure::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(event);
        auto* image = qobject_cast<QLabel*>(watched);
        if (image && image->rect().contains(me->position().toPoint())) {
            if (image == Image1)
                runGuarded(this, [this] { Image1_Click(); });
            else if (image == Image2)
                runGuarded(this, [this] { Image2_Click(); });
            else if (image == Image3)
                runGuarded(this, [this] { Image3_Click(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmDorvExposure::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void frmDorvExposure::Image1_Click() { pick(QLatin1Char('C')); }
void frmDorvExposure::Image2_Click() { pick(QLatin1Char('D')); }
void frmDorvExposure::Image3_Click() { pick(QLatin1Char('B')); }

void frmDorvExposure::pick(QChar exposure)
{
    emit exposurePicked(exposure);
    close();
}

}  // namespace dv
