#pragma once

// A screen: lives for the whole run, creates its window anew at every showing.

#include "screens/ScreenContext.h"
#include "widgets/ScreenWindow.h"

#include <QObject>
#include <QPointer>

class ButtonKeys;
class FramePlacement;

// One screen: an object that lives for the whole run and owns its fields, and a window with its
// controls that exists only while the screen is loaded. Every showing creates the window anew in
// its designed state and runs load(), so each showing starts afresh.
class Screen : public QObject
{
    Q_OBJECT
public:
    explicit Screen(ScreenContext &context);

    bool isLoaded() const { return !m_window.isNull(); }
    ScreenWindow *window() const { return m_window; }

Q_SIGNALS:
    // The user closed this screen's window through its close box.
    void closeBoxPressed();

protected:
    // The window and its controls in their designed state.
    virtual ScreenWindow *createWindow() = 0;
    // Runs at every showing, before the window is visible.
    virtual void load() = 0;
    // The window is going away: drop every pointer into it.
    virtual void unloaded() {}
    // The screen's own keys, bound on every new window before load() runs. M, which
    // mutes the program's sound on every screen, is bound already.
    virtual void bindKeys(ButtonKeys &keys) { Q_UNUSED(keys); }

    ScreenContext &context;

private:
    friend class Navigator;
    void show(FramePlacement &frames);
    void unload();
    void toggleMute();
    // The title says （消音） after the caption while the program's sound is muted.
    void showMuteInCaption();

    QPointer<ScreenWindow> m_window;
    QString m_caption; // the window's title as designed
};
