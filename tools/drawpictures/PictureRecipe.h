// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

// One built-in picture: where it goes, how it is stored and how it is drawn.
struct PictureRecipe
{
    enum class Format { Gif, Bmp8, Bmp24, Jpeg, Png };

    QString path;                        // relative to the output folder, e.g. "drill/walker.gif"
    Format format;
    QSize size;                          // the drawing must have exactly this size
    std::optional<QRgb> transparent;     // GIF only: the colour that becomes transparent
    std::function<QImage()> draw;
};
