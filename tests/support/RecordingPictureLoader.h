#pragma once

#include "ui/platform/DataPictureLoader.h"

#include <QStringList>

// The real loader, recording every path asked for (also those that fail).
class RecordingPictureLoader : public PictureLoader
{
public:
    QPixmap load(const QString &path) override
    {
        loaded.append(path);
        return m_real.load(path);
    }
    PictureWithText loadWithText(const QString &path) override
    {
        loaded.append(path);
        return m_real.loadWithText(path);
    }

    // The paths asked for, relative to base, with forward slashes ("title/r3b.gif").
    QStringList relative(const QString &base) const;

    QStringList loaded;

private:
    DataPictureLoader m_real;
};
