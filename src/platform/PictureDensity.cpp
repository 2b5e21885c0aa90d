#include "platform/PictureDensity.h"

#include <QFileInfo>

#include <algorithm>

namespace PictureDensity {

QString twiceName(const QString &path)
{
    const qsizetype nameStart =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1;
    qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < nameStart)
        dot = path.size();
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

Choice choose(const QString &path, qreal windowRatio, const std::function<QString(const QString &)> &locate)
{
    if (windowRatio > 1) {
        const QString twice = locate(twiceName(path));
        if (QFileInfo(twice).isFile())
            return {twice, 2};
    }
    return {locate(path), 1};
}

} // namespace PictureDensity
