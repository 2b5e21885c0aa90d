#include "WaveCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace WaveCheck {

QString problem(const QString &file)
{
    if (!QFileInfo(file).isFile())
        return QStringLiteral("missing");
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot be read: %1").arg(f.errorString());
    const qint64 size = f.size();
    const QByteArray head = f.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return QStringLiteral("is not a RIFF/WAVE sound file");

    bool format = false;
    qint64 at = 12;
    while (at + 8 <= size) {
        f.seek(at);
        const QByteArray chunk = f.read(8);
        const QByteArray id = chunk.left(4);
        const quint32 length = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (id == "fmt ") {
            if (length < 16)
                return QStringLiteral("its format chunk is %1 bytes, too short to describe the sound").arg(length);
            format = true;
        } else if (id == "data") {
            if (!format)
                return QStringLiteral("its data chunk comes before any format chunk");
            if (at + 8 + qint64(length) > size)
                return QStringLiteral("cut short: its data chunk says %1 bytes, only %2 follow")
                    .arg(length)
                    .arg(size - at - 8);
            return {};
        }
        at += 8 + qint64(length) + (length & 1); // chunks are padded to even lengths
    }
    return format ? QStringLiteral("has no data chunk (or it is cut short)")
                  : QStringLiteral("has no format chunk (or it is cut short)");
}

} // namespace WaveCheck
