#include "platform/PictureFileCheck.h"

#include <QtEndian>

namespace PictureFileCheck {

namespace {

const QString CutShort = QStringLiteral("the file is cut short");

quint32 u16(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

quint32 u32(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

struct GifScan
{
    QSize extent;       // the logical screen, grown to hold the first image
    QString damage;
    QByteArray comment; // the comment extensions before the end of the first image, joined
};

// Walks the blocks up to the end of the first image's data (the only frame shown); a missing
// trailer after it is forgiven.
GifScan scanGif(const QByteArray &data)
{
    GifScan scan;
    const qsizetype size = data.size();
    qsizetype at = 13;
    if (size < at) {
        scan.damage = CutShort;
        return scan;
    }
    scan.extent = QSize(int(u16(data, 6)), int(u16(data, 8)));
    const auto flags = static_cast<unsigned char>(data[10]);
    if (flags & 0x80)
        at += 3 * (qsizetype(2) << (flags & 7));
    // Steps over a chain of data sub-blocks, appending their bytes to `into` when given; false
    // when a length runs past the end of the data.
    const auto skipSubBlocks = [&](QByteArray *into = nullptr) -> bool {
        while (at < size) {
            const auto length = static_cast<unsigned char>(data[at]);
            if (at + 1 + length > size)
                return false;
            if (into)
                into->append(data.constData() + at + 1, length);
            at += 1 + length;
            if (length == 0)
                return true;
        }
        return false;
    };
    while (at < size) {
        const auto introducer = static_cast<unsigned char>(data[at]);
        if (introducer == 0x3B) {
            scan.damage = QStringLiteral("it holds no image");
            return scan;
        }
        if (introducer == 0x21) {
            const bool isComment = at + 1 < size && static_cast<unsigned char>(data[at + 1]) == 0xFE;
            at += 2;
            if (!skipSubBlocks(isComment ? &scan.comment : nullptr))
                break;
        } else if (introducer == 0x2C) {
            if (at + 10 > size)
                break;
            scan.extent = scan.extent.expandedTo(QSize(int(u16(data, at + 1) + u16(data, at + 5)),
                                                       int(u16(data, at + 3) + u16(data, at + 7))));
            const auto imageFlags = static_cast<unsigned char>(data[at + 9]);
            at += 10;
            if (imageFlags & 0x80)
                at += 3 * (qsizetype(2) << (imageFlags & 7));
            at += 1; // the LZW code size
            if (!skipSubBlocks())
                break;
            return scan;
        } else {
            scan.damage = QStringLiteral("unknown block 0x%1 at byte %2").arg(introducer, 2, 16, QLatin1Char('0')).arg(at);
            return scan;
        }
    }
    scan.damage = CutShort;
    return scan;
}

QString bmpDamage(const QByteArray &data)
{
    if (data.size() < 26)
        return CutShort;
    const quint32 pixelsAt = u32(data, 10);
    const quint32 headerSize = u32(data, 14);
    qint64 width = 0, height = 0, bitsPerPixel = 0, compression = 0, imageSize = 0;
    if (headerSize == 12) {
        width = u16(data, 18);
        height = u16(data, 20);
        bitsPerPixel = u16(data, 24);
    } else if (headerSize >= 40 && data.size() >= 38) {
        width = qint32(u32(data, 18));
        height = qint32(u32(data, 22));
        bitsPerPixel = u16(data, 28);
        compression = u32(data, 30);
        imageSize = u32(data, 34);
    } else {
        return CutShort;
    }
    if (compression != 0 && compression != 3)
        return data.size() < qint64(pixelsAt) + imageSize ? CutShort : QString();

    // Plain rows of pixels, each padded to 4 bytes. The fields are raw header values: no
    // picture has no width, no rows or a depth above 64 bits, and rows times row length is
    // compared by division, since it may exceed any integer (2^31 rows of 2^33 bytes).
    if (width <= 0 || height == 0 || bitsPerPixel == 0 || bitsPerPixel > 64)
        return QStringLiteral("its header gives an impossible size or depth");
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4; // below 2^40
    const qint64 rows = height < 0 ? -height : height;             // 1 to 2^31
    const qint64 available = data.size() - qint64(pixelsAt);
    return available < 0 || rowBytes > available / rows ? CutShort : QString();
}

// An end-of-image marker must follow the last start-of-scan marker. Inside the coded data
// 0xFF is always followed by 0x00 or a restart marker, so neither pair can occur there.
QString jpegDamage(const QByteArray &data)
{
    const qsizetype scan = data.lastIndexOf(QByteArray("\xFF\xDA", 2));
    if (scan < 0)
        return QStringLiteral("it holds no image data");
    return data.lastIndexOf(QByteArray("\xFF\xD9", 2)) > scan ? QString() : CutShort;
}

} // namespace

QString damage(const QByteArray &data, const QByteArray &format)
{
    if (format == "gif")
        return scanGif(data).damage;
    if (format == "bmp")
        return bmpDamage(data);
    if (format == "jpeg" || format == "jpg")
        return jpegDamage(data);
    return {};
}

QByteArray gifComment(const QByteArray &data)
{
    const GifScan scan = scanGif(data);
    return scan.damage.isEmpty() ? scan.comment : QByteArray();
}

QSize gifHeaderSize(const QByteArray &firstBytes)
{
    if (firstBytes.size() < 10 || !(firstBytes.startsWith("GIF87a") || firstBytes.startsWith("GIF89a")))
        return {};
    return QSize(int(u16(firstBytes, 6)), int(u16(firstBytes, 8)));
}

QSize declaredSize(const QByteArray &data, const QByteArray &format)
{
    return format == "gif" ? scanGif(data).extent : QSize();
}

} // namespace PictureFileCheck
