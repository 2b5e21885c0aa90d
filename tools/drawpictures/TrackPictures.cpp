#include "TrackPictures.h"

#include "Canvas.h"
#include "Palette.h"
#include "SeededRandom.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>

namespace TrackPictures {

namespace {

// Where the track's tick marks start (5 px wide each): the train car's front stops at each.
constexpr int tickLefts[] = {199, 266, 333, 400, 466, 532};

// Centre of the balloon's body on the board; the burst picture is drawn around the same point.
constexpr double balloonCx = 577.0;
constexpr double balloonCy = 384.0;
constexpr double balloonRx = 40.0;
constexpr double balloonRy = 32.0;

// A balloon body: round at the top, drawn in towards the knot at the bottom.
QPainterPath balloonBody(QPointF centre, double rx, double ry)
{
    QPolygonF outline;
    for (int i = 0; i < 180; ++i) {
        const double t = 2 * M_PI * i / 180.0;
        const double down = std::max(0.0, -std::cos(t)); // 0 on the upper half, 1 at the knot
        const double x = rx * std::sin(t) * (1.0 - 0.30 * std::pow(down, 2.2));
        const double y = -ry * std::cos(t) * (1.0 + 0.14 * down);
        outline << centre + QPointF(x, y);
    }
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

// The tied neck under a balloon: narrow at the top, a small round lip below.
QPainterPath knot(QPointF top)
{
    QPainterPath path;
    path.moveTo(top + QPointF(-1.5, -1));
    path.lineTo(top + QPointF(1.5, -1));
    path.lineTo(top + QPointF(3.2, 3));
    path.quadTo(top + QPointF(0, 5.5), top + QPointF(-3.2, 3));
    path.closeSubpath();
    return path;
}

void drawBalloon(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF c(balloonCx, balloonCy);
    const double knotY = balloonCy + balloonRy * 1.14;

    // String down to the rail, with a gentle wave.
    QPainterPath string;
    string.moveTo(balloonCx, knotY + 3);
    string.cubicTo(balloonCx - 5, knotY + 7, balloonCx + 5, knotY + 11, balloonCx + 1, 434);
    p.setPen(QPen(QColor(0xF4, 0xF4, 0xF4), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(string);

    // Knot.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC4, 0x00, 0x06));
    p.drawPath(knot(QPointF(balloonCx, knotY)));

    // Body: bright red lit from the upper left, deepening to the far rim.
    const QPainterPath body = balloonBody(c, balloonRx, balloonRy);
    QRadialGradient shade(c + QPointF(-8, -6), balloonRx * 1.25, c + QPointF(-14, -12));
    shade.setColorAt(0.0, QColor(0xFF, 0x4C, 0x48));
    shade.setColorAt(0.35, Palette::balloonRed);
    shade.setColorAt(0.8, Palette::balloonRed);
    shade.setColorAt(1.0, QColor(0xA8, 0x00, 0x10));
    p.setBrush(shade);
    p.drawPath(body);

    // Highlights: a curved gleam near the top left and a small spark.
    p.save();
    p.setClipPath(body);
    QPen gleam(QColor(0xFF, 0xFF, 0xFF), 5.5, Qt::SolidLine, Qt::RoundCap);
    p.setPen(gleam);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - balloonRx * 0.72, c.y() - balloonRy * 0.78, balloonRx * 1.2, balloonRy * 1.3),
              105 * 16, 62 * 16);
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(c.x() - balloonRx * 0.05, c.y() - balloonRy * 0.72), 2.6, 2.2);
    p.setBrush(QColor(0xFF, 0xB0, 0xB0));
    p.drawEllipse(QPointF(c.x() + balloonRx * 0.55, c.y() + balloonRy * 0.45), 3.0, 4.5);
    p.restore();
}

} // namespace

QImage board(int scale)
{
    QImage image = Canvas::filled(QSize(640, 460), Palette::fieldBlue, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    Canvas::scaleTo(p, scale);

    const QRect question(QPoint(19, 51), QPoint(620, 135));
    const QRect choices(QPoint(19, 147), QPoint(620, 289));
    for (const QRect& panel : {question, choices}) {
        p.fillRect(panel, Palette::navy);
        Canvas::frame(p, panel, Qt::white);
    }

    // The track spans the width of the panels.
    const int left = 19, right = 620, width = right - left + 1;
    p.fillRect(QRect(left, 349, width, 1), Palette::trackYellow);
    p.fillRect(QRect(left, 350, width, 84), Palette::trackTeal);
    p.fillRect(QRect(left, 434, width, 2), Palette::trackYellow);
    p.fillRect(QRect(left, 436, width, 3), Palette::bandBlue);
    for (int x : tickLefts)
        p.fillRect(QRect(x, 436, 5, 3), Palette::trackYellow);
    p.fillRect(QRect(left, 439, width, 1), Palette::trackYellow);

    // The balloon waits past the last tick, inside the teal strip (x 535..619).
    p.setClipRect(QRect(535, 350, 85, 84));
    drawBalloon(p);
    return image;
}

QImage trainCar(int scale)
{
    QImage image = Canvas::filled(QSize(180, 84), Palette::trackTeal, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    Canvas::scaleTo(p, scale);

    const QColor green(0x1E, 0xA0, 0x46), greenDark(0x0E, 0x6A, 0x2C), red(0xE4, 0x20, 0x20);
    const QColor cream(0xFF, 0xF6, 0xDC), glass(0xA8, 0xE0, 0xFF), dark(0x30, 0x30, 0x38);

    // Pantographs: folded diamonds on the roof with a collector bar on top.
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
        p.setPen(QPen(dark, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cx - 12, 3), QPointF(cx + 12, 3));
        p.setPen(Qt::NoPen);
        p.setBrush(dark);
        p.drawRect(QRectF(cx - 8, 21, 16, 3));
        p.setBrush(QColor(0xD0, 0xD0, 0xD8));
        p.drawEllipse(QPointF(cx - 5, 22.5), 1.6, 1.6);
        p.drawEllipse(QPointF(cx + 5, 22.5), 1.6, 1.6);
    }

    // Body: rounded roof, rounder nose at the front (right).
    QPainterPath body;
    body.moveTo(14, 30);
    body.quadTo(14, 24, 22, 24);
    body.lineTo(144, 24);
    body.quadTo(162, 24, 165, 44);
    body.lineTo(165, 66);
    body.quadTo(165, 70, 161, 70);
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

    // Red waist band with a cream line above it.
    p.save();
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawRect(QRectF(14, 52, 152, 9));
    p.setBrush(cream);
    p.drawRect(QRectF(14, 50, 152, 2));
    p.restore();

    // Windows, the door and the wide front window.
    p.setPen(QPen(greenDark.darker(130), 1));
    p.setBrush(glass);
    for (int x = 24; x < 130; x += 22)
        p.drawRoundedRect(QRectF(x, 31, 16, 14), 3, 3);
    QPainterPath front;
    front.moveTo(140, 31);
    front.lineTo(152, 31);
    front.quadTo(160, 33, 162, 45);
    front.lineTo(140, 45);
    front.closeSubpath();
    p.drawPath(front);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    for (int x = 24; x < 130; x += 22)
        p.drawRect(QRectF(x + 3, 33, 3, 6));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(greenDark.darker(130), 1));
    p.drawRoundedRect(QRectF(131, 30, 6, 36), 2, 2);

    // Headlight.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xF0, 0x80));
    p.drawEllipse(QPointF(158, 65), 2.6, 2.6);

    // Skirt, bogies and wheels resting on the rail just below the picture.
    p.setBrush(dark);
    p.drawRoundedRect(QRectF(20, 69, 141, 4), 2, 2);
    for (int bx : {28, 124}) {
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

    // The needle: a mount on the nose, then a steel spike whose tip is the car's front.
    // Drawn on whole pixels so the tip really reaches column 179.
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor steel(0xE8, 0xEC, 0xF4), steelShade(0x70, 0x78, 0x88);
    p.fillRect(QRect(164, 52, 4, 7), dark);
    p.fillRect(QRect(168, 54, 7, 3), steel);
    p.fillRect(QRect(168, 56, 7, 1), steelShade);
    p.fillRect(QRect(175, 54, 3, 2), steel);
    p.fillRect(QRect(175, 56, 3, 1), steelShade);
    p.fillRect(QRect(178, 55, 2, 1), steel);
    return image;
}

QImage burstBalloon(int scale)
{
    // Drawn in board coordinates shifted so the balloon's box (x 535, y 350) is the origin.
    QImage image = Canvas::filled(QSize(85, 84), Palette::trackTeal, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    Canvas::scaleTo(p, scale);
    SeededRandom random(85084);
    const QPointF centre(balloonCx - 535, balloonCy - 350);

    // A flash where the balloon was.
    QRadialGradient flash(centre, 26);
    flash.setColorAt(0.0, QColor(255, 255, 255, 200));
    flash.setColorAt(0.5, QColor(255, 250, 200, 90));
    flash.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(flash);
    p.drawEllipse(centre, 26, 26);

    // Torn rubber: ragged pieces flung outwards, each with a darker curled edge.
    for (int i = 0; i < 13; ++i) {
        const double angle = (i * (360.0 / 13) + random.range(-9, 9)) * M_PI / 180.0;
        const double dist = random.range(17, 30);
        const QPointF at = centre + QPointF(std::cos(angle) * dist, std::sin(angle) * dist * 0.92);
        const double size = random.range(5.5, 9.5);
        QPolygonF piece;
        const int corners = 5 + int(random.unit() * 3);
        for (int k = 0; k < corners; ++k) {
            const double a = angle + k * 2 * M_PI / corners;
            const double r = size * random.range(0.55, 1.1);
            piece << at + QPointF(std::cos(a) * r, std::sin(a) * r * 0.8);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(i % 4 == 0 ? QColor(0xC8, 0x00, 0x0C) : Palette::balloonRed);
        p.drawPolygon(piece);
        // The curled edge faces the middle, where the piece tore off.
        p.setPen(QPen(QColor(0x90, 0x00, 0x0C), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawLine(piece[corners / 2], piece[corners / 2 + 1]);
    }
    // Small bits further out.
    for (int i = 0; i < 10; ++i) {
        const double angle = random.range(0, 2 * M_PI);
        const double dist = random.range(30, 40);
        const QPointF at = centre + QPointF(std::cos(angle) * dist, std::sin(angle) * dist * 0.9);
        p.setBrush(Palette::balloonRed);
        p.drawEllipse(at, random.range(1.2, 2.2), random.range(1.0, 1.8));
    }
    // Burst lines.
    p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const double a = (i * 45 + 22.5) * M_PI / 180.0;
        p.drawLine(centre + QPointF(std::cos(a) * 5, std::sin(a) * 5),
                   centre + QPointF(std::cos(a) * 11, std::sin(a) * 11));
    }
    // The knot falls, trailing its string down to the rail.
    const double knotY = balloonCy - 350 + balloonRy * 1.14 + 2;
    p.setPen(QPen(QColor(0xF4, 0xF4, 0xF4), 1.3));
    p.setBrush(Qt::NoBrush);
    QPainterPath s;
    s.moveTo(centre.x(), knotY + 3);
    s.cubicTo(centre.x() - 6, knotY + 6, centre.x() + 6, knotY + 9, centre.x() + 2, 84);
    p.drawPath(s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC4, 0x00, 0x06));
    p.drawPath(knot(QPointF(centre.x(), knotY)));
    return image;
}

} // namespace TrackPictures
