#include "ui/PictureButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

PictureButton::PictureButton(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_NoMousePropagation);
}

void PictureButton::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

QSize PictureButton::sizeHint() const
{
    return m_picture.isNull() ? QSize(16, 16) : m_picture.deviceIndependentSize().toSize();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setClipRect(rect());
    // Centred by the picture's logical size: a twice-density picture covers the same face.
    const QSize picture = m_picture.deviceIndependentSize().toSize();
    QPoint at((width() - picture.width()) / 2, (height() - picture.height()) / 2);
    if (isDown())
        at += QPoint(1, 1); // a pressed face sinks by a pixel
    if (!m_picture.isNull())
        painter.drawPixmap(at, m_picture);
    if (hasFocus()) {
        QPen pen(Qt::white, 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void PictureButton::mouseMoveEvent(QMouseEvent *event)
{
    QAbstractButton::mouseMoveEvent(event);
    Q_EMIT pointerMoved();
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    // Return and Enter press the focused button, as Space does: what users of a desktop expect.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
