#include "DrillPictures.h"

#include "Blossom.h"
#include "ButtonFace.h"
#include "FontPicker.h"
#include "Lettering.h"
#include "SeededRandom.h"
#include "TransparentKey.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

using Format = PictureSpec::Format;

// Board and track colours; the walker and the burst stand on the track's teal.
const QColor fieldBlue(0x04, 0x02, 0xFC);
const QColor navy(0x00, 0x00, 0x80);
const QColor trackYellow(0xFC, 0xFE, 0x04);
const QColor trackTeal(0x04, 0xAA, 0xA4);
const QColor bandBlue(0x00, 0x00, 0x60);
const QColor balloonRed(0xFC, 0x02, 0x04);
const QRgb greyKey = qRgb(0xC0, 0xC0, 0xC0);
const QRgb whiteKey = qRgb(0xFF, 0xFF, 0xFF);
const QRgb blackKey = qRgb(0x00, 0x00, 0x00);

// Where the track's tick marks start (5 px wide each): the train car's front stops at each.
constexpr int tickLefts[] = {199, 266, 333, 400, 466, 532};

QImage canvas(QSize size, const QColor& fill)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

QImage clearCanvas(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A 1-px frame exactly on the border pixels of `r` (r.right() and r.bottom() included).
void frame(QPainter& p, const QRect& r, const QColor& c)
{
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), c);
}

QImage wallpaper()
{
    const QSize size(750, 523);
    QImage image = canvas(size, Qt::white);
    QPainter p(&image);
    // Blossoms on a staggered grid, each turned a little differently so the wall does not look stamped.
    const int step = 62;
    int row = 0;
    for (int y = 20; y < size.height() + step; y += step / 2 + 6, ++row) {
        const int shift = (row % 2) ? step / 2 : 0;
        for (int x = 10 + shift; x < size.width() + step; x += step) {
            const double turn = std::fmod(x * 7.0 + y * 13.0, 72.0);
            drawBlossom(p, QPointF(x, y), 13.0, turn);
        }
    }
    return image;
}

void drawBalloon(QPainter& p, const QRectF& body)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF knot(body.center().x(), body.bottom());
    // String down to the rail, with a gentle wave.
    QPainterPath string;
    string.moveTo(knot + QPointF(0, 4));
    string.cubicTo(knot + QPointF(-6, 9), knot + QPointF(6, 14), knot + QPointF(0, 19));
    QPen stringPen(QColor(0xF0, 0xF0, 0xF0));
    stringPen.setWidthF(1.2);
    p.setPen(stringPen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(string);

    // Knot.
    QPainterPath tie;
    tie.moveTo(knot + QPointF(-3, 5));
    tie.lineTo(knot + QPointF(3, 5));
    tie.lineTo(knot + QPointF(0, -1));
    tie.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC0, 0x00, 0x04));
    p.drawPath(tie);

    // Body, a little narrower at the bottom.
    QPainterPath shape;
    const double cx = body.center().x(), top = body.top(), bottom = body.bottom();
    const double hw = body.width() / 2;
    shape.moveTo(cx, bottom);
    shape.cubicTo(cx - hw * 0.55, bottom - 4, cx - hw * 1.04, top + body.height() * 0.62, cx - hw, top + body.height() * 0.4);
    shape.cubicTo(cx - hw * 0.98, top - 2, cx + hw * 0.98, top - 2, cx + hw, top + body.height() * 0.4);
    shape.cubicTo(cx + hw * 1.04, top + body.height() * 0.62, cx + hw * 0.55, bottom - 4, cx, bottom);
    QRadialGradient shade(QPointF(cx - hw * 0.25, top + body.height() * 0.32), hw * 1.35);
    shade.setColorAt(0.0, balloonRed);
    shade.setColorAt(0.6, balloonRed);
    shade.setColorAt(1.0, QColor(0x9C, 0x00, 0x0C));
    p.setBrush(shade);
    p.drawPath(shape);

    // White highlights: a long gleam and a small spark.
    p.setBrush(QColor(0xFF, 0xFF, 0xFF, 235));
    p.save();
    p.translate(cx - hw * 0.45, top + body.height() * 0.28);
    p.rotate(-35);
    p.drawEllipse(QPointF(0, 0), hw * 0.16, hw * 0.36);
    p.restore();
    p.drawEllipse(QPointF(cx - hw * 0.12, top + body.height() * 0.12), hw * 0.08, hw * 0.07);
    p.restore();
}

QImage board()
{
    QImage image = canvas(QSize(640, 460), fieldBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);

    const QRect question(QPoint(19, 51), QPoint(620, 135));
    const QRect choices(QPoint(19, 147), QPoint(620, 289));
    for (const QRect& panel : {question, choices}) {
        p.fillRect(panel, navy);
        frame(p, panel, Qt::white);
    }

    // The track spans the width of the panels.
    const int left = 19, right = 620, width = right - left + 1;
    p.fillRect(QRect(left, 349, width, 1), trackYellow);
    p.fillRect(QRect(left, 350, width, 84), trackTeal);
    p.fillRect(QRect(left, 434, width, 2), trackYellow);
    p.fillRect(QRect(left, 436, width, 3), bandBlue);
    for (int x : tickLefts)
        p.fillRect(QRect(x, 436, 5, 3), trackYellow);
    p.fillRect(QRect(left, 439, width, 1), trackYellow);

    // The balloon waits past the last tick, inside the teal strip (x 535..619, y 350..433),
    // the same box the burst picture covers.
    drawBalloon(p, QRectF(538, 352, 78, 62));
    return image;
}

QImage walker()
{
    QImage image = canvas(QSize(180, 84), trackTeal);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    const QColor green(0x1E, 0xA0, 0x46), greenDark(0x0E, 0x6A, 0x2C), red(0xE4, 0x20, 0x20);
    const QColor cream(0xFF, 0xF6, 0xDC), glass(0xA8, 0xE0, 0xFF), dark(0x30, 0x30, 0x38);

    // Needle from the front; its tip is the car's front, touching the right edge.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE8, 0xE8, 0xF0));
    QPainterPath needle;
    needle.moveTo(160, 49);
    needle.lineTo(180, 51);
    needle.lineTo(160, 53);
    needle.closeSubpath();
    p.drawPath(needle);

    // Pantographs: folded diamonds on the roof, touching an imagined wire at the top.
    QPen arm(dark);
    arm.setWidthF(1.6);
    for (int cx : {48, 118}) {
        p.setPen(arm);
        p.setBrush(Qt::NoBrush);
        QPainterPath diamond;
        diamond.moveTo(cx - 13, 22);
        diamond.lineTo(cx, 9);
        diamond.lineTo(cx + 13, 22);
        p.drawPath(diamond);
        p.drawLine(QPointF(cx - 13, 22), QPointF(cx + 2, 4));
        p.drawLine(QPointF(cx + 13, 22), QPointF(cx - 2, 4));
        p.setPen(QPen(dark, 2.2));
        p.drawLine(QPointF(cx - 12, 3), QPointF(cx + 12, 3));
        p.setPen(Qt::NoPen);
        p.setBrush(dark);
        p.drawRect(QRectF(cx - 8, 21, 16, 3));
    }

    // Body: rounded roof, rounder nose at the front (right).
    QPainterPath body;
    body.moveTo(14, 30);
    body.quadTo(14, 24, 22, 24);
    body.lineTo(146, 24);
    body.quadTo(164, 24, 166, 44);
    body.lineTo(166, 66);
    body.quadTo(166, 70, 162, 70);
    body.lineTo(18, 70);
    body.quadTo(14, 70, 14, 66);
    body.closeSubpath();
    QLinearGradient paint(0, 24, 0, 70);
    paint.setColorAt(0.0, green.lighter(125));
    paint.setColorAt(0.5, green);
    paint.setColorAt(1.0, greenDark);
    p.setPen(QPen(greenDark.darker(150), 1.2));
    p.setBrush(paint);
    p.drawPath(body);

    // Red waist band and a cream stripe under the windows.
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawRect(QRectF(15, 52, 151, 9));
    p.setBrush(cream);
    p.drawRect(QRectF(15, 50, 151, 2));

    // Windows and a door.
    p.setPen(QPen(greenDark.darker(130), 1));
    p.setBrush(glass);
    for (int x = 24; x < 130; x += 22)
        p.drawRoundedRect(QRectF(x, 31, 16, 14), 3, 3);
    QPainterPath front;
    front.moveTo(140, 31);
    front.lineTo(154, 31);
    front.quadTo(162, 33, 163, 45);
    front.lineTo(140, 45);
    front.closeSubpath();
    p.drawPath(front);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(greenDark.darker(130), 1));
    p.drawRoundedRect(QRectF(131, 30, 6, 36), 2, 2);

    // Headlight and a cheerful face-like nose.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xF0, 0x80));
    p.drawEllipse(QPointF(160, 57), 3.2, 3.2);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(159.2, 56.2), 1.1, 1.1);

    // Skirt, bogies and wheels resting on the rail just below the picture.
    p.setBrush(dark);
    p.drawRoundedRect(QRectF(20, 69, 142, 4), 2, 2);
    for (int bx : {28, 126}) {
        p.setBrush(QColor(0x48, 0x48, 0x50));
        p.drawRoundedRect(QRectF(bx - 6, 71, 40, 6), 2, 2);
        for (int wx : {bx + 3, bx + 25}) {
            p.setBrush(QColor(0x22, 0x22, 0x26));
            p.drawEllipse(QPointF(wx, 76.5), 7, 7);
            p.setBrush(QColor(0xB0, 0xB0, 0xB8));
            p.drawEllipse(QPointF(wx, 76.5), 3.5, 3.5);
            p.setBrush(QColor(0x22, 0x22, 0x26));
            p.drawEllipse(QPointF(wx, 76.5), 1.2, 1.2);
        }
    }
    return image;
}

QImage burst()
{
    QImage image = canvas(QSize(85, 84), trackTeal);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    SeededRandom random(85084);
    const QPointF centre(43, 36);

    // Fragments flung outwards, bigger near the middle.
    for (int i = 0; i < 16; ++i) {
        const double angle = (i * 22.5 + random.range(-8, 8)) * M_PI / 180.0;
        const double dist = random.range(10, 32);
        const QPointF at = centre + QPointF(std::cos(angle) * dist, std::sin(angle) * dist * 0.9);
        const double size = random.range(4, 10) * (1.2 - dist / 40.0);
        QPainterPath shard;
        const int corners = 3 + int(random.unit() * 3);
        for (int k = 0; k < corners; ++k) {
            const double a = angle + k * 2 * M_PI / corners + random.range(-0.4, 0.4);
            const double r = size * random.range(0.6, 1.2);
            const QPointF c = at + QPointF(std::cos(a) * r, std::sin(a) * r);
            if (k == 0)
                shard.moveTo(c);
            else
                shard.lineTo(c);
        }
        shard.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(i % 3 == 0 ? QColor(0xB8, 0x00, 0x08) : balloonRed);
        p.drawPath(shard);
    }
    // Burst lines.
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const double a = (i * 45 + 20) * M_PI / 180.0;
        p.drawLine(centre + QPointF(std::cos(a) * 6, std::sin(a) * 6),
                   centre + QPointF(std::cos(a) * 12, std::sin(a) * 12));
    }
    // What is left of the string.
    QPen string(QColor(0xF0, 0xF0, 0xF0), 1.2);
    p.setPen(string);
    QPainterPath s;
    s.moveTo(43, 66);
    s.cubicTo(37, 71, 49, 76, 43, 83);
    p.drawPath(s);
    return image;
}

// An exact ring (same pixels in every quadrant) drawn from the distance of each pixel centre.
QImage analyticRing(QSize size, double radius, double thickness, const QColor& colour)
{
    QImage image = clearCanvas(size);
    const double cx = size.width() / 2.0, cy = size.height() / 2.0;
    // 4x4 samples per pixel give a soft edge before keying.
    for (int y = 0; y < size.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            int hits = 0;
            for (int sy = 0; sy < 4; ++sy) {
                for (int sx = 0; sx < 4; ++sx) {
                    const double dx = x + (sx + 0.5) / 4.0 - cx;
                    const double dy = y + (sy + 0.5) / 4.0 - cy;
                    if (std::abs(std::hypot(dx, dy) - radius) <= thickness / 2)
                        ++hits;
                }
            }
            if (hits)
                line[x] = qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), hits * 255 / 16));
        }
    }
    return image;
}

QImage correctMark()
{
    const QSize size(199, 195);
    return keyTransparent(analyticRing(size, 84, 24, QColor(0xF0, 0x10, 0x18)), greyKey);
}

QImage wrongMark()
{
    const QSize size(211, 207);
    QImage image = clearCanvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen bar(QColor(0xF0, 0x10, 0x18), 28, Qt::SolidLine, Qt::RoundCap);
    p.setPen(bar);
    p.drawLine(QPointF(22, 20), QPointF(189, 187));
    p.drawLine(QPointF(189, 20), QPointF(22, 187));
    p.end();
    return keyTransparent(image, greyKey);
}

QImage ring()
{
    return keyTransparent(analyticRing(QSize(40, 40), 17.5, 2.6, QColor(0xF0, 0x10, 0x18)), blackKey);
}

void drawDaruma(QPainter& p, const QRectF& box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const double cx = box.center().x();
    const double w = box.width(), h = box.height();
    // Body: a round-bottomed egg.
    QPainterPath body;
    body.moveTo(cx, box.top());
    body.cubicTo(cx + w * 0.56, box.top(), cx + w * 0.54, box.bottom(), cx, box.bottom());
    body.cubicTo(cx - w * 0.54, box.bottom(), cx - w * 0.56, box.top(), cx, box.top());
    QRadialGradient shade(QPointF(cx - w * 0.15, box.top() + h * 0.3), w * 0.8);
    shade.setColorAt(0.0, QColor(0xFF, 0x40, 0x3C));
    shade.setColorAt(1.0, QColor(0xB0, 0x00, 0x0C));
    p.setPen(QPen(QColor(0x70, 0x00, 0x08), 1.2));
    p.setBrush(shade);
    p.drawPath(body);
    // Face.
    const QRectF face(cx - w * 0.3, box.top() + h * 0.18, w * 0.6, h * 0.42);
    p.setBrush(QColor(0xFF, 0xF4, 0xE4));
    p.setPen(QPen(QColor(0xC8, 0x90, 0x40), 1.2));
    p.drawEllipse(face);
    // Eyebrows and moustache in black brush strokes, eyes still blank for a wish.
    p.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap));
    const double fy = face.top(), fh = face.height(), fx = face.center().x(), fw = face.width();
    p.drawArc(QRectF(fx - fw * 0.42, fy + fh * 0.12, fw * 0.34, fh * 0.28), 30 * 16, 120 * 16);
    p.drawArc(QRectF(fx + fw * 0.08, fy + fh * 0.12, fw * 0.34, fh * 0.28), 30 * 16, 120 * 16);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(fx - fw * 0.22, fy + fh * 0.45), fw * 0.11, fw * 0.11);
    p.drawEllipse(QPointF(fx + fw * 0.22, fy + fh * 0.45), fw * 0.11, fw * 0.11);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(fx - fw * 0.22, fy + fh * 0.45), fw * 0.04, fw * 0.04);
    p.setPen(QPen(Qt::black, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(fx - fw * 0.3, fy + fh * 0.6, fw * 0.3, fh * 0.25), 200 * 16, 120 * 16);
    p.drawArc(QRectF(fx, fy + fh * 0.6, fw * 0.3, fh * 0.25), 220 * 16, 120 * 16);
    // Gold belly mark.
    p.setPen(QPen(QColor(0xFF, 0xD0, 0x30), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cx - w * 0.2, box.top() + h * 0.68, w * 0.4, h * 0.2), 200 * 16, 140 * 16);
    p.restore();
}

QImage bonus()
{
    const QSize size(282, 100);
    QImage image = clearCanvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    // Pill-shaped bar.
    const QRectF bar(34, 12, 246, 76);
    QLinearGradient redShade(0, bar.top(), 0, bar.bottom());
    redShade.setColorAt(0.0, QColor(0xFF, 0x50, 0x48));
    redShade.setColorAt(0.45, QColor(0xEC, 0x10, 0x18));
    redShade.setColorAt(1.0, QColor(0xB4, 0x00, 0x0C));
    p.setPen(QPen(QColor(0x80, 0x00, 0x08), 1.5));
    p.setBrush(redShade);
    p.drawRoundedRect(bar, bar.height() / 2, bar.height() / 2);
    // A gloss along the top.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRoundedRect(QRectF(bar.left() + 30, bar.top() + 4, bar.width() - 50, 14), 7, 7);

    drawDaruma(p, QRectF(2, 4, 76, 92));

    const QColor white(0xFE, 0xFE, 0xFE);
    const QRect textArea(84, 14, 186, 72);
    const QImage top = Lettering::fitted(QStringLiteral("ボーナス"), white, 170, 30);
    const QImage bottom = Lettering::fitted(QStringLiteral("1000点"), white, 170, 28);
    Lettering::drawCentred(p, QRect(textArea.x(), 16, textArea.width(), 34), top);
    Lettering::drawCentred(p, QRect(textArea.x(), 51, textArea.width(), 32), bottom);
    p.end();
    return keyTransparent(image, whiteKey);
}

void drawDroplet(QPainter& p, QPointF tip, double angleDeg, double length, const QColor& colour)
{
    p.save();
    p.translate(tip);
    p.rotate(angleDeg);
    // Pointing up from `tip`, round end away from it.
    QPainterPath drop;
    const double r = length * 0.32;
    drop.moveTo(0, 0);
    drop.cubicTo(r * 0.4, length * 0.35, r, length - 2 * r, r, length - r);
    drop.arcTo(QRectF(-r, length - 2 * r, 2 * r, 2 * r), 0, -180);
    drop.cubicTo(-r, length - 2 * r, -r * 0.4, length * 0.35, 0, 0);
    QRadialGradient shade(QPointF(-r * 0.3, length - r * 1.2), r * 1.6);
    shade.setColorAt(0.0, colour.lighter(135));
    shade.setColorAt(1.0, colour);
    p.setPen(QPen(colour.darker(135), 1.0));
    p.setBrush(shade);
    p.drawPath(drop);
    p.restore();
}

QImage passMark()
{
    const QSize size(342, 113);
    QImage image = clearCanvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor orange(0xFF, 0x98, 0x20), pink(0xFF, 0x80, 0xB0), mint(0x60, 0xD8, 0xA8);
    // Droplets fanning out on both sides, like a little celebration.
    const QColor colours[] = {orange, pink, mint};
    const double angles[] = {-55, -90, -125};
    for (int i = 0; i < 3; ++i) {
        drawDroplet(p, QPointF(72, 56), angles[i] + 180, 44, colours[i]);
        drawDroplet(p, QPointF(270, 56), -angles[i], 44, colours[i]);
    }
    // Cream oval.
    const QRectF oval(70, 6, 202, 101);
    QRadialGradient cream(oval.center() - QPointF(20, 18), oval.width() * 0.6);
    cream.setColorAt(0.0, QColor(0xFF, 0xFC, 0xEC));
    cream.setColorAt(1.0, QColor(0xFF, 0xEC, 0xB8));
    p.setPen(QPen(QColor(0xE0, 0xB0, 0x60), 2));
    p.setBrush(cream);
    p.drawEllipse(oval);
    const QImage letters = Lettering::fitted(QStringLiteral("合格"), QColor(0xE0, 0x08, 0x10), 150, 72, true);
    Lettering::drawCentred(p, oval.toAlignedRect(), letters);
    p.end();
    return keyTransparent(image, whiteKey);
}

QImage halving()
{
    const QSize size(395, 42);
    QImage image = canvas(size, QColor(0xE0, 0x08, 0x14));
    QPainter p(&image);
    QLinearGradient red(0, 0, 0, size.height());
    red.setColorAt(0.0, QColor(0xF4, 0x2C, 0x34));
    red.setColorAt(1.0, QColor(0xC0, 0x00, 0x0C));
    p.fillRect(image.rect(), red);
    const QImage letters = Lettering::fitted(QStringLiteral("得点が半分になります"), Qt::white, 380, 30);
    Lettering::drawCentred(p, image.rect(), letters);
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage scorebox()
{
    QImage image = canvas(QSize(130, 45), Qt::black);
    QPainter p(&image);
    frame(p, image.rect(), QColor(0x70, 0x70, 0x78));
    const QImage ten = Lettering::fitted(QStringLiteral("点"), Qt::white, 28, 30);
    // The score itself is drawn by the program left of this; keep x 0..97 free.
    Lettering::drawCentred(p, QRect(98, 0, 30, 45), ten);
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

// White label at the left, then an empty framed field ending at `fieldRight`.
QImage labelledBox(QSize size, const QString& label, int fieldRight)
{
    QImage image = canvas(size, fieldBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    frame(p, QRect(QPoint(80, 0), QPoint(fieldRight, size.height() - 1)), Qt::white);
    const QImage letters = Lettering::fitted(label, Qt::white, 72, 30);
    Lettering::drawCentred(p, QRect(2, 0, 76, size.height()), letters);
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage sampleChoices()
{
    const QSize size(578, 113);
    QImage image = clearCanvas(size);
    QPainter p(&image);
    const QStringList rows = {QStringLiteral("たべます"), QStringLiteral("たべて"), QStringLiteral("たべた"),
                              QStringLiteral("たべる")};
    const QFont font = FontPicker::mincho(20);
    for (int i = 0; i < rows.size(); ++i) {
        const int centreY = 15 + 28 * i;
        const QImage digit = Lettering::ink(QString::number(i + 1), font, Qt::white);
        const QImage dot = Lettering::ink(QStringLiteral("."), font, Qt::white);
        const QPoint digitAt(13 - digit.width() / 2, centreY - digit.height() / 2);
        Lettering::drawAt(p, digitAt, digit);
        Lettering::drawAt(p, QPoint(digitAt.x() + digit.width() + 1, digitAt.y() + digit.height() - dot.height()), dot);
        const QImage text = Lettering::ink(rows[i], font, Qt::white);
        Lettering::drawAt(p, QPoint(40, centreY - text.height() / 2), text);
    }
    p.end();
    return keyTransparent(image, greyKey, navy);
}

PictureSpec gif(const QString& path, QSize size, std::optional<QRgb> key, std::function<QImage()> draw)
{
    return PictureSpec{path, Format::Gif, size, key, std::move(draw)};
}

} // namespace

QList<PictureSpec> drillPictures()
{
    QList<PictureSpec> list;
    list << PictureSpec{QStringLiteral("drill/background.bmp"), Format::Bmp24, QSize(750, 523), {}, wallpaper};
    list << PictureSpec{QStringLiteral("drill/board.bmp"), Format::Bmp8, QSize(640, 460), {}, board};
    list << gif(QStringLiteral("drill/walker.gif"), QSize(180, 84), {}, walker);
    list << gif(QStringLiteral("drill/burst.gif"), QSize(85, 84), {}, burst);
    list << gif(QStringLiteral("drill/correct.gif"), QSize(199, 195), greyKey, correctMark);
    list << gif(QStringLiteral("drill/wrong.gif"), QSize(211, 207), greyKey, wrongMark);
    list << gif(QStringLiteral("drill/ring.gif"), QSize(40, 40), blackKey, ring);
    list << gif(QStringLiteral("drill/bonus.gif"), QSize(282, 100), whiteKey, bonus);
    list << gif(QStringLiteral("drill/pass.gif"), QSize(342, 113), whiteKey, passMark);
    list << PictureSpec{QStringLiteral("drill/halving.bmp"), Format::Bmp24, QSize(395, 42), {}, halving};
    list << PictureSpec{QStringLiteral("drill/scorebox.bmp"), Format::Bmp8, QSize(130, 45), {}, scorebox};
    list << gif(QStringLiteral("drill/runbox.gif"), QSize(140, 45), {},
                [] { return labelledBox(QSize(140, 45), QStringLiteral("連続"), 136); });
    list << gif(QStringLiteral("drill/answerbox.gif"), QSize(261, 45), {},
                [] { return labelledBox(QSize(261, 45), QStringLiteral("解答"), 257); });
    for (int n = 1; n <= 4; ++n) {
        list << gif(QStringLiteral("drill/choice%1.gif").arg(n), QSize(38, 43), {},
                    [n] { return redButtonFace(QSize(38, 43), QString::number(n), 28); });
    }
    list << PictureSpec{QStringLiteral("drill/next.bmp"), Format::Bmp8, QSize(58, 45), {},
                        [] { return redButtonFace(QSize(58, 45), QStringLiteral("次"), 30); }};
    list << gif(QStringLiteral("drill/end.gif"), QSize(72, 29), {},
                [] { return redButtonFace(QSize(72, 29), QStringLiteral("終了"), 19); });
    list << gif(QStringLiteral("drill/return.gif"), QSize(72, 29), {},
                [] { return redButtonFace(QSize(72, 29), QStringLiteral("戻る"), 19); });
    list << gif(QStringLiteral("drill/settings.gif"), QSize(72, 29), {},
                [] { return redButtonFace(QSize(72, 29), QStringLiteral("設定"), 19); });
    list << gif(QStringLiteral("drill/sample-choices.gif"), QSize(578, 113), greyKey, sampleChoices);
    return list;
}
