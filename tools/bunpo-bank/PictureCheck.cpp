#include "PictureCheck.h"

#include "ui/RuntimeError.h"
#include "ui/platform/DataPictureLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace PictureCheck {

namespace {

// Whether the file ends where its format says it does; the reason when it does not.
QString truncation(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot be read: %1").arg(f.errorString());
    const qint64 size = f.size();
    const QByteArray head = f.read(6);
    QByteArray tail;
    if (size >= 2 && f.seek(size - 2))
        tail = f.read(2);
    if (head.startsWith("GIF8")) {
        if (tail.size() < 2 || tail.at(1) != char(0x3b))
            return QStringLiteral("cut short: a GIF ends with the trailer byte 0x3B and this one does not");
    } else if (head.startsWith("BM") && head.size() == 6) {
        const quint32 declared = qFromLittleEndian<quint32>(head.constData() + 2);
        if (declared > quint64(size))
            return QStringLiteral("cut short: its header says %1 bytes, the file has %2").arg(declared).arg(size);
    } else if (head.startsWith("\xff\xd8")) {
        if (tail != QByteArray("\xff\xd9", 2))
            return QStringLiteral("cut short: a JPEG ends with the bytes FF D9 and this one does not");
    }
    return {};
}

} // namespace

QString problem(const QString &file, SizeRule rule)
{
    if (!QFileInfo(file).isFile())
        return QStringLiteral("missing");
    if (QString cut = truncation(file); !cut.isEmpty())
        return cut;
    QImage image;
    try {
        image = DataPictureLoader::decode(file);
    } catch (const RuntimeError &e) {
        return e.detail().isEmpty() ? QStringLiteral("is not a picture the program can load")
                                    : QStringLiteral("is not a picture the program can load (%1)").arg(e.detail());
    }
    const QSize size = image.size();
    const QString shown = QStringLiteral("%1×%2").arg(size.width()).arg(size.height());
    const QString wanted = QStringLiteral("%1×%2").arg(rule.largest.width()).arg(rule.largest.height());
    if (rule.exact && size != rule.largest)
        return QStringLiteral("is %1; the layout needs exactly %2").arg(shown, wanted);
    if (size.width() > rule.largest.width() || size.height() > rule.largest.height())
        return QStringLiteral("is %1; the layout has room for %2 at most").arg(shown, wanted);
    return {};
}

} // namespace PictureCheck
