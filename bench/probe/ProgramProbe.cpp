// The program as main() builds it, with its real sound player and picture loader, driven
// through its own buttons: reports the moment of the Menu's first paint, the first and warm
// Menu -> Drill moves, the first and warm answers (click to mark painted), the Grade screen's
// hover swap and resident memory along 200 answers. Only the clock is the probe's own: it
// jumps ahead so that the drill's one-second stages act at once instead of after a wait.
#include "ProbeReport.h"

#include "app/Navigator.h"
#include "app/Program.h"
#include "app/StartupWarmup.h"
#include "error/ErrorGuard.h"
#include "platform/DataPictureLoader.h"
#include "platform/LoadableSoundPlayer.h"
#include "platform/MixingRandomSource.h"
#include "platform/Stage.h"
#include "platform/SystemClock.h"
#include "screens/drill/DrillLayout.h"
#include "screens/drill/DrillScreen.h"
#include "screens/grade/GradeLayout.h"
#include "screens/grade/GradeScreen.h"
#include "screens/menu/MenuLayout.h"
#include "screens/menu/MenuScreen.h"
#include "screens/SharedState.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureLabel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

// The time of day, moved on by hand when the probe skips a stage's wait.
class SkippingClock : public Clock
{
public:
    float secondsSinceMidnight() const override
    {
        return std::fmod(m_real.secondsSinceMidnight() + m_skipped, 86400.0f);
    }
    void skip(float seconds) { m_skipped += seconds; }

private:
    SystemClock m_real;
    float m_skipped = 0;
};

// Notes the first paint, after arm(), of a widget or of any control in a window that may not
// exist yet when it is armed (a screen's window is created by the click that is timed).
class PaintWatch : public QObject
{
public:
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    void arm(QWidget *widget)
    {
        armWindow([widget] { return widget; }, false);
    }
    void armWindow(std::function<QWidget *()> target, bool wholeWindow = true)
    {
        m_painted = false;
        m_target = std::move(target);
        m_wholeWindow = wholeWindow;
        qApp->installEventFilter(this);
    }
    bool painted() const { return m_painted; }
    std::function<void()> onPaint;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || m_painted || !watched->isWidgetType())
            return false;
        QWidget *widget = static_cast<QWidget *>(watched);
        QWidget *target = m_target();
        if (target && (m_wholeWindow ? widget->window() == target : widget == target)) {
            m_painted = true;
            qApp->removeEventFilter(this);
            if (onPaint)
                onPaint();
        }
        return false;
    }

private:
    std::function<QWidget *()> m_target;
    bool m_wholeWindow = false;
    bool m_painted = false;
};

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One turn of the event loop as the program's own would run it. The probe drives the program
// from inside one event handler, where Qt keeps deleteLater() for an outer loop that never turns:
// the windows a move closes are deleted here, as they are in the program, or they would pile up.
void runEvents(int maxMs = 0)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, maxMs);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Runs events until the watched widget has painted; milliseconds since `started`.
double untilPainted(const PaintWatch &watch, const QElapsedTimer &started)
{
    // A paint that never comes (nothing changed) is reported as -1 rather than waited for.
    while (!watch.painted()) {
        if (started.elapsed() > 5000)
            return -1;
        runEvents(5);
    }
    return started.nsecsElapsed() / 1e6;
}

void runEventsFor(int ms)
{
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < ms)
        runEvents(5);
}

class Driver
{
public:
    Driver(Program &program, SkippingClock &clock) : m_program(program), m_clock(clock) {}

    template <typename Key>
    PictureButton *button(Screen &screen, Key key) const
    {
        return screen.window()->button(key);
    }

    // From the Menu (or the Drill) to the Drill, timed until its window has painted.
    template <typename Key>
    double moveToDrill(Screen &from, Key drillButton)
    {
        PaintWatch watch;
        DrillScreen &drill = m_program.drill();
        watch.armWindow([&drill]() -> QWidget * { return drill.window(); });
        QElapsedTimer started;
        started.start();
        button(from, drillButton)->click();
        return untilPainted(watch, started);
    }

    // Answers the question on show, right or wrong; timed until the mark has painted.
    double answer(bool right)
    {
        DrillScreen &drill = m_program.drill();
        const qint16 correct = drill.session().rightChoice();
        const int choice = right ? correct : correct % 4 + 1;
        ScreenWindow *w = drill.window();
        PictureLabel *mark = w->image(right ? DrillControl::CorrectMark : DrillControl::WrongMark);
        PaintWatch watch;
        watch.arm(mark);
        QElapsedTimer started;
        started.start();
        w->button(DrillLayout::choiceButton(choice))->click();
        return untilPainted(watch, started);
    }

    // Lets every stage that is waiting act, as if its second had passed, then goes on to the
    // next question; a finished drill starts again from the Menu.
    void finishAnswer()
    {
        DrillScreen &drill = m_program.drill();
        for (int round = 0; round < 4; ++round) {
            m_clock.skip(2.0f);
            for (const DrillStage which : AllDrillStages)
                if (Stage *stage = drill.stage(which); stage && stage->isRunning())
                    stage->tick();
        }
        runEvents();
        if (drill.session().finished()) {
            button(drill, DrillControl::ReturnButton)->click();
            runEvents();
            moveToDrill(m_program.menu(), MenuControl::DrillButton);
        } else {
            button(drill, DrillControl::NextButton)->click();
            runEvents();
        }
    }

private:
    Program &m_program;
    SkippingClock &m_clock;
};

void runDrill(Program &program, SkippingClock &clock)
{
    Driver driver(program, clock);
    ProbeReport::print("first_move_ms", driver.moveToDrill(program.menu(), MenuControl::DrillButton));

    std::vector<double> moves;
    for (int i = 0; i < 9; ++i) {
        driver.button(program.drill(), DrillControl::ReturnButton)->click();
        runEvents();
        moves.push_back(driver.moveToDrill(program.menu(), MenuControl::DrillButton));
    }
    ProbeReport::print("warm_move_ms", median(moves));

    // Runs of right answers with a wrong one between, and now and then five wrong answers in
    // a row: every sound, the bonus and the miss limit come round.
    const QByteArray pattern = "RRRRRWRRWRRRRRRWWWWWRRRW";
    std::vector<double> answers;
    for (int i = 0; i < 200; ++i) {
        const double ms = driver.answer(pattern.at(i % pattern.size()) == 'R');
        if (i == 0)
            ProbeReport::print("first_answer_ms", ms);
        else
            answers.push_back(ms);
        driver.finishAnswer();
        if (i + 1 == 50) {
            runEventsFor(200);
            ProbeReport::print("rss50_kb", double(ProbeReport::residentKb()));
        }
    }
    runEventsFor(200);
    ProbeReport::print("rss200_kb", double(ProbeReport::residentKb()));
    ProbeReport::print("anon200_kb", double(ProbeReport::anonymousKb()));
    ProbeReport::print("warm_answer_ms", median(answers));

    // The Grade screen: the pointer goes from grade button to grade button, each move swapping
    // two pictures read from the title folder (button 1 starts highlighted: begin at 2).
    driver.button(program.drill(), DrillControl::SettingsButton)->click();
    runEvents();
    ScreenWindow *grade = program.grade().window();
    std::vector<double> swaps;
    for (int i = 0; i < 60; ++i) {
        PictureButton *target = grade->button(GradeLayout::gradeButton((i + 1) % 7 + 1));
        PaintWatch watch;
        watch.arm(target);
        QElapsedTimer started;
        started.start();
        const QPointF at(target->width() / 2.0, target->height() / 2.0);
        QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        swaps.push_back(untilPainted(watch, started));
    }
    ProbeReport::print("hover_swap_ms", median(swaps));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("bunpo-drill"));
    QApplication::setQuitOnLastWindowClosed(false);
    const bool drill = argc > 1 && QByteArray(argv[1]) == "drill";

    SkippingClock clock;
    MixingRandomSource random;
    LoadableSoundPlayer sound({QStringLiteral(BUNPO_BIN_DIR)});
    DataPictureLoader pictures;
    Program program(baseDirFrom(QStringLiteral(BUNPO_BIN_DIR)), clock, random, sound, pictures);
    QObject::connect(&program.navigator(), &Navigator::programEnded, &app, [] { QCoreApplication::exit(0); });

    PaintWatch firstPaint;
    firstPaint.onPaint = [&] {
        ProbeReport::print("painted_ns", double(ProbeReport::monotonicNow()));
        QTimer::singleShot(0, &app, [&] {
            if (!drill) {
                QCoreApplication::exit(0);
                return;
            }
            // What an idle user leaves the program before the first click.
            runEventsFor(500);
            ErrorGuard::run([&] { runDrill(program, clock); });
            QCoreApplication::exit(0);
        });
    };
    MenuScreen &menu = program.menu();
    firstPaint.armWindow([&menu]() -> QWidget * { return menu.window(); });

    StartupWarmup warmup({[&sound] { sound.prepare(); }});
    warmup.watch();
    if (!ErrorGuard::run([&] { program.start(); }))
        return 1;

    return app.exec();
}
