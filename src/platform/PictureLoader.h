#pragma once

#include <QPixmap>
#include <QString>

// A picture and the text it carries for assistive technology (a GIF's comment); the text is
// empty where the file carries none or none that can be read.
struct PictureWithText
{
    QPixmap picture;
    QString text;
};

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
    // The same, with the picture's text; a loader that reads no text gives an empty one.
    virtual PictureWithText loadWithText(const QString &path, qreal devicePixelRatio)
    {
        return {load(path, devicePixelRatio), QString()};
    }
};
