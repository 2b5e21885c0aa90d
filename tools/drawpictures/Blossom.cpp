#include "Blossom.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

QPainterPath petal(double r)
{
    // Pointing up from the centre, with the notch at its tip.
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(-0.50 * r, -0.22 * r, -0.58 * r, -0.86 * r, -0.20 * r, -r);
    path.lineTo(0, -0.82 * r);
    path.lineTo(0.20 * r, -r);
    path.cubicTo(0.58 * r, -0.86 * r, 0.50 * r, -0.22 * r, 0, 0);
    path.closeSubpath();
    return path;
}

} // namespace

void drawBlossom(QPainter& painter, QPointF centre, double radius, double turn, const BlossomColours& colours)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(centre);
    painter.rotate(turn);

    QRadialGradient shade(QPointF(0, 0), radius);
    shade.setColorAt(0.0, colours.heart);
    shade.setColorAt(0.45, colours.heart.lighter(112));
    shade.setColorAt(1.0, colours.rim);
    const QPainterPath onePetal = petal(radius);
    QPen edge(colours.outline);
    edge.setWidthF(std::max(0.6, radius / 18.0));
    for (int i = 0; i < 5; ++i) {
        painter.save();
        painter.rotate(72.0 * i);
        painter.setPen(edge);
        painter.setBrush(shade);
        painter.drawPath(onePetal);
        painter.restore();
    }

    // Stamens: fine lines with pollen tips around a deep pink heart.
    if (radius >= 6) {
        QPen stalk(colours.stamen);
        stalk.setWidthF(std::max(0.5, radius / 24.0));
        for (int i = 0; i < 10; ++i) {
            const double a = (36.0 * i + 18.0) * M_PI / 180.0;
            const double len = radius * (i % 2 ? 0.34 : 0.42);
            const QPointF tip(std::sin(a) * len, -std::cos(a) * len);
            painter.setPen(stalk);
            painter.drawLine(QPointF(0, 0), tip);
            painter.setPen(Qt::NoPen);
            painter.setBrush(colours.pollen);
            painter.drawEllipse(tip, radius / 20.0 + 0.25, radius / 20.0 + 0.25);
        }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.stamen);
    painter.drawEllipse(QPointF(0, 0), radius * 0.12, radius * 0.12);
    painter.restore();
}
