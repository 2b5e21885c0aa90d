#pragma once

#include "ui/platform/PictureLoader.h"

// Decodes GIF (87a/89a, one transparent colour), BMP (8- and 24-bit) and baseline JPEG from the
// data folders. The size is read from the header first and a picture larger than
// MaxSide x MaxSide is refused before it is decoded, so a hostile file cannot exhaust memory.
class DataPictureLoader : public PictureLoader
{
public:
    static constexpr int MaxSide = 4096;

    QPixmap load(const QString &path) override;

    // The decoding itself, from a file of this system (used by the loader and by bunpo-bank).
    static QImage decode(const QString &file);
};
