#include "ui/PictureButton.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

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
    return m_picture.isNull() ? QSize(16, 16) : m_picture.size();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setClipRect(rect());
    QPoint at((width() - m_picture.width()) / 2, (height() - m_picture.height()) / 2);
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

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    m_ignoringPress = false;
    m_pressBefore = m_lastPress;
    m_lastPress = event->timestamp();
    QAbstractButton::mousePressEvent(event);
}

void PictureButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Comes right after the second press, which this button has taken already. If the first
    // press went elsewhere, the first click has changed the view or the screen under the pointer:
    // the second one is not meant for this button.
    const quint64 interval = quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    const bool tookTheFirstPress = m_pressBefore != 0 && m_lastPress - m_pressBefore <= interval;
    if (!tookTheFirstPress) {
        m_ignoringPress = true;
        setDown(false);
    }
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_ignoringPress) {
        m_ignoringPress = false;
        event->accept();
        return;
    }
    QAbstractButton::mouseReleaseEvent(event);
}

void PictureButton::mouseMoveEvent(QMouseEvent *event)
{
    // While an ignored press is held, moving over the face must not press the button again.
    if (!m_ignoringPress)
        QAbstractButton::mouseMoveEvent(event);
    Q_EMIT pointerMoved();
}

namespace {

// Return, and Enter on either keyboard, with no other modifier.
bool isEnterKey(const QKeyEvent *event)
{
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
           && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// The same key moment told as Space, which the button knows how to take: down when pressed,
// clicked when let go, auto-repeat ignored.
QKeyEvent asSpace(const QKeyEvent *event)
{
    return QKeyEvent(event->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), event->isAutoRepeat());
}

} // namespace

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    // Return and Enter press the focused button as Space does. Acting on the release keeps a
    // held key from clicking again, here or on the button that takes the focus next.
    if (isEnterKey(event)) {
        QKeyEvent space = asSpace(event);
        QAbstractButton::keyPressEvent(&space);
        event->setAccepted(space.isAccepted());
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void PictureButton::keyReleaseEvent(QKeyEvent *event)
{
    if (isEnterKey(event)) {
        QKeyEvent space = asSpace(event);
        QAbstractButton::keyReleaseEvent(&space);
        event->setAccepted(space.isAccepted());
        return;
    }
    QAbstractButton::keyReleaseEvent(event);
}
