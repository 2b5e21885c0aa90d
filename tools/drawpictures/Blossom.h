#pragma once

#include <QColor>
#include <QPointF>

class QPainter;

// A five-petalled cherry blossom: notched petals shading from a deeper pink heart to a pale
// rim, with stamens. `radius` is the petal length; `turn` rotates it, in degrees.
struct BlossomColours
{
    QColor heart{0xF0, 0x7A, 0xA8};
    QColor rim{0xFF, 0xE0, 0xEC};
    QColor outline{0xE0, 0x6A, 0x96};
    QColor stamen{0xC8, 0x30, 0x5C};
    QColor pollen{0xF8, 0xD0, 0x40};
};

void drawBlossom(QPainter& painter, QPointF centre, double radius, double turn,
                 const BlossomColours& colours = BlossomColours());
