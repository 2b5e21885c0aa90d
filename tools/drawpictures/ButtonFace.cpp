#include "ButtonFace.h"

#include "Lettering.h"

#include <QLinearGradient>
#include <QPainter>

QImage redButtonFace(QSize size, const QString& text, int inkHeight)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    const int w = size.width(), h = size.height();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);

    // Plate: lighter at the top as if lit from above.
    QLinearGradient plate(0, 0, 0, h);
    plate.setColorAt(0.0, QColor(0xF4, 0x3C, 0x40));
    plate.setColorAt(0.5, QColor(0xE0, 0x10, 0x18));
    plate.setColorAt(1.0, QColor(0xB4, 0x04, 0x0C));
    p.fillRect(image.rect(), plate);

    // Bevel: light edge top and left, shadow bottom and right, dark outline around.
    p.setPen(QColor(0xFF, 0x9C, 0x9C));
    p.drawLine(1, 1, w - 3, 1);
    p.drawLine(1, 1, 1, h - 3);
    p.setPen(QColor(0x94, 0x00, 0x08));
    p.drawLine(2, h - 2, w - 2, h - 2);
    p.drawLine(w - 2, 2, w - 2, h - 2);
    p.setPen(QColor(0x60, 0x00, 0x04));
    p.drawRect(0, 0, w - 1, h - 1);

    const QRect inner(2, 2, w - 4, h - 4);
    const QImage letters = Lettering::fitted(text, Qt::white, inner.width() - 6, inkHeight);
    const QImage shadow = Lettering::fitted(text, QColor(0x70, 0x00, 0x06), inner.width() - 6, inkHeight);
    const QPoint at = Lettering::centredOrigin(inner, letters);
    p.setOpacity(0.7);
    p.drawImage(at + QPoint(1, 1), shadow);
    p.setOpacity(1.0);
    p.drawImage(at, letters);
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}
