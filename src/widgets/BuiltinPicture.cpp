#include "widgets/BuiltinPicture.h"

#include "error/RuntimeError.h"
#include "platform/PictureDensity.h"

QPixmap BuiltinPicture::load(const QString &resourcePath, qreal devicePixelRatio)
{
    const PictureDensity::Choice choice = PictureDensity::choose(resourcePath, devicePixelRatio);
    QPixmap picture(choice.file);
    if (picture.isNull())
        throw RuntimeError(RuntimeError::Kind::NotAPicture, choice.file, QStringLiteral("built-in picture"));
    picture.setDevicePixelRatio(choice.devicePixelRatio);
    return picture;
}
