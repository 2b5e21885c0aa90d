#pragma once

#include <QPixmap>
#include <QString>

// Loads pictures from the data folders.
class PictureLoader
{
public:
    virtual ~PictureLoader() = default;
    // path: a data path as the program forms it (base folder + "\title\g4_1.gif").
    // devicePixelRatio: the window's; above 1 the picture of twice the density beside the named
    // one is taken where there is one (PictureDensity), and it keeps the named one's logical size.
    // Synchronous. Throws RuntimeError (FileNotFound, NotAPicture) naming the file.
    virtual QPixmap load(const QString &path, qreal devicePixelRatio) = 0;
    // For a window of ordinary density.
    QPixmap load(const QString &path) { return load(path, 1.0); }
};
