#pragma once

#include "platform/DataPictureLoader.h"

#include <QStringList>

// The real loader, recording every path asked for (also those that fail).
class RecordingPictureLoader : public PictureLoader
{
public:
    using PictureLoader::load;
    QPixmap load(const QString &path, qreal devicePixelRatio) override
    {
        loaded.append(path);
        return m_real.load(path, devicePixelRatio);
    }
    PictureWithText loadWithText(const QString &path, qreal devicePixelRatio) override
    {
        loaded.append(path);
        return m_real.loadWithText(path, devicePixelRatio);
    }

    // The paths asked for, relative to base, with forward slashes ("title/r3b.gif").
    QStringList relative(const QString &base) const;

    QStringList loaded;

private:
    DataPictureLoader m_real;
};
