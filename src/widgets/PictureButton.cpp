#include "widgets/PictureButton.h"

#include "widgets/HeldKeys.h"

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
    m_shown.set(picture);
    update();
}

void PictureButton::setBuiltinPicture(const QString &resourcePath, qreal devicePixelRatio)
{
    m_shown.setBuiltin(resourcePath, devicePixelRatio);
    update();
}

void PictureButton::showBuiltinPictureFor(qreal devicePixelRatio)
{
    if (m_shown.reloadFor(devicePixelRatio))
        update();
}

QSize PictureButton::sizeHint() const
{
    return picture().isNull() ? QSize(16, 16) : picture().deviceIndependentSize().toSize();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setClipRect(rect());
    // Centred by the picture's logical size: a twice-density picture covers the same face.
    const QPixmap &face = picture();
    const QSize size = face.deviceIndependentSize().toSize();
    QPoint at((width() - size.width()) / 2, (height() - size.height()) / 2);
    if (isDown())
        at += QPoint(1, 1); // a pressed face sinks by a pixel
    if (!face.isNull())
        painter.drawPixmap(at, face);
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

// Space, Return, and Enter on either keyboard, with no other modifier.
bool isPressKey(const QKeyEvent *event)
{
    const int key = event->key();
    return (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
           && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// The same key moment told as Space, which the button knows how to take: down when pressed,
// clicked when let go, repeats ignored.
QKeyEvent asSpace(const QKeyEvent *event)
{
    return QKeyEvent(event->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                     HeldKeys::ofApplication().isRepeat(event));
}

} // namespace

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    // Return and Enter press the focused button as Space does. Acting on the release, and
    // never on a repeat, keeps a held key from clicking again, here or on the button that
    // takes the focus next.
    if (isPressKey(event)) {
        QKeyEvent space = asSpace(event);
        QAbstractButton::keyPressEvent(&space);
        event->setAccepted(space.isAccepted());
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void PictureButton::keyReleaseEvent(QKeyEvent *event)
{
    if (isPressKey(event)) {
        QKeyEvent space = asSpace(event);
        HeldKeys::ofApplication().noteRelease(event);
        QAbstractButton::keyReleaseEvent(&space);
        event->setAccepted(space.isAccepted());
        return;
    }
    QAbstractButton::keyReleaseEvent(event);
}
