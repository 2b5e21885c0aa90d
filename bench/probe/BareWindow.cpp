// A bare Qt Widgets window of the Menu's size, the yardstick of the start-up probe: it reports
// the moment of its first paint and, asked to hold, its resident memory after a while.
#include "ProbeReport.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class BareWindow : public QWidget
{
public:
    explicit BareWindow(int holdMs) : m_holdMs(holdMs) { setFixedSize(750, 523); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(rect(), palette().window());
        if (m_painted)
            return;
        m_painted = true;
        ProbeReport::print("painted_ns", double(ProbeReport::monotonicNow()));
        QTimer::singleShot(m_holdMs, this, [] {
            ProbeReport::print("rss_kb", double(ProbeReport::residentKb()));
            ProbeReport::print("anon_kb", double(ProbeReport::anonymousKb()));
            QCoreApplication::exit(0);
        });
    }

private:
    int m_holdMs;
    bool m_painted = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int holdMs = argc > 1 ? QByteArray(argv[1]).toInt() : 0;
    BareWindow window(holdMs);
    window.show();
    return app.exec();
}
