#pragma once

#include <QPoint>
#include <QString>

#include <functional>

class QWindow;

// Pointer and keys as the window system delivers them: each event reaches the window named at
// that moment and, in it, the control under the pointer or holding the focus. The pointer goes
// through the platform layer, so that two presses in quick succession make a double click.
namespace SystemInput {

// The window that receives the next event (the screen on show may change between two events).
using WindowNow = std::function<QWindow *()>;

// Two clicks of the left button at a point of the screen, 80 ms apart; what the first click
// sets in motion (a new view, a new screen) happens before the second.
void doubleClick(const WindowNow &window, QPoint global);

// Plays a key on the focused control as a script: 'P' pressed, 'R' let go, 'r' and 'p' the
// pairs that the key's auto-repeat sends while it is held, 'x' such a pair not marked as a
// repeat (a release and a press in the same millisecond, as X11 may deliver them), '.' 150 ms
// pass with events processed.
void playKey(const WindowNow &window, int key, Qt::KeyboardModifiers modifiers, const QString &script);

} // namespace SystemInput
