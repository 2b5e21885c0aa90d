#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

// Small helpers for pixel-exact drawing.
namespace Canvas {

// A premultiplied ARGB canvas filled with `fill` (transparent if not given), `scale` times `size`.
QImage filled(QSize size, const QColor& fill, int scale = 1);
QImage clear(QSize size, int scale = 1);

// Lets `painter` draw a picture of `scale` device pixels per layout pixel in layout pixels:
// fills, paths and pen widths grow with it, a 1-px line of the layout becomes `scale` px.
void scaleTo(QPainter& painter, int scale);

// Draws `image` pixel for pixel with its top-left corner at `at`, in device pixels, whatever
// the painter's scale (for lettering rendered at the device's size already).
void drawUnscaled(QPainter& painter, QPoint at, const QImage& image);

// A 1-px frame exactly on the border pixels of `r`: columns r.left() and r.right(), rows
// r.top() and r.bottom(), whatever the painter's pen and antialiasing.
void frame(QPainter& p, const QRect& r, const QColor& c);

} // namespace Canvas
