#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A folder for the files a fuzz target hands to readers that take a path: in memory
// (/dev/shm) where the system has it, else in the temporary folder. Removed at exit.
class ScratchFolder
{
public:
    ScratchFolder();

    // Writes data to name inside the folder, replacing what was there; returns the full path.
    QString write(const QString &name, const QByteArray &data) const;
    // Removes name from the folder, if it is there.
    void remove(const QString &name) const;
    QString path() const { return m_dir->path(); }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};
