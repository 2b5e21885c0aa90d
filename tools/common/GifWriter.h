#pragma once

#include <QImage>
#include <QRgb>
#include <QString>

#include <optional>

// Writes `image` as a one-frame GIF at `path`.
//
// The picture is reduced to at most 256 colours by ColourQuantizer (exact palette when it
// has few colours, a stable median cut otherwise), so the same image always gives the same
// bytes. Alpha is ignored.
//
// If `transparent` is given, pixels of exactly that RGB become the GIF's transparent colour
// (GIF89a); no other pixel is mapped onto it. A non-empty `comment` goes into a comment
// extension as UTF-8 (GIF89a) before the image, where the program reads it as the picture's
// text. With neither the file is a plain GIF87a.
//
// The file is replaced atomically. On failure returns false and, if `error` is not null,
// sets it to a message naming the file and the cause.
bool writeGif(const QImage& image, const QString& path, std::optional<QRgb> transparent, QString* error,
              const QString& comment = QString());
