#include "widgets/FramePlacement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

QMargins FramePlacement::frameOf(const QWidget *window)
{
    const QRect frame = window->frameGeometry(), client = window->geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                    frame.bottom() - client.bottom());
}

void FramePlacement::centre(QWidget *window, const QMargins &frame)
{
    const QScreen *where = window->screen();
    if (!where)
        return;
    const QRect area = where->availableGeometry();
    const QSize outer = window->size().grownBy(frame);
    // A window's position is its frame's.
    window->move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

void FramePlacement::centre(QWidget *window)
{
    const QMargins known = frameOf(window);
    centre(window, known.isNull() ? m_lastFrame : known);
}

void FramePlacement::followFrame(QWidget *window)
{
    QWindow *handle = window->windowHandle();
    if (!handle)
        return;
    m_awaitingFrame.insert(handle, window);
    connect(handle, &QObject::destroyed, this, [this](QObject *gone) { m_awaitingFrame.remove(gone); });
    handle->installEventFilter(this);
}

bool FramePlacement::eventFilter(QObject *watched, QEvent *event)
{
    // The frame is known once the window manager has framed the window: by its first exposure
    // as a rule, by a later move or exposure when it is slow. With no frame to be seen (no
    // window manager) the first placing holds.
    const bool placed = event->type() == QEvent::Expose || event->type() == QEvent::Move;
    const auto awaiting = m_awaitingFrame.constFind(watched);
    if (placed && awaiting != m_awaitingFrame.cend()) {
        QWidget *window = awaiting.value();
        const QMargins frame = window ? frameOf(window) : QMargins();
        if (!window || !frame.isNull()) {
            m_awaitingFrame.remove(watched);
            watched->removeEventFilter(this);
            if (window && frame != m_lastFrame) {
                m_lastFrame = frame;
                centre(window, frame);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
