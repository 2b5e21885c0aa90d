#include "support/RecordingPictureLoader.h"

QStringList RecordingPictureLoader::relative(const QString &base) const
{
    QStringList result;
    for (QString path : loaded) {
        if (path.startsWith(base))
            path = path.mid(base.size());
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (path.startsWith(QLatin1Char('/')))
            path.remove(0, 1);
        result.append(path);
    }
    return result;
}
