#pragma once

// A window's keys: each clicks a button or runs an action, a held key only once.

#include <QObject>
#include <QSet>

#include <functional>
#include <vector>

class QAbstractButton;
class QKeyEvent;
class QWidget;

// Keys that act on one screen window wherever its keyboard focus lies. A key acts once, on
// its first press, while its condition holds; its repeats (HeldKeys) never act, and its press,
// repeats and release go no further. A key whose condition does not hold goes on to the
// focused control as usual. Keypad keys count as the main keyboard's; a key with Ctrl, Alt,
// Shift or Meta is not a bound key.
class ButtonKeys : public QObject
{
    Q_OBJECT
public:
    // Watches the window and every control it holds at this moment; goes with the window.
    explicit ButtonKeys(QWidget *window);

    // key runs action while active() holds (always when no condition is given). The action
    // runs inside the program's error guard.
    void bind(int key, std::function<void()> action, std::function<bool()> active = {});
    // key clicks button, as a pointer click would, while the button is on show and enabled
    // and active() holds.
    void bindClick(int key, QAbstractButton *button, std::function<bool()> active = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Binding
    {
        int key;
        std::function<void()> action;
        std::function<bool()> active;
    };

    bool keyPressed(const QKeyEvent *event);
    static bool plain(const QKeyEvent *event);

    QWidget *m_window;
    std::vector<Binding> m_bindings;
    QSet<int> m_taken; // keys whose press acted here: their repeats and release end here too
};
