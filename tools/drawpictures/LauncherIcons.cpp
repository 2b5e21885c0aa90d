// SPDX-License-Identifier: GPL-3.0-or-later
#include "LauncherIcons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QImage iconMotif()
{
    QImage big(256, 256, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient sky(0, 0, 0, 256);
    sky.setColorAt(0.0, QColor(0x10, 0x40, 0xC0));
    sky.setColorAt(1.0, QColor(0x80, 0xC0, 0xF8));
    p.fillRect(big.rect(), sky);
    QPainterPath mountain;
    mountain.moveTo(-10, 230);
    mountain.cubicTo(60, 200, 90, 120, 108, 70);
    mountain.lineTo(148, 70);
    mountain.cubicTo(166, 120, 196, 200, 266, 230);
    mountain.lineTo(266, 266);
    mountain.lineTo(-10, 266);
    mountain.closeSubpath();
    QLinearGradient rock(0, 70, 0, 256);
    rock.setColorAt(0.0, QColor(0x50, 0x5C, 0x90));
    rock.setColorAt(1.0, QColor(0x20, 0x28, 0x48));
    p.setPen(Qt::NoPen);
    p.setBrush(rock);
    p.drawPath(mountain);
    QPainterPath snow;
    snow.moveTo(108, 70);
    snow.lineTo(148, 70);
    snow.quadTo(158, 100, 172, 124);
    snow.lineTo(160, 118);
    snow.lineTo(150, 134);
    snow.lineTo(138, 116);
    snow.lineTo(128, 138);
    snow.lineTo(118, 116);
    snow.lineTo(104, 130);
    snow.lineTo(96, 118);
    snow.lineTo(84, 124);
    snow.quadTo(98, 100, 108, 70);
    p.setBrush(Qt::white);
    p.drawPath(snow);
    p.end();
    return big;
}

namespace {

// The motif within a rounded square that leaves the launcher's usual margin free.
QImage launcherIcon(int size)
{
    QImage big(256, 256, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing, true);
        const QRectF square(8, 8, 240, 240);
        QPainterPath rounded;
        rounded.addRoundedRect(square, 44, 44);
        p.setClipPath(rounded);
        p.drawImage(square, iconMotif());
        p.setClipping(false);
        p.setPen(QPen(QColor(0x08, 0x20, 0x60), 4));
        p.setBrush(Qt::NoBrush);
        p.drawPath(rounded);
    }
    if (size == 256)
        return big;
    return big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QList<PictureRecipe> launcherIcons()
{
    QList<PictureRecipe> list;
    for (const int size : {48, 64, 128, 256})
        list << PictureRecipe{QStringLiteral("launcher/icon-%1.png").arg(size), PictureRecipe::Format::Png,
                              QSize(size, size), {}, [size](int) { return launcherIcon(size); }, false};
    return list;
}
