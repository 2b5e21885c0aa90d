#include "ScratchFolder.h"

#include <QFile>
#include <QFileInfo>

#include <cstdlib>

ScratchFolder::ScratchFolder()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    if (shm.isDir() && shm.isWritable())
        m_dir = std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/bunpo-fuzz-XXXXXX"));
    if (!m_dir || !m_dir->isValid())
        m_dir = std::make_unique<QTemporaryDir>();
    if (!m_dir->isValid())
        std::abort(); // nowhere to write: no run would mean anything
}

QString ScratchFolder::write(const QString &name, const QByteArray &data) const
{
    const QString file = m_dir->filePath(name);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(data) != data.size())
        std::abort();
    return file;
}

void ScratchFolder::remove(const QString &name) const
{
    QFile::remove(m_dir->filePath(name));
}
