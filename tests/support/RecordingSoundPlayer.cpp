#include "support/RecordingSoundPlayer.h"

QStringList RecordingSoundPlayer::names() const
{
    QStringList result;
    for (QString path : played) {
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        result.append(path.section(QLatin1Char('/'), -1));
    }
    return result;
}
