#include "screens/Screen.h"

#include "platform/MutableSoundPlayer.h"
#include "widgets/ButtonKeys.h"
#include "widgets/ScreenWindow.h"

#include <QTimer>

Screen::Screen(ScreenContext &ctx) : context(ctx)
{
}

void Screen::show(FramePlacement &frames)
{
    m_window = createWindow();
    m_caption = m_window->windowTitle();
    connect(m_window.data(), &ScreenWindow::closeBoxPressed, this, &Screen::closeBoxPressed);
    auto *keys = new ButtonKeys(m_window);
    keys->bind(Qt::Key_M, [this] { toggleMute(); });
    bindKeys(*keys);
    showMuteInCaption();
    load();
    // A load() that failed never gets here: the screen is never shown.
    m_window->open(frames);
}

void Screen::toggleMute()
{
    context.sound.setMuted(!context.sound.isMuted());
    showMuteInCaption();
}

void Screen::showMuteInCaption()
{
    m_window->setWindowTitle(context.sound.isMuted() ? m_caption + QStringLiteral("（消音）") : m_caption);
}

void Screen::unload()
{
    if (!m_window)
        return;
    ScreenWindow *window = m_window;
    m_window = nullptr;
    unloaded();
    // Its timers go with the window: none may tick between now and the deferred delete.
    for (QTimer *timer : window->findChildren<QTimer *>())
        timer->stop();
    for (QObject *child : window->findChildren<QObject *>())
        child->blockSignals(true);
    window->blockSignals(true);
    window->hide();
    // Deferred: the unload usually runs inside a click on one of the window's own buttons.
    window->deleteLater();
}
