#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

// Small helpers for pixel-exact drawing.
namespace Canvas {

// A premultiplied ARGB canvas filled with `fill` (transparent if not given).
QImage filled(QSize size, const QColor& fill);
QImage clear(QSize size);

// A 1-px frame exactly on the border pixels of `r`: columns r.left() and r.right(), rows
// r.top() and r.bottom(), whatever the painter's pen and antialiasing.
void frame(QPainter& p, const QRect& r, const QColor& c);

} // namespace Canvas
