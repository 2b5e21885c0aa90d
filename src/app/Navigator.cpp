#include "app/Navigator.h"

#include "error/ErrorGuard.h"
#include "screens/Screen.h"

void Navigator::setScreen(ScreenId id, Screen *screen)
{
    m_screens[static_cast<int>(id)] = screen;
    ErrorGuard::connect(screen, &Screen::closeBoxPressed, this, [this, screen] { closeBoxPressed(screen); });
}

Screen *Navigator::screen(ScreenId id) const
{
    return m_screens[static_cast<int>(id)];
}

void Navigator::start()
{
    show(ScreenId::Menu);
}

void Navigator::moveTo(ScreenId target)
{
    if (m_ended)
        return;
    if (m_current)
        m_current->unload();
    m_current = nullptr;
    show(target);
}

void Navigator::show(ScreenId target)
{
    Screen *next = screen(target);
    Q_ASSERT(next);
    m_currentId = target;
    m_current = next;
    next->show(m_frames);
}

void Navigator::endProgram()
{
    if (m_current)
        m_current->unload();
    m_current = nullptr;
    m_ended = true;
    Q_EMIT programEnded();
}

void Navigator::closeBoxPressed(Screen *screen)
{
    if (screen == m_current)
        endProgram();
}
