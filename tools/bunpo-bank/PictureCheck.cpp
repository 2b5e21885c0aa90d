#include "PictureCheck.h"

#include "error/RuntimeError.h"
#include "platform/DataPictureLoader.h"

#include <QFile>
#include <QFileInfo>

namespace PictureCheck {

namespace {

// The program's loader refuses cut pictures itself, but forgives a GIF that lacks only its
// trailer byte; a data folder we hand out should not lack even that.
QString missingGifTrailer(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot be read: %1").arg(f.errorString());
    if (!f.read(4).startsWith("GIF8"))
        return {};
    if (f.size() < 2 || !f.seek(f.size() - 1) || f.read(1) != QByteArray(1, char(0x3b)))
        return QStringLiteral("cut short: a GIF ends with the trailer byte 0x3B and this one does not");
    return {};
}

} // namespace

QString problem(const QString &file, SizeRule rule, QSize *decodedSize)
{
    if (!QFileInfo(file).isFile())
        return QStringLiteral("missing");
    if (QString cut = missingGifTrailer(file); !cut.isEmpty())
        return cut;
    QImage image;
    try {
        image = DataPictureLoader::decode(file);
    } catch (const RuntimeError &e) {
        return e.detail().isEmpty() ? QStringLiteral("is not a picture the program can load")
                                    : QStringLiteral("is not a picture the program can load (%1)").arg(e.detail());
    }
    const QSize size = image.size();
    if (decodedSize)
        *decodedSize = size;
    const QString shown = QStringLiteral("%1×%2").arg(size.width()).arg(size.height());
    const QString wanted = QStringLiteral("%1×%2").arg(rule.largest.width()).arg(rule.largest.height());
    if (rule.exact && size != rule.largest)
        return QStringLiteral("is %1; the layout needs exactly %2").arg(shown, wanted);
    if (size.width() > rule.largest.width() || size.height() > rule.largest.height())
        return QStringLiteral("is %1; the layout has room for %2 at most").arg(shown, wanted);
    return {};
}

} // namespace PictureCheck
