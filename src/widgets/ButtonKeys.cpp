#include "widgets/ButtonKeys.h"

#include "error/ErrorGuard.h"
#include "widgets/HeldKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

ButtonKeys::ButtonKeys(QWidget *window) : QObject(window), m_window(window)
{
    // A key goes to the focused control first, so every control is watched, and the window
    // for the moments when none has the focus.
    window->installEventFilter(this);
    for (QWidget *control : window->findChildren<QWidget *>())
        control->installEventFilter(this);
}

void ButtonKeys::bind(int key, std::function<void()> action, std::function<bool()> active)
{
    m_bindings.push_back({key, std::move(action), std::move(active)});
}

void ButtonKeys::bindClick(int key, QAbstractButton *button, std::function<bool()> active)
{
    bind(
        key, [button] { button->click(); },
        [this, button, active = std::move(active)] {
            return button->isVisibleTo(m_window) && button->isEnabled() && (!active || active());
        });
}

bool ButtonKeys::plain(const QKeyEvent *event)
{
    return (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool ButtonKeys::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::KeyPress)
        return keyPressed(static_cast<QKeyEvent *>(event));
    if (event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        HeldKeys &held = HeldKeys::ofApplication();
        if (held.isRepeat(key))
            return m_taken.contains(key->key());
        held.noteRelease(key);
        return m_taken.remove(key->key());
    }
    return false;
}

bool ButtonKeys::keyPressed(const QKeyEvent *event)
{
    if (!plain(event))
        return false;
    const int key = event->key();
    for (const Binding &binding : m_bindings) {
        if (binding.key != key)
            continue;
        // A key held down since before this window opened, or since its first press acted,
        // repeats here: it must not act again, nor press the focused control.
        if (HeldKeys::ofApplication().isRepeat(event))
            return true;
        bool active = false;
        ErrorGuard::run([&] { active = !binding.active || binding.active(); });
        if (!active)
            continue;
        m_taken.insert(key);
        ErrorGuard::run(binding.action);
        return true;
    }
    return false;
}
