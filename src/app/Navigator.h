#pragma once

// The navigator: shows one screen at a time, moves between them and ends the program.

#include "screens/ScreenId.h"
#include "screens/ScreenMoves.h"
#include "widgets/FramePlacement.h"

#include <QObject>

class Screen;


// Moves from screen to screen and ends the program. Exactly one screen is loaded and on show
// at a time; a move unloads the current screen, then creates the next in its designed state,
// runs its load() and shows it.
class Navigator : public QObject, public ScreenMoves
{
    Q_OBJECT
public:
    void setScreen(ScreenId id, Screen *screen);

    // Start-up: shows the Menu screen.
    void start();
    void moveTo(ScreenId target) override;
    // Unloads the screen on show and ends the program at once.
    void endProgram() override;
    // The close box of the screen on show: unloaded, and the program ends.
    void closeBoxPressed(Screen *screen);

    bool hasEnded() const { return m_ended; }
    bool hasCurrent() const { return m_current != nullptr; }
    ScreenId currentId() const { return m_currentId; }
    Screen *current() const { return m_current; }
    Screen *screen(ScreenId id) const;

Q_SIGNALS:
    void programEnded();

private:
    void show(ScreenId target);

    Screen *m_screens[3] = {nullptr, nullptr, nullptr};
    Screen *m_current = nullptr;
    ScreenId m_currentId = ScreenId::Menu;
    bool m_ended = false;
    // Where each screen's window stands on the desktop, with the frame the last one had.
    FramePlacement m_frames;
};
