#pragma once

// The one rule of a held key, for the window's bound keys and for every button.

#include <QHash>
#include <QObject>

class QKeyEvent;

// Tells a held key's repeats from fresh presses. The window system says so of most repeats;
// not of all: under X11 a busy program may see a repeat as a release and a fresh press, both
// in the same millisecond. A press in the very millisecond of the key's last release is a
// repeat all the same. The moments are the program's, over all windows: a held key's repeats
// move on to the button, or the window, that takes the focus.
class HeldKeys : public QObject
{
    Q_OBJECT
public:
    // The application's one record of key releases, made with it and gone with it.
    static HeldKeys &ofApplication();

    // Whether this press or release belongs to a held key's auto-repeat.
    bool isRepeat(const QKeyEvent *event) const;
    // Notes the moment a key was let go (repeats and events without a moment are not noted).
    void noteRelease(const QKeyEvent *event);

private:
    explicit HeldKeys(QObject *application);

    QHash<int, quint64> m_lastRelease; // key -> the moment it was last let go
};
