#include "Lettering.h"

#include "Canvas.h"
#include "FontPicker.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

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
    Style style;
    style.fill = colour;
    return ink(text, font, style);
}

namespace {

// The lettering on a generous transparent canvas whose size depends only on the font and
// the text's advance, with the baseline at a fixed height.
QImage render(const QString& text, const QFont& font, const Style& style, int scale)
{
    requireGlyphs(font, text);
    const QFontMetrics metrics(font);
    const int margin = font.pixelSize() + 4 + int(std::ceil(style.embolden + 2 * style.outlineWidth));
    const QSize canvas(metrics.horizontalAdvance(text) + 2 * margin, metrics.height() + 2 * margin);
    QImage image(canvas * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    if (scale != 1)
        p.scale(scale, scale); // glyphs and pen widths are rendered at the larger size
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const QPoint origin(margin, margin + metrics.ascent());
    if (style.embolden <= 0 && style.outlineWidth <= 0) {
        p.setFont(font);
        p.setPen(style.fill);
        p.drawText(origin, text);
        return image;
    }
    QPainterPath glyphs;
    glyphs.addText(origin, font, text);
    if (style.outlineWidth > 0) {
        p.setPen(QPen(style.outline, style.embolden + 2 * style.outlineWidth, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.setBrush(style.outline);
        p.drawPath(glyphs);
    }
    if (style.embolden > 0)
        p.setPen(QPen(style.fill, style.embolden, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.setBrush(style.fill);
    p.drawPath(glyphs);
    return image;
}

QRect inkBounds(const QImage& image)
{
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
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage cropped(const QImage& image, const QRect& bounds)
{
    return bounds.isEmpty() ? QImage(1, 1, QImage::Format_ARGB32_Premultiplied) : image.copy(bounds);
}

} // namespace

QImage ink(const QString& text, const QFont& font, const Style& style, int scale)
{
    const QImage image = render(text, font, style, scale);
    return cropped(image, inkBounds(image));
}

QImage tight(const QString& text, const QFont& font, const Style& style, int gap, int scale)
{
    gap *= scale;
    // Each character rendered alone keeps the common baseline (same canvas height); only its
    // horizontal ink extent decides where the next one starts.
    QList<QImage> parts;
    QList<QRect> bounds;
    int width = 0;
    int height = 0;
    for (const QChar c : text) {
        parts << render(QString(c), font, style, scale);
        bounds << inkBounds(parts.last());
        height = std::max(height, int(parts.last().height()));
        if (!bounds.last().isEmpty())
            width += bounds.last().width() + (width ? gap : 0);
    }
    QImage row(std::max(width, 1), std::max(height, 1), QImage::Format_ARGB32_Premultiplied);
    row.fill(Qt::transparent);
    QPainter p(&row);
    int x = 0;
    for (int i = 0; i < parts.size(); ++i) {
        if (bounds[i].isEmpty())
            continue;
        const QRect columns(bounds[i].left(), 0, bounds[i].width(), parts[i].height());
        p.drawImage(QPoint(x, 0), parts[i], columns);
        x += bounds[i].width() + gap;
    }
    p.end();
    return cropped(row, inkBounds(row));
}

QImage fitted(const QString& text, const QColor& colour, int maxWidth, int maxHeight, int scale)
{
    Style style;
    style.fill = colour;
    return fitted(text, style, maxWidth, maxHeight, -1, scale);
}

int fittingSize(const QString& text, const Style& style, int maxWidth, int maxHeight, int gap)
{
    int best = 6;
    for (int size = 6; size <= 200; ++size) {
        const QFont font = FontPicker::mincho(size);
        const QImage candidate = gap < 0 ? ink(text, font, style) : tight(text, font, style, gap);
        if (candidate.width() > maxWidth || candidate.height() > maxHeight)
            break;
        best = size;
    }
    return best;
}

QImage fitted(const QString& text, const Style& style, int maxWidth, int maxHeight, int gap, int scale)
{
    const QFont font = FontPicker::mincho(fittingSize(text, style, maxWidth, maxHeight, gap));
    return gap < 0 ? ink(text, font, style, scale) : tight(text, font, style, gap, scale);
}

QPoint centredOrigin(const QRect& box, const QImage& inkImage, int scale)
{
    return QPoint(box.x() * scale + (box.width() * scale - inkImage.width()) / 2,
                  box.y() * scale + (box.height() * scale - inkImage.height()) / 2);
}

void drawCentred(QPainter& painter, const QRect& box, const QImage& inkImage, int scale)
{
    drawAt(painter, centredOrigin(box, inkImage, scale), inkImage);
}

void drawAt(QPainter& painter, QPoint topLeft, const QImage& inkImage)
{
    Canvas::drawUnscaled(painter, topLeft, inkImage);
}

} // namespace Lettering
