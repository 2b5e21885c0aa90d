#pragma once

#include <QColor>
#include <QImage>
#include <QRgb>

#include <optional>

// Pictures with a transparent colour are drawn on a fully transparent canvas and then keyed:
// a pixel covered at least `minAlpha`/255 becomes opaque, the rest becomes the key colour.
// Opaque edge pixels are blended with `matte` (the colour the picture will usually stand on)
// when given, so edges stay soft without a fringe of the key colour; with a matte a lower
// `minAlpha` keeps the faint edges of thin strokes. No opaque pixel ends up equal to the
// key, so nothing meant to be seen turns transparent.
QImage keyTransparent(const QImage& drawing, QRgb key, std::optional<QColor> matte = std::nullopt,
                      int minAlpha = 128);
