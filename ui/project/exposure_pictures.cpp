#include "ui/project/exposure_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace dv {

namespace {

const QColor kSkyTop(120, 170, 220);
const QColor kSkyLow(205, 228, 245);
const QColor kGrass(118, 168, 82);
const QColor kGrassDark(86, 136, 62);
const QColor kWall(226, 214, 190);
const QColor kRoof(150, 72, 56);
const QColor kTrunk(110, 80, 50);
const QColor kLeaves(58, 118, 58);
const QColor kWater(62, 122, 184);

void drawSky(QPainter& p, const QRectF& r, double horizon)
{
    QLinearGradient g(r.topLeft(), QPointF(r.left(), horizon));
    g.setColorAt(0, kSkyTop);
    g.setColorAt(1, kSkyLow);
    p.fillRect(QRectF(r.left(), r.top(), r.width(), horizon - r.top()), g);
}

void drawGround(QPainter& p, const QRectF& r, double horizon)
{
    QLinearGradient g(QPointF(r.left(), horizon), r.bottomLeft());
    g.setColorAt(0, kGrass);
    g.setColorAt(1, kGrassDark);
    p.fillRect(QRectF(r.left(), horizon, r.width(), r.bottom() - horizon), g);
}

// A house standing on the ground line at x, with the given width.
void drawHouse(QPainter& p, double x, double ground, double w)
{
    const double h = w * 0.6;
    p.setPen(QPen(QColor(90, 80, 70), 1));
    p.setBrush(kWall);
    p.drawRect(QRectF(x, ground - h, w, h));
    QPolygonF roof;
    roof << QPointF(x - w * 0.1, ground - h) << QPointF(x + w / 2, ground - h - w * 0.45)
         << QPointF(x + w * 1.1, ground - h);
    p.setBrush(kRoof);
    p.drawPolygon(roof);
    p.setBrush(QColor(120, 160, 200));
    p.drawRect(QRectF(x + w * 0.15, ground - h * 0.7, w * 0.22, h * 0.3));
    p.drawRect(QRectF(x + w * 0.63, ground - h * 0.7, w * 0.22, h * 0.3));
    p.setBrush(QColor(120, 84, 60));
    p.drawRect(QRectF(x + w * 0.41, ground - h * 0.55, w * 0.18, h * 0.55));
}

void drawTree(QPainter& p, double x, double ground, double h)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kTrunk);
    p.drawRect(QRectF(x - h * 0.05, ground - h * 0.45, h * 0.1, h * 0.45));
    p.setBrush(kLeaves);
    p.drawEllipse(QPointF(x, ground - h * 0.65), h * 0.28, h * 0.35);
}

void drawWind(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(QColor(255, 255, 255, 200), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const double y = r.top() + r.height() * (0.12 + 0.08 * i);
        const double x = r.left() + r.width() * (0.06 + 0.05 * i);
        QPainterPath path(QPointF(x, y));
        path.cubicTo(QPointF(x + r.width() * 0.12, y - 6), QPointF(x + r.width() * 0.2, y + 6),
                     QPointF(x + r.width() * 0.3, y));
        p.drawPath(path);
    }
}

}  // namespace

QPixmap exposurePicture(QChar exposure, const QSize& size)
{
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    const QChar letter = exposure.toUpper();
    if (letter != QLatin1Char('B') && letter != QLatin1Char('C') && letter != QLatin1Char('D'))
        return pm;

    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, size.width(), size.height());
    const double w = r.width();
    const double horizon = r.height() * 0.55;
    drawSky(p, r, horizon);

    if (letter == QLatin1Char('B')) {
        // Houses and trees close together on every side.
        drawGround(p, r, horizon);
        const double ground = r.height() * 0.86;
        for (int i = 0; i < 5; ++i)
            drawTree(p, w * (0.05 + 0.22 * i), horizon + 8, r.height() * 0.3);
        for (int i = 0; i < 4; ++i)
            drawHouse(p, w * (0.03 + 0.25 * i), ground, w * 0.19);
        for (int i = 0; i < 3; ++i)
            drawTree(p, w * (0.245 + 0.25 * i), ground, r.height() * 0.34);
    } else if (letter == QLatin1Char('C')) {
        // Open fields with a few scattered trees and one house.
        drawGround(p, r, horizon);
        drawTree(p, w * 0.12, horizon + 6, r.height() * 0.2);
        drawTree(p, w * 0.78, horizon + 4, r.height() * 0.16);
        drawHouse(p, w * 0.42, r.height() * 0.88, w * 0.2);
        p.setPen(QPen(QColor(140, 110, 80), 2));
        const double fence = r.height() * 0.93;
        p.drawLine(QPointF(0, fence - 8), QPointF(w, fence - 8));
        for (double x = 6; x < w; x += w / 14)
            p.drawLine(QPointF(x, fence - 14), QPointF(x, fence));
    } else {
        // Open water reaching to the horizon, a low shore in front.
        QLinearGradient g(QPointF(0, horizon), QPointF(0, r.height()));
        g.setColorAt(0, kWater.lighter(120));
        g.setColorAt(1, kWater);
        p.fillRect(QRectF(0, horizon, w, r.height() - horizon), g);
        p.setPen(QPen(QColor(255, 255, 255, 150), 1.5));
        for (int row = 0; row < 4; ++row) {
            const double y = horizon + (r.height() * 0.08) * (row + 1);
            for (double x = (row % 2) * w / 16; x < w * 0.95; x += w / 8)
                p.drawArc(QRectF(x, y, w / 16, 6), 0, 180 * 16);
        }
        QPolygonF shore;
        shore << QPointF(0, r.height()) << QPointF(0, r.height() * 0.84) << QPointF(w * 0.35, r.height() * 0.8)
              << QPointF(w * 0.55, r.height() * 0.9) << QPointF(w * 0.55, r.height());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(196, 178, 128));
        p.drawPolygon(shore);
        drawHouse(p, w * 0.08, r.height() * 0.86, w * 0.18);
    }
    drawWind(p, r);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    return pm;
}

}  // namespace dv
