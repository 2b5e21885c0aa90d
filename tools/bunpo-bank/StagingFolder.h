#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTemporaryDir;

// Writes a set of data folders beside the ones they replace and swaps them in only when all
// are written, so that the output folder ends complete or as it was. Everything is first
// written into a hidden folder inside the output folder (the same file system, so the swap is
// a rename); commit() then moves each old data folder aside, the new one (if written) in, and
// removes the old ones. A failed rename puts back what was already moved. Without a commit the hidden
// folder is removed, and the output folders that had to be created are removed again.
class StagingFolder
{
public:
    explicit StagingFolder(QString outDir);
    ~StagingFolder();
    StagingFolder(const StagingFolder &) = delete;
    StagingFolder &operator=(const StagingFolder &) = delete;

    bool create(QString *error);
    // Where to write: the new data folders go directly under it.
    QString path() const;
    // Replaces outDir/<folder> by path()/<folder> for each folder, all or none. A folder that
    // was not written under path() is removed from outDir in the same swap.
    bool commit(const QStringList &folders, QString *error);

private:
    void discard();

    QString m_outDir;
    QString m_createdFrom; // the outermost folder made for the output, if any
    bool m_committed = false;
    std::unique_ptr<QTemporaryDir> m_staging;
};
