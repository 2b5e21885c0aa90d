#pragma once

#include <QPixmap>
#include <QString>

// Loads pictures from the data folders.
class PictureLoader
{
public:
    virtual ~PictureLoader() = default;
    // path: a data path as the program forms it (base folder + "\title\g4_1.gif").
    // Synchronous. Throws RuntimeError (FileNotFound, NotAPicture) naming the file.
    virtual QPixmap load(const QString &path) = 0;
};
