#include "Canvas.h"

#include <QPainter>

namespace Canvas {

QImage filled(QSize size, const QColor& fill)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

QImage clear(QSize size)
{
    return filled(size, Qt::transparent);
}

void frame(QPainter& p, const QRect& r, const QColor& c)
{
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), c);
}

} // namespace Canvas
