#include "StagingFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <utility>
#include <vector>

StagingFolder::StagingFolder(QString outDir) : m_outDir(std::move(outDir)) {}

StagingFolder::~StagingFolder()
{
    if (!m_committed)
        discard();
}

void StagingFolder::discard()
{
    m_staging.reset(); // removes the hidden folder with whatever was written into it
    // The folders made for the output, deepest first, each only if still empty.
    if (!m_createdFrom.isEmpty()) {
        QString dir = QFileInfo(m_outDir).absoluteFilePath();
        while (dir.startsWith(m_createdFrom) && QDir().rmdir(dir) && dir != m_createdFrom)
            dir = QFileInfo(dir).path();
    }
    m_createdFrom.clear();
}

bool StagingFolder::create(QString *error)
{
    if (!QFileInfo(m_outDir).isDir()) {
        // Remember the outermost folder that mkpath makes, to take them all away again.
        QString outermost = QFileInfo(m_outDir).absoluteFilePath();
        while (!QFileInfo::exists(QFileInfo(outermost).path()))
            outermost = QFileInfo(outermost).path();
        if (!QDir().mkpath(m_outDir)) {
            *error = QStringLiteral("%1: cannot create the folder").arg(m_outDir);
            return false;
        }
        m_createdFrom = outermost;
    }
    m_staging = std::make_unique<QTemporaryDir>(QDir(m_outDir).filePath(QStringLiteral(".bunpo-bank-new-XXXXXX")));
    if (!m_staging->isValid()) {
        *error = QStringLiteral("%1: cannot create a working folder inside it: %2").arg(m_outDir, m_staging->errorString());
        discard();
        return false;
    }
    return true;
}

QString StagingFolder::path() const
{
    return m_staging ? m_staging->path() : QString();
}

bool StagingFolder::commit(const QStringList &folders, QString *error)
{
    const QDir out(m_outDir);
    QTemporaryDir aside(out.filePath(QStringLiteral(".bunpo-bank-old-XXXXXX")));
    if (!aside.isValid()) {
        *error = QStringLiteral("%1: cannot create a working folder inside it: %2").arg(m_outDir, aside.errorString());
        return false;
    }
    const QDir oldDir(aside.path());
    const QDir newDir(m_staging->path());

    // Every rename done so far, to be undone in reverse if a later one fails.
    std::vector<std::pair<QString, QString>> done;
    auto move = [&](const QString &from, const QString &to) {
        if (!QDir().rename(from, to))
            return false;
        done.emplace_back(from, to);
        return true;
    };
    for (const QString &folder : folders) {
        const QString current = out.filePath(folder);
        const bool present = QFileInfo::exists(current) || QFileInfo(current).isSymLink();
        const bool written = QFileInfo::exists(newDir.filePath(folder));
        if ((present && !move(current, oldDir.filePath(folder))) || (written && !move(newDir.filePath(folder), current))) {
            *error = QStringLiteral("%1: cannot replace the folder (is a file in it open, or the folder "
                                    "read-only?)")
                         .arg(current);
            for (auto it = done.rbegin(); it != done.rend(); ++it)
                QDir().rename(it->second, it->first);
            return false;
        }
    }
    m_committed = true;
    m_staging.reset();
    return true; // `aside` removes the old folders as it goes
}
