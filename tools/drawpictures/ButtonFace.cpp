#include "ButtonFace.h"

#include "Canvas.h"
#include "Lettering.h"

#include <QLinearGradient>
#include <QPainter>

QImage redButtonFace(QSize size, const QString& text, int inkHeight, int scale)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    const int w = size.width(), h = size.height();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    Canvas::scaleTo(p, scale);

    // Plate: lighter at the top as if lit from above.
    QLinearGradient plate(0, 0, 0, h);
    plate.setColorAt(0.0, QColor(0xF4, 0x3C, 0x40));
    plate.setColorAt(0.5, QColor(0xE0, 0x10, 0x18));
    plate.setColorAt(1.0, QColor(0xB4, 0x04, 0x0C));
    p.fillRect(QRect(0, 0, w, h), plate);

    // Bevel: light edge top and left, shadow bottom and right, dark outline around; filled as
    // whole pixels, so that each line keeps its place at every scale.
    const QColor light(0xFF, 0x9C, 0x9C), shade(0x94, 0x00, 0x08);
    p.fillRect(QRect(QPoint(1, 1), QPoint(w - 3, 1)), light);
    p.fillRect(QRect(QPoint(1, 1), QPoint(1, h - 3)), light);
    p.fillRect(QRect(QPoint(2, h - 2), QPoint(w - 2, h - 2)), shade);
    p.fillRect(QRect(QPoint(w - 2, 2), QPoint(w - 2, h - 2)), shade);
    Canvas::frame(p, QRect(0, 0, w, h), QColor(0x60, 0x00, 0x04));

    const QRect inner(2, 2, w - 4, h - 4);
    const QImage letters = Lettering::fitted(text, Qt::white, inner.width() - 6, inkHeight, scale);
    const QImage shadow = Lettering::fitted(text, QColor(0x70, 0x00, 0x06), inner.width() - 6, inkHeight, scale);
    const QPoint at = Lettering::centredOrigin(inner, letters, scale);
    p.setOpacity(0.7);
    Lettering::drawAt(p, at + QPoint(scale, scale), shadow);
    p.setOpacity(1.0);
    Lettering::drawAt(p, at, letters);
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}
