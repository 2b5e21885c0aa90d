#include "widgets/NumberLabel.h"

#include <QFontMetricsF>
#include <QPainter>

NumberLabel::NumberLabel(QWidget *parent) : QLabel(parent)
{
}

void NumberLabel::paintEvent(QPaintEvent *)
{
    if (text().isEmpty())
        return;
    const QFontMetricsF metrics(font());
    const QRectF ink = metrics.tightBoundingRect(text()); // about the baseline

    const qreal left = (width() - metrics.horizontalAdvance(text())) / 2.0;
    const qreal baseline = middle() - ink.center().y();
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QPointF(qRound(left), qRound(baseline)), text());
}
