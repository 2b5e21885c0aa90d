#pragma once

#include <QImage>
#include <QString>

// Writes `image` as an uncompressed 8-bit palettised BMP (BITMAPINFOHEADER, 256-entry
// palette, bottom-up rows). Colours are reduced with ColourQuantizer, so the same image
// always gives the same bytes. Alpha is ignored.
//
// The file is replaced atomically. On failure returns false and, if `error` is not null,
// sets it to a message naming the file and the cause.
bool writeIndexedBmp(const QImage& image, const QString& path, QString* error);
