#include "MarkPictures.h"

#include "Canvas.h"
#include "Lettering.h"
#include "Palette.h"
#include "TransparentKey.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace MarkPictures {

namespace {

// A ring computed from the distance of each sample to the picture's centre, so its pixels
// are mirror-symmetric both ways and it sits exactly in the middle.
QImage analyticRing(QSize size, double radius, double thickness, const QColor& colour, int scale)
{
    size *= scale;
    radius *= scale;
    thickness *= scale;
    QImage image = Canvas::clear(size);
    const double cx = size.width() / 2.0, cy = size.height() / 2.0;
    constexpr int samples = 4;
    for (int y = 0; y < size.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            int hits = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double dx = x + (sx + 0.5) / samples - cx;
                    const double dy = y + (sy + 0.5) / samples - cy;
                    if (std::abs(std::hypot(dx, dy) - radius) <= thickness / 2)
                        ++hits;
                }
            }
            if (hits)
                line[x] = qPremultiply(
                    qRgba(colour.red(), colour.green(), colour.blue(), hits * 255 / (samples * samples)));
        }
    }
    return image;
}

void drawDaruma(QPainter& p, const QRectF& box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const double cx = box.center().x();
    const double w = box.width(), h = box.height();

    // Body: a round-bottomed egg, lit from the upper left.
    QPainterPath body;
    body.moveTo(cx, box.top());
    body.cubicTo(cx + w * 0.60, box.top(), cx + w * 0.58, box.bottom(), cx, box.bottom());
    body.cubicTo(cx - w * 0.58, box.bottom(), cx - w * 0.60, box.top(), cx, box.top());
    QRadialGradient shade(QPointF(cx - w * 0.18, box.top() + h * 0.28), w * 0.85);
    shade.setColorAt(0.0, QColor(0xFF, 0x5A, 0x50));
    shade.setColorAt(0.55, QColor(0xE4, 0x10, 0x18));
    shade.setColorAt(1.0, QColor(0x9C, 0x00, 0x0C));
    p.setPen(QPen(QColor(0x68, 0x00, 0x08), 1.4));
    p.setBrush(shade);
    p.drawPath(body);

    // Gold trim round the face and on the belly.
    const QRectF face(cx - w * 0.31, box.top() + h * 0.15, w * 0.62, h * 0.44);
    p.setPen(QPen(QColor(0xFF, 0xC8, 0x30), 2.4));
    p.setBrush(QColor(0xFF, 0xF2, 0xE2));
    p.drawEllipse(face);
    p.setPen(QPen(QColor(0xFF, 0xC8, 0x30), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 2; ++i)
        p.drawArc(QRectF(cx - w * (0.24 - i * 0.06), box.top() + h * (0.66 + i * 0.06), w * (0.48 - i * 0.12),
                         h * 0.18),
                  200 * 16, 140 * 16);

    const double fx = face.center().x(), fy = face.top(), fw = face.width(), fh = face.height();
    // Bold brows.
    p.setPen(QPen(Qt::black, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(fx - fw * 0.44, fy + fh * 0.10, fw * 0.36, fh * 0.30), 40 * 16, 100 * 16);
    p.drawArc(QRectF(fx + fw * 0.08, fy + fh * 0.10, fw * 0.36, fh * 0.30), 40 * 16, 100 * 16);
    // Round eyes with a sparkle.
    for (double side : {-1.0, 1.0}) {
        const QPointF eye(fx + side * fw * 0.22, fy + fh * 0.44);
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::white);
        p.drawEllipse(eye, fw * 0.12, fw * 0.12);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(eye, fw * 0.075, fw * 0.075);
        p.setBrush(Qt::white);
        p.drawEllipse(eye + QPointF(-fw * 0.025, -fw * 0.03), fw * 0.025, fw * 0.025);
    }
    // Rosy cheeks, moustache and a smile.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0x90, 0x90, 150));
    p.drawEllipse(QPointF(fx - fw * 0.33, fy + fh * 0.68), fw * 0.08, fw * 0.05);
    p.drawEllipse(QPointF(fx + fw * 0.33, fy + fh * 0.68), fw * 0.08, fw * 0.05);
    p.setPen(QPen(Qt::black, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(fx - fw * 0.26, fy + fh * 0.58, fw * 0.26, fh * 0.2), 200 * 16, 110 * 16);
    p.drawArc(QRectF(fx, fy + fh * 0.58, fw * 0.26, fh * 0.2), 230 * 16, 110 * 16);
    p.setPen(QPen(QColor(0xB0, 0x10, 0x10), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(fx - fw * 0.1, fy + fh * 0.7, fw * 0.2, fh * 0.14), 200 * 16, 140 * 16);
    p.restore();
}

void drawDroplet(QPainter& p, QPointF tip, double angleDeg, double length, const QColor& colour)
{
    p.save();
    p.translate(tip);
    p.rotate(angleDeg);
    // Along +y from `tip`, the round end away from it.
    QPainterPath drop;
    const double r = length * 0.30;
    drop.moveTo(0, 0);
    drop.cubicTo(r * 0.5, length * 0.3, r, length - 2 * r, r, length - r);
    drop.arcTo(QRectF(-r, length - 2 * r, 2 * r, 2 * r), 0, -180);
    drop.cubicTo(-r, length - 2 * r, -r * 0.5, length * 0.3, 0, 0);
    QRadialGradient shade(QPointF(-r * 0.35, length - r * 1.25), r * 1.7);
    shade.setColorAt(0.0, colour.lighter(140));
    shade.setColorAt(1.0, colour);
    p.setPen(QPen(colour.darker(130), 1.0));
    p.setBrush(shade);
    p.drawPath(drop);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawEllipse(QPointF(-r * 0.35, length - r * 1.25), r * 0.22, r * 0.3);
    p.restore();
}

} // namespace

QImage correct(int scale)
{
    // The marks stand on the navy panels: edges soften towards navy.
    return keyTransparent(analyticRing(QSize(199, 195), 84, 24, Palette::markRed, scale), Palette::greyKey,
                          Palette::navy, 80);
}

QImage wrong(int scale)
{
    const QSize size(211, 207);
    QImage image = Canvas::clear(size, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    Canvas::scaleTo(p, scale);
    p.setPen(QPen(Palette::markRed, 28, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22, 20), QPointF(size.width() - 22, size.height() - 20));
    p.drawLine(QPointF(size.width() - 22, 20), QPointF(22, size.height() - 20));
    p.end();
    return keyTransparent(image, Palette::greyKey, Palette::navy, 80);
}

QImage ring(int scale)
{
    return keyTransparent(analyticRing(QSize(40, 40), 17.5, 2.6, Palette::markRed, scale), Palette::blackKey,
                          Palette::navy, 64);
}

QImage bonus(int scale)
{
    const QSize size(282, 100);
    QImage image = Canvas::clear(size, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    Canvas::scaleTo(p, scale);

    // Pill-shaped bar with a glossy top.
    const QRectF bar(36, 14, 244, 72);
    QLinearGradient redShade(0, bar.top(), 0, bar.bottom());
    redShade.setColorAt(0.0, QColor(0xFF, 0x50, 0x48));
    redShade.setColorAt(0.45, QColor(0xEC, 0x10, 0x18));
    redShade.setColorAt(1.0, QColor(0xB0, 0x00, 0x0C));
    p.setPen(QPen(QColor(0x80, 0x00, 0x08), 1.5));
    p.setBrush(redShade);
    p.drawRoundedRect(bar, bar.height() / 2, bar.height() / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 56));
    p.drawRoundedRect(QRectF(bar.left() + 44, bar.top() + 4, bar.width() - 66, 13), 6.5, 6.5);

    drawDaruma(p, QRectF(2, 3, 78, 94));

    // Off-white lettering: pure white is this picture's transparent colour.
    Lettering::Style style;
    style.fill = QColor(0xFE, 0xFE, 0xFE);
    style.embolden = 0.8;
    style.outline = QColor(0x90, 0x00, 0x08);
    style.outlineWidth = 1.0;
    const QImage top = Lettering::fitted(QStringLiteral("ボーナス"), style, 176, 32, 3, scale);
    const QImage bottom = Lettering::fitted(QStringLiteral("1000点"), style, 150, 30, 2, scale);
    Lettering::drawCentred(p, QRect(84, 15, 186, 36), top, scale);
    Lettering::drawCentred(p, QRect(84, 50, 186, 34), bottom, scale);
    p.end();
    return keyTransparent(image, Palette::whiteKey);
}

QImage pass(int scale)
{
    const QSize size(342, 113);
    QImage image = Canvas::clear(size, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    Canvas::scaleTo(p, scale);

    // Droplets fanning out on both sides, like a burst of confetti.
    const QColor colours[] = {QColor(0xFF, 0x98, 0x20), QColor(0xFF, 0x7C, 0xB0), QColor(0x50, 0xD4, 0xA0)};
    const double spread[] = {-50, 0, 50}; // degrees from horizontal, upwards first
    for (int i = 0; i < 3; ++i) {
        // A drop's length runs along +y; rotating by 90 points it left, by -90 right.
        drawDroplet(p, QPointF(78, 56.5), 90 + spread[i], 50, colours[i]);
        drawDroplet(p, QPointF(264, 56.5), -90 - spread[i], 50, colours[i]);
    }

    // Cream oval.
    const QRectF oval(72, 5, 198, 103);
    QRadialGradient cream(oval.center() - QPointF(24, 20), oval.width() * 0.62);
    cream.setColorAt(0.0, QColor(0xFF, 0xFD, 0xF0));
    cream.setColorAt(1.0, QColor(0xFF, 0xEA, 0xB0));
    p.setPen(QPen(QColor(0xE8, 0xB0, 0x50), 2.5));
    p.setBrush(cream);
    p.drawEllipse(oval);

    Lettering::Style style;
    style.fill = QColor(0xE0, 0x08, 0x10);
    style.embolden = 2.2;
    style.outline = QColor(0xFF, 0xFF, 0xF6);
    style.outlineWidth = 0;
    const QImage letters = Lettering::fitted(QStringLiteral("合格"), style, 150, 74, -1, scale);
    Lettering::drawCentred(p, oval.toAlignedRect(), letters, scale);
    p.end();
    return keyTransparent(image, Palette::whiteKey);
}

} // namespace MarkPictures
