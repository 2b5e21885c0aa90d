#include "widgets/PictureButton.h"

#include <QGuiApplication>
#include <QHash>
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

// When each of those keys was last let go, over all buttons: a held key's repeats move on to
// the button that takes the focus.
QHash<int, quint64> &lastRelease()
{
    static QHash<int, quint64> moments;
    return moments;
}

// Whether the key moment belongs to a held key's auto-repeat. The window system does not
// always say so (under X11 a busy program may see a repeat as a release and a fresh press);
// a press in the very millisecond of the key's last release is one all the same.
bool isRepeat(const QKeyEvent *event)
{
    if (event->isAutoRepeat())
        return true;
    if (event->type() != QEvent::KeyPress || event->timestamp() == 0)
        return false;
    const auto released = lastRelease().constFind(event->key());
    return released != lastRelease().cend() && *released == event->timestamp();
}

// The same key moment told as Space, which the button knows how to take: down when pressed,
// clicked when let go, repeats ignored.
QKeyEvent asSpace(const QKeyEvent *event)
{
    return QKeyEvent(event->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), isRepeat(event));
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
        if (event->timestamp() != 0)
            lastRelease().insert(event->key(), event->timestamp());
        QAbstractButton::keyReleaseEvent(&space);
        event->setAccepted(space.isAccepted());
        return;
    }
    QAbstractButton::keyReleaseEvent(event);
}
