#include "bank/DataFile.h"

#include <QDir>
#include <QFileInfo>

namespace DataFile {

namespace {

// The entry of folder `dir` named `name` regardless of case; the exact name wins, and among
// several that differ only in case the first in sorted order, so the choice never varies.
QString matchEntry(const QString &dir, const QString &name)
{
    const QString folder = dir.isEmpty() ? QStringLiteral(".") : dir;
    const QString separator = folder.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/");
    if (QFileInfo::exists(folder + separator + name))
        return name;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                       QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

} // namespace

QString locate(const QString &dataPath)
{
    QString path = dataPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    path = QDir::cleanPath(path);
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;

    const bool absolute = path.startsWith(QLatin1Char('/'));
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString found = absolute ? QStringLiteral("/") : QString();
    for (const QString &part : parts) {
        QString entry = part;
        if (part != QLatin1String("..") && part != QLatin1String(".")) {
            entry = matchEntry(found, part);
            if (entry.isEmpty())
                return path;
        }
        if (!found.isEmpty() && !found.endsWith(QLatin1Char('/')))
            found += QLatin1Char('/');
        found += entry;
    }
    return found;
}

} // namespace DataFile
