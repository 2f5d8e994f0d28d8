#include "ui/project/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace dv {

namespace {

const QColor kOutline(60, 60, 70);

void drawNew(QPainter& p)
{
    QPolygonF page;
    page << QPointF(5, 2) << QPointF(15, 2) << QPointF(20, 7) << QPointF(20, 22) << QPointF(5, 22);
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(Qt::white);
    p.drawPolygon(page);
    QPolygonF fold;
    fold << QPointF(15, 2) << QPointF(15, 7) << QPointF(20, 7);
    p.setBrush(QColor(220, 220, 225));
    p.drawPolygon(fold);
    p.setPen(QPen(QColor(150, 150, 160), 1));
    for (int y = 11; y <= 19; y += 3)
        p.drawLine(QPointF(8, y), QPointF(17, y));
}

void drawOpen(QPainter& p)
{
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(222, 178, 80));
    QPolygonF back;
    back << QPointF(2, 6) << QPointF(9, 6) << QPointF(11, 8) << QPointF(20, 8) << QPointF(20, 20) << QPointF(2, 20);
    p.drawPolygon(back);
    p.setBrush(QColor(246, 210, 112));
    QPolygonF front;
    front << QPointF(2, 20) << QPointF(6, 11) << QPointF(23, 11) << QPointF(20, 20);
    p.drawPolygon(front);
}

void drawSave(QPainter& p)
{
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(60, 100, 170));
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 3, 11, 7));
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(7, 14, 10, 7));
    p.setBrush(QColor(60, 100, 170));
    p.drawRect(QRectF(14, 4.5, 2, 4));
}

void drawPrint(QPainter& p)
{
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7, 2, 10, 8));
    p.setBrush(QColor(150, 155, 165));
    p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 14, 12, 8));
    p.setPen(QPen(QColor(150, 150, 160), 1));
    p.drawLine(QPointF(8, 17), QPointF(16, 17));
    p.drawLine(QPointF(8, 19.5), QPointF(14, 19.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 200, 90));
    p.drawEllipse(QPointF(19, 12), 1.2, 1.2);
}

void drawCompare(QPainter& p)
{
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(230, 232, 236));
    p.drawRoundedRect(QRectF(4, 2, 16, 20), 2, 2);
    p.setBrush(QColor(160, 200, 160));
    p.drawRect(QRectF(6.5, 4.5, 11, 4.5));
    p.setPen(Qt::NoPen);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            p.setBrush(c == 2 && r == 2 ? QColor(220, 110, 60) : QColor(90, 95, 110));
            p.drawRect(QRectF(6.5 + c * 4, 11 + r * 3.6, 3, 2.6));
        }
}

QPixmap draw(ToolbarPicture picture, int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 24.0, size / 24.0);
    switch (picture) {
    case ToolbarPicture::New: drawNew(p); break;
    case ToolbarPicture::Open: drawOpen(p); break;
    case ToolbarPicture::Save: drawSave(p); break;
    case ToolbarPicture::Print: drawPrint(p); break;
    case ToolbarPicture::Compare: drawCompare(p); break;
    }
    return pm;
}

}  // namespace

QIcon toolbarIcon(ToolbarPicture picture)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addPixmap(draw(picture, size));
    return icon;
}

}  // namespace dv
