#include "ui/platform/DataPictureLoader.h"

#include "bank/DataFile.h"
#include "ui/RuntimeError.h"

#include <QFileInfo>
#include <QImageReader>

QImage DataPictureLoader::decode(const QString &file)
{
    if (!QFileInfo(file).isFile())
        throw RuntimeError(RuntimeError::Kind::FileNotFound, file);
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (!size.isValid())
        throw RuntimeError(RuntimeError::Kind::NotAPicture, file, reader.errorString());
    if (size.width() > MaxSide || size.height() > MaxSide)
        throw RuntimeError(RuntimeError::Kind::NotAPicture, file,
                           QStringLiteral("%1×%2 is larger than %3×%3").arg(size.width()).arg(size.height()).arg(MaxSide));
    QImage image = reader.read();
    if (image.isNull())
        throw RuntimeError(RuntimeError::Kind::NotAPicture, file, reader.errorString());
    return image;
}

QPixmap DataPictureLoader::load(const QString &path)
{
    return QPixmap::fromImage(decode(DataFile::locate(path)));
}
