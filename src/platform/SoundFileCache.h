#pragma once

#include "platform/WavReader.h"

#include <QDateTime>
#include <QHash>

// The sound files read so far, each with the size and modification time it had when read:
// a file replaced while the program runs is read again at its next play. A missing or
// unreadable file is remembered as refused until it changes.
class SoundFileCache
{
public:
    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

    struct Entry
    {
        qint64 size = -1;
        QDateTime modified;
        WavReader::Result wav;  // Broken for a file that is missing or cannot be read
        bool fresh = false;     // read at this lookup: its problem has not been reported yet
        QByteArray converted;   // the samples in the output's format, made on first need
    };

    // file: a path of this system. The entry stays valid until the next lookup.
    Entry &lookup(const QString &file);

private:
    QHash<QString, Entry> m_entries;
};
