#include "bank/DataFile.h"

#include <QDir>

namespace DataFile {

QString locate(const QString &dataPath)
{
    QString path = dataPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(path);
}

} // namespace DataFile
