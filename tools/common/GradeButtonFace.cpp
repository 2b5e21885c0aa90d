#include "GradeButtonFace.h"

#include "FontPicker.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace GradeButtonFace {

namespace {

constexpr QRgb BoardBlue = 0xff0402fc;
constexpr QRgb Yellow = 0xfffcfe04;

// Moves path by whole pixels so that the middle of its ink lies on centre.
QPainterPath inkCentred(const QPainterPath &path, QPointF centre)
{
    const QRectF ink = path.boundingRect();
    return path.translated(std::round(centre.x() - ink.center().x()), std::round(centre.y() - ink.center().y()));
}

} // namespace

Outline minchoOutline(const QString &text)
{
    return [text](QPainterPath &path, int px) {
        QFont font = FontPicker::mincho(px);
        font.setBold(true);
        path.addText(QPointF(0, 0), font, text);
    };
}

int pixelSize(const Outline &outline)
{
    for (int px = LargestPixels; px >= SmallestPixels; --px) {
        QPainterPath path;
        outline(path, px);
        const QRectF ink = path.boundingRect();
        if (ink.width() <= LetteringWidth && ink.height() <= LetteringHeight)
            return px;
    }
    return SmallestPixels - 1;
}

QImage draw(const Outline &outline, bool highlighted, int scale)
{
    const int s = scale;
    const int w = Width * s, h = Height * s;
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(BoardBlue);
    QPainter p(&image);
    // The frames are whole pixels of the picture: `s` device pixels each.
    if (highlighted) {
        // Lit: a warm cream face inside a red frame, the lettering in red.
        QLinearGradient glow(0, 0, 0, h);
        glow.setColorAt(0.0, QColor(0xff, 0xff, 0xf0));
        glow.setColorAt(1.0, QColor(0xfc, 0xe8, 0x80));
        p.fillRect(QRect(0, 0, w, h), QColor(Qt::white));
        p.fillRect(QRect(s, s, w - 2 * s, h - 2 * s), QColor(0xfc, 0x02, 0x04));
        p.fillRect(QRect(3 * s, 3 * s, w - 6 * s, h - 6 * s), glow);
    } else {
        p.fillRect(QRect(0, 0, w, h), QColor(Qt::white));
        p.fillRect(QRect(s, s, w - 2 * s, h - 2 * s), QColor(BoardBlue));
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    QPainterPath path;
    outline(path, pixelSize(outline) * s);
    path = inkCentred(path, QRectF(0, 0, w, h).center());
    if (highlighted) {
        // A hairline of the same red thickens the strokes against the light face.
        const QColor red(0xd0, 0x00, 0x10);
        p.strokePath(path, QPen(red, 0.8 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.fillPath(path, red);
    } else {
        p.fillPath(path, QColor(Yellow));
    }
    return image;
}

} // namespace GradeButtonFace
