#include "reports/page_logo.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <unordered_map>

namespace dv {

QString pageLogoFileName() { return QStringLiteral("Ostrel-HALVEK_348.gif"); }

QImage drawPageLogoPicture()
{
    QImage img(348, 44, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor green(0x1f, 0x5c, 0x3a);
    // A roof over a wall: the mark beside the name.
    QPainterPath roof;
    roof.moveTo(4, 22);
    roof.lineTo(24, 5);
    roof.lineTo(44, 22);
    roof.closeSubpath();
    p.fillPath(roof, green);
    p.fillRect(QRectF(10, 24, 28, 16), green);
    p.fillRect(QRectF(21, 30, 6, 10), Qt::white);
    QFont name(QStringLiteral("Arial"));
    name.setPixelSize(26);
    name.setBold(true);
    p.setFont(name);
    p.setPen(green);
    p.drawText(QRectF(54, 2, 150, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Ostrel"));
    QFont sub(QStringLiteral("Arial"));
    sub.setPixelSize(20);
    p.setFont(sub);
    p.setPen(QColor(0x44, 0x44, 0x44));
    p.drawText(QRectF(150, 2, 194, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("HALVEK"));
    p.fillRect(QRectF(54, 40, 290, 2), green);
    p.end();
    return img;
}

namespace {

class BitWriter {
public:
    void put(int code, int bits)
    {
        acc_ |= static_cast<quint32>(code) << n_;
        n_ += bits;
        while (n_ >= 8) {
            bytes_.append(static_cast<char>(acc_ & 0xFF));
            acc_ >>= 8;
            n_ -= 8;
        }
    }
    QByteArray finish()
    {
        if (n_ > 0)
            bytes_.append(static_cast<char>(acc_ & 0xFF));
        return bytes_;
    }

private:
    QByteArray bytes_;
    quint32 acc_ = 0;
    int n_ = 0;
};

void putWord(QByteArray& out, int v)
{
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

QByteArray lzw(const QImage& indexed, int minCodeSize)
{
    const int clear = 1 << minCodeSize;
    const int eoi = clear + 1;
    int codeSize = minCodeSize + 1;
    int next = eoi + 1;
    std::unordered_map<int, int> dict;
    BitWriter w;
    auto output = [&](int code) {
        w.put(code, codeSize);
        if (next >= (1 << codeSize) && codeSize < 12)
            ++codeSize;
    };
    output(clear);
    int prefix = -1;
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar* line = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x) {
            const int k = line[x];
            if (prefix < 0) {
                prefix = k;
                continue;
            }
            const int key = (prefix << 8) | k;
            const auto it = dict.find(key);
            if (it != dict.end()) {
                prefix = it->second;
                continue;
            }
            output(prefix);
            if (next >= 4095) {
                output(clear);
                dict.clear();
                codeSize = minCodeSize + 1;
                next = eoi + 1;
            } else {
                dict.emplace(key, next++);
            }
            prefix = k;
        }
    }
    if (prefix >= 0)
        output(prefix);
    output(eoi);
    return w.finish();
}

}  // namespace

QByteArray encodeGif(const QImage& image)
{
    QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    QList<QRgb> colours = indexed.colorTable();
    int bits = 1;
    while ((1 << bits) < colours.size())
        ++bits;
    while (colours.size() < (1 << bits))
        colours.append(qRgb(0, 0, 0));

    QByteArray out("GIF89a");
    putWord(out, indexed.width());
    putWord(out, indexed.height());
    out.append(static_cast<char>(0x80 | 0x70 | (bits - 1)));  // global colour table of 2^bits entries
    out.append('\0');  // background colour
    out.append('\0');  // pixel aspect
    for (QRgb c : colours) {
        out.append(static_cast<char>(qRed(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qBlue(c)));
    }
    out.append(',');
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, indexed.width());
    putWord(out, indexed.height());
    out.append('\0');
    const int minCodeSize = std::max(2, bits);
    out.append(static_cast<char>(minCodeSize));
    const QByteArray data = lzw(indexed, minCodeSize);
    for (qsizetype i = 0; i < data.size(); i += 255) {
        const qsizetype n = std::min<qsizetype>(255, data.size() - i);
        out.append(static_cast<char>(n));
        out.append(data.mid(i, n));
    }
    out.append('\0');
    out.append(';');
    return out;
}

}  // namespace dv
