#include "platform/SoundFileCache.h"

#include <QFile>
#include <QFileInfo>

SoundFileCache::Entry &SoundFileCache::lookup(const QString &file)
{
    const QFileInfo info(file);
    const qint64 size = info.exists() ? info.size() : -1;
    const QDateTime modified = info.exists() ? info.lastModified() : QDateTime();
    if (auto known = m_entries.find(file); known != m_entries.end() && known->size == size && known->modified == modified) {
        known->fresh = false;
        return *known;
    }
    Entry &entry = m_entries[file];
    entry = Entry{};
    entry.size = size;
    entry.modified = modified;
    entry.fresh = true;
    if (!info.exists()) {
        entry.wav.problem = QStringLiteral("sound file not found");
    } else if (!info.isFile()) {
        entry.wav.problem = QStringLiteral("not a file");
    } else if (size > MaxFileBytes) {
        entry.wav.problem = QStringLiteral("%1 bytes, too large for a sound effect").arg(size);
    } else {
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly))
            entry.wav.problem = QStringLiteral("cannot be read: %1").arg(in.errorString());
        else
            entry.wav = WavReader::read(in.readAll());
    }
    return entry;
}
