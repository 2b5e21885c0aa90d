#include "platform/DataPictureLoader.h"

#include "error/RuntimeError.h"
#include "platform/DataFile.h"
#include "platform/PictureDensity.h"
#include "platform/PictureFileCheck.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QStringDecoder>

namespace {

// Even a picture of the largest accepted size in 32-bit colour needs only 64 MB.
constexpr int AllocationLimitMB = 64;
// A 24-bit BMP of the largest accepted size takes 48 MB; nothing longer is read into memory.
constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

// A question with its four choices needs a few hundred bytes; a longer comment is not ours.
constexpr qsizetype MaxTextBytes = 4096;

// The text a GIF carries in its comment: strict UTF-8, or none at all.
QString gifText(const QByteArray &data)
{
    const QByteArray comment = PictureFileCheck::gifComment(data);
    if (comment.isEmpty() || comment.size() > MaxTextBytes)
        return {};
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(comment);
    return utf8.hasError() ? QString() : text;
}

QString readerError(const QImageReader &reader)
{
    if (reader.error() == QImageReader::UnknownError)
        return QStringLiteral("no picture can be read from it");
    return reader.errorString();
}

} // namespace

QImage DataPictureLoader::decode(const QString &file)
{
    QImageReader::setAllocationLimit(AllocationLimitMB);

    const QFileInfo info(file);
    if (!info.isFile())
        throw RuntimeError(RuntimeError::Kind::FileNotFound, file);
    if (info.size() > MaxFileBytes)
        throw RuntimeError(RuntimeError::Kind::NotAPicture, file,
                           QStringLiteral("%1 bytes is too long for a picture").arg(info.size()));
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly))
        throw RuntimeError(RuntimeError::Kind::FileNotFound, file, source.errorString());
    const QByteArray data = source.readAll();
    source.close();

    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    // The name says .gif even where a test or a tool wrote another format: trust the content.
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QSize reported = reader.size();
    const QSize size = reported.expandedTo(PictureFileCheck::declaredSize(data, reader.format()));
    if (size.width() > MaxSide || size.height() > MaxSide)
        throw RuntimeError(RuntimeError::Kind::NotAPicture, file,
                           QStringLiteral("%1×%2 is larger than %3×%3").arg(size.width()).arg(size.height()).arg(MaxSide));
    if (!reported.isValid() || reader.format().isEmpty())
        throw RuntimeError(RuntimeError::Kind::NotAPicture, file, data.isEmpty() ? QStringLiteral("the file is empty")
                                                                                 : readerError(reader));
    const QByteArray format = reader.format(); // the reader forgets it once it has read
    const QString damage = PictureFileCheck::damage(data, format);
    if (!damage.isEmpty())
        throw RuntimeError(RuntimeError::Kind::NotAPicture, file, damage);
    QImage image = reader.read();
    if (image.isNull())
        throw RuntimeError(RuntimeError::Kind::NotAPicture, file, readerError(reader));
    if (format == "gif")
        if (const QString text = gifText(data); !text.isEmpty())
            image.setText(TextKey, text);
    return image;
}

QPixmap DataPictureLoader::load(const QString &path, qreal devicePixelRatio)
{
    return loadWithText(path, devicePixelRatio).picture;
}

PictureWithText DataPictureLoader::loadWithText(const QString &path, qreal devicePixelRatio)
{
    const PictureDensity::Choice choice = PictureDensity::choose(path, devicePixelRatio, DataFile::locate);
    const QImage image = decode(choice.file);
    QPixmap picture = QPixmap::fromImage(image);
    picture.setDevicePixelRatio(choice.devicePixelRatio);
    return {picture, image.text(TextKey)};
}
