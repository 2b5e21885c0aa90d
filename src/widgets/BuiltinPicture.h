#pragma once

// Loading the pictures compiled into the program.

#include <QPixmap>
#include <QString>

namespace BuiltinPicture {

// Loads a built-in picture by its resource path: the one of twice the density beside it where
// devicePixelRatio is above 1 (the rule of the data pictures, PictureDensity). Throws
// RuntimeError when the resource holds no picture.
QPixmap load(const QString &resourcePath, qreal devicePixelRatio = 1.0);

} // namespace BuiltinPicture

// The picture a picture widget shows and, while it is a built-in one, which: a built-in
// picture follows its window to a screen of another density by its name; any other picture
// (a question, a grade button from the data folder) stays as it was set, whatever its pixels.
class ShownPicture
{
public:
    // A picture that is not a built-in one, or none.
    void set(const QPixmap &picture)
    {
        m_picture = picture;
        m_builtinPath.clear();
    }
    // The built-in picture of this path at this density.
    void setBuiltin(const QString &resourcePath, qreal devicePixelRatio)
    {
        m_picture = BuiltinPicture::load(resourcePath, devicePixelRatio);
        m_builtinPath = resourcePath;
    }
    // Loads the built-in picture again for this density; false, and nothing changes, when the
    // picture is not a built-in one.
    bool reloadFor(qreal devicePixelRatio)
    {
        if (m_builtinPath.isEmpty())
            return false;
        m_picture = BuiltinPicture::load(m_builtinPath, devicePixelRatio);
        return true;
    }

    const QPixmap &picture() const { return m_picture; }
    // The resource path of the built-in picture on show; empty for any other picture.
    const QString &builtinPath() const { return m_builtinPath; }

private:
    QPixmap m_picture;
    QString m_builtinPath;
};
