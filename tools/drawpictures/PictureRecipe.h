// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

// One built-in picture: where it goes, how it is stored and how it is drawn. Every picture is
// drawn at scale 1 for ordinary screens and at scale 2 (twice as many pixels each way, stored
// as "name@2x.ext" beside it) for screens of twice the density.
struct PictureRecipe
{
    enum class Format { Gif, Bmp8, Bmp24, Jpeg, Png };

    QString path;                        // relative to the output folder, e.g. "drill/train.gif"
    Format format;
    QSize size;                          // at scale 1; the drawing must have exactly `scale` times this size
    std::optional<QRgb> transparent;     // GIF only: the colour that becomes transparent
    std::function<QImage(int scale)> draw;
    // False for pictures that come in sizes of their own instead (the launcher icons).
    bool drawnAtTwiceDensity = true;

    // Where the picture drawn at `scale` goes: "drill/train.gif", "drill/train@2x.gif".
    QString pathAt(int scale) const
    {
        if (scale == 1)
            return path;
        const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
        return path.left(dot) + QStringLiteral("@%1x").arg(scale) + path.mid(dot);
    }
};
