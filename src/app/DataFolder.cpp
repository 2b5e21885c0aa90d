// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DataFolder.h"

#include "platform/DataFile.h"
#include "screens/SharedState.h"

#include <QDir>
#include <QFileInfo>

namespace DataFolder {

namespace {

QString absoluteBaseDir(const QString &folder)
{
    return baseDirFrom(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
}

} // namespace

bool holdsAnswers(const QString &folder)
{
    return QFileInfo(DataFile::locate(baseDirFrom(folder) + QStringLiteral("\\answer"))).isDir();
}

Choice choose(const QString &requested, const QString &executableFolder)
{
    if (!requested.isEmpty()) {
        const QFileInfo info(requested);
        if (!info.exists())
            return {{}, QStringLiteral("%1: no such folder").arg(requested)};
        if (!info.isDir())
            return {{}, QStringLiteral("%1: not a folder").arg(requested)};
        if (!holdsAnswers(requested))
            return {{}, QStringLiteral("%1: not a data folder: it holds no answer folder").arg(requested)};
        return {absoluteBaseDir(requested), {}};
    }
    if (holdsAnswers(executableFolder))
        return {baseDirFrom(executableFolder), {}};
    const QString installed = QDir(executableFolder).filePath(QStringLiteral("../share/bunpo-drill"));
    if (holdsAnswers(installed))
        return {absoluteBaseDir(installed), {}};
    return {baseDirFrom(executableFolder), {}};
}

} // namespace DataFolder
