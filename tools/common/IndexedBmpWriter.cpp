#include "IndexedBmpWriter.h"

#include "ColourQuantizer.h"

#include <QByteArray>
#include <QSaveFile>

namespace {

void put16(QByteArray& out, quint32 v)
{
    out.append(char(v & 0xff));
    out.append(char((v >> 8) & 0xff));
}

void put32(QByteArray& out, quint32 v)
{
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

} // namespace

// Written by hand rather than through QImageWriter so that the depth and the palette size
// are certain whatever the Qt version does with indexed images.
bool writeIndexedBmp(const QImage& image, const QString& path, QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    };
    if (image.isNull())
        return fail(QStringLiteral("cannot write an empty picture as BMP"));

    const QImage indexed = ColourQuantizer::quantize(image, std::nullopt, 256).image;
    const QList<QRgb> table = indexed.colorTable();
    const int width = indexed.width();
    const int height = indexed.height();
    const int rowBytes = (width + 3) & ~3;
    const quint32 paletteBytes = 256 * 4;
    const quint32 pixelOffset = 14 + 40 + paletteBytes;
    const quint32 pixelBytes = quint32(rowBytes) * quint32(height);

    QByteArray out;
    out.reserve(int(pixelOffset + pixelBytes));
    // BITMAPFILEHEADER
    out.append("BM");
    put32(out, pixelOffset + pixelBytes);
    put32(out, 0);
    put32(out, pixelOffset);
    // BITMAPINFOHEADER
    put32(out, 40);
    put32(out, quint32(width));
    put32(out, quint32(height));
    put16(out, 1);               // planes
    put16(out, 8);               // bits per pixel
    put32(out, 0);               // BI_RGB
    put32(out, pixelBytes);
    put32(out, 2835);            // 72 dpi
    put32(out, 2835);
    put32(out, 256);             // colours used
    put32(out, 0);               // all important
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }
    for (int y = height - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char*>(indexed.constScanLine(y)), width);
        out.append(QByteArray(rowBytes - width, '\0'));
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot open for writing: %1").arg(file.errorString()));
    if (file.write(out) != out.size() || !file.commit())
        return fail(QStringLiteral("cannot write: %1").arg(file.errorString()));
    return true;
}
