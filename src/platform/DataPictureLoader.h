#pragma once

#include "platform/PictureLoader.h"

#include <QImage>

// Decodes GIF (87a/89a, one transparent colour), BMP (8- and 24-bit) and baseline JPEG from the
// data folders; the format comes from the content, not the name. The size is read from the
// header first and a picture larger than MaxSide x MaxSide is refused before it is decoded,
// with Qt's own allocation limit kept at 64 MB behind it, so a hostile file cannot exhaust
// memory. A cut GIF, BMP or JPEG is refused too (Qt would show it with its end blank).
// Every failure is a RuntimeError naming the file: FileNotFound (missing, or cannot be
// opened) or NotAPicture (empty, not a picture, too large, cut short). A GIF's comment, when it
// is UTF-8, is the picture's text; any other comment is ignored.
class DataPictureLoader : public PictureLoader
{
public:
    static constexpr int MaxSide = 4096;
    // The key under which decode() keeps the picture's text in the image.
    static constexpr char TextKey[] = "Comment";

    using PictureLoader::load;
    // A twice-density file, where chosen, must pass every check a named file must pass.
    QPixmap load(const QString &path, qreal devicePixelRatio) override;
    PictureWithText loadWithText(const QString &path, qreal devicePixelRatio) override;

    // The decoding itself, from a file of this system (used by the loader and by bunpo-bank).
    static QImage decode(const QString &file);
};
