#include "platform/DataFile.h"

#include <QDir>
#include <QFileInfo>

namespace DataFile {

namespace {

QString join(const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return name;
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// The entries of `folder` named `name` regardless of case: the exact name first, then the
// others in sorted order, so that the choice never varies.
QStringList candidates(const QString &folder, const QString &name)
{
    QStringList result;
    if (name == QLatin1String("..") || name == QLatin1String(".")) {
        result.append(name);
        return result;
    }
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    if (QFileInfo::exists(join(folder, name)))
        result.append(name);
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                              QDir::Name);
    for (const QString &entry : entries) {
        if (entry != name && entry.compare(name, Qt::CaseInsensitive) == 0)
            result.append(entry);
    }
    return result;
}

// Follows parts[index..] from `folder`, trying every spelling of each component until the
// whole path exists: an exact "question" folder may lack a file that "Question" holds.
QString resolve(const QString &folder, const QStringList &parts, qsizetype index)
{
    if (index == parts.size())
        return folder;
    for (const QString &entry : candidates(folder, parts[index])) {
        const QString path = join(folder, entry);
        if (index + 1 < parts.size() && !QFileInfo(path).isDir())
            continue;
        const QString found = resolve(path, parts, index + 1);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

} // namespace

QString locate(const QString &dataPath)
{
    // The base folder is the longest leading part, ended by a backslash, that is a folder of this
    // system as it is written: a folder's own name may hold a backslash, which is no separator.
    // Only the relative part after it is the program's spelling, to be mapped.
    for (qsizetype at = dataPath.lastIndexOf(QLatin1Char('\\')); at > 0;
         at = dataPath.lastIndexOf(QLatin1Char('\\'), at - 1)) {
        const QString base = dataPath.left(at);
        if (!QFileInfo(base).isDir())
            continue;
        QString relative = dataPath.mid(at);
        relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
        relative = QDir::cleanPath(relative);
        const QString exact = base + relative;
        if (QFileInfo::exists(exact))
            return exact;
        const QString found = resolve(base, relative.split(QLatin1Char('/'), Qt::SkipEmptyParts), 0);
        return found.isEmpty() ? exact : found;
    }

    // No base folder to be seen: the whole path is the program's spelling.
    QString path = dataPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    path = QDir::cleanPath(path);
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;

    const QString root = path.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
    const QString found = resolve(root, path.split(QLatin1Char('/'), Qt::SkipEmptyParts), 0);
    return found.isEmpty() ? path : found;
}

} // namespace DataFile
