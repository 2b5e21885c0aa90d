#pragma once

#include <QImage>
#include <QRgb>

#include <optional>

// Turns a picture into an 8-bit indexed one, always the same way for the same pixels,
// so that regenerated files are byte-identical.
//
// - A picture with few enough distinct colours gets an exact palette.
// - Otherwise colours that cover many pixels (flat fields, frames) keep exact entries, and
//   the rest of the palette comes from a median cut over the remaining colours weighted by
//   how often they occur; each pixel takes the nearest palette colour (no dithering).
// - The optional `reserved` colour (a GIF's transparent colour) always gets its own
//   palette entry; pixels of exactly that colour map to it and no other pixel does.
//
// Alpha is ignored: the picture is treated as opaque.
class ColourQuantizer
{
public:
    struct Result
    {
        QImage image;                    // Format_Indexed8; its colour table is the palette
        int reservedIndex = -1;          // palette index of `reserved`, or -1 if none was given
    };

    // maxColours: 2..256, including the reserved entry.
    static Result quantize(const QImage& source, std::optional<QRgb> reserved, int maxColours = 256);
};
