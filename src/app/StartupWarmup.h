#pragma once

#include <QObject>
#include <functional>
#include <vector>

// Once the Menu has painted for the first time, prepares in idle time what the first drill
// needs: the labels' fonts and the Drill screen's built-in pictures (kept in Qt's pixmap
// cache), then any further steps given, such as opening the audio output. Reads no data file
// and runs once per run, from a zero-delay timer, so the Menu is never kept waiting.
class StartupWarmup : public QObject
{
    Q_OBJECT
public:
    explicit StartupWarmup(std::vector<std::function<void()>> furtherSteps = {}, QObject *parent = nullptr);

    // Watches for the program's first paint (the Menu's): call before the Menu is shown, as
    // a window may paint while it is being shown.
    void watch();
    // The warm-up itself (done when the first paint's zero-delay timer fires).
    void run();
    bool done() const { return m_done; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::vector<std::function<void()>> m_furtherSteps;
    bool m_scheduled = false;
    bool m_done = false;
};
