#include "Canvas.h"

#include <QPainter>

namespace Canvas {

QImage filled(QSize size, const QColor& fill, int scale)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

QImage clear(QSize size, int scale)
{
    return filled(size, Qt::transparent, scale);
}

void scaleTo(QPainter& painter, int scale)
{
    if (scale != 1)
        painter.scale(scale, scale);
}

void drawUnscaled(QPainter& painter, QPoint at, const QImage& image)
{
    if (painter.transform().isIdentity()) {
        painter.drawImage(at, image);
        return;
    }
    painter.save();
    painter.resetTransform();
    painter.drawImage(at, image);
    painter.restore();
}

void frame(QPainter& p, const QRect& r, const QColor& c)
{
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), c);
}

} // namespace Canvas
