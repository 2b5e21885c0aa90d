#pragma once

// Where a screen window stands: frame included, in the middle of its screen's free area.

#include <QHash>
#include <QMargins>
#include <QObject>
#include <QPointer>

class QWidget;

// Places the screens' windows, frame included, in the middle of their screen's free area.
// A window manager frames a window only once it is mapped: a window is placed first with the
// frame the last window had (the screens' windows are alike), and placed again once its own
// frame is seen, if that differs. One placement serves every window of the run.
class FramePlacement : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Before the window is shown: centres it with its frame if it has one, else the last seen.
    void centre(QWidget *window);
    // After the window is shown: centres it again once the window manager has framed it.
    void followFrame(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static QMargins frameOf(const QWidget *window);
    static void centre(QWidget *window, const QMargins &frame);

    QMargins m_lastFrame;
    // The windows shown but not framed yet, by their window-system window.
    QHash<QObject *, QPointer<QWidget>> m_awaitingFrame;
};
