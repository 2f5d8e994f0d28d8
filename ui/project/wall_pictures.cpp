#include "ui/project/wall_pictures.h"
#include "core/data_location.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace dv {

namespace {

const QSize kWallSize(520, 360);
const QSize kMemberSize(232, 352);

const QColor kPaper(250, 250, 246);
const QColor kOutline(60, 60, 60);
const QColor kStud(222, 196, 150);
const QColor kStudEdge(160, 128, 84);
const QColor kSheet(236, 226, 206);
const QColor kRoof(150, 84, 62);
const QColor kGround(120, 110, 96);
const QColor kDimension(30, 70, 160);
const QColor kOpening(214, 232, 246);
const QColor kHeader(196, 150, 96);

QImage blank(const QSize& size)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(kPaper);
    return img;
}

// A dimension line between two points with arrow heads and short end ticks.
void dimension(QPainter& p, QPointF a, QPointF b)
{
    p.save();
    p.setPen(QPen(kDimension, 1.4));
    p.setBrush(kDimension);
    p.drawLine(a, b);
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    if (len > 0) {
        const QPointF u = d / len;
        const QPointF n(-u.y(), u.x());
        const double s = 7, w = 3;
        p.drawPolygon(QPolygonF() << a << a + u * s + n * w << a + u * s - n * w);
        p.drawPolygon(QPolygonF() << b << b - u * s + n * w << b - u * s - n * w);
        p.drawLine(a - n * 6, a + n * 6);
        p.drawLine(b - n * 6, b + n * 6);
    }
    p.restore();
}

// A thin dashed line from a drawn part out to its dimension line.
void extension(QPainter& p, QPointF a, QPointF b)
{
    p.save();
    p.setPen(QPen(kDimension, 1, Qt::DashLine));
    p.drawLine(a, b);
    p.restore();
}

void ground(QPainter& p, double y, double x0, double x1)
{
    p.save();
    p.setPen(QPen(kGround, 2));
    p.drawLine(QPointF(x0, y), QPointF(x1, y));
    p.setPen(QPen(kGround, 1));
    for (double x = x0 + 4; x < x1; x += 10)
        p.drawLine(QPointF(x, y + 1), QPointF(x - 6, y + 7));
    p.restore();
}

// Studs at a regular spacing inside an outline, cut by the outline's top.
void studs(QPainter& p, const QPolygonF& outline, double left, double right, double bottom)
{
    p.save();
    p.setClipRegion(QRegion(outline.toPolygon()));
    p.setPen(QPen(kStudEdge, 1));
    p.setBrush(kStud);
    for (double x = left + 2; x < right - 4; x += 18)
        p.drawRect(QRectF(x, 0, 5, bottom));
    p.restore();
}

// The eave wall, seen from outside: a rectangle of studs under the eave,
// with the roof's edge above. Eave height on the left, wall length below.
QImage eaveWall()
{
    QImage img = blank(kWallSize);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double left = 52, right = 492, top = 40, bottom = 300;
    // Roof edge and overhang.
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kRoof);
    p.drawPolygon(QPolygonF() << QPointF(left - 20, top) << QPointF(right + 20, top) << QPointF(right, top - 22)
                              << QPointF(left, top - 22));
    QPolygonF wall;
    wall << QPointF(left, top) << QPointF(right, top) << QPointF(right, bottom) << QPointF(left, bottom);
    p.setBrush(kSheet);
    p.drawPolygon(wall);
    studs(p, wall, left, right, bottom);
    p.setBrush(kStud);
    p.setPen(QPen(kStudEdge, 1));
    p.drawRect(QRectF(left, top, right - left, 6));         // top plates
    p.drawRect(QRectF(left, bottom - 5, right - left, 5));  // bottom plate
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(wall);
    ground(p, bottom, 10, 510);
    // Eave height: x = 29, from the ground to the top of the wall.
    extension(p, QPointF(left, top), QPointF(20, top));
    dimension(p, QPointF(29, top), QPointF(29, bottom));
    // Wall length: y = 323, end to end.
    extension(p, QPointF(left, bottom), QPointF(left, 332));
    extension(p, QPointF(right, bottom), QPointF(right, 332));
    dimension(p, QPointF(left, 323), QPointF(right, 323));
    return img;
}

// The gable wall: the end wall with its triangle up to the ridge. Ridge and
// eave heights on the left, the distance to the first column above the
// left roof, the slope mark above the right roof, wall length below.
QImage gableWall()
{
    QImage img = blank(kWallSize);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double left = 72, right = 488, eave = 130, ridge = 20, bottom = 320, mid = (left + right) / 2;
    QPolygonF wall;
    wall << QPointF(left, bottom) << QPointF(right, bottom) << QPointF(right, eave) << QPointF(mid, ridge)
         << QPointF(left, eave);
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(kSheet);
    p.drawPolygon(wall);
    studs(p, wall, left, right, bottom);
    // The roof's edge along both slopes.
    p.setPen(QPen(kRoof, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(left - 14, eave + 7), QPointF(mid, ridge - 2));
    p.drawLine(QPointF(mid, ridge - 2), QPointF(right + 14, eave + 7));
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(wall);
    // The first column from the left end.
    const double column = 136;
    p.setBrush(QColor(200, 170, 120));
    p.drawRect(QRectF(column - 5, eave - (column - left) * (eave - ridge) / (mid - left), 10,
                      bottom - eave + (column - left) * (eave - ridge) / (mid - left)));
    ground(p, bottom, 10, 510);
    // Ridge height: x = 23, ground to ridge.
    extension(p, QPointF(mid, ridge), QPointF(14, ridge));
    dimension(p, QPointF(23, ridge), QPointF(23, bottom));
    // Eave height: x = 48, ground to eave.
    extension(p, QPointF(left, eave), QPointF(40, eave));
    dimension(p, QPointF(48, eave), QPointF(48, bottom));
    // Distance to the first column: y = 61, wall end to column centre.
    extension(p, QPointF(left, eave), QPointF(left, 52));
    extension(p, QPointF(column, 96), QPointF(column, 52));
    dimension(p, QPointF(left, 61), QPointF(column, 61));
    // Wall length: y = 344.
    extension(p, QPointF(left, bottom), QPointF(left, 352));
    extension(p, QPointF(right, bottom), QPointF(right, 352));
    dimension(p, QPointF(left, 344), QPointF(right, 344));
    // Slope mark parallel to the right roof: a run of 12 (label above it)
    // and the rise (label to its right).
    const double runY = 60, runX0 = 404, runX1 = 448;
    const double riseY = runY + (runX1 - runX0) * (eave - ridge) / (right - mid);
    p.setPen(QPen(kDimension, 1.4));
    p.drawLine(QPointF(runX0, runY), QPointF(runX1, runY));
    p.drawLine(QPointF(runX1, runY), QPointF(runX1, riseY));
    p.setPen(QPen(kDimension, 1, Qt::DashLine));
    p.drawLine(QPointF(runX0, runY), QPointF(runX1, riseY));
    return img;
}

QImage clearPicture() { return blank(kMemberSize); }

// A column standing between floor and top plate, its height on the left.
QImage columnPicture()
{
    QImage img = blank(kMemberSize);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double top = 24, bottom = 318;
    p.setPen(QPen(kStudEdge, 1));
    p.setBrush(kStud);
    p.drawRect(QRectF(60, top, 150, 8));          // top plates
    p.drawRect(QRectF(60, bottom - 6, 150, 6));   // bottom plate
    for (double x = 64; x < 200; x += 22)
        p.drawRect(QRectF(x, top + 8, 6, bottom - top - 14));
    p.setBrush(QColor(200, 170, 120));
    p.setPen(QPen(kOutline, 1.5));
    p.drawRect(QRectF(118, top + 8, 24, bottom - top - 14));  // the column
    ground(p, bottom, 40, 228);
    extension(p, QPointF(60, top), QPointF(24, top));
    dimension(p, QPointF(32, top), QPointF(32, bottom));
    return img;
}

// A rough opening between two support columns, with up to three headers
// stacked over it; the opening width below the headers.
QImage headerPicture()
{
    QImage img = blank(kMemberSize);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double left = 53, right = 213, bottom = 318;
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(QColor(200, 170, 120));
    p.drawRect(QRectF(left - 18, 24, 18, bottom - 24));   // left column
    p.drawRect(QRectF(right, 24, 18, bottom - 24));       // right column
    p.setBrush(kHeader);
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(left, 40 + i * 36, right - left, 26));  // headers #1 to #3, top down
    p.setBrush(kOpening);
    p.drawRect(QRectF(left, 150, right - left, bottom - 150));
    ground(p, bottom, 10, 228);
    dimension(p, QPointF(left, 194), QPointF(right, 194));
    return img;
}

}  // namespace

QString wallPictureFileName(WallPicture picture)
{
    switch (picture) {
    case WallPicture::EaveWall: return QStringLiteral("EaveWall.jpg");
    case WallPicture::GableWall: return QStringLiteral("GableWall.jpg");
    case WallPicture::ClearPicture: return QStringLiteral("ClearPicture.jpg");
    case WallPicture::ColumnPicture: return QStringLiteral("ColumnPicture.jpg");
    case WallPicture::HeaderPicture: return QStringLiteral("HeaderPicture.jpg");
    }
    return QString();
}

QImage drawWallPicture(WallPicture picture)
{
    switch (picture) {
    case WallPicture::EaveWall: return eaveWall();
    case WallPicture::GableWall: return gableWall();
    case WallPicture::ClearPicture: return clearPicture();
    case WallPicture::ColumnPicture: return columnPicture();
    case WallPicture::HeaderPicture: return headerPicture();
    }
    return QImage();
}

namespace {
QString& pictureFolder()
{
    static QString folder;
    return folder;
}
}  // namespace

void setPictureFolder(const QString& folder) { pictureFolder() = folder; }

void loadPicture(QLabel* image, WallPicture picture)
{
    if (!image)
        return;
    const QString folder = pictureFolder().isEmpty() ? programFolder() : pictureFolder();
    const QPixmap pixmap(folder + QLatin1Char('/') + wallPictureFileName(picture));
    if (pixmap.isNull())
        image->clear();
    else
        image->setPixmap(pixmap);
}

}  // namespace dv
