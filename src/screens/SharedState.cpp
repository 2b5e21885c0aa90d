#include "screens/SharedState.h"

QString baseDirFrom(const QString &executableFolder)
{
    QString dir = executableFolder;
    if (dir.endsWith(QLatin1Char('\\')) || dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    return dir;
}
