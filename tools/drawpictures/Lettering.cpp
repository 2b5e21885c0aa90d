#include "Lettering.h"

#include "FontPicker.h"

#include <QFontMetrics>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

namespace Lettering {

void requireGlyphs(const QFont& font, const QString& text)
{
    QString missing;
    if (!FontPicker::covers(font, text, &missing)) {
        std::fprintf(stderr, "drawpictures: font \"%s\" has no glyph for: %s\n",
                     qPrintable(font.family()), qPrintable(missing));
        std::exit(1);
    }
}

QImage ink(const QString& text, const QFont& font, const QColor& colour)
{
    requireGlyphs(font, text);
    const QFontMetrics metrics(font);
    const int margin = font.pixelSize() + 4;
    const QSize canvas(metrics.horizontalAdvance(text) + 2 * margin, metrics.height() + 2 * margin);
    QImage image(canvas, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setFont(font);
        p.setPen(colour);
        p.drawText(QPoint(margin, margin + metrics.ascent()), text);
    }
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
    return image.copy(left, top, right - left + 1, bottom - top + 1);
}

QImage fitted(const QString& text, const QColor& colour, int maxWidth, int maxHeight, bool bold)
{
    QImage best;
    for (int size = 6; size <= 200; ++size) {
        QImage candidate = ink(text, FontPicker::mincho(size, bold), colour);
        if (candidate.width() > maxWidth || candidate.height() > maxHeight)
            break;
        best = candidate;
    }
    return best.isNull() ? ink(text, FontPicker::mincho(6, bold), colour) : best;
}

QPoint centredOrigin(const QRect& box, const QImage& inkImage)
{
    return QPoint(box.x() + (box.width() - inkImage.width()) / 2, box.y() + (box.height() - inkImage.height()) / 2);
}

void drawCentred(QPainter& painter, const QRect& box, const QImage& inkImage)
{
    painter.drawImage(centredOrigin(box, inkImage), inkImage);
}

void drawAt(QPainter& painter, QPoint topLeft, const QImage& inkImage)
{
    painter.drawImage(topLeft, inkImage);
}

} // namespace Lettering
